// The first-attempt practice window driven like a learner: loading, answer rows, navigation,
// remaining list, marking, clock, saving and closing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>

#include "platform/question_document_view.h"
#include "practice_fixture.h"
#include "ui/frame/skinned_button.h"
#include "ui/practice/answer_box.h"
#include "ui/practice/answer_sheet.h"
#include "ui/practice/practice_toolbar.h"
#include "ui/practice/question_pane.h"
#include "ui/practice/sheet_handle.h"

namespace {

TestQuestion One(const QString& kind, int marks, const QString& key) {
    return {{kind, marks, key}};
}

// 30 questions, four of them with two parts: 34 parts.
QList<TestQuestion> Paper34() {
    QList<TestQuestion> qs;
    int n = 0;
    auto part = [&n](const QString& kind) {
        ++n;
        return TestPart{kind, n % 6 == 0 ? 3 : 2, QString::number(n)};
    };
    for (int q = 1; q <= 30; ++q) {
        if (q == 5 || q == 9 || q == 20 || q == 27)
            qs.append({part("N"), part("N")});
        else
            qs.append({part(q == 3 ? "Q" : "N")});
    }
    return qs;
}

QLineEdit* Box(PracticeWindow* w, int k) {
    return w->answerSheet()->row(k)->answer;
}
SkinnedButton* Button(PracticeWindow* w, PracticeAction b) {
    return w->toolbar()->button(b);
}
void Click(PracticeWindow* w, PracticeAction b) {
    w->tick();
    QTest::mouseClick(Button(w, b), Qt::LeftButton);
}
QString Text(PracticeWindow* w, const char* name) {
    auto* l = w->findChild<QLabel*>(QLatin1String(name));
    return l ? l->text() : QStringLiteral("<missing>");
}
bool Shown(PracticeWindow* w, const char* name) {
    auto* l = w->findChild<QWidget*>(QLatin1String(name));
    return l && l->isVisibleTo(w);
}

}  // namespace

TEST(PracticeFirstAttempt, OpensOnQuestionOneWithCaptionCountsAndOneQuestionFile) {
    PracticeFixture f;
    f.setPaper(Paper34());
    PracticeWindow* w = f.open(1, 103);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "Test1");
    EXPECT_EQ(w->titleLabel()->text(), "Whole Numbers - Paper 3");
    EXPECT_EQ(Text(w, "QnTitle"), "Question 1");
    EXPECT_EQ(Text(w, "lblTotalQ"), "34");
    EXPECT_EQ(Text(w, "lblAnsweredQ"), "0");
    EXPECT_EQ(Text(w, "lblDate"),
              QLocale::system().toString(QDate(2026, 3, 14), QLocale::ShortFormat));
    EXPECT_TRUE(Shown(w, "lblClock"));
    EXPECT_FALSE(Shown(w, "LTime"));
    EXPECT_FALSE(Shown(w, "FR1"));
    EXPECT_TRUE(Box(w, 1)->text().isEmpty());
    EXPECT_FALSE(Box(w, 1)->isReadOnly());
    EXPECT_FALSE(QFile::exists(f.path("temptext.txt")));
    if (!PackageQuestionIds(1).isEmpty()) {
        EXPECT_EQ(f.questionFiles().size(), 1);
    }

    // Back is off on question 1, Next on the last; Print and Close always on.
    w->tick();
    EXPECT_FALSE(Button(w, PracticeAction::Back)->isEnabled());
    EXPECT_TRUE(Button(w, PracticeAction::Next)->isEnabled());
    w->GoToQuestion(30);
    w->tick();
    EXPECT_TRUE(Button(w, PracticeAction::Back)->isEnabled());
    EXPECT_FALSE(Button(w, PracticeAction::Next)->isEnabled());
    EXPECT_TRUE(Button(w, PracticeAction::Print)->isEnabled());
    EXPECT_TRUE(Button(w, PracticeAction::Close)->isEnabled());
    // txtPressTrack: a toolbar button held down, and only then.
    EXPECT_FALSE(w->toolbar()->pressTrack());
    QTest::mousePress(Button(w, PracticeAction::Back), Qt::LeftButton);
    EXPECT_TRUE(w->toolbar()->pressTrack());
    EXPECT_EQ(Button(w, PracticeAction::Back)->shownPicture(), "back_pressed.bmp");
    QTest::mouseRelease(Button(w, PracticeAction::Back), Qt::LeftButton);
    EXPECT_FALSE(w->toolbar()->pressTrack());
    EXPECT_EQ(Text(w, "QnTitle"), "Question 29");
    EXPECT_EQ(Button(w, PracticeAction::Next)->shownPicture(), "forward_off.bmp");
    EXPECT_EQ(Button(w, PracticeAction::Save)->shownPicture(), "save_off.bmp");
    if (PackageQuestionIds(30).size() == 30) {
        EXPECT_EQ(f.questionFiles().size(), 1);
    }
    delete w;
    EXPECT_TRUE(f.questionFiles().isEmpty());
}

