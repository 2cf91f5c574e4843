#include "content/catalogue.h"

#include "content/content_log.h"
#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "records/record_file.h"

#include <QFile>

#include <algorithm>

namespace {

const char* const kModuleLabelKeys[3] = {"LAH", "LBH", "LCH"};

}  // namespace

Catalogue ReadCatalogue(const QString& programFolder) {
    Catalogue catalogue;
    const QString path = programFolder + QStringLiteral("/temptext30000.txt");
    // Read at once and deleted: no disk sync needed.
    if (ExtractResource(kCatalogueId, QStringLiteral("Custom"), path, FileSync::None) !=
        ExtractResult::Ok)
        return catalogue;

    catalogue.title = ReadRecordText(path, QStringLiteral("NME"));
    catalogue.code = ReadRecordText(path, QStringLiteral("COD"));
    for (int m = 1; m <= 3; ++m) {
        CourseModule& module = catalogue.modules[static_cast<size_t>(m - 1)];
        module.label = ReadRecordText(path, QLatin1String(kModuleLabelKeys[m - 1]));
        if (!module.exists()) continue;
        // A damaged count must not ask the reader for more names than a module can hold.
        module.topicCount = std::clamp(ReadRecordText(path, QStringLiteral("TT%1").arg(m)).toInt(),
                                       0, kTopicNameCapacity);
        module.paperCount = std::clamp(ReadRecordText(path, QStringLiteral("TP%1").arg(m)).toInt(),
                                       0, kPaperCapacity);
        if (module.topicCount > 0) {
            module.topicNames = ReadRecordFields(path, QStringLiteral("TN%1").arg(m),
                                                 module.topicCount, kTopicNameCapacity);
        }
    }
    if (!QFile::remove(path)) qCWarning(lcContent) << "cannot remove" << path;
    return catalogue;
}
