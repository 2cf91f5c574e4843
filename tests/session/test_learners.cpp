// The learners of a data folder: a folder of an earlier version becomes the first learner's with
// nothing moved, learners added, renamed and removed (their files moved aside, never deleted),
// names checked, a damaged list or settings file, and another learner's results switched to.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "results/results_files.h"
#include "session/learner_list.h"
#include "session/learner_names.h"
#include "session/learner_settings.h"
#include "session/main_session.h"

namespace {

// Every file under a folder with a digest of its bytes, paths relative to it.
QMap<QString, QByteArray> Files(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) continue;
        files[QDir(folder).relativeFilePath(path)] =
            QCryptographicHash::hash(f.readAll(), QCryptographicHash::Md5).toHex();
    }
    return files;
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

TEST(Learners, AnEarlierFolderBecomesTheFirstLearnersAndChangesNeverLoseAFile) {
    QTemporaryDir dir;
    const QString data = dir.path();
    // An earlier version's data folder: one learner's results with some work in them.
    MainSession first(data);
    ASSERT_FALSE(first.prepareFiles().has_value());
    Write(data + QStringLiteral("/marks2HM.txt.damaged-2025-01-01-100000"), "kept copy");
    const auto before = Files(data);

    LearnerList list = LearnerList::load(data);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.folderOf(0), data);
    EXPECT_FALSE(list.untouched());
    EXPECT_TRUE(list.setLast(0));
    EXPECT_FALSE(QFile::exists(data + QStringLiteral("/learners.ini")));  // one learner: no list

    // A second learner: a folder of its own; the first learner's files stay where they were.
    LearnerList::Change added = list.add(QStringLiteral("  Bob "));
    ASSERT_TRUE(added.done) << qPrintable(added.problem);
    EXPECT_EQ(list.folderOf(added.index), data + QStringLiteral("/learners/Bob"));
    EXPECT_TRUE(QFileInfo(list.folderOf(1)).isDir());
    for (auto it = before.begin(); it != before.end(); ++it)
        EXPECT_EQ(Files(data).value(it.key()), it.value()) << qPrintable(it.key());
    EXPECT_EQ(list.add(QStringLiteral("BOB")).problem,
              LearnerNameProblemText(LearnerNameProblem::Taken, QStringLiteral("BOB")));

    // Renaming: the first learner's files stay put, another's folder follows its name.
    ASSERT_TRUE(list.rename(0, QStringLiteral("Anna")).done);
    ASSERT_TRUE(list.rename(1, QStringLiteral("Robert")).done);
    EXPECT_EQ(list.folderOf(1), data + QStringLiteral("/learners/Robert"));
    EXPECT_FALSE(QFileInfo::exists(data + QStringLiteral("/learners/Bob")));
    ASSERT_TRUE(list.setLast(1));
    const LearnerList again = LearnerList::load(data);
    EXPECT_EQ(again.names(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Robert")}));
    EXPECT_EQ(again.lastIndex(), 1);
    EXPECT_EQ(again.folders(), list.folders());

    // Removing the first learner moves its files aside, bytes and all; the list keeps Robert.
    const QDateTime now(QDate(2026, 3, 4), QTime(10, 0));
    const LearnerList::Change removed = list.remove(0, now);
    ASSERT_TRUE(removed.done) << qPrintable(removed.problem);
    EXPECT_EQ(removed.aside, data + QStringLiteral("/removed learners/Anna 2026-03-04"));
    const auto aside = Files(removed.aside);
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (it.key().startsWith(QStringLiteral("Graphics/"))) continue;
        EXPECT_EQ(aside.value(it.key()), it.value()) << qPrintable(it.key());
        EXPECT_FALSE(QFileInfo::exists(QDir(data).filePath(it.key()))) << qPrintable(it.key());
    }
    EXPECT_EQ(LearnerList::load(data).names(), QStringList{QStringLiteral("Robert")});
    EXPECT_FALSE(list.remove(0, now).done);  // the only learner stays

    // A learner added and removed again on the same day gets a folder aside of its own.
    ASSERT_TRUE(list.add(QStringLiteral("Anna")).done);
    const LearnerList::Change second = list.remove(1, now);
    ASSERT_TRUE(second.done);
    EXPECT_EQ(second.aside, data + QStringLiteral("/removed learners/Anna 2026-03-04 (2)"));
}

TEST(Learners, ADamagedListFallsBackOnTheFoldersAndAFreshFolderIsUntouched) {
    QTemporaryDir dir;
    const QString data = dir.path();
    EXPECT_TRUE(LearnerList::load(data).untouched());
    EXPECT_EQ(LearnerList::load(data).names(), QStringList{LearnerList::firstLearnerName()});

    QDir().mkpath(data + QStringLiteral("/learners/Cara"));
    QDir().mkpath(data + QStringLiteral("/learners/Dev"));
    // Entries that climb out of the learners' folder, repeat a name or a folder are left out.
    Write(data + QStringLiteral("/learners.ini"),
          "[learners]\n1\\name=Cara\n1\\folder=learners/Cara\n2\\name=Eve\n2\\folder=../../etc\n"
          "3\\name=cara\n3\\folder=learners/Dev\n4\\name=Fay\n4\\folder=learners/Cara\nsize=4\n");
    EXPECT_EQ(LearnerList::load(data).names(), QStringList{QStringLiteral("Cara")});
    // Nothing usable: the folders say who there is (no results at the top: no first learner).
    Write(data + QStringLiteral("/learners.ini"), "\x01\x02 not a list [[[\n");
    EXPECT_EQ(LearnerList::load(data).names(),
              (QStringList{QStringLiteral("Cara"), QStringLiteral("Dev")}));
}