TEST(PracticeFirstAttempt, AnswerRowsFollowTheQuestionsParts) {
    PracticeFixture f;
    f.setPaper({One("Q", 1, "3"),
                {{"N", 1, "1"}, {"F", 1, "1/2"}, {"T", 1, "x"}},
                One("N", 1, "4"),
                {{"L", 2, "a long answer"}, {"T", 1, "b"}}});
    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    AnswerSheet* sheet = w->answerSheet();

    // One part: no "(a)"; a kind Q box takes one character and no box takes '>' or '#'.
    EXPECT_TRUE(sheet->row(1)->isVisibleTo(w));
    EXPECT_FALSE(sheet->row(1)->letter->isVisibleTo(w));
    EXPECT_FALSE(sheet->row(2)->isVisibleTo(w));
    QTest::keyClicks(Box(w, 1), "12");
    EXPECT_EQ(Box(w, 1)->text(), "1");
    EXPECT_TRUE(sheet->row(1)->correct->text().isEmpty());  // the key never reaches a widget
    EXPECT_FALSE(sheet->row(1)->correct->isVisibleTo(w));
    EXPECT_FALSE(sheet->instruction()->isVisibleTo(w));

    w->GoToQuestion(2);
    EXPECT_TRUE(sheet->row(1)->letter->isVisibleTo(w));
    EXPECT_EQ(sheet->row(3)->letter->text(), "(c)");
    EXPECT_TRUE(sheet->row(3)->isVisibleTo(w));
    EXPECT_TRUE(sheet->instruction()->isVisibleTo(w));  // a fraction part
    QTest::keyClicks(Box(w, 1), "1>2#3");
    EXPECT_EQ(Box(w, 1)->text(), "123");
    QTest::keyClicks(Box(w, 2), "12");
    EXPECT_EQ(Box(w, 2)->text(), "12");

    w->GoToQuestion(3);
    EXPECT_FALSE(sheet->instruction()->isVisibleTo(w));
    const int normalHeight = sheet->row(1)->height();

    // A kind L first row is the tall one and pushes the next row down.
    w->GoToQuestion(4);
    EXPECT_GT(sheet->row(1)->height(), 2 * normalHeight);
    EXPECT_GT(sheet->row(2)->y(), sheet->row(1)->y() + sheet->row(1)->height());
    EXPECT_GT(Box(w, 1)->width(), sheet->row(2)->answer->width());
    EXPECT_EQ(sheet->row(1)->borderMode(), kBorderBlue);
    w->GoToQuestion(3);
    EXPECT_EQ(sheet->row(1)->height(), normalHeight);
    delete w;
}

