// What a screen reader and a learner without a mouse get from the practice window: names for every
// control, a press action for every button, no correct answer anywhere before it is shown, refused
// characters explained, the second attempt named as such, a question that cannot be shown leaving
// the window where it was, and strips whose controls never overlap at any size.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QScreen>

#include "platform/question_document_view.h"
#include "practice_fixture.h"
#include "ui/frame/skinned_button.h"
#include "ui/practice/answer_box.h"
#include "ui/practice/answer_sheet.h"
#include "ui/practice/practice_geometry.h"
#include "ui/practice/practice_toolbar.h"
#include "ui/practice/question_pane.h"
#include "ui/practice/solution_pane.h"
#include "ui/practice/status_strip.h"

namespace {

const QStringList kKeys = {"quokka", "wombat", "platypus", "numbat", "echidna", "dingo"};

// Two parts, one, two, one; all text answers whose keys are words no screen shows otherwise.
void AnimalPaper(PracticeFixture& f) {
    f.setPaper({{{"T", 1, kKeys[0]}, {"T", 1, kKeys[1]}},
                {{"T", 1, kKeys[2]}},
                {{"T", 1, kKeys[3]}, {"T", 1, kKeys[4]}},
                {{"T", 1, kKeys[5]}}});
}

// Every text the window's widgets hold or a screen reader is told.
QStringList TextsOf(QWidget* window) {
    QStringList texts;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.append(window);
    for (QWidget* w : widgets) {
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription()
              << w->windowTitle();
        if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
        if (auto* e = qobject_cast<QLineEdit*>(w)) texts << e->text() << e->placeholderText();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w))
            for (auto t : {QAccessible::Name, QAccessible::Description, QAccessible::Value,
                           QAccessible::Help})
                texts << a->text(t);
    }
    return texts;
}

QStringList KeysShown(QWidget* window) {
    QStringList found;
    const QString all = TextsOf(window).join(QLatin1Char('\n'));
    for (const QString& key : kKeys)
        if (all.contains(key)) found << key;
    return found;
}

// Focusable controls a learner can reach now, without a name for a screen reader; enabled
// buttons without a press action.
QStringList Unnamed(QWidget* window) {
    QStringList problems;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(window)) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            problems << w->objectName() + QStringLiteral(" has no name");
        if (qobject_cast<QAbstractButton*>(w) && w->isEnabled() &&
            !(a && a->actionInterface() &&
              a->actionInterface()->actionNames().contains(
                  QAccessibleActionInterface::pressAction())))
            problems << w->objectName() + QStringLiteral(" cannot be pressed");
    }
    return problems;
}

QString NameOf(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

AnswerRow* Row(PracticeWindow* w, int k) {
    return w->answerSheet()->row(k);
}

void MarkWith(PracticeWindow* w, const QList<QStringList>& answersByQuestion) {
    for (int q = 1; q <= answersByQuestion.size(); ++q) {
        w->GoToQuestion(q);
        for (int k = 1; k <= answersByQuestion[q - 1].size(); ++k)
            Row(w, k)->answer->setText(answersByQuestion[q - 1][k - 1]);
    }
    PopupHand hand({true});
    w->MarkPractice();
}

}  // namespace

