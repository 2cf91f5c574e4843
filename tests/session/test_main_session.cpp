// The start-up's files, the active module's state and erasing, without any window.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "session/main_session.h"

namespace {

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class SessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_folder = m_dir.path() + QStringLiteral("/hmquiz");
        ASSERT_TRUE(QDir().mkpath(m_folder));
    }
    QString path(ResultsFile file) const {
        return ResultsFilePath(m_folder, file, 2, QStringLiteral("HM"));
    }
    QTemporaryDir m_dir;
    QString m_folder;
};

}  // namespace

TEST_F(SessionTest, AFirstStartFillsTheFolderAndTheFirstModuleOpensOnTopicOne) {
    MainSession session(m_folder);
    ASSERT_FALSE(session.prepareFiles().has_value());
    EXPECT_EQ(QDir(m_folder + QStringLiteral("/Graphics")).entryList(QDir::Files).size(),
              GraphicIds().size());
    EXPECT_TRUE(session.takeDamagedFiles().isEmpty());
    for (ResultsFile file : kAllResultsFiles)
        EXPECT_EQ(Bytes(path(file)), ResourceBytes(ResultsTemplateId(2, int(file))));

    EXPECT_EQ(session.activateFirstModule(), 2);
    EXPECT_EQ(session.shared().LChose, 2);
    EXPECT_EQ(session.shared().lblCOD, QStringLiteral("HM"));
    EXPECT_EQ(session.navigation().txtTabPos, 2);
    EXPECT_EQ(session.navigation().txtToolBarPos, 1);
    session.loadModuleResults();
    const ModuleResults& module = session.module();
    EXPECT_EQ(module.module, 2);
    EXPECT_EQ(session.shared().TtPapersCon, module.paperCount);
    EXPECT_EQ(module.marks.fse.size(), module.paperCount);
    EXPECT_EQ(module.marks.fst.value(0), AttemptStatus::NotMarked);

    // Topic 3 owns papers 111 to 115; its fifth slot's second attempt is paper 115, take 2.
    session.chooseTopic(3);
    EXPECT_EQ(session.shared().TopicCount, 11);
    EXPECT_EQ(session.shared().SubH1, QStringLiteral("Fractions"));
    EXPECT_EQ(session.chosenTopic(), 3);
    session.choosePaper(4, 2);
    EXPECT_EQ(session.shared().PaperNum, 115);
    EXPECT_EQ(session.shared().TakeNum, 2);
    session.chooseTopic(11);  // no such topic: nothing changes
    EXPECT_EQ(session.shared().TopicCount, 11);
    EXPECT_TRUE(session.topicName(module.numberOfTopics + 1).isEmpty());

    // The Help tab leaves the module alone; a tab resets the toolbar slot and report page.
    session.chooseReportPage(3, 3);
    session.chooseToolbarSlot(2);
    session.chooseTab(4);
    EXPECT_EQ(session.shared().LChose, 2);
    EXPECT_EQ(session.navigation().txtToolBarPos, 1);
    EXPECT_EQ(session.navigation().txtReportPos, 1);
    session.chooseReportPage(4, 3);  // out of range: kept
    EXPECT_EQ(session.navigation().txtReportPos, 1);
    // The reports are handed the trend's entries, read from the active module's file.
    EXPECT_TRUE(session.reportInputs().trendScores.isEmpty());
    WriteBytes(path(ResultsFile::Trend), "#TRD#>66.7>45\r\n");
    EXPECT_EQ(session.reportInputs().trendScores, QStringList({"66.7", "45"}));
}