TEST(PracticeFirstAttempt, MovingSavesSilentlyAndTheRemainingListFollows) {
    PracticeFixture f;
    f.setPaper(Paper34());
    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    PopupHand hand({});
    auto* remaining = w->findChild<QComboBox*>(QStringLiteral("RemQns"));
    ASSERT_NE(remaining, nullptr);
    EXPECT_EQ(remaining->count(), 30);

    QTest::keyClicks(Box(w, 1), "1");
    Click(w, PracticeAction::Next);
    EXPECT_EQ(Text(w, "QnTitle"), "Question 2");
    EXPECT_TRUE(f.record("first2HM.txt", 101).startsWith("#101#>1>>"));
    // A part of spaces: counted as answered, still listed as remaining.
    QTest::keyClicks(Box(w, 1), "   ");
    Click(w, PracticeAction::Back);
    EXPECT_EQ(Text(w, "QnTitle"), "Question 1");
    w->tick();
    EXPECT_EQ(Text(w, "lblAnsweredQ"), "2");
    EXPECT_EQ(remaining->itemText(0), "2");

    // Choosing 7 shows question 7; once its part is filled and another question shown, 7 is gone.
    const int seven = remaining->findText("7");
    ASSERT_GE(seven, 0);
    remaining->activated(seven);
    EXPECT_EQ(Text(w, "QnTitle"), "Question 7");
    QTest::keyClicks(Box(w, 1), "7");
    Click(w, PracticeAction::Next);
    EXPECT_EQ(remaining->findText("7"), -1);
    EXPECT_GE(remaining->findText("8"), 0);
    EXPECT_TRUE(hand.seen.isEmpty());  // moving never asks or tells
    delete w;
}

TEST(PracticeFirstAttempt, MarkingConfirmsAnimatesWritesTheFourFilesAndLocks) {
    PracticeFixture f;
    QList<TestQuestion> qs;
    for (int q = 1; q <= 30; ++q) qs.append(One("N", q <= 6 ? 3 : 2, QString::number(q)));
    f.setPaper(qs);  // 6 x 3 + 24 x 2 = 66 marks
    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    {
        // Every part but one answered, and No: the long question, answers saved, nothing else.
        PopupHand hand({false});
        for (int q = 1; q <= 29; ++q) {
            QTest::keyClicks(Box(w, 1), QString::number(q));
            w->GoToQuestion(q + 1);
        }
        Click(w, PracticeAction::Mark);
        ASSERT_EQ(hand.seen.size(), 1);
        EXPECT_EQ(hand.seen[0],
                  "Marking|You have not answered all the questions.  Do you still "
                  "want to mark your practice?");
        EXPECT_FALSE(w->session().isMarked());
        EXPECT_EQ(FileText(f.path("trend2HM.txt")), "#TRD#");
        EXPECT_TRUE(FileText(f.path("fresults2HM.txt")).startsWith("...\r\n#101#>>>"));
    }
    // Three 2-mark parts wrong, the last one only spaces: 60 of 66, the short question.
    w->GoToQuestion(28);
    Box(w, 1)->setText("0");
    w->GoToQuestion(29);
    Box(w, 1)->setText("0");
    w->GoToQuestion(30);
    QTest::keyClicks(Box(w, 1), " ");
    f.now = f.now.addSecs(7 * 60 + 5);
    PopupHand hand({true});
    Click(w, PracticeAction::Mark);
    ASSERT_EQ(hand.seen.size(), 1);
    EXPECT_EQ(hand.seen[0], "Marking|Do you want to mark your practice now?");

    ASSERT_TRUE(w->session().isMarked());
    const QString marks = FileText(f.path("marks2HM.txt"));
    EXPECT_TRUE(marks.startsWith("#FSE#>90.9>>")) << marks.toStdString();
    EXPECT_TRUE(marks.contains("#LTM#>0:7:5>"));
    EXPECT_TRUE(marks.contains("#CDD#>" + ShortDateText(QDate(2026, 3, 14)) + ">"));
    EXPECT_TRUE(marks.contains("#FST#>1>0"));
    EXPECT_EQ(marks.count("\r\n"), 6);
    EXPECT_EQ(FileText(f.path("trend2HM.txt")), "#TRD#>90.9\r\n");
    const QString results = f.record("fresults2HM.txt", 101);
    EXPECT_EQ(results.count('>'), 30);
    EXPECT_EQ(results.count('N'), 3);
    EXPECT_TRUE(f.record("first2HM.txt", 101).endsWith(">0>0> "));

    // The marked state: verdicts, time taken and date completed, nothing editable.
    w->tick();
    EXPECT_FALSE(Button(w, PracticeAction::Save)->isEnabled());
    EXPECT_FALSE(Button(w, PracticeAction::Mark)->isEnabled());
    EXPECT_TRUE(Box(w, 1)->isReadOnly());
    EXPECT_TRUE(Shown(w, "FR1"));
    EXPECT_EQ(Text(w, "FR1"), "N");
    EXPECT_FALSE(Shown(w, "lblClock"));
    EXPECT_EQ(Text(w, "LTime"), "0:7:5");
    EXPECT_EQ(Text(w, "ETime"), ShortDateText(QDate(2026, 3, 14)));
    EXPECT_EQ(Text(w, "PScoring"), "90.9");
    EXPECT_FALSE(Shown(w, "TxtRem"));
    EXPECT_FALSE(w->findChild<QWidget*>(QStringLiteral("fmeMark"))->isVisible());
    delete w;
}