TEST(PracticeAccess, EveryControlHasANameAndEveryButtonAPressAction) {
    PracticeFixture f;
    AnimalPaper(f);
    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Unnamed(w), QStringList());
    EXPECT_EQ(NameOf(Row(w, 1)->answer), "Question 1, answer a");
    EXPECT_EQ(NameOf(Row(w, 2)->answer), "Question 1, answer b");
    EXPECT_EQ(NameOf(w->toolbar()->button(PracticeAction::Next)), "Next");
    // The question view is read with its question: its title, then its text.
    QuestionDocumentView* view = w->questionPane()->view();
    EXPECT_TRUE(NameOf(view).startsWith("Question 1. ")) << NameOf(view).toStdString();
    EXPECT_GT(NameOf(view).size(), 20);
    w->GoToQuestion(2);
    EXPECT_EQ(NameOf(Row(w, 1)->answer), "Question 2, answer");
    EXPECT_EQ(NameOf(view), "Question 2. " + view->spokenText().replace('\n', ' '));

    // Marked: verdicts and the score in words.
    MarkWith(w, {{"quokka", "x"}, {"platypus"}, {"numbat", ""}, {"dingo"}});
    ASSERT_TRUE(w->session().isMarked());
    EXPECT_EQ(Unnamed(w), QStringList());
    w->GoToQuestion(1);
    EXPECT_EQ(NameOf(Row(w, 1)->firstVerdict), "correct");
    EXPECT_EQ(NameOf(Row(w, 2)->firstVerdict), "wrong");
    EXPECT_EQ(Row(w, 2)->answer->accessibleDescription(), "wrong. See How to work it out");
    auto* score = w->findChild<QLabel*>(QStringLiteral("PScoring"));
    EXPECT_EQ(NameOf(score), "Paper 1, 66.7 percent");
    delete w;

    // The second attempt, open and marked.
    w = f.open(2);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Unnamed(w), QStringList());
    EXPECT_EQ(Row(w, 1)->answer->accessibleDescription(), "correct at the first attempt");
    EXPECT_EQ(NameOf(Row(w, 1)->firstVerdict), "first attempt: correct");
    MarkWith(w, {{"quokka", "wombat"}, {"platypus"}, {"numbat", "emu"}, {"dingo"}});
    ASSERT_TRUE(w->session().isMarked());
    EXPECT_EQ(Unnamed(w), QStringList());
    w->GoToQuestion(3);
    EXPECT_EQ(Row(w, 2)->answer->accessibleDescription(),
              "wrong, correct answer echidna. See How to work it out");
    EXPECT_EQ(NameOf(Row(w, 2)->correct), "Correct answer");
    EXPECT_EQ(Row(w, 2)->correct->toolTip(), "Correct answer");
    EXPECT_EQ(NameOf(score = w->findChild<QLabel*>(QStringLiteral("PScoring"))),
              "Paper 1, second attempt, 83.3 percent");
    delete w;
}

TEST(PracticeAccess, NoWidgetHoldsACorrectAnswerBeforeItIsShown) {
    PracticeFixture f;
    AnimalPaper(f);
    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    for (int q = 1; q <= 4; ++q) {
        w->GoToQuestion(q);
        EXPECT_EQ(KeysShown(w), QStringList()) << "question " << q;
    }
    // The first attempt never shows a key, marked or not.
    MarkWith(w, {{"x", "y"}, {"z"}, {"", ""}, {"w"}});
    ASSERT_TRUE(w->session().isMarked());
    for (int q = 1; q <= 4; ++q) {
        w->GoToQuestion(q);
        EXPECT_EQ(KeysShown(w), QStringList()) << "question " << q;
    }
    delete w;

    // The second attempt: nothing while it is open; once marked, only the keys of the parts
    // still wrong, on their own question.
    w = f.open(2);
    ASSERT_NE(w, nullptr);
    for (int q = 1; q <= 4; ++q) {
        w->GoToQuestion(q);
        EXPECT_EQ(KeysShown(w), QStringList()) << "question " << q;
    }
    MarkWith(w, {{"quokka", "y"}, {"platypus"}, {"", ""}, {"dingo"}});
    ASSERT_TRUE(w->session().isMarked());
    // On view: the learner's right answers, and the keys of the wrong parts in M<k> only.
    const QList<QStringList> shown = {
        {"quokka", "wombat"}, {"platypus"}, {"numbat", "echidna"}, {"dingo"}};
    const QList<QStringList> inCorrectBoxes = {{"", "wombat"}, {""}, {"numbat", "echidna"}, {""}};
    for (int q = 1; q <= 4; ++q) {
        w->GoToQuestion(q);
        EXPECT_EQ(KeysShown(w), shown[q - 1]) << "question " << q;
        for (int k = 1; k <= inCorrectBoxes[q - 1].size(); ++k)
            EXPECT_EQ(Row(w, k)->correct->text(), inCorrectBoxes[q - 1][k - 1]) << q << " " << k;
    }
    delete w;
}

