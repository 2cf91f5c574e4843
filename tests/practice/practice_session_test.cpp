// A paper of a small made-up course, worked in a temporary program folder.
#include "practice/practice_session.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "results/marking_journal.h"
#include "results/trend_file.h"

namespace {

// A file size limit stands in for a full disk, for root too: every write past `bytes` fails.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

  private:
    rlimit saved_{};
};

constexpr int kPapers = 50;
constexpr int kParts = 30;

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Ten questions of three parts, numeric keys "1".."30"; parts 3, 6, ... are worth 3 marks and
// the rest 2, so the paper is worth 66 and missing parts 3 and 6 scores 60.
PaperContent MadeUpPaper() {
    PaperContent content;
    for (int q = 0; q < 10; ++q) {
        content.questionIds << QString::number(20011 + q);
        content.partsPerQuestion << 3;
    }
    for (int i = 1; i <= kParts; ++i) {
        content.keys << QString::number(i);
        content.kinds << QStringLiteral("N");
        content.marks << (i % 3 == 0 && i <= 18 ? QStringLiteral("3") : QStringLiteral("2"));
    }
    return content;
}

class PracticeFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QByteArray marks = "...\r\n";
        for (const char* key : {"FSE", "SSE", "LTM", "CDD"})
            marks += QByteArray("#") + key + "#" + QByteArray(kPapers, '>') + "\r\n";
        for (const char* key : {"FST", "SST"}) {
            marks += QByteArray("#") + key + "#";
            for (int i = 0; i < kPapers; ++i) marks += ">0";
            marks += "\r\n";
        }
        marks += "...";
        WriteBytes(Path(ResultsFile::Marks), marks);
        QByteArray perPaper = "...\r\n";
        for (int p = 101; p <= 100 + kPapers; ++p)
            perPaper += "#" + QByteArray::number(p) + "#" + QByteArray(kParts, '>') + "\r\n";
        perPaper += "...";
        for (ResultsFile file : {ResultsFile::First, ResultsFile::Second, ResultsFile::FirstResults,
                                 ResultsFile::SecondResults})
            WriteBytes(Path(file), perPaper);
        WriteBytes(Path(ResultsFile::Trend), "#TRD#");
    }

    QString Path(ResultsFile file) const {
        return ResultsFilePath(dir_.path(), file, 2, QStringLiteral("HM"));
    }

    PracticeInputs Inputs(int take, const QString& paper = QStringLiteral("101")) const {
        PracticeInputs inputs;
        inputs.programFolder = dir_.path();
        inputs.module = 2;
        inputs.courseCode = QStringLiteral("HM");
        inputs.paperNumber = paper;
        inputs.TopicCount = 1;
        inputs.topicName = QStringLiteral("Whole Numbers");
        inputs.paperCount = kPapers;
        inputs.take = take;
        return inputs;
    }

    // Every part answered with its key except the ones listed.
    static void AnswerAllBut(PracticeSession& session, QList<int> wrongParts) {
        for (int i = 0; i < kParts; ++i)
            session.SetAnswer(
                i, wrongParts.contains(i) ? QStringLiteral("999") : QString::number(i + 1));
    }

    QList<QByteArray> AllFiles() const {
        QList<QByteArray> bytes;
        for (ResultsFile file : kAllResultsFiles) bytes << ReadBytes(Path(file));
        return bytes;
    }

    // A folder where a file should be makes every write to it fail.
    void BlockWrites(ResultsFile file) {
        QFile::remove(Path(file));
        ASSERT_TRUE(QDir().mkpath(Path(file)));
    }

    QStringList MarksField(const QString& key) const {
        return ReadRecordFields(Path(ResultsFile::Marks), key, kPapers);
    }

    QTemporaryDir dir_;
    const QDateTime start_{QDate(2026, 3, 9), QTime(8, 0, 0)};
    const QDateTime now_ = start_.addSecs(3600 + 23 * 60 + 40);
};

