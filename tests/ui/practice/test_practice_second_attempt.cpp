// The second attempt: the same window with carried-over parts, its own files, second verdicts
// and the correct answers of the parts still wrong.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "platform/picture_cache.h"
#include "platform/program_folder.h"
#include "platform/units.h"
#include "practice_fixture.h"
#include "ui/frame/skinned_button.h"
#include "ui/practice/answer_box.h"
#include "ui/practice/answer_sheet.h"
#include "ui/practice/practice_toolbar.h"

namespace {

const QColor kTint(192, 192, 255);

AnswerRow* Row(PracticeWindow* w, int k) {
    return w->answerSheet()->row(k);
}
QColor Base(PracticeWindow* w, int k) {
    return Row(w, k)->answer->palette().color(QPalette::Base);
}

// One question of three parts, one of two, one of one.
void ThreeQuestions(PracticeFixture& f) {
    f.setPaper({{{"N", 1, "1"}, {"N", 1, "2"}, {"N", 1, "3"}},
                {{"T", 1, "a"}, {"T", 1, "b"}},
                {{"N", 2, "6"}}});
}

// The first attempt marked: parts 1, 3 and 4 right.
void FirstAttemptMarked(PracticeFixture& f) {
    f.setRecord("first2HM.txt", 101, {"1", "9", "3", "a", "x", "0"});
    f.setRecord("fresults2HM.txt", 101, {"Y", "N", "Y", "Y", "N", "N"});
    f.setMarksField("FSE", 1, "42.9");
    f.setMarksField("LTM", 1, "0:4:2");
    f.setMarksField("CDD", 1, "02/03/2026");
    f.setMarksField("FST", 1, "1");
    WriteFile(f.path("trend2HM.txt"), "#TRD#>42.9\r\n");
}

}  // namespace

TEST(PracticeSecondAttempt, NothingCarriesOverFromAnUnmarkedFirstAttempt) {
    PracticeFixture f;
    ThreeQuestions(f);
    f.setRecord("first2HM.txt", 101, {"1", "2", "3", "a", "b", "6"});  // saved, never marked
    PracticeWindow* w = f.open(2);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "Test2");
    EXPECT_EQ(w->titleLabel()->text(), "Whole Numbers - Paper 1 - Second attempt");
    for (int k = 1; k <= 3; ++k) {
        EXPECT_FALSE(Row(w, k)->answer->isReadOnly()) << k;
        EXPECT_TRUE(Row(w, k)->answer->text().isEmpty()) << k;
        EXPECT_EQ(Base(w, k), QColor(Qt::white)) << k;
        EXPECT_FALSE(Row(w, k)->firstVerdict->isVisibleTo(w)) << k;
    }
    // No clock and no date in the second attempt.
    w->tick();
    EXPECT_FALSE(w->findChild<QLabel*>(QStringLiteral("lblClock"))->isVisibleTo(w));
    EXPECT_TRUE(w->findChild<QLabel*>(QStringLiteral("lblDate"))->text().isEmpty());
    EXPECT_EQ(w->focusFlagName(), QStringLiteral("Test2Focus"));
    delete w;
}

TEST(PracticeSecondAttempt, CarriedOverPartsAreTintedReadOnlyAndReplaceTheStoredAnswer) {
    PracticeFixture f;
    ThreeQuestions(f);
    FirstAttemptMarked(f);
    f.setRecord("second2HM.txt", 101, {"7", "", "", "", "", ""});
    PracticeWindow* w = f.open(2);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Row(w, 1)->answer->text(), "1");
    EXPECT_TRUE(Row(w, 1)->answer->isReadOnly());
    EXPECT_EQ(Base(w, 1), kTint);
    EXPECT_TRUE(Row(w, 1)->firstVerdict->isVisibleTo(w));
    EXPECT_EQ(Row(w, 1)->firstVerdict->x(), Row(w, 1)->answer->geometry().right() + 1 + Px(105));
    EXPECT_FALSE(Row(w, 2)->answer->isReadOnly());
    EXPECT_EQ(Base(w, 2), QColor(Qt::white));
    EXPECT_FALSE(Row(w, 2)->firstVerdict->isVisibleTo(w));
    // Loading writes nothing; the next save stores the carried answer.
    EXPECT_EQ(f.record("second2HM.txt", 101), "#101#>7>>>>>");
    PopupHand hand({true});
    QTest::keyClicks(Row(w, 2)->answer, "2");
    w->SavePractice();
    EXPECT_EQ(hand.seen, QStringList{"Vantora|Paper saved"});
    EXPECT_EQ(f.record("second2HM.txt", 101), "#101#>1>2>3>a>>");
    EXPECT_EQ(f.record("first2HM.txt", 101), "#101#>1>9>3>a>x>0");
    delete w;
}

