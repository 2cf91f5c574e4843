#pragma once
// The practice window, Test1 for the first attempt and Test2 for the second: one class, the
// second attempt being the same window with its differences (its own files, carried-over
// parts, second verdicts and correct answers, no clock). It shows a PracticeSession and puts
// together the parts of the window, each a class of its own: the toolbar strip, the question
// pane, the answer sheet and its handle, the strip under the question, the resize grip and the
// marking panel.

#include <QDateTime>
#include <functional>
#include <optional>

#include "content/paper_content.h"
#include "practice/practice_session.h"
#include "ui/frame/practice_launcher.h"
#include "ui/frame/skinned_window.h"
#include "ui/practice/mark_progress.h"
#include "ui/practice/practice_actions.h"

class AnswerSheet;
class ContentsChannel;
class PracticeResizer;
class PracticeToolbar;
class QTimer;
class QuestionPane;
class SheetHandle;
class QuestionZoom;
class SolutionPane;
class StatusStrip;

class PracticeWindow : public SkinnedWindow, public PracticeWindowHandle {
    Q_OBJECT
  public:
    struct Options {
        int markBarPauseMs = kMarkBarPauseMs;
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
        // The paper's content tables when they are already in hand (otherwise read from the
        // course package while loading).
        std::optional<PaperContent> content;
    };

    // take 1: first attempt ("Test1"); anything else: second attempt ("Test2").
    PracticeWindow(ContentsChannel& contents, int take, Options options);
    PracticeWindow(ContentsChannel& contents, int take)
        : PracticeWindow(contents, take, Options{}) {}
    ~PracticeWindow() override;

    // Reads the main window's fields and opens the paper on its first question. False when the
    // paper cannot be worked; the window should then be thrown away.
    bool LoadPractice();

    // PracticeWindowHandle
    QWidget* widget() override { return this; }
    bool unloadWithoutAsking() override;

    void CollectAnswers();
    void ShowQuestionParts();
    // Saves the answers and shows question `question`; when its document cannot be shown the
    // learner is told and the window stays on the question it shows.
    void GoToQuestion(int question, bool focusFirstAnswer = false);
    void BuildRemainingList();
    void ToggleAnswerSheet();
    void PrintQuestion();
    void UpdateToolbar();
    // Asks, then plays the marking panel and marks when it has played (the window takes no
    // input meanwhile).
    void MarkPractice();
    void ShowMarkedState();
    void SavePractice();
    void ClosePractice();
    // The 100 ms tick: toolbar rules, clock, answered count.
    void tick();
    // A toolbar button or a key of the table, within the toolbar's rules.
    void runAction(PracticeAction action);
    void runKeyAction(PracticeAction action);

    const PracticeSession& session() const { return session_; }
    bool answerSheetShown() const { return sheetShown_; }
    PracticeToolbar* toolbar() const { return toolbar_; }
    QuestionPane* questionPane() const { return question_; }
    AnswerSheet* answerSheet() const { return sheet_; }
    SheetHandle* sheetHandle() const { return handle_; }
    StatusStrip* statusStrip() const { return strip_; }
    MarkProgress* markProgress() const { return markProgress_; }
    SolutionPane* solutionPane() const { return solution_; }

  protected:
    void layoutContent() override;
    void closeButtonClicked() override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void skinStateChanged(bool active) override;

  private:
    void buildContent();
    void setFocusOrder();
    void showLoadedState();
    void saveSilently();
    void enteredPastLastAnswer();
    void finishMarking();
    void unload();
    void tell(const QString& message);
    void tellNotSaved();
    bool answersSavedOrLeftByChoice();

    ContentsChannel& contents_;
    const bool second_;
    Options options_;
    PracticeSession session_;
    QDateTime practiceStart_;
    bool sheetShown_ = true;
    bool unloaded_ = false;
    bool closingWithoutAsking_ = false;
    bool announcedFirstQuestion_ = false;

    PracticeToolbar* toolbar_ = nullptr;
    QuestionPane* question_ = nullptr;
    SolutionPane* solution_ = nullptr;
    QuestionZoom* zoom_ = nullptr;
    AnswerSheet* sheet_ = nullptr;
    SheetHandle* handle_ = nullptr;
    StatusStrip* strip_ = nullptr;
    PracticeResizer* resizer_ = nullptr;
    MarkProgress* markProgress_ = nullptr;
    QTimer* timer_ = nullptr;  // Timer1
};
