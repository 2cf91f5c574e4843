// Works paper 101 of the carried course through PracticeSession, as the practice window would,
// so a test can end it at a chosen point of its marking, or of an erase.
//   marking_driver <folder> <take 1|2> prepare      answer the paper (some parts wrong) and save
//   marking_driver <folder> <take 1|2> mark [k]     mark it; with k, die at the k-th commit point
//   marking_driver <folder> <take 1|2> erase [k]    erase every result, the same way
//   marking_driver <folder> <take 1|2> save         answer the paper anew and save
// "mark" and "erase" print "points N": the commit points they passed. A failure prints why.
#include <QCoreApplication>
#include <QDateTime>

#include <csignal>
#include <cstdio>

#include "content/catalogue.h"
#include "practice/practice_session.h"
#include "records/file_io.h"
#include "results/erase_results.h"

namespace {

int g_points = 0;
int g_killAt = 0;

void CountOrDie(CommitPoint, const QString&) {
    if (++g_points == g_killAt) std::raise(SIGKILL);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) return 64;
    const QString folder = args[1];
    const int take = args[2].toInt();
    const QString action = args[3];

    const Catalogue catalogue = ReadCatalogue(folder);
    int module = 0;
    for (int m = 1; m <= 3 && module == 0; ++m)
        if (catalogue.module(m).exists()) module = m;
    if (module == 0) return 65;
    if (action == QLatin1String("prepare") && take == 1) CreateResultsFiles(folder, catalogue);
    g_killAt = args.size() > 4 ? args[4].toInt() : 0;
    if (action == QLatin1String("erase")) {
        SetCommitHookForTesting(CountOrDie);
        const AllOrNothingResult erased = EraseAllResults(folder, catalogue);
        std::printf("points %d\n", g_points);
        if (!erased.ok())
            std::printf("not erased: %s\n", qPrintable(DescribeChangeFailure(erased)));
        return erased.ok() ? 0 : 69;
    }

    PracticeInputs inputs;
    inputs.programFolder = folder;
    inputs.module = module;
    inputs.courseCode = catalogue.code;
    inputs.paperNumber = QStringLiteral("101");
    inputs.topicName = catalogue.module(module).topicNames.value(0);
    inputs.paperCount = catalogue.module(module).paperCount;
    inputs.take = take;
    PracticeSession session;
    if (!session.Load(inputs)) return 66;

    if (action == QLatin1String("prepare") || action == QLatin1String("save")) {
        // The answers to show of an unmarked sheet are the right answers; the first attempt
        // gets its first two parts wrong so a second attempt has something to do.
        const bool save = action == QLatin1String("save");
        for (int i = 0; i < session.PaperPartCount(); ++i)
            session.SetAnswer(i, save                 ? QStringLiteral("saved %1").arg(i)
                                 : take == 1 && i < 2 ? QStringLiteral("999")
                                                      : session.AnswerToShow(i));
        if (session.SaveAnswers()) return 0;
        std::printf("not saved: %s\n", qPrintable(session.failureText()));
        return 67;
    }
    if (action != QLatin1String("mark")) return 64;
    SetCommitHookForTesting(CountOrDie);
    const QDateTime now(QDate(2026, 12, 7), QTime(23, 15, 0));
    const MarkOutcome outcome = session.Mark(now, now.addSecs(-754));
    std::printf("points %d\n", g_points);
    if (outcome != MarkOutcome::Marked)
        std::printf("not marked: %s\n", qPrintable(session.failureText()));
    return outcome == MarkOutcome::Marked ? 0 : 68;
}