TEST(Learners, NamesAreCheckedForEmptinessLengthFolderCharactersAndLikeness) {
    const QStringList others{QStringLiteral("Zoë"), QStringLiteral("Sam")};
    EXPECT_EQ(CheckLearnerName(QStringLiteral("   "), others), LearnerNameProblem::Empty);
    EXPECT_EQ(CheckLearnerName(QString(kLearnerNameMaxLength + 1, QLatin1Char('a')), others),
              LearnerNameProblem::TooLong);
    for (const char* bad : {"a/b", "a\\b", "a:b", "why?", "<x>", "a|b", "\"q\"", ".hidden", "end.",
                            "tab\there", "line\nbreak"})
        EXPECT_EQ(CheckLearnerName(QString::fromUtf8(bad), others),
                  LearnerNameProblem::NotInFolderName)
            << bad;
    EXPECT_EQ(CheckLearnerName(QStringLiteral(" sam "), others), LearnerNameProblem::Taken);
    EXPECT_EQ(CheckLearnerName(QStringLiteral("ZOË"), others), LearnerNameProblem::Taken);
    EXPECT_EQ(CheckLearnerName(QStringLiteral("Zoe\u0308"), others), LearnerNameProblem::Taken);
    EXPECT_EQ(CheckLearnerName(QStringLiteral("Mary-Jane O'Neil 2"), others),
              LearnerNameProblem::None);
    for (auto p : {LearnerNameProblem::Empty, LearnerNameProblem::TooLong,
                   LearnerNameProblem::NotInFolderName, LearnerNameProblem::Taken})
        EXPECT_FALSE(LearnerNameProblemText(p, QStringLiteral("x")).isEmpty());
}

TEST(Learners, SettingsComeBackAndADamagedFileGivesTheDefaults) {
    QTemporaryDir dir;
    EXPECT_EQ(LearnerSettings::load(dir.path()), LearnerSettings{});
    LearnerSettings s;
    s.printer = QStringLiteral("Kitchen, \"laser\"");
    s.pageSize = QStringLiteral("A5");
    s.orientation = LearnerSettings::Orientation::Landscape;
    s.questionZoom = 150;
    s.lastTopic = 7;
    ASSERT_TRUE(s.save(dir.path()));
    EXPECT_EQ(LearnerSettings::load(dir.path()), s);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("learner.ini.lock"))));

    Write(dir.filePath(LearnerSettings::fileName()),
          "[question]\nzoom=9000\n[home]\nlastTopic=-3\n[print]\norientation=sideways\n");
    EXPECT_EQ(LearnerSettings::load(dir.path()), LearnerSettings{});
    QFile::remove(dir.filePath(LearnerSettings::fileName()));
    QDir().mkdir(dir.filePath(LearnerSettings::fileName()));  // a folder in its place
    EXPECT_EQ(LearnerSettings::load(dir.path()), LearnerSettings{});
}

TEST(Learners, SwitchingReadsTheOtherLearnersResultsAndMakesTheirFiles) {
    QTemporaryDir dir;
    MainSession session(dir.path());
    ASSERT_FALSE(session.prepareFiles().has_value());
    session.activateFirstModule();
    const int m = session.shared().LChose;
    const QString code = session.shared().lblCOD;
    // The first learner has a score; the second learner's folder is new.
    MarksRecords marks =
        ReadMarksFile(ResultsFilePath(dir.path(), ResultsFile::Marks, m, code), 50);
    MarkFirstAttempt(marks, 1, 50, QStringLiteral("80"), QStringLiteral("0:1:2"),
                     QStringLiteral("01/02/2026"));
    ASSERT_TRUE(
        WriteMarksFile(marks, 50, ResultsFilePath(dir.path(), ResultsFile::Marks, m, code)));
    session.loadModuleResults();
    EXPECT_EQ(session.firstScore(1), QStringLiteral("80"));

    const QString other = dir.filePath(QStringLiteral("learners/Bob"));
    ASSERT_FALSE(session.switchResultsFolder(other).has_value());
    session.loadModuleResults();
    EXPECT_EQ(session.firstScore(1), QString());
    EXPECT_TRUE(ResultsFilesPresent(other, m, code));
    EXPECT_EQ(session.reportInputs().fse.value(0), QString());
    session.setLearnerName(QStringLiteral("Bob"));
    EXPECT_TRUE(session.windowTitle().endsWith(QStringLiteral(" - Bob")));
    EXPECT_EQ(session.reportInputs().learner, QStringLiteral("Bob"));
}
