#include "results/erase_results.h"

#include "content/catalogue.h"
#include "content/course_shape.h"
#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "results/results_files.h"
#include "results/results_log.h"

AllOrNothingResult EraseAllResults(const QString& programFolder, const Catalogue& catalogue) {
    QList<FileWrite> writes;
    for (int m = 1; m <= kModuleCount; ++m) {
        if (!catalogue.module(m).exists()) continue;
        for (ResultsFile file : kAllResultsFiles) {
            const QString path = ResultsFilePath(programFolder, file, m, catalogue.code);
            const QByteArray templateBytes =
                ResourceBytes(ResultsTemplateId(m, static_cast<int>(file)));
            if (templateBytes.isEmpty()) {
                // Without its template a file would be erased to nothing at all.
                qCWarning(lcResults) << "no template for" << path << "; nothing erased";
                AllOrNothingResult refused;
                refused.failedIndex = static_cast<int>(writes.size());
                refused.error = {path, WriteProblem::Other};
                return refused;
            }
            writes.append({path, templateBytes});
        }
    }
    return WriteAllOrNothing(programFolder, writes);
}