TEST_F(PracticeFolder, FirstMarkingWritesEveryFileAndTheTrend) {
    PracticeSession session;
    ASSERT_TRUE(session.LoadFromContent(Inputs(1), MadeUpPaper()));
    EXPECT_EQ(session.state().totalMarks, 66);
    EXPECT_EQ(session.state().status, AttemptStatus::NotMarked);
    EXPECT_FALSE(session.isMarked());
    AnswerAllBut(session, {2, 5});
    ASSERT_EQ(session.Mark(now_, start_), MarkOutcome::Marked);

    EXPECT_EQ(session.state().score, 60);
    EXPECT_EQ(session.state().scoring, "90.9");
    EXPECT_TRUE(session.isMarked());
    EXPECT_EQ(MarksField("FSE").at(0), "90.9");
    EXPECT_EQ(MarksField("LTM").at(0), "1:23:40");
    EXPECT_EQ(MarksField("CDD").at(0), ShortDateText(QDate(2026, 3, 9)));
    EXPECT_EQ(MarksField("FST").at(0), "1");
    EXPECT_EQ(MarksField("FST").at(1), "0");
    EXPECT_EQ(MarksField("SST").at(0), "0");
    EXPECT_EQ(MarksField("SSE").at(0), "");
    EXPECT_EQ(ReadBytes(Path(ResultsFile::Trend)), "#TRD#>90.9\r\n");
    EXPECT_EQ(ReadBytes(Path(ResultsFile::Marks)).count("\r\n"), 6);
    EXPECT_FALSE(ReadBytes(Path(ResultsFile::Marks)).contains("..."));

    const QStringList lines = ReadPaperRecordLines(Path(ResultsFile::FirstResults), kPapers);
    const QStringList results = SplitRecordFields(lines.at(0), kParts);
    EXPECT_EQ(lines.at(0).count('>'), kParts);
    EXPECT_EQ(results.count("Y"), 28);
    EXPECT_EQ(results.at(2), "N");
    EXPECT_EQ(results.at(5), "N");
    const QStringList answers =
        SplitRecordFields(ReadPaperRecordLines(Path(ResultsFile::First), kPapers).at(0), kParts);
    EXPECT_EQ(answers.at(0), "1");
    EXPECT_EQ(answers.at(2), "999");
    // Second attempt files are not touched by the first.
    EXPECT_TRUE(ReadBytes(Path(ResultsFile::Second)).startsWith("..."));

    // A second paper appends its score after the first one.
    PracticeSession other;
    ASSERT_TRUE(other.LoadFromContent(Inputs(1, "102"), MadeUpPaper()));
    AnswerAllBut(other, {});
    ASSERT_EQ(other.Mark(now_, start_), MarkOutcome::Marked);
    EXPECT_EQ(ReadBytes(Path(ResultsFile::Trend)), "#TRD#>90.9>100\r\n");
    EXPECT_EQ(MarksField("FSE").mid(0, 2), (QStringList{"90.9", "100"}));
}

// Reached when only a damaged marks file was reset: the trend still holds fifty entries and the
// papers are marked again. The record keeps the newest fifty, so the next start accepts it.
TEST_F(PracticeFolder, AFullTrendKeepsItsNewestFiftyEntries) {
    QByteArray full = "#TRD#";
    for (int i = 1; i <= 50; ++i) full += ">" + QByteArray::number(i);
    WriteBytes(Path(ResultsFile::Trend), full + "\r\n");
    PracticeSession session;
    ASSERT_TRUE(session.LoadFromContent(Inputs(1), MadeUpPaper()));
    AnswerAllBut(session, {2, 5});
    ASSERT_EQ(session.Mark(now_, start_), MarkOutcome::Marked);
    const QByteArray trend = ReadBytes(Path(ResultsFile::Trend));
    EXPECT_EQ(trend.count('>'), 50);
    EXPECT_TRUE(trend.startsWith("#TRD#>2>3>")) << trend.constData();
    EXPECT_TRUE(trend.endsWith(">50>90.9\r\n")) << trend.constData();
    EXPECT_TRUE(InspectTrendFile(trend, "#TRD#").isEmpty());
}

