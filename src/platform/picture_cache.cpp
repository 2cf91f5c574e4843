#include "platform/picture_cache.h"

#include <QDir>
#include <QFileInfo>

namespace {
QHash<QString, QPixmap>& Cache() {
    static QHash<QString, QPixmap> cache;
    return cache;
}

QHash<QString, QImage>& Adopted() {
    static QHash<QString, QImage> adopted;
    return adopted;
}

QString Key(const QString& folder, const QString& name) {
    return folder + QLatin1Char('/') + name;
}

QString ResolveName(const QString& folder, const QString& name) {
    const QString exact = Key(folder, name);
    if (QFileInfo::exists(exact)) return exact;
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return Key(folder, entry);
    }
    return {};
}
}  // namespace

QPixmap LoadPicture(const QString& folder, const QString& name) {
    const QString key = Key(folder, name);
    auto it = Cache().constFind(key);
    if (it != Cache().constEnd()) return *it;
    QPixmap picture;
    if (const QImage decoded = Adopted().take(key); !decoded.isNull()) {
        picture = QPixmap::fromImage(decoded);
    } else {
        const QString path = ResolveName(folder, name);
        if (!path.isEmpty()) picture.load(path);
    }
    // A missing picture is not cached: it may be written later in the run.
    if (!picture.isNull()) Cache().insert(key, picture);
    return picture;
}

DecodedPictures DecodePictures(const QList<PictureFile>& files) {
    DecodedPictures pictures;
    for (const PictureFile& file : files) {
        // Read as QPixmap::load reads a file: the format its name suggests first, then whatever
        // the contents are.
        const QByteArray hint = QFileInfo(file.name).suffix().toLatin1();
        QImage picture = QImage::fromData(file.bytes, hint.constData());
        if (picture.isNull()) picture = QImage::fromData(file.bytes);
        if (!picture.isNull()) pictures.insert(file.name, picture);
    }
    return pictures;
}

void AdoptPictures(const QString& folder, const DecodedPictures& pictures) {
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it) {
        const QString key = Key(folder, it.key());
        Cache().remove(key);
        Adopted().insert(key, it.value());
    }
}

void ClearPictureCache() {
    Cache().clear();
    Adopted().clear();
}
