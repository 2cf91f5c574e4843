// The command line as the program reads it before any window system is asked for.
#include <gtest/gtest.h>

#include <QDir>

#include "app/command_line.h"

namespace {

using Action = CommandLineChoice::Action;

CommandLineChoice Read(QStringList args) {
    args.prepend(QStringLiteral("/usr/bin/hmquiz"));
    return ReadCommandLine(args);
}

}  // namespace

TEST(CommandLine, RunsWithNoOptionsOrOnlyTheWindowSystemsOwn) {
    for (const QStringList& args :
         {QStringList{}, QStringList{"-platform", "offscreen"}, QStringList{"--style=fusion"},
          QStringList{"-reverse", "-display", ":3"}, QStringList{"-qwindowtitle", "x", "-sync"}}) {
        const CommandLineChoice choice = Read(args);
        EXPECT_EQ(choice.action, Action::Run) << args.join(' ').toStdString();
        EXPECT_TRUE(choice.dataFolder.isEmpty());
        EXPECT_EQ(choice.exitCode(), 0);
    }
}

TEST(CommandLine, DataFolderIsMadeAbsoluteAndClean) {
    EXPECT_EQ(Read({"--data-dir", "/tmp/a//b/../c/"}).dataFolder, QStringLiteral("/tmp/a/c"));
    EXPECT_EQ(Read({"--data-dir=/srv/learner 2"}).dataFolder, QStringLiteral("/srv/learner 2"));
    // A relative folder is taken from where the program was started.
    EXPECT_EQ(Read({"--data-dir", "results/../learner2"}).dataFolder,
              QDir::current().absoluteFilePath(QStringLiteral("learner2")));
    // Mixed with the window system's options, in any order.
    const CommandLineChoice mixed = Read({"-platform", "xcb", "--data-dir", "/d", "-style", "x"});
    EXPECT_EQ(mixed.action, Action::Run);
    EXPECT_EQ(mixed.dataFolder, QStringLiteral("/d"));
}

TEST(CommandLine, HelpAndVersionEndTheProgramWithStatusZero) {
    EXPECT_EQ(Read({"--help"}).action, Action::ShowHelp);
    EXPECT_EQ(Read({"-h"}).action, Action::ShowHelp);
    EXPECT_EQ(Read({"--version"}).action, Action::ShowVersion);
    EXPECT_EQ(Read({"-v"}).action, Action::ShowVersion);
    // Help wins over anything else that is well formed.
    EXPECT_EQ(Read({"--data-dir", "/x", "--version", "--help"}).action, Action::ShowHelp);
    EXPECT_EQ(Read({"--version"}).exitCode(), 0);
    EXPECT_EQ(Read({"--help"}).exitCode(), 0);
}

TEST(CommandLine, RefusesWhatItDoesNotUnderstandWithStatusTwo) {
    const struct {
        QStringList args;
        const char* named;  // what the message must point at
    } cases[] = {
        {{"--bogus"}, "bogus"},
        {{"-x"}, "'x'"},
        {{"--data-dir"}, "--data-dir"},
        {{"--data-dir", ""}, "--data-dir"},
        {{"--data-dir", "/a", "--data-dir", "/b"}, "--data-dir"},
        {{"paper101.txt"}, "paper101.txt"},
        {{"-platform"}, "platform"},
        {{"--help", "--bogus"}, "bogus"},
        {{"--learner", "  "}, "--learner"},
        {{"--learner", "a/b"}, "a/b"},
        {{"--learner", "Ann", "--learner", "Bo"}, "--learner"},
        {{"--list-learners", "--export-csv", "x.csv"}, "--list-learners"},
        {{"--list-learners", "--learner", "Ann"}, "--list-learners"},
        {{"--export-csv", ""}, "--export-csv"},
    };
    for (const auto& c : cases) {
        const CommandLineChoice choice = Read(c.args);
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(choice.action, Action::Refuse) << what;
        EXPECT_EQ(choice.exitCode(), 2) << what;
        EXPECT_TRUE(choice.refusal.startsWith(QStringLiteral("hmquiz: "))) << what;
        EXPECT_TRUE(choice.refusal.contains(QLatin1String(c.named))) << what;
        EXPECT_TRUE(choice.refusal.contains(QStringLiteral("'hmquiz --help'"))) << what;
    }
}

TEST(CommandLine, LearnerOptionsChooseTheirActionWithTheNameTrimmedAndTheFileAbsolute) {
    CommandLineChoice choice = Read({"--learner", "  Ann Lee "});
    EXPECT_EQ(choice.action, Action::Run);
    EXPECT_EQ(choice.learner, QStringLiteral("Ann Lee"));
    EXPECT_EQ(Read({"--list-learners"}).action, Action::ListLearners);
    choice = Read({"--export-csv", "out/../all.csv", "--learner", "Ann"});
    EXPECT_EQ(choice.action, Action::ExportCsv);
    EXPECT_EQ(choice.exportFile, QDir::current().absoluteFilePath(QStringLiteral("all.csv")));
    EXPECT_EQ(choice.learner, QStringLiteral("Ann"));
}

TEST(CommandLine, HelpListsTheProgramsOptionsOnly) {
    const QString help = CommandLineHelp();
    EXPECT_TRUE(help.contains(QStringLiteral("--data-dir <folder>")));
    EXPECT_TRUE(help.contains(QStringLiteral("--learner <name>")));
    EXPECT_TRUE(help.contains(QStringLiteral("--list-learners")));
    EXPECT_TRUE(help.contains(QStringLiteral("--export-csv <file>")));
    EXPECT_TRUE(help.contains(QStringLiteral("--version")));
    // The window system's options are let through, not offered.
    EXPECT_FALSE(help.contains(QStringLiteral("platform")));
    EXPECT_FALSE(help.contains(QStringLiteral("--help-all")));
}