TEST_F(PracticeFolder, MarkedPaperReopensMarkedAndWritesNothing) {
    {
        PracticeSession session;
        ASSERT_TRUE(session.LoadFromContent(Inputs(1), MadeUpPaper()));
        AnswerAllBut(session, {0});
        ASSERT_EQ(session.Mark(now_, start_), MarkOutcome::Marked);
        EXPECT_EQ(session.Mark(now_, start_), MarkOutcome::AlreadyMarked);
    }
    const QList<QByteArray> before = AllFiles();
    PracticeSession reopened;
    ASSERT_TRUE(reopened.LoadFromContent(Inputs(1), MadeUpPaper()));
    EXPECT_TRUE(reopened.isMarked());
    EXPECT_EQ(reopened.state().scoring, "97");
    EXPECT_EQ(reopened.state().timeTaken, "1:23:40");
    EXPECT_EQ(reopened.state().dateCompleted, ShortDateText(QDate(2026, 3, 9)));
    EXPECT_EQ(reopened.state().paper.parts.at(0).verdict, Verdict::Wrong);
    reopened.SetAnswer(0, QStringLiteral("1"));
    EXPECT_EQ(reopened.state().paper.parts.at(0).answer, "999");
    EXPECT_TRUE(reopened.SaveAnswers());
    EXPECT_EQ(reopened.Mark(now_.addSecs(60), start_), MarkOutcome::AlreadyMarked);
    EXPECT_EQ(AllFiles(), before);
}

TEST_F(PracticeFolder, AFailedWriteLeavesThePaperUnmarkedAndEveryFileAsBefore) {
    PracticeSession session;
    ASSERT_TRUE(session.LoadFromContent(Inputs(1), MadeUpPaper()));
    AnswerAllBut(session, {});
    const QList<QByteArray> before = AllFiles();

    // Whichever of the four files cannot be written, none is: not even the answers, which
    // would otherwise already hold the marked answers.
    const std::pair<ResultsFile, MarkOutcome> blocked[] = {
        {ResultsFile::FirstResults, MarkOutcome::ResultsNotSaved},
        {ResultsFile::Marks, MarkOutcome::MarksNotSaved},
        {ResultsFile::Trend, MarkOutcome::TrendNotSaved}};
    for (const auto& [file, outcome] : blocked) {
        const QByteArray bytes = ReadBytes(Path(file));
        BlockWrites(file);
        EXPECT_EQ(session.Mark(now_, start_), outcome);
        EXPECT_FALSE(session.isMarked());
        EXPECT_EQ(session.state().scoring, "");
        ASSERT_TRUE(QDir(Path(file)).removeRecursively());
        WriteBytes(Path(file), bytes);
        EXPECT_EQ(AllFiles(), before);
        EXPECT_FALSE(QFile::exists(MarkingJournalPath(dir_.path())));
    }
    ASSERT_EQ(session.Mark(now_, start_), MarkOutcome::Marked);
    EXPECT_EQ(MarksField("FSE").at(0), "100");
    EXPECT_EQ(ReadBytes(Path(ResultsFile::Trend)), "#TRD#>100\r\n");

    PracticeSession unsaved;
    ASSERT_TRUE(unsaved.LoadFromContent(Inputs(1, "103"), MadeUpPaper()));
    BlockWrites(ResultsFile::First);
    EXPECT_FALSE(unsaved.SaveAnswers());
    EXPECT_EQ(unsaved.Mark(now_, start_), MarkOutcome::AnswersNotSaved);
    EXPECT_FALSE(unsaved.isMarked());
}