TEST(PracticeAccess, ARefusedCharacterIsExplainedAndTheNoteGoesByItself) {
    PracticeFixture f;
    AnimalPaper(f);
    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    w->answerSheet()->setNoteDuration(40);
    QLabel* note = w->answerSheet()->refusalNote();
    AnswerBox* box = Row(w, 2)->answer;
    EXPECT_FALSE(note->isVisible());

    // Pasted text with a tab and an escape: the rest is kept, the note says why.
    box->insert(QStringLiteral("12\t3\x1b"));
    EXPECT_EQ(box->text(), "123");
    ASSERT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains("control characters")) << note->text().toStdString();
    EXPECT_EQ(NameOf(note), note->text());
    EXPECT_EQ(box->accessibleDescription(), note->text());
    // Near the box it speaks of.
    const QRect boxArea(box->mapTo(w->answerSheet(), QPoint(0, 0)), box->size());
    EXPECT_LE(std::abs(note->y() - boxArea.bottom()), 8);

    EXPECT_TRUE(QTest::qWaitFor([&] { return !note->isVisible(); }, 2000));
    EXPECT_EQ(box->accessibleDescription(), "");

    // A typed euro sign and '>' are named.
    QTest::keyClicks(box, QStringLiteral("4"));
    QKeyEvent euro(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x20AC)));
    QApplication::sendEvent(box, &euro);
    EXPECT_EQ(box->text(), "1234");
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains(QChar(0x20AC)));
    QTest::keyClicks(box, QStringLiteral(">"));
    EXPECT_TRUE(note->text().contains(QLatin1String("\">\"")));
    // A paste too long for an answer is refused whole, not cut short; one that fits goes in.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !note->isVisible(); }, 2000));
    box->insert(QString(40000, QLatin1Char('7')));
    EXPECT_EQ(box->text(), "1234");
    ASSERT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().contains("too long")) << note->text().toStdString();
    box->setText(QString(kLongestAnswer - 1, QLatin1Char('7')));
    box->insert(QStringLiteral("78"));
    EXPECT_EQ(box->text().size(), kLongestAnswer - 1);
    box->insert(QStringLiteral("8"));
    EXPECT_EQ(box->text().size(), kLongestAnswer);
    box->setText(QStringLiteral("1234"));
    // Moving on takes the note away with the question.
    w->GoToQuestion(2);
    EXPECT_FALSE(note->isVisible());
    EXPECT_TRUE(FileText(f.path("first2HM.txt")).contains("#101#>>1234>"));
    delete w;
}

TEST(PracticeAccess, TheSecondAttemptSaysSo) {
    PracticeFixture f;
    AnimalPaper(f);
    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("lblAttempt")), nullptr);
    delete w;
    w = f.open(2);
    ASSERT_NE(w, nullptr);
    w->resize(1000, 700);
    auto* attempt = w->findChild<QLabel*>(QStringLiteral("lblAttempt"));
    ASSERT_NE(attempt, nullptr);
    EXPECT_TRUE(attempt->isVisibleTo(w));
    EXPECT_EQ(attempt->text(), "Second attempt");
    // So does the window's title.
    EXPECT_EQ(w->titleLabel()->text(), "Whole Numbers - Paper 1 - Second attempt");
    EXPECT_EQ(w->windowTitle(), "Whole Numbers - Paper 1 - Second attempt");
    // At the smallest size it is still there.
    w->resize(MinimumWindowSize());
    EXPECT_TRUE(attempt->isVisibleTo(w));
    // Where the long text does not fit beside the title the short one is used, and where
    // neither does, none (it never covers the title).
    QWidget* strip = w->questionPane()->titleStrip();
    QLabel* title = w->findChild<QLabel*>(QStringLiteral("QnTitle"));
    attempt->setText(QStringLiteral("Second attempt"));
    const int longWidth = attempt->sizeHint().width();
    const int base = 8 + title->sizeHint().width() + 12 + 8;
    strip->resize(base + longWidth - 1, strip->height());
    EXPECT_EQ(attempt->text(), "2nd attempt");
    EXPECT_TRUE(attempt->isVisibleTo(w));
    strip->resize(base + 10, strip->height());
    EXPECT_FALSE(attempt->isVisibleTo(w));
    EXPECT_EQ(title->text(), "Question 1");
    delete w;
}

