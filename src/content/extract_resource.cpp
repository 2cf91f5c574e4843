#include "content/extract_resource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>

#include "content/content_log.h"
#include "content/resource_ids.h"

namespace {

QString ResourcePath(int id) {
    return QStringLiteral(":/package/%1").arg(id);
}

bool HoldsExactly(const QString& path, const QByteArray& bytes) {
    if (QFileInfo(path).size() != bytes.size()) return false;
    const std::optional<QByteArray> existing = ReadRegularFile(path);
    return existing && *existing == bytes;
}

}  // namespace

bool ResourceExists(int id) {
    return id > 0 && QFile::exists(ResourcePath(id));
}

QByteArray ResourceBytes(int id) {
    if (id <= 0) return {};
    const QResource stored(ResourcePath(id));
    if (!stored.isValid()) return {};
    // A resource stored unpacked is read where it lies in the program, with no copy.
    if (stored.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(stored.data()),
                                       static_cast<qsizetype>(stored.size()));
    return stored.uncompressedData();
}

ExtractResult ExtractResource(int id, const QString& type, const QString& path, FileSync sync) {
    if (type != QLatin1String("Custom")) {
        qCWarning(lcContent) << "resource" << id << "asked with the unknown type" << type;
        return ExtractResult::UnknownType;
    }
    if (!ResourceExists(id)) {
        qCWarning(lcContent) << "the package holds no resource" << id;
        return ExtractResult::NoSuchResource;
    }
    const QByteArray bytes = ResourceBytes(id);
    // A file that already holds exactly these bytes is left alone: the outcome is the same and
    // costs no write.
    if (HoldsExactly(path, bytes)) return ExtractResult::Ok;
    if (!WriteFileAtomically(path, bytes, sync)) {
        qCWarning(lcContent) << "resource" << id << "could not be written to" << path;
        return ExtractResult::CannotWrite;
    }
    return ExtractResult::Ok;
}

QStringList WriteGraphics(const QString& programFolder) {
    const QString folder = programFolder + QStringLiteral("/Graphics");
    if (!QDir().mkpath(folder)) qCWarning(lcContent) << "cannot make the folder" << folder;
    QStringList failed;
    for (int id : GraphicIds()) {
        const QString path = folder + QLatin1Char('/') + GraphicFileName(id);
        if (ExtractResource(id, QStringLiteral("Custom"), path, FileSync::None) !=
            ExtractResult::Ok)
            failed += path;
    }
    return failed;
}