// The empty record of a missing paper comes from the package's template for module 2.
TEST_F(PracticeFolder, EveryWriterKeepsTheRecordsItCouldReadWhateverTheirOrderOrGaps) {
    // Paper 102's record missing and 105 before 104, in each per-paper file; every other paper
    // holds a first field of its own.
    const std::pair<ResultsFile, QByteArray> perPaper[] = {{ResultsFile::First, "a"},
                                                           {ResultsFile::FirstResults, "r"},
                                                           {ResultsFile::Second, "s"},
                                                           {ResultsFile::SecondResults, "t"}};
    for (const auto& [file, tag] : perPaper) {
        QByteArray bytes;
        for (int p = 101; p <= 100 + kPapers; ++p) {
            const int paper = p == 104 ? 105 : p == 105 ? 104 : p;
            if (paper == 102) continue;
            bytes += "#" + QByteArray::number(paper) + "#>" + tag + QByteArray::number(paper) +
                     QByteArray(kParts - 1, '>') + "\r\n";
        }
        WriteBytes(Path(file), bytes);
    }
    // The marks records shuffled, SSE and SST missing; paper 103 marked with 75.
    QByteArray fst = "#FST#", fse = "#FSE#";
    for (int i = 1; i <= kPapers; ++i) {
        fst += i == 3 ? ">1" : ">0";
        fse += i == 3 ? ">75" : ">";
    }
    WriteBytes(Path(ResultsFile::Marks), "#CDD#" + QByteArray(kPapers, '>') + "\r\n" + fst +
                                             "\r\n#LTM#" + QByteArray(kPapers, '>') + "\r\n" + fse +
                                             "\r\n");

    PracticeSession first;
    ASSERT_TRUE(first.LoadFromContent(Inputs(1), MadeUpPaper()));
    AnswerAllBut(first, {0});
    ASSERT_EQ(first.Mark(now_, start_), MarkOutcome::Marked);
    PracticeSession second;
    ASSERT_TRUE(second.LoadFromContent(Inputs(2), MadeUpPaper()));
    EXPECT_EQ(second.state().paper.parts.at(1).answer, "2");  // carried over
    second.SetAnswer(0, QStringLiteral("1"));
    ASSERT_EQ(second.Mark(now_, start_), MarkOutcome::Marked);

    for (const auto& [file, tag] : perPaper) {
        const QList<QByteArray> lines = ReadBytes(Path(file)).split('\n');
        ASSERT_EQ(lines.size(), kPapers + 1) << tag.constData();
        EXPECT_EQ(lines[1], "#102#" + QByteArray(kParts, '>') + "\r");
        for (int paper = 103; paper <= 100 + kPapers; ++paper) {
            EXPECT_TRUE(lines[paper - 101].startsWith("#" + QByteArray::number(paper) + "#>" + tag +
                                                      QByteArray::number(paper) + ">"))
                << lines[paper - 101].constData();
        }
    }
    EXPECT_EQ(MarksField("FSE").mid(0, 3), (QStringList{"97", "", "75"}));
    EXPECT_EQ(MarksField("FST").mid(0, 4), (QStringList{"1", "0", "1", "0"}));
    EXPECT_EQ(MarksField("SSE").mid(0, 2), (QStringList{"100", ""}));
    EXPECT_EQ(MarksField("SST").mid(0, 3), (QStringList{"1", "0", "0"}));
    EXPECT_EQ(ReadBytes(Path(ResultsFile::Marks)).count("\r\n"), 6);
}

