// The practice window worked from the keyboard alone: Tab order, Enter through the answer boxes
// and on to the next question, the keys of the table, the remaining list handing the focus to the
// answer, and a marking that takes no input while its panel plays.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "platform/question_document_view.h"
#include "practice_fixture.h"
#include "session/learner_settings.h"
#include "ui/frame/focus_ring.h"
#include "ui/frame/skinned_button.h"
#include "ui/practice/answer_box.h"
#include "ui/practice/answer_sheet.h"
#include "ui/practice/practice_toolbar.h"
#include "ui/practice/question_pane.h"
#include "ui/practice/sheet_handle.h"
#include "ui/practice/status_strip.h"

namespace {

// Two parts, one, three, one.
QList<TestQuestion> FourQuestions() {
    return {{{"T", 1, "quokka"}, {"T", 1, "wombat"}},
            {{"T", 1, "platypus"}},
            {{"N", 1, "7391"}, {"N", 1, "8462"}, {"N", 1, "9573"}},
            {{"T", 1, "echidna"}}};
}

PracticeWindow* OpenActive(PracticeFixture& f, int take = 1) {
    PracticeWindow* w = f.open(take);
    if (!w) return nullptr;
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w)) return nullptr;
    return w;
}

AnswerBox* Box(PracticeWindow* w, int k) {
    return w->answerSheet()->row(k)->answer;
}
QString Focused() {
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QStringLiteral("<none>");
}
int Current(PracticeWindow* w) {
    return w->session().state().currentQuestion;
}
void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "no focus for key " << key;
    QTest::keyClick(target, key, modifiers);
}

}  // namespace

TEST(PracticeKeyboard, TabVisitsTheControlsInOrder) {
    PracticeFixture f;
    f.setPaper(FourQuestions());
    PracticeWindow* w = OpenActive(f);
    ASSERT_NE(w, nullptr);
    // The window opens with the first answer box ready for typing.
    EXPECT_EQ(Focused(), "FA1");
    QStringList visited;
    QStringList marked;  // controls with a visible focus mark when Tab reached them
    for (int i = 0; i < 14; ++i) {
        visited.append(Focused());
        if (auto* mark = w->findChild<FocusRing*>(Focused() + QStringLiteral("FocusRing"));
            mark && mark->isMarking())
            marked.append(Focused());
        Key(Qt::Key_Tab);
    }
    // Back is disabled on question 1 and is passed over.
    const QStringList expected = {
        "FA1",        "FA2",        "ToolBar06",    "RemQns",    "ToolBar01",
        "ToolBar02",  "ToolBar03",  "ToolBar04",    "ImgHandle", "brwWebBrowser",
        "imgProgMin", "imgProgMax", "imgProgClose", "FA1"};
    EXPECT_EQ(visited.join(' '), expected.join(' '));
    // The boxes and the question draw no focus of their own; the skinned buttons do. The ring
    // shows on the box the window opened in as well as on those Tab reaches.
    EXPECT_EQ(marked, (QStringList{"FA1", "FA2", "brwWebBrowser", "FA1"}));
    // A click puts the focus in a box without a mark: the mouse user's look is unchanged.
    QTest::mouseClick(Box(w, 1), Qt::LeftButton);
    EXPECT_EQ(Focused(), "FA1");
    EXPECT_FALSE(w->findChild<FocusRing*>(QStringLiteral("FA1FocusRing"))->isMarking());
    EXPECT_FALSE(w->findChild<FocusRing*>(QStringLiteral("FA2FocusRing"))->isMarking());
    // Shift+Tab goes back the same way.
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), "imgProgClose");
    delete w;
}

