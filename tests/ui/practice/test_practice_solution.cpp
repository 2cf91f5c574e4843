// The worked solution in the practice window: nothing of it in a widget, a file or the
// accessibility tree before marking; after marking in both attempts, the button and the key open
// it in the question's place for the eye and the screen reader, Escape or the same key goes back,
// a wrong part points to it, and its file goes with the question or the window.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTextDocumentFragment>

#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "platform/spoken_text.h"
#include "platform/mht_document.h"
#include "platform/question_document_view.h"
#include "practice/solution_document.h"
#include "practice_fixture.h"
#include "ui/frame/skinned_button.h"
#include "ui/practice/answer_box.h"
#include "ui/practice/answer_sheet.h"
#include "ui/practice/question_pane.h"
#include "ui/practice/solution_pane.h"

namespace {

// No-break spaces read as spaces.
QString Spaced(QString text) {
    return text.replace(QChar::Nbsp, QLatin1Char(' '));
}

// The solution's text as the learner reads it, line by line.
QStringList SolutionLines(const QString& questionId) {
    const MhtReadResult read = ReadMhtBytes(ResourceBytes(SolutionId(questionId.toInt())));
    if (!read.ok) return {};
    QStringList lines;
    for (const QString& line :
         QTextDocumentFragment::fromHtml(read.document.html).toPlainText().split(QLatin1Char('\n')))
        if (line.trimmed().size() > 12) lines << Spaced(line.trimmed());
    return lines;
}

// Every text of the window a learner or a screen reader can get at.
QString AllTexts(QWidget* window) {
    QStringList texts;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.append(window);
    for (QWidget* w : widgets) {
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto* e = qobject_cast<QTextEdit*>(w)) texts << e->toPlainText();
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w)) {
            for (auto t : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
                texts << a->text(t);
            if (QAccessibleTextInterface* text = a->textInterface())
                texts << text->text(0, text->characterCount());
        }
    }
    return Spaced(texts.join(QLatin1Char('\n')));
}

QStringList SolutionFiles(const PracticeFixture& f) {
    return QDir(f.dir.path()).entryList({QStringLiteral("tempsolution*")}, QDir::Files);
}

// A key as the learner presses it: to the control with the focus, or to the window.
void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : window, key, modifiers);
}

void MarkWrong(PracticeWindow* w) {
    PopupHand hand({true});
    w->MarkPractice();
    // The pop-up has gone; the keys are the window's again.
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w)) ADD_FAILURE() << "the window did not come back";
}

}  // namespace