TEST_F(PracticeFolder, SecondAttemptCarriesOverAndLeavesTheFirstAlone) {
    {
        PracticeSession first;
        ASSERT_TRUE(first.LoadFromContent(Inputs(1), MadeUpPaper()));
        AnswerAllBut(first, {2, 5});
        ASSERT_EQ(first.Mark(now_, start_), MarkOutcome::Marked);
    }
    // A stale second answer on a part that was right at the first attempt.
    {
        QStringList lines = ReadPaperRecordLines(Path(ResultsFile::Second), kPapers);
        QStringList fields(kParts);
        fields[0] = QStringLiteral("stale");
        fields[2] = QStringLiteral("kept");
        ASSERT_TRUE(
            ReplaceRecordAndSave(lines, fields, 1, "101", kPapers, Path(ResultsFile::Second)));
    }
    const QByteArray trendBefore = ReadBytes(Path(ResultsFile::Trend));
    const QByteArray firstBefore = ReadBytes(Path(ResultsFile::First));
    const QByteArray fresultsBefore = ReadBytes(Path(ResultsFile::FirstResults));
    const QStringList fseBefore = MarksField("FSE"), ltmBefore = MarksField("LTM"),
                      cddBefore = MarksField("CDD"), fstBefore = MarksField("FST");

    PracticeSession second;
    ASSERT_TRUE(second.LoadFromContent(Inputs(2), MadeUpPaper()));
    EXPECT_TRUE(second.isSecondAttempt());
    EXPECT_EQ(second.state().status, AttemptStatus::NotMarked);
    EXPECT_EQ(second.state().scoring, "");
    EXPECT_EQ(second.state().timeTaken, "");
    EXPECT_TRUE(second.IsCarriedOver(0));
    EXPECT_FALSE(second.IsCarriedOver(2));
    EXPECT_EQ(second.state().paper.parts.at(0).answer, "1");
    EXPECT_EQ(second.state().paper.parts.at(0).verdict, Verdict::Right);
    EXPECT_EQ(second.state().paper.parts.at(2).answer, "kept");
    EXPECT_EQ(second.state().paper.parts.at(2).firstAnswer, "999");
    // Carried parts cannot be changed; only the two open parts decide the confirmation.
    second.SetAnswer(0, QStringLiteral("changed"));
    EXPECT_EQ(second.state().paper.parts.at(0).answer, "1");
    EXPECT_TRUE(second.NeedsLongConfirmation());
    second.SetAnswer(5, QStringLiteral("6"));
    EXPECT_FALSE(second.NeedsLongConfirmation());
    EXPECT_EQ(second.RemainingQuestions(), QList<int>{});

    // Nothing was written by loading; the next save replaces the stale answer.
    EXPECT_TRUE(
        SplitRecordFields(ReadPaperRecordLines(Path(ResultsFile::Second), kPapers).at(0), kParts)
            .at(0) == "stale");
    ASSERT_TRUE(second.SaveAnswers());
    EXPECT_EQ(
        SplitRecordFields(ReadPaperRecordLines(Path(ResultsFile::Second), kPapers).at(0), kParts)
            .at(0),
        "1");

    ASSERT_EQ(second.Mark(now_, start_), MarkOutcome::Marked);
    EXPECT_EQ(second.state().scoring, "95.5");  // part 3 ("kept", 3 marks) still wrong: 63/66
    EXPECT_EQ(second.state().timeTaken, "");
    EXPECT_EQ(MarksField("SSE").at(0), "95.5");
    EXPECT_EQ(MarksField("SST").at(0), "1");
    EXPECT_EQ(MarksField("FSE"), fseBefore);
    EXPECT_EQ(MarksField("LTM"), ltmBefore);
    EXPECT_EQ(MarksField("CDD"), cddBefore);
    EXPECT_EQ(MarksField("FST"), fstBefore);
    EXPECT_EQ(ReadBytes(Path(ResultsFile::Trend)), trendBefore);
    EXPECT_EQ(ReadBytes(Path(ResultsFile::First)), firstBefore);
    EXPECT_EQ(ReadBytes(Path(ResultsFile::FirstResults)), fresultsBefore);
    const QStringList sresults = SplitRecordFields(
        ReadPaperRecordLines(Path(ResultsFile::SecondResults), kPapers).at(0), kParts);
    EXPECT_EQ(sresults.at(2), "N");
    EXPECT_EQ(sresults.count("Y"), kParts - 1);
    EXPECT_EQ(second.AnswerToShow(2), "3");

    PracticeSession reopened;
    ASSERT_TRUE(reopened.LoadFromContent(Inputs(2), MadeUpPaper()));
    EXPECT_TRUE(reopened.isMarked());
    EXPECT_EQ(reopened.state().scoring, "95.5");
    EXPECT_EQ(reopened.Mark(now_, start_), MarkOutcome::AlreadyMarked);
}