TEST(PracticeSecondAttempt, MarkingWritesOnlyTheSecondAttemptAndShowsCorrectAnswers) {
    PracticeFixture f;
    ThreeQuestions(f);
    FirstAttemptMarked(f);
    PracticeWindow* w = f.open(2);
    ASSERT_NE(w, nullptr);
    const QString firstAnswers = f.record("first2HM.txt", 101);
    const QString firstResults = f.record("fresults2HM.txt", 101);
    const QString trend = FileText(f.path("trend2HM.txt"));

    PopupHand hand({true});
    QTest::keyClicks(Row(w, 2)->answer, "2");
    w->GoToQuestion(2);
    QTest::keyClicks(Row(w, 2)->answer, "c");
    // Part 6 left empty: the long question, though carried parts were never typed.
    w->MarkPractice();
    ASSERT_EQ(hand.seen.size(), 1);
    EXPECT_TRUE(hand.seen[0].startsWith("Marking|You have not answered all"));
    ASSERT_TRUE(w->session().isMarked());

    EXPECT_EQ(f.record("sresults2HM.txt", 101), "#101#>Y>Y>Y>Y>N>N");
    EXPECT_EQ(f.record("second2HM.txt", 101), "#101#>1>2>3>a>c>");
    const QString marks = FileText(f.path("marks2HM.txt"));
    EXPECT_TRUE(marks.contains("#SSE#>57.1>")) << marks.toStdString();  // 4 of 7
    EXPECT_TRUE(marks.contains("#SST#>1>0"));
    EXPECT_TRUE(marks.startsWith("#FSE#>42.9>"));
    EXPECT_TRUE(marks.contains("#LTM#>0:4:2>"));
    EXPECT_TRUE(marks.contains("#CDD#>02/03/2026>"));
    EXPECT_TRUE(marks.contains("#FST#>1>0"));
    EXPECT_EQ(FileText(f.path("trend2HM.txt")), trend);
    EXPECT_EQ(f.record("first2HM.txt", 101), firstAnswers);
    EXPECT_EQ(f.record("fresults2HM.txt", 101), firstResults);

    // Question 2 on view: the carried row keeps its tint, M only where the verdict is N.
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("PScoring"))->text(), "57.1");
    EXPECT_EQ(Base(w, 1), kTint);
    EXPECT_TRUE(Row(w, 1)->answer->isReadOnly());
    EXPECT_TRUE(Row(w, 2)->answer->isReadOnly());
    EXPECT_FALSE(Row(w, 1)->correct->isVisibleTo(w));
    EXPECT_TRUE(Row(w, 2)->correct->isVisibleTo(w));
    EXPECT_EQ(Row(w, 2)->correct->text(), "b");
    // Its visible label stands over it, clear of every row.
    QLabel* heading = w->answerSheet()->correctHeading();
    EXPECT_TRUE(heading->isVisibleTo(w));
    EXPECT_EQ(heading->text(), "Correct answer");
    EXPECT_LT(heading->geometry().bottom(), Row(w, 1)->y());
    const QRect correct(Row(w, 2)->mapTo(w->answerSheet(), Row(w, 2)->correct->pos()),
                        Row(w, 2)->correct->size());
    EXPECT_EQ(heading->x(), correct.x());
    for (int k = 1; k <= 2; ++k) {
        EXPECT_TRUE(Row(w, k)->secondVerdict->isVisibleTo(w));
        EXPECT_FALSE(Row(w, k)->firstVerdict->isVisibleTo(w));
        EXPECT_EQ(Row(w, k)->secondVerdict->geometry(), Row(w, k)->firstVerdict->geometry());
    }
    EXPECT_EQ(Row(w, 2)->secondVerdict->text(), "N");
    w->tick();
    EXPECT_FALSE(w->toolbar()->button(PracticeAction::Mark)->isEnabled());
    EXPECT_FALSE(w->findChild<QWidget*>(QStringLiteral("TxtRem"))->isVisibleTo(w));
    delete w;

    // Reopened: marked, read-only, nothing written.
    const QString seconds = FileText(f.path("second2HM.txt"));
    w = f.open(2);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(Row(w, 2)->answer->isReadOnly());
    EXPECT_TRUE(Row(w, 2)->secondVerdict->isVisibleTo(w));
    w->GoToQuestion(3);
    EXPECT_EQ(Row(w, 1)->correct->text(), "6");
    EXPECT_TRUE(Row(w, 1)->correct->isVisibleTo(w));
    EXPECT_EQ(FileText(f.path("second2HM.txt")), seconds);
    delete w;
}

