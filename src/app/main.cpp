// hmquiz: a maths practice program. Everything starts with the main window, once the command
// line is read, the data folder is known to be usable and no other copy is using it.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <optional>

#include "app/app_identity.h"
#include "app/app_log.h"
#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/learner_commands.h"
#include "app/single_instance.h"
#include "app/start_failure.h"
#include "app/take_over_question.h"
#include "app/unfinished_change_notice.h"
#include "platform/toolkit_warm_up.h"
#include "records/file_io.h"
#include "results/leftovers.h"
#include "results/marking_journal.h"
#include "session/learner_list.h"
#include "ui/main/contents.h"
#include "ui/practice/practice_window_factory.h"

namespace {

void NameTheProgram() {
    // No organisation name: it would move the data folder under another level.
    QCoreApplication::setApplicationName(QStringLiteral("hmquiz"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HMQUIZ_VERSION));
}

// --help, --version, the learners' list and export, and a refused command line: no window
// system needed.
int AnswerWithoutWindows(int argc, char** argv, const CommandLineChoice& choice) {
    QCoreApplication app(argc, argv);
    NameTheProgram();
    const QString folder = choice.dataFolder.isEmpty() ? DefaultDataFolder() : choice.dataFolder;
    switch (choice.action) {
        case CommandLineChoice::Action::ListLearners:
            return PrintLearners(folder);
        case CommandLineChoice::Action::ExportCsv:
            return ExportLearners(folder, choice.learner, choice.exportFile);
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

// What a start that fails takes back: the folders it made (the data folder itself on a first
// start) and a learner it added. Declared before the folder's lock, so it acts once the lock is
// let go.
struct StartUndo {
    QStringList madeFolders;
    std::optional<QByteArray> learnerList;  // the list as it was before a learner was added
    QString learnerListPath;
    QString learnerFolder;  // made for a learner named on the command line
    bool failed = false;
    ~StartUndo() {
        if (!failed) return;
        if (!learnerFolder.isEmpty()) QDir(learnerFolder).removeRecursively();
        if (learnerList) {
            if (learnerList->isNull())
                QFile::remove(learnerListPath);
            else
                WriteFileAtomically(learnerListPath, *learnerList);
        }
        RemoveMadeFolders(madeFolders);
    }
};

int FailStart(StartUndo& undo, const QString& folder, const QString& reason) {
    undo.failed = true;
    ReportStartFailure(DataFolderProblemText(folder, reason));
    return 1;
}

// The learner this start is for: the one named on the command line (added when new), else the
// only one, else the one who practised last (and then the learner is asked). -1 when a new one
// could not be added.
int ChooseLearner(LearnerList& learners, const QString& named, StartUndo& undo, QString* problem,
                  bool* ask) {
    *ask = false;
    if (named.isEmpty()) {
        *ask = learners.count() > 1;
        return learners.count() > 1 ? learners.lastIndex() : 0;
    }
    const int known = learners.indexOf(named);
    if (known >= 0) return known;
    undo.learnerListPath = QDir(learners.dataFolder()).filePath(LearnerList::fileName());
    undo.learnerList = ReadRegularFile(undo.learnerListPath).value_or(QByteArray());
    // A folder nobody practised in yet: the name goes to its first learner.
    const LearnerList::Change added =
        learners.untouched() ? learners.rename(0, named) : learners.add(named);
    if (!added.done) {
        *problem = added.problem;
        return -1;
    }
    if (learners.folderOf(added.index) != learners.dataFolder())
        undo.learnerFolder = learners.folderOf(added.index);
    return added.index;
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
    StartUndo undo;
    undo.madeFolders = check.made;

    SingleInstance instance(folder);
    SingleInstance::Outcome claimed = instance.claim();
    if (claimed == SingleInstance::Outcome::OtherComputer) {
        // The learner was told (or, with no screen, the standard error says) why not.
        if (!LearnerAgreesToTakeOver(folder, instance.problem())) {
            undo.failed = true;
            return 1;
        }
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
            return FailStart(undo, folder, instance.problem());
    }
    // A copy that loses the folder (its lock file removed and another copy let in by a program
    // that does not lock folders) writes no results file over that copy's work.
    instance.guardWrites();

    // Only the copy that will show a window reads the fonts and joins the session bus ahead.
    const ToolkitWarmUp warmUp;

    // Only now, with the lock held, no other copy can be using these files: a marking the last
    // run did not complete is finished or undone, and its temporary files go.
    TidyAfterLastRun(folder);

    // Whose results: every learner's folder is tidied, the chosen one's files made ready.
    LearnerList learners = LearnerList::load(folder);
    QString learnerProblem;
    bool askWho = false;
    const int learner = ChooseLearner(learners, choice.learner, undo, &learnerProblem, &askWho);
    if (learner < 0) return FailStart(undo, folder, learnerProblem);
    for (const QString& learnerFolder : learners.folders())
        if (learnerFolder != folder && QFileInfo(learnerFolder).isDir())
            TidyAfterLastRun(learnerFolder);
    if (!instance.alsoHold(learners.folders())) return FailStart(undo, folder, instance.problem());

    Contents contents(folder, MakePracticeWindowFactory(), nullptr,
                      std::make_unique<StartUpWorker>(folder, learners.folderOf(learner)));
    contents.setLearners(std::move(learners), learner, askWho);
    QObject::connect(&instance, &SingleInstance::activationRequested, &contents, [&contents] {
        BringToFront(&contents);
        // A question the learner has not answered yet stays in front.
        if (QWidget* modal = QApplication::activeModalWidget()) BringToFront(modal);
    });
    if (const std::optional<StartUpProblem> problem = contents.startUp()) {
        undo.failed = true;
        ReportStartFailure(DataFolderProblemText(problem->path, problem->reason));
        return 1;
    }
    // Nobody chose a learner: the program ends as it was.
    if (askWho && !contents.askWhoIsPractising()) return 0;
    contents.show();
    // Without a window manager nobody else gives the new window the focus; a question already
    // up (a damaged results file) keeps it, or the keys would go to a window it blocks.
    QTimer::singleShot(50, &contents, [&contents] {
        QWidget* modal = QApplication::activeModalWidget();
        (modal ? modal : &contents)->activateWindow();
    });
    return app.exec();
}