TEST(PracticeFirstAttempt, AMarkedPaperReopensReadOnlyAndWritesNothing) {
    PracticeFixture f;
    f.setPaper({One("N", 1, "1"), One("N", 1, "2")});
    f.setRecord("first2HM.txt", 101, {"1", "5"});
    f.setRecord("fresults2HM.txt", 101, {"Y", "N"});
    f.setMarksField("FSE", 1, "50");
    f.setMarksField("LTM", 1, "0:3:1");
    f.setMarksField("CDD", 1, "01/02/2026");
    f.setMarksField("FST", 1, "1");
    WriteFile(f.path("trend2HM.txt"), "#TRD#>50\r\n");
    const QStringList files = {"first2HM.txt", "fresults2HM.txt", "marks2HM.txt", "trend2HM.txt"};
    QStringList before;
    for (const QString& n : files) before.append(FileText(f.path(n)));

    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    w->tick();
    EXPECT_TRUE(Box(w, 1)->isReadOnly());
    EXPECT_EQ(Text(w, "FR1"), "Y");
    EXPECT_TRUE(Shown(w, "FR1"));
    EXPECT_EQ(Text(w, "LTime"), "0:3:1");
    EXPECT_EQ(Text(w, "ETime"), "01/02/2026");
    EXPECT_FALSE(Button(w, PracticeAction::Save)->isEnabled());
    EXPECT_FALSE(Button(w, PracticeAction::Mark)->isEnabled());
    w->MarkPractice();
    w->GoToQuestion(2);
    EXPECT_EQ(Text(w, "FR1"), "N");
    w->unloadWithoutAsking();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int i = 0; i < files.size(); ++i)
        EXPECT_EQ(FileText(f.path(files[i])), before[i]) << files[i].toStdString();
}

TEST(PracticeFirstAttempt, ClockSaveAndClose) {
    PracticeFixture f;
    f.setPaper({One("T", 1, "a"), One("T", 1, "b")});
    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    w->tick();
    EXPECT_EQ(Text(w, "lblClock"), "0:0:0");
    f.now = f.now.addSecs(65);
    w->tick();
    EXPECT_EQ(Text(w, "lblClock"), "0:1:5");

    {
        PopupHand hand({true});
        QTest::keyClicks(Box(w, 1), "first");
        QTest::mouseClick(w->toolbar()->caption(PracticeAction::Save), Qt::LeftButton);
        EXPECT_EQ(hand.seen, QStringList{"Vantora|Paper saved"});
        EXPECT_EQ(f.record("first2HM.txt", 101), "#101#>first>");
    }
    {
        // No keeps the window and its text.
        PopupHand hand({false});
        QTest::keyClicks(Box(w, 1), " more");
        Click(w, PracticeAction::Close);
        EXPECT_EQ(hand.seen, QStringList{"Close Practice|Confirm?"});
        ASSERT_FALSE(f.window.isNull());
        EXPECT_EQ(Box(w, 1)->text(), "first more");
    }
    {
        // Yes: unloads without saving, deletes the question file, refreshes the Home view.
        PopupHand hand({true});
        Click(w, PracticeAction::Close);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(f.window.isNull());
        EXPECT_EQ(f.contents.refreshes, 1);
        EXPECT_EQ(f.record("first2HM.txt", 101), "#101#>first>");
        EXPECT_TRUE(f.questionFiles().isEmpty());
    }
    // Reopened, the clock starts again.
    w = f.open();
    ASSERT_NE(w, nullptr);
    w->tick();
    EXPECT_EQ(Text(w, "lblClock"), "0:0:0");
    delete w;
}

