// Works paper 101 of the carried course through PracticeSession, as the practice window would,
// so a test can end it at a chosen point of its marking.
//   marking_driver <folder> <take 1|2> prepare      answer the paper (some parts wrong) and save
//   marking_driver <folder> <take 1|2> mark [k]     mark it; with k, die at the k-th commit point
// "mark" prints "points N": the commit points the marking passed.
#include <QCoreApplication>
#include <QDateTime>

#include <csignal>
#include <cstdio>

#include "content/catalogue.h"
#include "practice/practice_session.h"
#include "records/file_io.h"

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

    if (action == QLatin1String("prepare")) {
        // The answers to show of an unmarked sheet are the right answers; the first attempt
        // gets its first two parts wrong so a second attempt has something to do.
        for (int i = 0; i < session.PaperPartCount(); ++i)
            session.SetAnswer(i,
                              take == 1 && i < 2 ? QStringLiteral("999") : session.AnswerToShow(i));
        return session.SaveAnswers() ? 0 : 67;
    }
    if (action != QLatin1String("mark")) return 64;
    g_killAt = args.size() > 4 ? args[4].toInt() : 0;
    SetCommitHookForTesting(CountOrDie);
    const QDateTime now(QDate(2026, 12, 7), QTime(23, 15, 0));
    const MarkOutcome outcome = session.Mark(now, now.addSecs(-754));
    std::printf("points %d\n", g_points);
    return outcome == MarkOutcome::Marked ? 0 : 68;
}
