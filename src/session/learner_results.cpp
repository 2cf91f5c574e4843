#include "session/learner_results.h"

#include "records/file_io.h"
#include "reports/results_export.h"
#include "results/marks_file.h"
#include "results/results_files.h"
#include "results/trend_file.h"
#include "session/session_log.h"

ReportInputs ReadLearnerReportInputs(const Catalogue& catalogue, int module,
                                     const QString& folder) {
    ReportInputs in;
    in.title = catalogue.title;
    if (!IsModuleNumber(module) || !catalogue.module(module).exists()) return in;
    const CourseModule& source = catalogue.module(module);
    in.numberOfTopics = source.numberOfTopics;
    in.paperCount = source.paperCount;
    in.topicNames = source.topicNames;
    const MarksRecords marks = ReadMarksFile(
        ResultsFilePath(folder, ResultsFile::Marks, module, catalogue.code), source.paperCount);
    in.fse = marks.fse;
    in.sse = marks.sse;
    in.ltm = marks.ltm;
    in.cdd = marks.cdd;
    in.trendScores =
        ReadTrendFile(ResultsFilePath(folder, ResultsFile::Trend, module, catalogue.code)).scores;
    return in;
}

int FirstDefinedModule(const Catalogue& catalogue) {
    for (int m = 1; m <= kModuleCount; ++m)
        if (catalogue.module(m).exists()) return m;
    return 0;
}

bool ExportResultsCsv(const QString& path, const Catalogue& catalogue,
                      const QList<LearnerFolder>& learners) {
    QList<ExportRow> rows;
    for (const LearnerFolder& learner : learners)
        for (int m = 1; m <= kModuleCount; ++m)
            if (catalogue.module(m).exists())
                rows +=
                    ExportRows(learner.name, ReadLearnerReportInputs(catalogue, m, learner.folder));
    // A file the parent takes away, outside the data folder: not the program's own state, so
    // neither synced nor asked of the data folder's write gate.
    if (WriteFileAtomically(path, CsvBytes(rows), FileSync::None)) return true;
    qCWarning(lcSession) << "the export could not be written to" << path;
    return false;
}