TEST(PracticeFirstAttempt, UnloadWithoutAskingKeepsTypedAnswers) {
    PracticeFixture f;
    f.setPaper({One("T", 1, "a"), One("T", 1, "b")});
    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    QTest::keyClicks(Box(w, 1), "typed");
    {
        // The disk full as the program closes (Ctrl+Q): the learner is told which file and
        // why, and No keeps the window with the answer; so does No after Close and Yes.
        const FileSizeLimit full(100);
        PopupHand hand({false, true, false});
        EXPECT_FALSE(w->unloadWithoutAsking());
        Click(w, PracticeAction::Close);
        ASSERT_EQ(hand.seen.size(), 3);
        EXPECT_EQ(hand.seen[0],
                  "Close Practice|Your answers could not be saved (first2HM.txt cannot be "
                  "written: it would grow larger than the system allows a file to be). If the "
                  "paper closes now, the answers typed since it was last saved are lost.\n\n"
                  "Close it anyway?");
        EXPECT_EQ(hand.seen[1], "Close Practice|Confirm?");
        EXPECT_EQ(hand.seen[2], hand.seen[0]);
        ASSERT_FALSE(f.window.isNull());
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(Box(w, 1)->text(), "typed");
        EXPECT_EQ(f.contents.refreshes, 0);
    }
    PopupHand hand({});
    EXPECT_TRUE(w->unloadWithoutAsking());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(f.window.isNull());
    EXPECT_TRUE(hand.seen.isEmpty());
    EXPECT_EQ(f.record("first2HM.txt", 101), "#101#>typed>");
    EXPECT_EQ(f.contents.refreshes, 1);
    EXPECT_TRUE(f.questionFiles().isEmpty());
}

TEST(PracticeFirstAttempt, QuestionViewRefusesCopyAndRightClick) {
    PracticeFixture f;
    f.setPaper({One("T", 1, "a")});
    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    PopupHand hand({});
    QuestionDocumentView* view = w->questionPane()->view();
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(hand.seen.isEmpty());
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_X, Qt::ControlModifier);
    QTest::mouseClick(view->viewport(), Qt::RightButton);
    EXPECT_EQ(hand.seen, QStringList(3, "Error|Invalid operation"));
    delete w;
}

TEST(PracticeFirstAttempt, HandleHidesTheSheetAndTheCornerResizes) {
    PracticeFixture f;
    f.setPaper({One("T", 1, "a")});
    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    w->resize(800, 600);
    SkinnedButton* handle = w->sheetHandle()->button();
    const int viewWidth = w->questionPane()->view()->width();
    QTest::mouseClick(handle, Qt::LeftButton);
    EXPECT_FALSE(w->answerSheetShown());
    EXPECT_GE(w->answerSheet()->x(), w->width());
    EXPECT_GT(w->questionPane()->view()->width(), viewWidth);
    EXPECT_EQ(handle->toolTip(), "Show answer sheet (Ctrl+H)");
    w->resize(820, 600);  // a resize keeps it hidden
    EXPECT_GE(w->answerSheet()->x(), w->width());
    QTest::mouseClick(handle, Qt::LeftButton);
    EXPECT_EQ(handle->toolTip(), "Hide answer sheet (Ctrl+H)");
    w->resize(800, 600);
    EXPECT_EQ(w->questionPane()->view()->width(), viewWidth);

    const QPoint origin = w->mapToGlobal(QPoint(0, 0));
    auto send = [&](QEvent::Type type, QPoint local, QPoint global, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(local), QPointF(global),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    auto drag = [&](QPoint pressLocal, QPoint toLocal) {
        send(QEvent::MouseButtonPress, pressLocal, origin + pressLocal, Qt::LeftButton);
        send(QEvent::MouseMove, toLocal, origin + toLocal, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, toLocal, origin + toLocal, Qt::NoButton);
    };
    drag(QPoint(798, 598), QPoint(600, 450));
    EXPECT_EQ(w->size(), QSize(600, 450));
    drag(QPoint(598, 448), QPoint(480, 300));  // below 7300 x 5000 twips: unchanged
    EXPECT_EQ(w->size(), QSize(600, 450));
    drag(QPoint(598, 200), QPoint(900, 700));  // the right edge alone resizes nothing
    drag(QPoint(2, 448), QPoint(900, 700));
    EXPECT_EQ(w->size(), QSize(600, 450));
    delete w;
}
