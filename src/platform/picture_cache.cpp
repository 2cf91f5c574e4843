#include "platform/picture_cache.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {
QHash<QString, QPixmap>& Cache() {
    static QHash<QString, QPixmap> cache;
    return cache;
}

QString ResolveName(const QString& folder, const QString& name) {
    const QString exact = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact)) return exact;
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return folder + QLatin1Char('/') + entry;
    }
    return {};
}
}  // namespace

QPixmap LoadPicture(const QString& folder, const QString& name) {
    const QString key = folder + QLatin1Char('/') + name;
    auto it = Cache().constFind(key);
    if (it != Cache().constEnd()) return *it;
    QPixmap picture;
    const QString path = ResolveName(folder, name);
    if (!path.isEmpty()) picture.load(path);
    // A missing picture is not cached: it may be written later in the run.
    if (!picture.isNull()) Cache().insert(key, picture);
    return picture;
}

void ClearPictureCache() {
    Cache().clear();
}
