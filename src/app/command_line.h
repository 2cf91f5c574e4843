#pragma once
// The program's command line: --help, --version, --data-dir and the learners' options. Read before
// any window system is asked for, so help, version, the list of learners and the export work
// without a display.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

struct CommandLineChoice {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse, ListLearners, ExportCsv };
    Action action = Action::Run;
    QString dataFolder;  // absolute and clean; empty for the per-user data folder
    QString learner;     // --learner, without the spaces around it; empty when not given
    QString exportFile;  // --export-csv, absolute and clean
    QString refusal;     // what was wrong, for Action::Refuse

    // 0 for help and version, 2 for a refused command line (the GNU habit).
    int exitCode() const { return action == Action::Refuse ? 2 : 0; }
};

// `arguments` as the process got them, program name first. Options the Qt window system reads
// itself (-platform, -style, -display, ...) are let through untouched.
CommandLineChoice ReadCommandLine(const QStringList& arguments);

// What --help prints. Needs a QCoreApplication for the program's name.
QString CommandLineHelp();

// "hmquiz 2.0"
QString VersionText();

// The arguments of main() as text.
QStringList ArgumentList(int argc, char** argv);