TEST(PracticeKeyboard, EnterGoesThroughTheBoxesAndOnToTheNextQuestion) {
    PracticeFixture f;
    f.setPaper(FourQuestions());
    PracticeWindow* w = OpenActive(f);
    ASSERT_NE(w, nullptr);
    auto hand = std::make_unique<PopupHand>(QList<bool>{});
    auto ringed = [w] {
        return w->findChild<FocusRing*>(Focused() + QStringLiteral("FocusRing"))->isMarking();
    };
    QTest::keyClicks(Box(w, 1), "quokka");
    Key(Qt::Key_Return);
    EXPECT_EQ(Focused(), "FA2");
    EXPECT_TRUE(ringed());
    QTest::keyClicks(Box(w, 2), "koala");
    // From the last box: the next question, its first box, the answers saved without a word.
    Key(Qt::Key_Enter);
    EXPECT_EQ(Current(w), 2);
    EXPECT_EQ(Focused(), "FA1");
    EXPECT_TRUE(ringed());
    EXPECT_EQ(f.record("first2HM.txt", 101), "#101#>quokka>koala>>>>>");
    QTest::keyClicks(Box(w, 1), "platypus");
    Key(Qt::Key_Return);
    EXPECT_EQ(Current(w), 3);
    w->GoToQuestion(4, true);
    QTest::keyClicks(Box(w, 1), "echidna");
    // The last box of the last question: saved as a move would, and Mark is next.
    Key(Qt::Key_Return);
    EXPECT_EQ(Current(w), 4);
    EXPECT_EQ(Focused(), "ToolBar02");
    EXPECT_EQ(f.record("first2HM.txt", 101), "#101#>quokka>koala>platypus>>>>echidna");
    EXPECT_TRUE(hand->seen.isEmpty());
    hand.reset();
    // Enter on the focused Mark button asks to mark.
    PopupHand no({false});
    Key(Qt::Key_Return);
    ASSERT_EQ(no.seen.size(), 1);
    EXPECT_TRUE(no.seen[0].startsWith("Marking|You have not answered all"));
    delete w;
}

