// hm_results_check <program folder>: what the next start would find after a kill. Every results
// file must be whole and in its format (no torn write); then the start-up recovery and clean-up
// run, and the files must agree: a paper is marked in the marks file exactly when its verdicts,
// score, time, date and (first attempt) trend entry are there. Prints what is wrong; exit 1 then.
#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

#include "content/catalogue.h"
#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "records/record_file.h"
#include "results/leftovers.h"
#include "results/marking_journal.h"
#include "results/attempt_file.h"
#include "results/marks_file.h"
#include "results/results_files.h"

namespace {

int g_problems = 0;

void Problem(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    ++g_problems;
}

bool AllFilled(const QStringList& fields) {
    for (const QString& field : fields) {
        if (field.isEmpty()) return false;
    }
    return true;
}

bool AllEmpty(const QStringList& fields) {
    for (const QString& field : fields) {
        if (!field.isEmpty()) return false;
    }
    return true;
}

// One attempt's records of paper i agree with its state.
void CheckAttempt(const QString& what, int paper, bool marked, const QString& score,
                  const QStringList& verdicts) {
    const QString name = QStringLiteral("paper %1, %2: ").arg(100 + paper).arg(what);
    if (marked && (score.isEmpty() || !AllFilled(verdicts)))
        Problem(name + "marked without its score or verdicts");
    if (!marked && (!score.isEmpty() || !AllEmpty(verdicts)))
        Problem(name + "a score or verdicts for an unmarked attempt");
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: hm_results_check <program folder>\n");
        return 2;
    }
    const QString folder = app.arguments().at(1);
    QTemporaryDir scratch;
    const Catalogue catalogue = ReadCatalogue(scratch.path());

    for (int m = 1; m <= 3; ++m) {
        if (!catalogue.module(m).exists()) continue;
        for (ResultsFile file : kAllResultsFiles) {
            const QString path = ResultsFilePath(folder, file, m, catalogue.code);
            const QByteArray templateBytes = ResourceBytes(ResultsTemplateId(m, int(file)));
            for (const ResultsFileIssue& issue : InspectResultsFile(path, file, templateBytes))
                Problem(DescribeResultsIssue(ResultsFileName(file, m, catalogue.code), issue));
        }
    }
    const RecoveryReport recovery = RecoverInterruptedMarking(folder);
    if (recovery.outcome == RecoveryOutcome::Finished)
        std::printf("finished an interrupted marking\n");
    if (recovery.outcome == RecoveryOutcome::Failed ||
        recovery.outcome == RecoveryOutcome::Discarded)
        Problem(QStringLiteral("the marking journal could not be replayed"));
    const QStringList removed = RemoveLeftovers(folder);
    if (!removed.isEmpty()) std::printf("removed %lld leftovers\n", qlonglong(removed.size()));

    for (int m = 1; m <= 3; ++m) {
        const CourseModule& module = catalogue.module(m);
        if (!module.exists()) continue;
        const int n = module.paperCount;
        auto path = [&](ResultsFile file) {
            return ResultsFilePath(folder, file, m, catalogue.code);
        };
        const MarksRecords marks = ReadMarksFile(path(ResultsFile::Marks), n);
        const QStringList fresults =
            ReadPerPaperRecords(path(ResultsFile::FirstResults), ResultsFile::FirstResults, m, n);
        const QStringList sresults =
            ReadPerPaperRecords(path(ResultsFile::SecondResults), ResultsFile::SecondResults, m, n);
        QStringList markedScores;
        for (int i = 1; i <= n; ++i) {
            const bool first = marks.fst.value(i - 1) == AttemptStatus::Marked;
            const bool second = marks.sst.value(i - 1) == AttemptStatus::Marked;
            const QString line = fresults.value(i - 1);
            CheckAttempt("first attempt", i, first, marks.fse.value(i - 1),
                         SplitRecordFields(line, int(line.count('>'))));
            const QString sline = sresults.value(i - 1);
            CheckAttempt("second attempt", i, second, marks.sse.value(i - 1),
                         SplitRecordFields(sline, int(sline.count('>'))));
            if (first != !marks.ltm.value(i - 1).isEmpty() ||
                first != !marks.cdd.value(i - 1).isEmpty())
                Problem(
                    QStringLiteral("paper %1: time or date disagree with its state").arg(100 + i));
            if (second && !first)
                Problem(QStringLiteral("paper %1: a second attempt before the first").arg(100 + i));
            if (first) markedScores += marks.fse.value(i - 1);
        }
        const QStringList trend =
            ReadAllRecordFields(path(ResultsFile::Trend), QStringLiteral("TRD"));
        QStringList sortedTrend = trend;
        sortedTrend.sort();
        markedScores.sort();
        if (sortedTrend != markedScores)
            Problem(QStringLiteral("module %1: the trend holds %2 entries for %3 marked papers")
                        .arg(m)
                        .arg(trend.size())
                        .arg(markedScores.size()));
        std::printf("module %d: %lld first attempts marked\n", m, qlonglong(markedScores.size()));
    }
    return g_problems == 0 ? 0 : 1;
}
