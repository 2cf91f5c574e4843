#include "results/results_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "content/catalogue.h"
#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "records/file_bytes.h"
#include "records/record_file.h"
#include "results/attempt_file.h"
#include "results/marks_file.h"

namespace {

// The module whose templates the package carries (module 2 in this course).
int ModuleWithTemplates() {
    for (int m = 1; m <= 3; ++m) {
        if (ResourceExists(ResultsTemplateId(m, 1))) return m;
    }
    return 0;
}

class ResultsFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        module_ = ModuleWithTemplates();
        ASSERT_NE(module_, 0) << "no results templates in the package";
        catalogue_.code = "HM";
        catalogue_.modules[module_ - 1].label = "Practice";
        folder_ = dir_.path();
    }
    QString path(ResultsFile file) const { return ResultsFilePath(folder_, file, module_, "HM"); }
    QByteArray templateOf(ResultsFile file) const {
        return ResourceBytes(ResultsTemplateId(module_, static_cast<int>(file)));
    }
    QList<ResultsFileIssue> inspect(ResultsFile file) const {
        return InspectResultsFile(path(file), file, templateOf(file));
    }

    QTemporaryDir dir_;
    QString folder_;
    Catalogue catalogue_;
    int module_ = 0;
};

::testing::AssertionResult HasIssue(const QList<ResultsFileIssue>& issues, ResultsProblem problem,
                                    const QString& key = {}) {
    for (const ResultsFileIssue& issue : issues) {
        if (issue.problem == problem && (key.isEmpty() || issue.key == key))
            return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << issues.size() << " issues, none of the kind asked";
}

TEST(ResultsFileNamesTest, NamesJoinStemModuleAndCode) {
    const QStringList expected = {"marks2HM.txt",    "first2HM.txt",    "second2HM.txt",
                                  "fresults2HM.txt", "sresults2HM.txt", "trend2HM.txt"};
    QStringList names;
    for (ResultsFile file : kAllResultsFiles) names += ResultsFileName(file, 2, "HM");
    EXPECT_EQ(names, expected);
    EXPECT_EQ(ResultsFilePath("/data/hmquiz", ResultsFile::Trend, 3, "XY"),
              "/data/hmquiz/trend3XY.txt");
}

TEST_F(ResultsFilesTest, FirstStartCreatesTheTemplatesOfDefinedModulesOnlyAndRestartKeepsThem) {
    const ResultsCheckReport first = EnsureResultsFiles(folder_, catalogue_);
    EXPECT_TRUE(first.clean());
    EXPECT_EQ(first.created.size(), 6);
    EXPECT_EQ(QDir(folder_).entryList(QDir::Files).size(), 6);
    for (ResultsFile file : kAllResultsFiles) {
        EXPECT_EQ(ReadBytes(path(file)), templateOf(file));
        EXPECT_TRUE(inspect(file).isEmpty());
    }
    EXPECT_TRUE(ResultsFilesPresent(folder_, module_, "HM"));
    EXPECT_FALSE(ResultsFilesPresent(folder_, module_ % 3 + 1, "HM"));
    EXPECT_EQ(ReadBytes(path(ResultsFile::Trend)), "#TRD#");

    // A first marking, written the way the practice window writes it; then a restart.
    const int n = CountFieldsOfKeys(path(ResultsFile::Marks), {"FSE"})[0];
    ASSERT_GT(n, 0);
    MarksRecords marks = ReadMarksFile(path(ResultsFile::Marks), n);
    MarkFirstAttempt(marks, 1, n, "90.9", "0:12:5", "30/12/2005");
    ASSERT_TRUE(WriteMarksFile(marks, n, path(ResultsFile::Marks)));
    QStringList lines = ReadPaperRecordLines(path(ResultsFile::FirstResults), n);
    const int parts = CountFieldsOfKeys(path(ResultsFile::FirstResults), {"101"})[0];
    ASSERT_GT(parts, 0);
    QStringList verdicts(parts, "Y");
    verdicts[0] = "N";
    ASSERT_TRUE(
        ReplaceRecordAndSave(lines, verdicts, 1, "101", n, path(ResultsFile::FirstResults)));
    ASSERT_TRUE(WriteSingleRecordFile(path(ResultsFile::Trend), "#TRD#>90.9"));

    QMap<ResultsFile, QByteArray> before;
    for (ResultsFile file : kAllResultsFiles) before[file] = ReadBytes(path(file));
    const ResultsCheckReport restart = EnsureResultsFiles(folder_, catalogue_);
    EXPECT_TRUE(restart.clean());
    EXPECT_TRUE(restart.created.isEmpty());
    for (ResultsFile file : kAllResultsFiles) EXPECT_EQ(ReadBytes(path(file)), before[file]);

    // Erasing all results brings every file back to its template.
    CreateResultsFiles(folder_, catalogue_);
    for (ResultsFile file : kAllResultsFiles) EXPECT_EQ(ReadBytes(path(file)), templateOf(file));
}

TEST_F(ResultsFilesTest, APartialSetGetsOnlyItsMissingFiles) {
    ASSERT_TRUE(CreateModuleResultsFiles(folder_, module_, "HM").isEmpty());
    ASSERT_TRUE(WriteSingleRecordFile(path(ResultsFile::Trend), "#TRD#>100>50"));
    QFile::remove(path(ResultsFile::Marks));
    QFile::remove(path(ResultsFile::SecondResults));
    EXPECT_FALSE(ResultsFilesPresent(folder_, module_, "HM"));

    const ResultsCheckReport report = EnsureResultsFiles(folder_, catalogue_);
    EXPECT_TRUE(report.clean());
    EXPECT_EQ(report.created,
              QStringList({path(ResultsFile::Marks), path(ResultsFile::SecondResults)}));
    EXPECT_EQ(ReadBytes(path(ResultsFile::Marks)), templateOf(ResultsFile::Marks));
    EXPECT_EQ(ReadBytes(path(ResultsFile::Trend)), "#TRD#>100>50\r\n");
}

TEST_F(ResultsFilesTest, DamagedFilesAreReportedLeftAloneAndRestoredOnRequest) {
    ASSERT_TRUE(CreateModuleResultsFiles(folder_, module_, "HM").isEmpty());
    const QByteArray marks = templateOf(ResultsFile::Marks);
    const QByteArray paper = templateOf(ResultsFile::First);

    // Shortened FSE, missing SST, an FST state the program never writes.
    QByteArray damagedMarks = marks;
    damagedMarks.replace("#FSE#>", "#FSE#");
    damagedMarks.replace(damagedMarks.indexOf("#SST#"), 5, "#XYZ#");
    damagedMarks.replace("#FST#>0", "#FST#>2");
    WriteBytes(path(ResultsFile::Marks), damagedMarks);
    // Two records swapped, and a lost line break that runs two records together.
    QStringList lines = RecordFileLines(paper);
    lines.swapItemsAt(1, 2);
    lines[4] += lines[5];
    lines.removeAt(5);
    WriteBytes(path(ResultsFile::First), lines.join("\r\n").toLatin1());
    WriteBytes(path(ResultsFile::Second), "");
    WriteBytes(path(ResultsFile::FirstResults), paper + "\r\ngarbage");
    QByteArray verdicts = paper;
    verdicts.replace("#101#>", "#101#>Q");
    WriteBytes(path(ResultsFile::SecondResults), verdicts);
    WriteBytes(path(ResultsFile::Trend), "#TRD#" + QByteArray(">50").repeated(51));

    QMap<ResultsFile, QByteArray> before;
    for (ResultsFile file : kAllResultsFiles) before[file] = ReadBytes(path(file));
    const ResultsCheckReport report = EnsureResultsFiles(folder_, catalogue_);
    EXPECT_TRUE(report.created.isEmpty());
    ASSERT_EQ(report.damaged.size(), 6);
    for (ResultsFile file : kAllResultsFiles) EXPECT_EQ(ReadBytes(path(file)), before[file]);

    const auto marksIssues = inspect(ResultsFile::Marks);
    EXPECT_TRUE(HasIssue(marksIssues, ResultsProblem::WrongFieldCount, "FSE"));
    EXPECT_TRUE(HasIssue(marksIssues, ResultsProblem::MissingRecord, "SST"));
    EXPECT_TRUE(HasIssue(marksIssues, ResultsProblem::StrayText));
    EXPECT_TRUE(HasIssue(marksIssues, ResultsProblem::BadValue, "FST"));
    EXPECT_TRUE(HasIssue(inspect(ResultsFile::First), ResultsProblem::OutOfOrder, "101"));
    EXPECT_TRUE(HasIssue(inspect(ResultsFile::First), ResultsProblem::StrayText, "104"));
    EXPECT_TRUE(HasIssue(inspect(ResultsFile::First), ResultsProblem::MissingRecord, "105"));
    EXPECT_TRUE(HasIssue(inspect(ResultsFile::Second), ResultsProblem::EmptyFile));
    EXPECT_TRUE(HasIssue(inspect(ResultsFile::FirstResults), ResultsProblem::StrayText));
    EXPECT_TRUE(HasIssue(inspect(ResultsFile::SecondResults), ResultsProblem::BadValue, "101"));
    EXPECT_TRUE(HasIssue(inspect(ResultsFile::Trend), ResultsProblem::WrongFieldCount, "TRD"));
    const int papers = static_cast<int>(RecordFileLines(marks).filter("#FSE#").value(0).count('>'));
    EXPECT_EQ(DescribeResultsIssue("marks2HM.txt", marksIssues[0]),
              QString("marks2HM.txt: record FSE has %1 entries instead of %2")
                  .arg(papers - 1)
                  .arg(papers));

    // Readers of the damaged files still answer with bounded, empty fields.
    EXPECT_EQ(ReadRecordFields(path(ResultsFile::Marks), "SST", 50), QStringList(50));
    EXPECT_EQ(ReadPaperRecordLines(path(ResultsFile::Second), 50), QStringList(50));
    EXPECT_EQ(ReadRecordFields(path(ResultsFile::Marks), "FSE", 50).size(), 50);

    for (ResultsFile file : kAllResultsFiles) {
        ASSERT_TRUE(RestoreResultsFile(folder_, file, module_, "HM"));
        EXPECT_EQ(ReadBytes(path(file)), templateOf(file));
    }
    EXPECT_TRUE(EnsureResultsFiles(folder_, catalogue_).clean());
}

TEST_F(ResultsFilesTest, FilesThatCannotBeCreatedAreReportedAsFailed) {
    QTemporaryDir other;
    const QString notAFolder = other.filePath("plain");
    WriteBytes(notAFolder, "x");
    const ResultsCheckReport report = EnsureResultsFiles(notAFolder, catalogue_);
    EXPECT_FALSE(report.clean());
    EXPECT_TRUE(report.created.isEmpty());
    EXPECT_EQ(report.failed.size(), 6);
    EXPECT_EQ(CreateModuleResultsFiles(notAFolder, module_, "HM").size(), 6);
    // The learner reads the first and why.
    EXPECT_EQ(report.firstFailure.problem, WriteProblem::Other);
    EXPECT_EQ(report.firstFailure.systemError, ENOTDIR);
    EXPECT_TRUE(
        DescribeWriteError(report.firstFailure).startsWith("marks2HM.txt cannot be written: "));

    // A catalogue without modules creates nothing.
    EXPECT_TRUE(EnsureResultsFiles(folder_, Catalogue{}).clean());
    EXPECT_TRUE(QDir(folder_).entryList(QDir::Files).isEmpty());
}

}  // namespace