TEST_F(SessionTest, StoredScoresAreReadAndEraseNamesTheFilesItCouldNotWrite) {
    {
        MainSession first(m_folder);
        ASSERT_FALSE(first.prepareFiles().has_value());
    }
    MarksRecords marks;
    for (int i = 0; i < 50; ++i) {
        marks.fse << (i == 1 ? QStringLiteral("66.7") : QString());
        marks.sse << (i == 1 ? QStringLiteral("80") : QString());
        marks.ltm << QString();
        marks.cdd << QString();
        marks.fst << (i == 1 ? AttemptStatus::Marked : AttemptStatus::NotMarked);
        marks.sst << (i == 1 ? AttemptStatus::Marked : AttemptStatus::NotMarked);
    }
    ASSERT_TRUE(WriteMarksFile(marks, 50, path(ResultsFile::Marks)));

    MainSession session(m_folder);
    ASSERT_FALSE(session.prepareFiles().has_value());
    session.activateFirstModule();
    session.loadModuleResults();
    EXPECT_EQ(session.firstScore(2), QStringLiteral("66.7"));
    EXPECT_EQ(session.secondScore(2), QStringLiteral("80"));
    EXPECT_TRUE(session.firstScore(51).isEmpty());
    EXPECT_TRUE(session.firstScore(0).isEmpty());
    EXPECT_EQ(session.reportInputs().fse.value(1), QStringLiteral("66.7"));

    // A folder in the trend file's place cannot be written: it is named, and nothing is erased.
    const QByteArray marksBefore = Bytes(path(ResultsFile::Marks));
    ASSERT_TRUE(QFile::remove(path(ResultsFile::Trend)));
    ASSERT_TRUE(QDir().mkpath(path(ResultsFile::Trend)));
    const QString refusal = session.eraseAllResults();
    EXPECT_TRUE(refusal.startsWith(QStringLiteral("trend2HM.txt cannot be written")))
        << qPrintable(refusal);
    EXPECT_EQ(Bytes(path(ResultsFile::Marks)), marksBefore);
    ASSERT_TRUE(QDir(path(ResultsFile::Trend)).removeRecursively());
    EXPECT_TRUE(session.eraseAllResults().isEmpty());
    for (ResultsFile file : kAllResultsFiles)
        EXPECT_EQ(Bytes(path(file)), ResourceBytes(ResultsTemplateId(2, int(file))));
}

TEST_F(SessionTest, PicturesThatCannotBeWrittenStopTheStartBeforeAnyResultsFile) {
    QFile blocker(m_folder + QStringLiteral("/Graphics"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    MainSession session(m_folder);
    const std::optional<StartUpProblem> problem = session.prepareFiles();
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->path, m_folder);
    EXPECT_TRUE(problem->reason.contains(QStringLiteral("pictures")))
        << qPrintable(problem->reason);
    EXPECT_TRUE(problem->reason.contains(QString::number(GraphicIds().size())));
    EXPECT_FALSE(QFile::exists(path(ResultsFile::Marks)));
    EXPECT_FALSE(session.moduleExists(2));
}

TEST_F(SessionTest, DamagedFilesAreHandedOverOnceAndRestoredOnRequest) {
    {
        MainSession first(m_folder);
        ASSERT_FALSE(first.prepareFiles().has_value());
    }
    QFile marks(path(ResultsFile::Marks));
    ASSERT_TRUE(marks.open(QIODevice::WriteOnly | QIODevice::Truncate));
    marks.write("#FSE#>77\r\n");
    marks.close();

    MainSession session(m_folder);
    ASSERT_FALSE(session.prepareFiles().has_value());
    const QList<DamagedResultsFile> damaged = session.takeDamagedFiles();
    ASSERT_EQ(damaged.size(), 1);
    EXPECT_EQ(damaged[0].path, path(ResultsFile::Marks));
    EXPECT_TRUE(session.takeDamagedFiles().isEmpty());
    EXPECT_EQ(Bytes(path(ResultsFile::Marks)), QByteArray("#FSE#>77\r\n"));
    // The reset keeps the damaged bytes beside the file under a dated name first: the score it
    // still held is not lost.
    const MainSession::Restored restored = session.restoreResultsFile(damaged[0]);
    EXPECT_TRUE(restored.restored);
    EXPECT_EQ(Bytes(path(ResultsFile::Marks)), ResourceBytes(ResultsTemplateId(2, 1)));
    EXPECT_TRUE(QFileInfo(restored.copy).fileName().startsWith("marks2HM.txt.damaged-"))
        << qPrintable(restored.copy);
    EXPECT_EQ(Bytes(restored.copy), QByteArray("#FSE#>77\r\n"));
}
