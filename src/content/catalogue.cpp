#include "content/catalogue.h"

#include "content/content_log.h"
#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "records/record_file.h"

#include <QFile>

#include <algorithm>

namespace {

const char* const kModuleLabelKeys[kModuleCount] = {"LAH", "LBH", "LCH"};

}  // namespace

Catalogue ReadCatalogue(const QString& programFolder) {
    Catalogue catalogue;
    const QString path = programFolder + QStringLiteral("/temptext30000.txt");
    // Read at once and deleted: no disk sync needed.
    if (ExtractResource(kCatalogueId, QStringLiteral("Custom"), path, FileSync::None) !=
        ExtractResult::Ok)
        return catalogue;

    // Read once; every key is looked up in memory.
    const QByteArray bytes = ReadRecordFileBytes(path);
    if (!QFile::remove(path)) qCWarning(lcContent) << "cannot remove" << path;
    catalogue.title = ReadRecordTextIn(bytes, QStringLiteral("NME"));
    catalogue.code = ReadRecordTextIn(bytes, QStringLiteral("COD"));
    for (int m = 1; m <= kModuleCount; ++m) {
        CourseModule& module = catalogue.modules[static_cast<size_t>(m - 1)];
        module.label = ReadRecordTextIn(bytes, QLatin1String(kModuleLabelKeys[m - 1]));
        if (!module.exists()) continue;
        // A damaged count must not ask the reader for more names than a module can hold.
        module.numberOfTopics = std::clamp(
            ReadRecordTextIn(bytes, QStringLiteral("TT%1").arg(m)).toInt(), 0, kTopicCapacity);
        module.paperCount = std::clamp(
            ReadRecordTextIn(bytes, QStringLiteral("TP%1").arg(m)).toInt(), 0, kPaperCapacity);
        if (module.numberOfTopics > 0) {
            module.topicNames = ReadRecordFieldsIn(bytes, QStringLiteral("TN%1").arg(m),
                                                   module.numberOfTopics, kTopicNameCapacity);
        }
    }
    return catalogue;
}