TEST(PracticeAccess, AQuestionThatCannotBeShownLeavesTheWindowWhereItWas) {
    PracticeFixture f;
    AnimalPaper(f);
    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    const QString shownFile = w->questionPane()->file();
    const QString text = w->questionPane()->view()->toPlainText();
    // Question 2's document cannot be written: a folder is in the way.
    const QString blocked = f.path(QStringLiteral("temppaper%1.mht").arg(f.content.questionIds[1]));
    ASSERT_TRUE(QDir().mkpath(blocked));
    Row(w, 1)->answer->setText(QStringLiteral("typed"));
    {
        PopupHand hand({true});
        w->GoToQuestion(2);
        EXPECT_EQ(hand.seen, QStringList{"Vantora|Question 2 cannot be shown."});
    }
    EXPECT_EQ(w->session().state().currentQuestion, 1);
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("QnTitle"))->text(), "Question 1");
    EXPECT_EQ(w->questionPane()->file(), shownFile);
    EXPECT_TRUE(QFile::exists(shownFile));
    EXPECT_EQ(w->questionPane()->view()->toPlainText(), text);
    EXPECT_EQ(Row(w, 1)->answer->text(), "typed");
    // The answers were saved on the way, as any move saves them.
    EXPECT_TRUE(FileText(f.path("first2HM.txt")).contains("#101#>typed>"));
    // Other questions still open.
    w->GoToQuestion(3);
    EXPECT_EQ(w->session().state().currentQuestion, 3);
    delete w;

    // A paper whose first question cannot be shown does not open.
    QDir().rmdir(blocked);
    ASSERT_TRUE(
        QDir().mkpath(f.path(QStringLiteral("temppaper%1.mht").arg(f.content.questionIds[0]))));
    EXPECT_EQ(f.open(), nullptr);
}

// At every size from the smallest to a full screen, in every state, the controls of the toolbar
// strip, the question-title strip and the strip under the question stay inside their strip,
// never overlap and are wide enough for their text.
TEST(PracticeAccess, TheStripsNeverOverlapAtAnySize) {
    PracticeFixture f;
    AnimalPaper(f);
    f.setRecord("first2HM.txt", 101, {"quokka", "x", "platypus", "", "", "dingo"});
    QSize largest(1920, 1200);
    if (QScreen* s = QGuiApplication::primaryScreen()) largest = largest.expandedTo(s->size());

    auto check = [&](PracticeWindow* w, const char* state) {
        const QList<QWidget*> strips = {w->toolbar(), w->questionPane()->titleStrip(),
                                        w->statusStrip()};
        const QSize smallest = MinimumWindowSize();
        for (int width = smallest.width(); width <= largest.width(); width += 11) {
            for (int height : {smallest.height(), 600, largest.height()}) {
                w->resize(width, height);
                for (QWidget* strip : strips) {
                    QList<QWidget*> shown;
                    for (QObject* o : strip->children()) {
                        auto* c = qobject_cast<QWidget*>(o);
                        if (!c || !c->isVisibleTo(w) || c->objectName().startsWith("Bot")) continue;
                        shown << c;
                        EXPECT_TRUE(strip->rect().contains(c->geometry()))
                            << state << " " << width << "x" << height << " "
                            << c->objectName().toStdString() << " outside its strip";
                        if (auto* l = qobject_cast<QLabel*>(c); l && !l->text().isEmpty()) {
                            EXPECT_GE(l->width(), l->sizeHint().width())
                                << state << " " << width << " " << l->objectName().toStdString();
                        }
                    }
                    for (int a = 0; a < shown.size(); ++a)
                        for (int b = a + 1; b < shown.size(); ++b)
                            EXPECT_FALSE(shown[a]->geometry().intersects(shown[b]->geometry()))
                                << state << " " << width << "x" << height << " "
                                << shown[a]->objectName().toStdString() << " over "
                                << shown[b]->objectName().toStdString();
                }
                if (::testing::Test::HasFailure()) return;
            }
        }
    };
    PracticeWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    w->tick();
    check(w, "first, open");
    MarkWith(w, {{"quokka", "x"}, {"platypus"}, {"", ""}, {"dingo"}});
    check(w, "first, marked");
    w->runAction(PracticeAction::Solution);
    ASSERT_TRUE(w->solutionPane()->isShown());
    check(w, "first, solution on view");
    delete w;
    w = f.open(2);
    ASSERT_NE(w, nullptr);
    check(w, "second, open");
    MarkWith(w, {{"quokka", "wombat"}, {"platypus"}, {"", ""}, {"dingo"}});
    check(w, "second, marked");
    w->runAction(PracticeAction::Solution);
    ASSERT_TRUE(w->solutionPane()->isShown());
    check(w, "second, solution on view");
    delete w;
}
