// hmquiz: a maths practice program. Everything starts with the main window, once the command
// line is read, the data folder is known to be usable and no other copy is using it.
#include <QApplication>
#include <QTimer>
#include <csignal>
#include <cstdio>

#include "app/app_identity.h"
#include "app/app_log.h"
#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/single_instance.h"
#include "app/start_failure.h"
#include "app/take_over_question.h"
#include "app/unfinished_change_notice.h"
#include "platform/toolkit_warm_up.h"
#include "results/leftovers.h"
#include "results/marking_journal.h"
#include "ui/main/contents.h"
#include "ui/practice/practice_window_factory.h"

namespace {

void NameTheProgram() {
    // No organisation name: it would move the data folder under another level.
    QCoreApplication::setApplicationName(QStringLiteral("hmquiz"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HMQUIZ_VERSION));
}

// --help, --version and a refused command line: no window system needed.
int AnswerWithoutWindows(int argc, char** argv, const CommandLineChoice& choice) {
    QCoreApplication app(argc, argv);
    NameTheProgram();
    switch (choice.action) {
        case CommandLineChoice::Action::ShowHelp:
            std::fputs(qPrintable(CommandLineHelp()), stdout);
            break;
        case CommandLineChoice::Action::ShowVersion:
            std::printf("%s\n", qPrintable(VersionText()));
            break;
        default:
            std::fprintf(stderr, "%s\n", qPrintable(choice.refusal));
            break;
    }
    return choice.exitCode();
}

void TidyAfterLastRun(const QString& folder) {
    // One that cannot be finished is shown: until it is, nothing can be saved.
    const RecoveryReport recovery =
        TellOfUnfinishedChange(folder, RecoverInterruptedMarking(folder));
    if (recovery.outcome == RecoveryOutcome::Finished)
        qCInfo(lcApp) << "finished an interrupted marking:" << recovery.written;
    else if (recovery.outcome == RecoveryOutcome::Discarded)
        qCWarning(lcApp) << "discarded the journal of an interrupted marking";
    else if (recovery.outcome == RecoveryOutcome::Failed)
        qCWarning(lcApp) << "could not finish an interrupted marking; it is tried again next start";
    const QStringList removed = RemoveLeftovers(folder);
    if (!removed.isEmpty()) qCInfo(lcApp) << "removed leftovers of the last run:" << removed;
}

}  // namespace

int main(int argc, char** argv) {
    // A file size limit then fails a write like a full disk does, instead of ending the program
    // in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);

    const CommandLineChoice choice = ReadCommandLine(ArgumentList(argc, argv));
    if (choice.action != CommandLineChoice::Action::Run)
        return AnswerWithoutWindows(argc, argv, choice);

    QApplication app(argc, argv);
    NameTheProgram();
    QGuiApplication::setDesktopFileName(ApplicationId());
    QApplication::setWindowIcon(ProgramIcon());

    const QString folder = choice.dataFolder.isEmpty() ? DefaultDataFolder() : choice.dataFolder;
    const DataFolderCheck check = PrepareDataFolder(folder);
    if (!check.usable) {
        ReportStartFailure(DataFolderProblemText(folder, check.reason));
        return 1;
    }

    SingleInstance instance(folder);
    SingleInstance::Outcome claimed = instance.claim();
    if (claimed == SingleInstance::Outcome::OtherComputer) {
        // The learner was told (or, with no screen, the standard error says) why not.
        if (!LearnerAgreesToTakeOver(folder, instance.problem())) return 1;
        claimed = instance.takeOver();
    }
    switch (claimed) {
        case SingleInstance::Outcome::First:
            break;
        case SingleInstance::Outcome::OtherRaised:
            return 0;
        case SingleInstance::Outcome::OtherSilent:
        case SingleInstance::Outcome::OtherComputer:
        case SingleInstance::Outcome::Failed:
            ReportStartFailure(DataFolderProblemText(folder, instance.problem()));
            return 1;
    }
    // A copy that loses the folder (its lock file removed and another copy let in by a program
    // that does not lock folders) writes no results file over that copy's work.
    instance.guardWrites();

    // Only the copy that will show a window reads the fonts and joins the session bus ahead.
    const ToolkitWarmUp warmUp;

    // Only now, with the lock held, no other copy can be using these files: a marking the last
    // run did not complete is finished or undone, and its temporary files go.
    TidyAfterLastRun(folder);

    Contents contents(folder, MakePracticeWindowFactory(), nullptr,
                      std::make_unique<StartUpWorker>(folder));
    QObject::connect(&instance, &SingleInstance::activationRequested, &contents, [&contents] {
        BringToFront(&contents);
        // A question the learner has not answered yet stays in front.
        if (QWidget* modal = QApplication::activeModalWidget()) BringToFront(modal);
    });
    if (const std::optional<StartUpProblem> problem = contents.startUp()) {
        ReportStartFailure(DataFolderProblemText(problem->path, problem->reason));
        return 1;
    }
    contents.show();
    // Without a window manager nobody else gives the new window the focus; a question already
    // up (a damaged results file) keeps it, or the keys would go to a window it blocks.
    QTimer::singleShot(50, &contents, [&contents] {
        QWidget* modal = QApplication::activeModalWidget();
        (modal ? modal : &contents)->activateWindow();
    });
    return app.exec();
}