TEST(PracticeSolution, OnlyAMarkedAttemptShowsItAndItsFileGoesWithTheQuestion) {
    PracticeFixture f;
    f.setPaper({{{"T", 1, "quokka"}}, {{"T", 1, "wombat"}}, {{"T", 1, "numbat"}}});
    const QStringList ids = f.content.questionIds;
    const QStringList first = SolutionLines(ids[0]);
    ASSERT_FALSE(first.isEmpty()) << "the package has no solution for question "
                                  << ids[0].toStdString();

    for (int take : {1, 2}) {
        SCOPED_TRACE(take == 1 ? "first attempt" : "second attempt");
        PracticeWindow* w = f.open(take);
        ASSERT_NE(w, nullptr);
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        SolutionPane* solution = w->solutionPane();

        // Before marking: no button, the key does nothing, nothing is written or held.
        EXPECT_TRUE(solution->button()->isHidden());
        EXPECT_EQ(WriteSolutionDocument(w->session(), 1), SolutionWrite::NotMarked);
        Press(w, Qt::Key_W, Qt::AltModifier);
        EXPECT_FALSE(solution->isShown());
        EXPECT_EQ(SolutionFiles(f), QStringList());
        for (const QString& line : first)
            EXPECT_FALSE(AllTexts(w).contains(line)) << line.toStdString();

        MarkWrong(w);
        ASSERT_TRUE(w->session().isMarked());
        EXPECT_FALSE(solution->button()->isHidden());
        EXPECT_EQ(solution->button()->text(), "How to work it out");
        EXPECT_TRUE(w->answerSheet()->row(1)->answer->accessibleDescription().endsWith(
            "See How to work it out"));
        EXPECT_EQ(SolutionFiles(f), QStringList()) << "written before it was asked for";

        // The key: the solution in the question's place, read to a screen reader from its file.
        Press(w, Qt::Key_W, Qt::AltModifier);
        ASSERT_TRUE(solution->isShown());
        EXPECT_EQ(SolutionFiles(f), QStringList{QStringLiteral("tempsolution%1.mht").arg(ids[0])});
        EXPECT_FALSE(solution->view()->isHidden());
        EXPECT_TRUE(w->questionPane()->view()->isHidden());
        EXPECT_EQ(solution->view()->geometry(), w->questionPane()->view()->geometry());
        EXPECT_EQ(w->questionPane()->titleStrip()->title()->text(),
                  "Question 1: How to work it out");
        EXPECT_EQ(solution->button()->text(), "Back to the question");
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(solution->view());
        ASSERT_NE(reader, nullptr);
        ASSERT_NE(reader->textInterface(), nullptr);
        const QString heard =
            Spaced(reader->textInterface()->text(0, reader->textInterface()->characterCount()));
        // Heard in words, as a question is ("3 eighths", "times").
        for (const QString& line : first)
            EXPECT_TRUE(heard.contains(Spaced(SpokenMaths(line)))) << line.toStdString();
        EXPECT_TRUE(solution->view()->hasFocus());

        // Escape goes back and the file goes; the mouse opens it again; the key goes back.
        Press(w, Qt::Key_Escape);
        EXPECT_FALSE(solution->isShown());
        EXPECT_FALSE(w->questionPane()->view()->isHidden());
        EXPECT_EQ(SolutionFiles(f), QStringList());
        EXPECT_EQ(w->questionPane()->titleStrip()->title()->text(), "Question 1");
        for (const QString& line : first)
            EXPECT_FALSE(AllTexts(w).contains(line)) << line.toStdString();
        QTest::mouseClick(solution->button(), Qt::LeftButton);
        EXPECT_TRUE(solution->isShown());
        Press(w, Qt::Key_W, Qt::AltModifier);
        EXPECT_FALSE(solution->isShown());

        // Moving on shows the next question, its own solution offered.
        QTest::mouseClick(solution->button(), Qt::LeftButton);
        w->runAction(PracticeAction::Next);
        EXPECT_FALSE(solution->isShown());
        EXPECT_EQ(SolutionFiles(f), QStringList());
        EXPECT_EQ(w->questionPane()->titleStrip()->title()->text(), "Question 2");
        w->runAction(PracticeAction::Solution);
        EXPECT_EQ(SolutionFiles(f), QStringList{QStringLiteral("tempsolution%1.mht").arg(ids[1])});

        // Closing the window takes the question's and the solution's files with it.
        w->unloadWithoutAsking();
        EXPECT_EQ(SolutionFiles(f), QStringList());
        EXPECT_EQ(f.questionFiles(), QStringList());
    }
}

// Printing from the window is in tests/print; the merged document is checked here: the question
// first, then the heading and the solution, each picture under a name of its own.
TEST(PracticeSolution, TheQuestionWithItsSolutionKeepsBothPagesAndTheirPictures) {
    MhtDocument question;
    question.html =
        QStringLiteral("<html><body><p>How tall?</p><img src=\"fig1.gif\"></body></html>");
    question.partsByLocation.insert(QStringLiteral("fig1.gif"), "question picture");
    MhtDocument solution;
    solution.html = QStringLiteral(
        "<html><body><p>Measure it.</p><img src='fig1.gif'><p>Answer: 4</p></body></html>");
    solution.partsByLocation.insert(QStringLiteral("fig1.gif"), "solution picture");
    const MhtDocument merged = QuestionWithSolution(question, solution, QStringLiteral("How <to>"));
    const QString text = QTextDocumentFragment::fromHtml(merged.html).toPlainText();
    EXPECT_LT(text.indexOf("How tall?"), text.indexOf("How <to>"));
    EXPECT_LT(text.indexOf("How <to>"), text.indexOf("Measure it."));
    EXPECT_LT(text.indexOf("Measure it."), text.indexOf("Answer: 4"));
    const QStringList pictures = ImageReferences(merged.html);
    ASSERT_EQ(pictures.size(), 2);
    EXPECT_EQ(merged.resolve(pictures[0]), "question picture");
    EXPECT_EQ(merged.resolve(pictures[1]), "solution picture");
}
