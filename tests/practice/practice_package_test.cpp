// A paper of the course the program carries, from a fresh program folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "content/catalogue.h"
#include "practice/practice_session.h"

TEST(PracticePackage, FirstPaperLoadsFromTheCarriedCourseAndMarksFully) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Catalogue catalogue = ReadCatalogue(dir.path());
    int module = 0;
    for (int m = 1; m <= 3 && module == 0; ++m)
        if (catalogue.module(m).exists()) module = m;
    ASSERT_NE(module, 0);
    CreateResultsFiles(dir.path(), catalogue);

    PracticeInputs inputs;
    inputs.programFolder = dir.path();
    inputs.module = module;
    inputs.courseCode = catalogue.code;
    inputs.paperNumber = QStringLiteral("101");
    inputs.TopicCount = 1;
    inputs.topicName = catalogue.module(module).topicNames.value(0);
    inputs.paperCount = catalogue.module(module).paperCount;
    PracticeSession session;
    ASSERT_TRUE(session.Load(inputs));
    EXPECT_FALSE(QFile::exists(dir.filePath("temptext.txt")));
    const PracticeState& state = session.state();
    EXPECT_EQ(session.PaperPartCount(), session.PartOffset(session.QuestionCount()) +
                                   session.PartCount(session.QuestionCount()));
    EXPECT_GT(state.totalMarks, 0);
    EXPECT_EQ(state.status, AttemptStatus::NotMarked);
    EXPECT_EQ(session.AnsweredCount(), 0);
    EXPECT_EQ(session.Caption(), inputs.topicName + " - Paper 1");
    ASSERT_TRUE(session.WriteQuestionDocument(1));
    EXPECT_TRUE(QFile::exists(session.QuestionFilePath(1)));

    // The answers to show of an empty sheet are a full set of right answers.
    for (int i = 0; i < session.PaperPartCount(); ++i) session.SetAnswer(i, session.AnswerToShow(i));
    EXPECT_FALSE(session.NeedsLongConfirmation());
    ASSERT_EQ(session.Mark(QDateTime::currentDateTime(), QDateTime::currentDateTime()),
              MarkOutcome::Marked);
    EXPECT_EQ(state.scoring, "100");
    for (const AnswerPart& part : state.paper.parts) EXPECT_EQ(part.verdict, Verdict::Right);
    QFile trend(session.ResultsPath(ResultsFile::Trend));
    ASSERT_TRUE(trend.open(QIODevice::ReadOnly));
    EXPECT_EQ(trend.readAll(), "#TRD#>100\r\n");
}
