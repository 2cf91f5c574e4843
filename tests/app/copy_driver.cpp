// One copy of the program as far as its data folder sees it: it claims the folder as the program
// does, makes the results files on a first start, opens a paper and marks it when told.
//   copy_driver <folder> <paper number>
// Prints "raised", "silent: <why>" or "failed: <why>" and ends when the folder is not its own;
// otherwise "ready", then on a line "mark" on its input marks the paper with every answer right
// and prints "marked" or "not saved"; ends on "quit" or at the end of its input.
#include <unistd.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QSocketNotifier>

#include <cstdio>

#include "app/single_instance.h"
#include "content/catalogue.h"
#include "practice/practice_session.h"
#include "results/results_files.h"

namespace {

void Say(const QString& text) {
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("hmquiz"));
    const QStringList args = app.arguments();
    if (args.size() < 3) return 64;
    const QString folder = args[1];

    SingleInstance instance(folder);
    switch (instance.claim(1500)) {
        case SingleInstance::Outcome::First:
            break;
        case SingleInstance::Outcome::OtherRaised:
            Say(QStringLiteral("raised"));
            return 0;
        case SingleInstance::Outcome::OtherSilent:
            Say(QStringLiteral("silent: ") + instance.problem());
            return 1;
        default:
            Say(QStringLiteral("failed: ") + instance.problem());
            return 1;
    }
    instance.guardWrites();

    const Catalogue catalogue = ReadCatalogue(folder);
    int module = 0;
    for (int m = 1; m <= 3 && module == 0; ++m)
        if (catalogue.module(m).exists()) module = m;
    if (module == 0) return 65;
    if (!ResultsFilesPresent(folder, module, catalogue.code)) CreateResultsFiles(folder, catalogue);

    PracticeInputs inputs;
    inputs.programFolder = folder;
    inputs.module = module;
    inputs.courseCode = catalogue.code;
    inputs.paperNumber = args[2];
    inputs.paperCount = catalogue.module(module).paperCount;
    PracticeSession session;
    if (!session.Load(inputs)) return 66;
    for (int i = 0; i < session.PaperPartCount(); ++i)
        session.SetAnswer(i, session.AnswerToShow(i));
    Say(QStringLiteral("ready"));

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char line[64] = {};
        const ssize_t got = ::read(STDIN_FILENO, line, sizeof line - 1);
        const QByteArray command = QByteArray(line, got > 0 ? got : 0).trimmed();
        if (got <= 0 || command == "quit") {
            input.setEnabled(false);
            app.quit();
        } else if (command == "mark") {
            const QDateTime now = QDateTime::currentDateTime();
            const MarkOutcome outcome = session.Mark(now, now.addSecs(-600));
            Say(outcome == MarkOutcome::Marked ? QStringLiteral("marked")
                                               : QStringLiteral("not saved"));
        }
    });
    return app.exec();
}