TEST_F(PracticeFolder, SecondAttemptOfAnUnmarkedPaperCarriesNothing) {
    PracticeSession first;
    ASSERT_TRUE(first.LoadFromContent(Inputs(1), MadeUpPaper()));
    AnswerAllBut(first, {});
    ASSERT_TRUE(first.SaveAnswers());

    PracticeSession second;
    ASSERT_TRUE(second.LoadFromContent(Inputs(2), MadeUpPaper()));
    for (int i = 0; i < kParts; ++i) {
        EXPECT_FALSE(second.IsCarriedOver(i));
        EXPECT_EQ(second.state().paper.parts.at(i).answer, "");
    }
    EXPECT_EQ(second.state().paper.parts.at(0).firstAnswer, "1");
    EXPECT_TRUE(second.NeedsLongConfirmation());
    EXPECT_EQ(second.RemainingQuestions().size(), 10);
}

TEST_F(PracticeFolder, AnswerSheetHelpers) {
    PaperContent content = MadeUpPaper();
    content.partsPerQuestion = {1, 2, 3, 4, 20};
    content.questionIds = content.questionIds.mid(0, 5);
    PracticeSession session;
    ASSERT_TRUE(session.LoadFromContent(Inputs(1, "103"), content));
    EXPECT_EQ(session.Caption(), "Whole Numbers - Paper 3");
    EXPECT_EQ(session.QuestionCount(), 5);
    EXPECT_EQ(session.PartOffset(1), 0);
    EXPECT_EQ(session.PartOffset(4), 6);
    EXPECT_EQ(session.PartCount(5), 20);
    EXPECT_EQ(session.PartCount(6), 0);
    EXPECT_EQ(session.PartOffset(0), 0);
    EXPECT_EQ(session.QuestionFilePath(2), dir_.path() + "/temppaper20012.mht");
    EXPECT_EQ(session.QuestionFilePath(9), "");

    EXPECT_EQ(session.RemainingQuestions(), (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(session.NeedsLongConfirmation());
    for (int i = 0; i < kParts; ++i) session.SetAnswer(i, QStringLiteral("x"));
    session.SetAnswer(0, QStringLiteral("   "));  // spaces: still to do, yet answered
    session.SetAnswer(8, QString());
    session.SetAnswer(9, QString());
    EXPECT_EQ(session.RemainingQuestions(), (QList<int>{1, 4}));
    EXPECT_EQ(session.AnsweredCount(), kParts - 2);
    EXPECT_TRUE(session.NeedsLongConfirmation());
    session.SetAnswer(8, QStringLiteral("y"));
    session.SetAnswer(9, QStringLiteral("y"));
    EXPECT_FALSE(session.NeedsLongConfirmation());

    // Text that would break a record never reaches the answers.
    session.SetAnswer(1, QStringLiteral("a>b#c\r\nd") + QChar(0x20AC));
    EXPECT_EQ(session.state().paper.parts.at(1).answer, "abcd");
    session.SetAnswer(-1, QStringLiteral("z"));
    session.SetAnswer(kParts, QStringLiteral("z"));
    EXPECT_EQ(session.state().paper.parts.size(), kParts);

    session.SetCurrentQuestion(9);
    EXPECT_EQ(session.state().currentQuestion, 5);
    session.SetCurrentQuestion(0);
    EXPECT_EQ(session.state().currentQuestion, 1);
}

// An editor that saves a results file with a byte-order mark, or with CR alone at each line end,
// changes nothing the next marking may lose: every record is read, and the rewrite is plain.
TEST_F(PracticeFolder, AByteOrderMarkOrCrOnlyLineEndsAreReadWholeAndTheNextMarkingKeepsAll) {
    PracticeSession earlier;
    ASSERT_TRUE(earlier.LoadFromContent(Inputs(1, "103"), MadeUpPaper()));
    AnswerAllBut(earlier, {2});
    ASSERT_EQ(earlier.Mark(now_, start_), MarkOutcome::Marked);
    const QStringList files = {Path(ResultsFile::Marks), Path(ResultsFile::First),
                               Path(ResultsFile::FirstResults), Path(ResultsFile::Trend)};
    QList<QByteArray> marked;
    for (const QString& file : files) marked << ReadBytes(file);

    const auto utf16 = [](const QByteArray& bytes) {
        QStringEncoder encoder(QStringConverter::Utf16LE);
        return QByteArray("\xFF\xFE") + QByteArray(encoder.encode(QString::fromLatin1(bytes)));
    };
    const std::pair<const char*, std::function<QByteArray(QByteArray)>> edits[] = {
        {"UTF-8 mark", [](QByteArray b) { return "\xEF\xBB\xBF" + b; }},
        {"CR alone", [](QByteArray b) { return b.replace("\r\n", "\r"); }},
        {"both", [](QByteArray b) { return "\xEF\xBB\xBF" + b.replace("\r\n", "\r"); }},
        {"UTF-16", utf16}};
    for (const auto& [what, edit] : edits) {
        for (qsizetype k = 0; k < files.size(); ++k) WriteBytes(files[k], edit(marked[k]));
        // The start's check finds nothing to report.
        EXPECT_TRUE(InspectMarksFile(ReadBytes(files[0]), MarksTemplateBytes(kPapers)).isEmpty())
            << what;
        PracticeSession session;
        ASSERT_TRUE(session.LoadFromContent(Inputs(1), MadeUpPaper()));
        AnswerAllBut(session, {});
        ASSERT_EQ(session.Mark(now_, start_), MarkOutcome::Marked) << what;
        EXPECT_EQ(MarksField("FSE").mid(0, 3), (QStringList{"100", "", "95.5"})) << what;
        EXPECT_EQ(MarksField("FST").mid(0, 3), (QStringList{"1", "0", "1"})) << what;
        EXPECT_EQ(ReadBytes(Path(ResultsFile::Trend)), "#TRD#>95.5>100\r\n") << what;
        EXPECT_TRUE(ReadRecordFields(Path(ResultsFile::First), "103", 2).at(0) == "1") << what;
        EXPECT_TRUE(ReadBytes(Path(ResultsFile::Marks)).startsWith("#FSE#>100>>95.5>")) << what;
        for (qsizetype k = 0; k < files.size(); ++k) WriteBytes(files[k], marked[k]);
    }
}

// A save or a marking that fails names its file and the reason; while an earlier change is
// unfinished no save or marking may make its journal out of date or write over it.
TEST_F(PracticeFolder, FailuresNameTheFileAndReasonAndAnUnfinishedChangeStopsEveryWrite) {
    PracticeSession session;
    ASSERT_TRUE(session.LoadFromContent(Inputs(1), MadeUpPaper()));
    EXPECT_FALSE(session.hasUnsavedAnswers());
    AnswerAllBut(session, {});
    EXPECT_TRUE(session.hasUnsavedAnswers());
    const QList<QByteArray> before = AllFiles();
    {
        const FileSizeLimit full(1000);  // the answers file is larger
        EXPECT_FALSE(session.SaveAnswers());
        EXPECT_EQ(session.failureText(),
                  "first2HM.txt cannot be written: it would grow larger than the system allows a "
                  "file to be");
        EXPECT_EQ(session.Mark(now_, start_), MarkOutcome::AnswersNotSaved);
        EXPECT_TRUE(session.failureText().startsWith("marking.journal cannot be written"))
            << qPrintable(session.failureText());
    }
    EXPECT_TRUE(session.hasUnsavedAnswers());
    EXPECT_EQ(AllFiles(), before);
    BlockWrites(ResultsFile::Trend);
    EXPECT_EQ(session.Mark(now_, start_), MarkOutcome::TrendNotSaved);
    EXPECT_EQ(session.failureText(),
              "trend2HM.txt cannot be written: something other than a file stands in its place");
    ASSERT_TRUE(QDir(Path(ResultsFile::Trend)).removeRecursively());
    WriteBytes(Path(ResultsFile::Trend), "#TRD#");

    // A journal left by a change the start could not finish: nothing is saved or marked, and
    // the journal stays as it was for the next start.
    const QString journal = MarkingJournalPath(dir_.path());
    WriteBytes(journal, "HMJOURNAL 1\nunfinished");
    EXPECT_FALSE(session.SaveAnswers());
    EXPECT_TRUE(session.failureText().contains("not finished yet"));
    EXPECT_EQ(session.Mark(now_, start_), MarkOutcome::AnswersNotSaved);
    EXPECT_FALSE(session.isMarked());
    EXPECT_EQ(ReadBytes(journal), "HMJOURNAL 1\nunfinished");
    EXPECT_EQ(AllFiles(), before);

    // Once it is gone, the same session saves and marks.
    ASSERT_TRUE(QFile::remove(journal));
    ASSERT_TRUE(session.SaveAnswers());
    EXPECT_FALSE(session.hasUnsavedAnswers());
    EXPECT_TRUE(session.failureText().isEmpty());
    EXPECT_EQ(session.Mark(now_, start_), MarkOutcome::Marked);
}

TEST_F(PracticeFolder, PapersThatCannotBeWorkedRefuseToLoad) {
    PracticeSession session;
    EXPECT_FALSE(session.LoadFromContent(Inputs(1, "100"), MadeUpPaper()));
    EXPECT_FALSE(session.LoadFromContent(Inputs(1, "151"), MadeUpPaper()));
    EXPECT_FALSE(session.LoadFromContent(Inputs(1, "abc"), MadeUpPaper()));
    PaperContent broken = MadeUpPaper();
    broken.marks.removeLast();
    EXPECT_FALSE(session.LoadFromContent(Inputs(1), broken));
    EXPECT_FALSE(session.LoadFromContent(Inputs(1), PaperContent()));
    // A kind letter no rule knows would score its part nothing without a word.
    PaperContent unknownKind = MadeUpPaper();
    unknownKind.kinds[4] = QStringLiteral("Z");
    EXPECT_FALSE(session.LoadFromContent(Inputs(1), unknownKind));
    // A damaged trend file loses no score: the record starts again.
    ASSERT_TRUE(session.LoadFromContent(Inputs(1), MadeUpPaper()));
    WriteBytes(Path(ResultsFile::Trend), "garbage");
    AnswerAllBut(session, {});
    ASSERT_EQ(session.Mark(now_, start_), MarkOutcome::Marked);
    EXPECT_EQ(ReadBytes(Path(ResultsFile::Trend)), "#TRD#>100\r\n");
}

}  // namespace

TEST(ShortDateText, TheSystemsShortFormWhenAFieldCanHoldItElseDayMonthYear) {
    const QDate date(2026, 12, 8);
    EXPECT_EQ(ShortDateText(date, QLocale(QLocale::German, QLocale::Germany)), "08.12.26");
    EXPECT_EQ(ShortDateText(date, QLocale(QLocale::English, QLocale::UnitedStates)), "12/8/26");
    // Digits a record field cannot hold.
    EXPECT_EQ(ShortDateText(date, QLocale(QLocale::Arabic, QLocale::Egypt)), "08/12/2026");
    EXPECT_EQ(ShortDateText(date, QLocale(QLocale::Chinese, QLocale::China)), "2026/12/8");
}
