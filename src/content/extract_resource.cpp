#include "content/extract_resource.h"

#include "content/resource_ids.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

enum ExtractError {
    kUnknownType = 1,
    kNoSuchResource = 2,
    kCannotOpen = 3,
    kCannotWrite = 4,
    kCannotCommit = 5,
};

QString ResourcePath(int id) { return QStringLiteral(":/package/%1").arg(id); }

}  // namespace

bool ResourceExists(int id) { return id > 0 && QFile::exists(ResourcePath(id)); }

QByteArray ResourceBytes(int id) {
    if (id <= 0) return {};
    QFile file(ResourcePath(id));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

int ExtractResource(int id, const QString& type, const QString& path) {
    if (type != QLatin1String("Custom")) return kUnknownType;
    if (!ResourceExists(id)) return kNoSuchResource;
    const QByteArray bytes = ResourceBytes(id);
    // A file that already holds exactly these bytes is left alone: the outcome is the same and
    // every start-up would otherwise pay a disk sync per skin picture.
    if (QFile existing(path); existing.size() == bytes.size() && existing.open(QIODevice::ReadOnly) &&
                              existing.readAll() == bytes)
        return 0;
    // QSaveFile writes a sibling file and renames it over the old one: a longer old file is
    // replaced whole and a failure never leaves a torn file at `path`.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return kCannotOpen;
    // commit() alone misses a short write still in the buffer (a full disk), so flush first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return kCannotWrite;
    }
    return file.commit() ? 0 : kCannotCommit;
}

void WriteGraphics(const QString& programFolder) {
    const QString folder = programFolder + QStringLiteral("/Graphics");
    QDir().mkpath(folder);
    for (int id : GraphicIds()) ExtractResource(id, QStringLiteral("Custom"), folder + '/' + GraphicFileName(id));
}
