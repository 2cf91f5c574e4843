#include "app/command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include "session/learner_names.h"

namespace {

class CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Options QGuiApplication and QApplication read from the command line themselves; a value
// follows the first group.
const char* const kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "name",          "title",
    "style",           "stylesheet",         "qmljsdebugger"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb",
                                "sync",    "testability", "visual"};

const QString kDataDirOption = QStringLiteral("data-dir");
const QString kLearnerOption = QStringLiteral("learner");
const QString kListLearnersOption = QStringLiteral("list-learners");
const QString kExportOption = QStringLiteral("export-csv");

void DescribeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        CommandLineText::tr("Home Maths Quiz: practice papers for upper-primary maths."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): its --help-all would promise Qt's options, which help does not list.
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        CommandLineText::tr("Show this help and exit.")));
    parser.addOption(
        QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                           CommandLineText::tr("Show the program's version and exit.")));
    parser.addOption(QCommandLineOption(
        kDataDirOption,
        CommandLineText::tr("Keep the learner's results in <folder> instead of the per-user "
                            "data folder (created when missing)."),
        CommandLineText::tr("folder")));
    parser.addOption(QCommandLineOption(
        kLearnerOption,
        CommandLineText::tr("Start as the learner <name>, who is added when new; with "
                            "--export-csv, export only that learner's results."),
        CommandLineText::tr("name")));
    parser.addOption(QCommandLineOption(
        kListLearnersOption,
        CommandLineText::tr("Print the learners' names, one a line, and exit.")));
    parser.addOption(QCommandLineOption(
        kExportOption,
        CommandLineText::tr("Write every learner's results (or --learner's) to <file> as CSV for a "
                            "spreadsheet, and exit without a window."),
        CommandLineText::tr("file")));
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString ProgramName(const QStringList& arguments) {
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("hmquiz") : name;
}

CommandLineChoice Refuse(const QString& program, const QString& problem) {
    CommandLineChoice choice;
    choice.action = CommandLineChoice::Action::Refuse;
    choice.refusal = QStringLiteral("%1: %2\n").arg(program, problem) +
                     CommandLineText::tr("Try '%1 --help' for more information.").arg(program);
    return choice;
}

}  // namespace

CommandLineChoice ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    DescribeOptions(parser);
    const QString program = ProgramName(arguments);
    if (!parser.parse(arguments)) return Refuse(program, parser.errorText());

    CommandLineChoice choice;
    // Help wins over everything else, as in most programs.
    if (parser.isSet(QStringLiteral("help"))) {
        choice.action = CommandLineChoice::Action::ShowHelp;
        return choice;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        choice.action = CommandLineChoice::Action::ShowVersion;
        return choice;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Refuse(program, CommandLineText::tr("unexpected argument '%1'")
                                   .arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(kDataDirOption)) {
        const QStringList values = parser.values(kDataDirOption);
        if (values.size() > 1)
            return Refuse(program, CommandLineText::tr("--data-dir is given more than once"));
        if (values.first().isEmpty())
            return Refuse(program, CommandLineText::tr("--data-dir needs a folder name"));
        choice.dataFolder = QDir::cleanPath(QDir::current().absoluteFilePath(values.first()));
    }
    for (const QString& option : {kLearnerOption, kExportOption}) {
        if (parser.values(option).size() > 1)
            return Refuse(program, CommandLineText::tr("--%1 is given more than once").arg(option));
    }
    if (parser.isSet(kLearnerOption)) {
        const QString name = parser.value(kLearnerOption);
        const LearnerNameProblem problem = CheckLearnerName(name, {});
        if (problem != LearnerNameProblem::None)
            return Refuse(program, CommandLineText::tr("--learner '%1': %2")
                                       .arg(name, LearnerNameProblemText(problem, name)));
        choice.learner = CleanLearnerName(name);
    }
    const bool list = parser.isSet(kListLearnersOption);
    const bool exporting = parser.isSet(kExportOption);
    if (list && (exporting || !choice.learner.isEmpty()))
        return Refuse(
            program, CommandLineText::tr("--list-learners goes with no --learner or --export-csv"));
    if (list) choice.action = CommandLineChoice::Action::ListLearners;
    if (exporting) {
        const QString file = parser.value(kExportOption);
        if (file.isEmpty())
            return Refuse(program, CommandLineText::tr("--export-csv needs a file name"));
        choice.exportFile = QDir::cleanPath(QDir::current().absoluteFilePath(file));
        choice.action = CommandLineChoice::Action::ExportCsv;
    }
    return choice;
}

QString CommandLineHelp() {
    QCommandLineParser parser;
    DescribeOptions(parser);
    return parser.helpText();
}

QString VersionText() {
    return QStringLiteral("%1 %2").arg(QCoreApplication::applicationName(),
                                       QCoreApplication::applicationVersion());
}

QStringList ArgumentList(int argc, char** argv) {
    QStringList list;
    for (int i = 0; i < argc; ++i) list.append(QString::fromLocal8Bit(argv[i]));
    return list;
}