TEST(PracticeSecondAttempt, CorrectAnswersOfListKinds) {
    PracticeFixture f;
    f.setPaper({{{"M", 1, ";12;x"}}, {{"G", 1, ";a;b;c"}, {"G", 1, " "}, {"G", 1, " "}}});
    f.setRecord("first2HM.txt", 101, {"5", "b", "", "a"});
    f.setRecord("fresults2HM.txt", 101, {"N", "Y", "N", "Y"});
    f.setRecord("second2HM.txt", 101, {"7", "b", "", "a"});
    f.setRecord("sresults2HM.txt", 101, {"N", "Y", "N", "Y"});
    f.setMarksField("FST", 1, "1");
    f.setMarksField("SST", 1, "1");
    PracticeWindow* w = f.open(2);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Row(w, 1)->correct->text(), "12");
    EXPECT_TRUE(Row(w, 1)->correct->isVisibleTo(w));
    w->GoToQuestion(2);
    // The head (verdict Y) shows nothing and holds nothing; the second part shows "c".
    EXPECT_FALSE(Row(w, 1)->correct->isVisibleTo(w));
    EXPECT_EQ(Row(w, 1)->correct->text(), "");
    EXPECT_TRUE(Row(w, 2)->correct->isVisibleTo(w));
    EXPECT_EQ(Row(w, 2)->correct->text(), "c");
    EXPECT_EQ(Row(w, 3)->correct->text(), "");
    delete w;
}

TEST(PracticeSecondAttempt, RowGapsOfLongQuestionsAndBottomPictures) {
    PracticeFixture f;
    WriteGraphics(f.dir.path());
    QList<TestPart> sixteen;
    for (int i = 1; i <= 16; ++i) sixteen.append({"N", 1, QString::number(i)});
    f.setPaper({sixteen});
    PracticeWindow* w = f.open(2);
    ASSERT_NE(w, nullptr);
    const int height = Row(w, 1)->height();
    EXPECT_EQ(Row(w, 16)->y() - Row(w, 1)->y(), 15 * height);  // no gap
    const QString graphics = GraphicsFolder(f.dir.path());
    const QImage bot1 = w->findChild<QLabel*>(QStringLiteral("Bot1"))->pixmap().toImage();
    EXPECT_EQ(bot1, LoadPicture(graphics, QStringLiteral("bottombg1.bmp")).toImage());
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Bot3"))->pixmap().toImage(),
              LoadPicture(graphics, QStringLiteral("bottombg3.bmp")).toImage());
    delete w;

    // The first attempt overlaps them by 10 twips and has bottombg3 all along.
    w = f.open(1);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Row(w, 16)->y() - Row(w, 1)->y(), 15 * height - Px(15 * 10));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Bot1"))->pixmap().toImage(),
              LoadPicture(graphics, QStringLiteral("bottombg3.bmp")).toImage());
    delete w;
}