TEST(PracticeKeyboard, EnterPassesOverCarriedPartsOfASecondAttempt) {
    PracticeFixture f;
    f.setPaper(FourQuestions());
    // Question 2 and part a of question 3 were right at the first attempt.
    f.setRecord("first2HM.txt", 101, {"", "", "platypus", "7391", "1", "2", ""});
    f.setRecord("fresults2HM.txt", 101, {"N", "N", "Y", "Y", "N", "N", "N"});
    f.setMarksField("FST", 1, "1");
    PracticeWindow* w = OpenActive(f, 2);
    ASSERT_NE(w, nullptr);
    auto mark = [w](const char* box) {
        return w->findChild<FocusRing*>(QLatin1String(box) + QStringLiteral("FocusRing"))
            ->isMarking();
    };
    EXPECT_EQ(Focused(), "FA1");
    EXPECT_TRUE(mark("FA1"));
    // Question 2's only box is carried: the focus stays in the same box, now read-only, and
    // its mark shows where it is (a read-only box has no caret).
    Key(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(Current(w), 2);
    EXPECT_EQ(Focused(), "FA1");
    EXPECT_TRUE(Box(w, 1)->isReadOnly());
    EXPECT_TRUE(mark("FA1"));
    Key(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(Focused(), "FA2");  // the first box of question 3 that takes an answer
    Key(Qt::Key_Return);
    EXPECT_EQ(Focused(), "FA3");
    Box(w, 1)->setFocus();
    EXPECT_TRUE(mark("FA1"));
    Key(Qt::Key_Return);  // from a read-only box every box is visited
    EXPECT_EQ(Focused(), "FA2");
    delete w;
}

TEST(PracticeKeyboard, TheKeysOfTheTableDoWhatTheButtonsDo) {
    PracticeFixture f;
    f.setPaper(FourQuestions());
    PracticeWindow* w = OpenActive(f);
    ASSERT_NE(w, nullptr);
    QTest::keyClicks(Box(w, 1), "quokka");
    Key(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(Current(w), 2);
    EXPECT_EQ(Focused(), "FA1");
    EXPECT_TRUE(f.record("first2HM.txt", 101).startsWith("#101#>quokka>"));
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Current(w), 3);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(Current(w), 2);
    Key(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Current(w), 1);
    Key(Qt::Key_Left, Qt::AltModifier);  // there is no question 0
    EXPECT_EQ(Current(w), 1);
    // The page keys also turn the pages from the question itself.
    w->questionPane()->view()->setFocus();
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Current(w), 2);
    w->GoToQuestion(4, true);
    Key(Qt::Key_PageDown);  // nor a question 5
    EXPECT_EQ(Current(w), 4);

    // Ctrl+H hides and shows the sheet, even from an answer box (where a line edit would take
    // it as a backspace); the focus leaves a hidden sheet for the handle.
    QTest::keyClicks(Box(w, 1), "echidna");
    Key(Qt::Key_H, Qt::ControlModifier);
    EXPECT_FALSE(w->answerSheetShown());
    EXPECT_EQ(Box(w, 1)->text(), "echidna");
    EXPECT_EQ(Focused(), "ImgHandle");
    Key(Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(w->answerSheetShown());

    {
        PopupHand hand({true});
        Box(w, 1)->setFocus();
        Key(Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(hand.seen, QStringList{"Vantora|Paper saved"});
        EXPECT_TRUE(f.record("first2HM.txt", 101).endsWith(">echidna"));
    }
    // After a pop-up the focus is back where the learner was.
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(Focused(), "FA1");
    {
        PopupHand hand({false});
        Key(Qt::Key_M, Qt::ControlModifier);
        ASSERT_EQ(hand.seen.size(), 1);
        EXPECT_TRUE(hand.seen[0].startsWith("Marking|"));
        EXPECT_FALSE(w->session().isMarked());
    }
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    {
        PopupHand hand({false});
        Key(Qt::Key_W, Qt::ControlModifier);
        EXPECT_EQ(hand.seen, QStringList{"Close Practice|Confirm?"});
        EXPECT_FALSE(f.window.isNull());
    }
    // Every tooltip names its keys.
    EXPECT_EQ(w->toolbar()->button(PracticeAction::Next)->toolTip(),
              "Next question (Alt+Right, PgDown)");
    EXPECT_EQ(w->toolbar()->caption(PracticeAction::Save)->toolTip(), "Save paper (Ctrl+S)");
    EXPECT_EQ(w->toolbar()->button(PracticeAction::Print)->toolTip(), "Print question (Ctrl+P)");
    delete w;
}

TEST(PracticeKeyboard, AJumpFromTheRemainingListPutsTheFocusOnTheAnswer) {
    PracticeFixture f;
    f.setPaper(FourQuestions());
    PracticeWindow* w = OpenActive(f);
    ASSERT_NE(w, nullptr);
    QComboBox* list = w->statusStrip()->remainingList();
    list->setFocus();
    EXPECT_EQ(list->itemText(0), "1");
    // Typing "3" in the list chooses question 3; the digits typed next are the answer.
    QTest::keyClicks(list, "3");
    EXPECT_EQ(Current(w), 3);
    EXPECT_EQ(Focused(), "FA1");
    Key(Qt::Key_2);
    Key(Qt::Key_4);
    EXPECT_EQ(Current(w), 3);
    EXPECT_EQ(Box(w, 1)->text(), "24");
    delete w;
}

TEST(PracticeKeyboard, TheWindowTakesNoInputWhileTheMarkingPanelPlays) {
    PracticeFixture f;
    f.setPaper(FourQuestions());
    PracticeWindow::Options options;
    options.markBarPauseMs = 60;
    options.content = f.content;
    options.now = [&f] { return f.now; };
    f.contents.fields.PaperNum = 101;
    auto* w = new PracticeWindow(f.contents, 1, options);
    ASSERT_TRUE(w->LoadPractice());
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::keyClicks(Box(w, 1), "quokka");

    // Another window of the program goes on taking keys meanwhile.
    QWidget other;
    auto* otherBox = new QLineEdit(&other);
    other.show();

    PopupHand hand({true});
    w->MarkPractice();
    // No nested loop: MarkPractice returns while the bars are still to come.
    ASSERT_TRUE(w->markProgress()->isPlaying());
    EXPECT_FALSE(w->session().isMarked());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(Focused(), "MarkingShield");
    Key(Qt::Key_Right, Qt::AltModifier);
    Key(Qt::Key_W, Qt::ControlModifier);
    Key(Qt::Key_Tab);
    // A click where the Close button is lands on the shield.
    QWidget* close = w->toolbar()->button(PracticeAction::Close);
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {},
                      close->mapTo(w, close->rect().center()));
    EXPECT_FALSE(w->close());  // a close from the window system waits too
    EXPECT_EQ(Current(w), 1);
    EXPECT_EQ(hand.seen.size(), 1);  // only the marking question
    ASSERT_TRUE(w->markProgress()->isPlaying());
    QTest::keyClicks(otherBox, "typed");
    EXPECT_EQ(otherBox->text(), "typed");

    EXPECT_TRUE(QTest::qWaitFor([&] { return w->session().isMarked(); }, 5000));
    EXPECT_FALSE(w->markProgress()->isPlaying());
    EXPECT_EQ(Focused(), "FA1");
    EXPECT_EQ(FileText(f.path("trend2HM.txt")), "#TRD#>14.3\r\n");
    delete w;
}

TEST(PracticeKeyboard, AWindowClosedDuringTheMarkingPanelIsMarkedFirst) {
    PracticeFixture f;
    f.setPaper(FourQuestions());
    PracticeWindow::Options options;
    options.markBarPauseMs = 1000;
    options.content = f.content;
    options.now = [&f] { return f.now; };
    QPointer<PracticeWindow> w = new PracticeWindow(f.contents, 1, options);
    ASSERT_TRUE(w->LoadPractice());
    w->show();
    QTest::keyClicks(Box(w, 1), "quokka");
    PopupHand hand({true});
    w->MarkPractice();
    ASSERT_TRUE(w->markProgress()->isPlaying());
    // The main window unloads it (another paper opened, the program closing).
    w->unloadWithoutAsking();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
    EXPECT_TRUE(FileText(f.path("marks2HM.txt")).contains("#FST#>1>"));
    EXPECT_EQ(f.record("fresults2HM.txt", 101), "#101#>Y>N>N>N>N>N>N");
    EXPECT_EQ(f.contents.refreshes, 1);
}

// Ctrl++ (or Ctrl+=, keypad +), Ctrl+- and Ctrl+0 size the question and only the question, and
// the size stays for the next paper.
TEST(PracticeKeyboard, TheZoomKeysSizeTheQuestionAndAreRemembered) {
    PracticeFixture f;
    f.setPaper(FourQuestions());
    PracticeWindow* w = OpenActive(f);
    ASSERT_NE(w, nullptr);
    QuestionDocumentView* view = w->questionPane()->view();
    const QRect row = w->answerSheet()->row(1)->answer->geometry();
    const QRect toolbar = w->toolbar()->geometry();
    const qreal normal = view->document()->size().height();
    Key(Qt::Key_Plus, Qt::ControlModifier);
    Key(Qt::Key_Equal, Qt::ControlModifier);
    Key(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(view->zoom(), 175);
    Key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(view->zoom(), 150);
    EXPECT_GT(view->document()->size().height(), normal * 1.3);
    EXPECT_EQ(w->answerSheet()->row(1)->answer->geometry(), row);
    EXPECT_EQ(w->toolbar()->geometry(), toolbar);
    delete w;

    w = OpenActive(f);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->questionPane()->view()->zoom(), 150);
    Key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(w->questionPane()->view()->zoom(), 100);
    EXPECT_EQ(StoredQuestionZoom(f.dir.path()), 100);
    delete w;
}