namespace {

TEST_F(ResultsFilesTest, AFolderFifoOrSocketInAFilesPlaceIsReportedQuicklyAndNeverOpened) {
    for (ResultsFile file : kAllResultsFiles) {
        for (const char* what : {"folder", "fifo"}) {
            ASSERT_TRUE(CreateModuleResultsFiles(folder_, module_, "HM").isEmpty());
            QFile::remove(path(file));
            const bool made = QByteArray(what) == "folder"
                                  ? QDir().mkdir(path(file))
                                  : ::mkfifo(QFile::encodeName(path(file)).constData(), 0644) == 0;
            ASSERT_TRUE(made);
            QElapsedTimer clock;
            clock.start();
            const ResultsCheckReport report = EnsureResultsFiles(folder_, catalogue_);
            // A FIFO opened for reading would wait for a writer for ever.
            EXPECT_LT(clock.elapsed(), 3000);
            ASSERT_EQ(report.damaged.size(), 1);
            EXPECT_TRUE(report.created.isEmpty());
            EXPECT_EQ(report.damaged[0].path, path(file));
            ASSERT_EQ(report.damaged[0].issues.size(), 1);
            const ResultsFileIssue& issue = report.damaged[0].issues[0];
            EXPECT_EQ(issue.problem, ResultsProblem::NotRegularFile);
            const QString name = ResultsFileName(file, module_, "HM");
            EXPECT_EQ(
                DescribeResultsIssue(name, issue),
                name + (QByteArray(what) == "folder" ? " is a folder, not a file"
                                                     : " is a named pipe (FIFO), not a file"));

            // A reset removes a FIFO and writes the template; a folder is never removed.
            EXPECT_EQ(RestoreResultsFile(folder_, file, module_, "HM"), QByteArray(what) == "fifo");
            if (QByteArray(what) == "folder") {
                ASSERT_TRUE(QDir(path(file)).removeRecursively());
            }
        }
    }
    QFile::remove(path(ResultsFile::Trend));
    ASSERT_TRUE(::symlink("/dev/null", QFile::encodeName(path(ResultsFile::Trend)).constData()) ==
                0);
    const QList<ResultsFileIssue> device = inspect(ResultsFile::Trend);
    ASSERT_EQ(device.size(), 1);
    EXPECT_EQ(device[0].kind, FileKind::CharDevice);
    EXPECT_EQ(DescribeResultsIssue("trend2HM.txt", device[0]),
              "trend2HM.txt is a device, not a file");
}

TEST_F(ResultsFilesTest, ADamagedFileKeptByTheLearnerIsCopiedBesideItUnderADatedName) {
    const QString marks = path(ResultsFile::Marks);
    WriteBytes(marks, "#FSE#>90.9>");
    const QDateTime now(QDate(2026, 12, 7), QTime(23, 15, 0));
    const QString copy = KeepDamagedCopy(marks, now);
    EXPECT_EQ(copy, marks + ".damaged-2026-12-07-231500");
    EXPECT_EQ(ReadBytes(copy), "#FSE#>90.9>");
    // Kept again at the next start: the copy already there is enough, whatever its date; damage
    // of another content gets a copy of its own.
    EXPECT_EQ(KeepDamagedCopy(marks, now.addDays(1)), copy);
    WriteBytes(marks, "#FSE#>90.8>");
    EXPECT_EQ(KeepDamagedCopy(marks, now), copy + "-2");
    EXPECT_EQ(KeepDamagedCopy(marks, now.addDays(1)), copy + "-2");
    EXPECT_EQ(ReadBytes(copy), "#FSE#>90.9>");
    EXPECT_EQ(ReadBytes(marks), "#FSE#>90.8>");
    EXPECT_EQ(QDir(QFileInfo(marks).path()).entryList({"marks2HM.txt.damaged-*"}).size(), 2);
    EXPECT_EQ(KeepDamagedCopy(path(ResultsFile::Trend), now), "");  // nothing there to keep
    ASSERT_TRUE(QDir().mkdir(path(ResultsFile::Second)));
    EXPECT_EQ(KeepDamagedCopy(path(ResultsFile::Second), now), "");
}

TEST_F(ResultsFilesTest, PerPaperRecordsAreReadByKeyWithTheTemplateForAMissingOne) {
    const QByteArray empty = templateOf(ResultsFile::First);
    WriteBytes(path(ResultsFile::First), "#103#>c\r\n#101#>a\r\n");
    const QStringList lines =
        ReadPerPaperRecords(path(ResultsFile::First), ResultsFile::First, module_, 5);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "#101#>a");
    EXPECT_EQ(lines[2], "#103#>c");
    // The template's own record: the paper's part count of empty fields.
    const QStringList fromTemplate = RecordFileLines(empty).filter("#102#");
    ASSERT_EQ(fromTemplate.size(), 1);
    EXPECT_EQ(lines[1], fromTemplate[0]);
    EXPECT_GT(lines[3].count('>'), 10);
    EXPECT_TRUE(lines[4].startsWith("#105#>"));
}

}  // namespace
