#pragma once
// The practice window, Test1 for the first attempt and Test2 for the second: one class, the
// second attempt being the same window with its differences (its own files, carried-over
// parts, second verdicts and correct answers, no clock).

#include <QDateTime>
#include <QPointer>
#include <functional>
#include <optional>

#include "content/paper_content.h"
#include "practice/practice_session.h"
#include "ui/frame/practice_launcher.h"
#include "ui/frame/skinned_window.h"
#include "ui/practice/mark_progress.h"
#include "ui/practice/practice_geometry.h"
#include "ui/practice/practice_toolbar.h"

class AnswerSheet;
class ContentsChannel;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;
class QuestionDocumentView;

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

    // Reads the main window's fields and opens the paper. False when the paper cannot be
    // worked; the window should then be thrown away.
    bool LoadPractice();

    // PracticeWindowHandle
    QWidget* widget() override { return this; }
    void unloadWithoutAsking() override;

    void CollectAnswers();
    void ShowQuestionParts();
    void GoToQuestion(int question, bool focusFirstAnswer = false);
    void BuildRemainingList();
    void ToggleAnswerSheet();
    void PrintQuestion();
    void UpdateToolbar(QPoint globalCursor);
    void MarkPractice();
    void ShowMarkedState();
    void SavePractice();
    void ClosePractice();
    // The 100 ms tick.
    void tick();

    const PracticeSession& session() const { return session_; }
    bool secondAttempt() const { return second_; }
    bool answerSheetShown() const { return sheetShown_; }
    QString questionFile() const { return questionFile_; }
    AnswerSheet* answerSheet() const { return sheet_; }
    PracticeToolbar* toolbar() const { return toolbar_; }
    QuestionDocumentView* questionView() const { return view_; }
    QTimer* timer() const { return timer_; }

  protected:
    void layoutContent() override;
    void closeButtonClicked() override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildContent();
    void placeAtLoad();
    void showQuestionDocument();
    void deleteQuestionFile();
    void unload();
    void refreshStatusLabels();
    void runToolbar(ToolbarButton b);
    void documentKey(bool ctrl, int keyCode);
    void documentMouse(int button);
    void invalidOperation();
    bool ask(const QString& title, const QString& message);
    void tell(const QString& title, const QString& message);
    bool pressOnSurface(QMouseEvent* event);

    ContentsChannel& contents_;
    bool second_ = false;
    Options options_;
    PracticeSession session_;
    QDateTime practiceStart_;
    bool sheetShown_ = true;
    QString questionFile_;
    bool unloaded_ = false;
    bool closingWithoutAsking_ = false;
    bool txtPressTrack_ = false;  // a toolbar button is held down

    // resize by the bottom-right corner
    EdgeBands pressBands_;
    bool resizing_ = false;

    PracticeToolbar* toolbar_ = nullptr;
    AnswerSheet* sheet_ = nullptr;
    QuestionDocumentView* view_ = nullptr;
    QLabel* handleStrip_ = nullptr;  // PicHideAns
    QLabel* handle_ = nullptr;       // ImgHandle
    QWidget* titleStrip_ = nullptr;
    QLabel* questionTitle_ = nullptr;  // QnTitle
    QWidget* underStrip_ = nullptr;
    QLabel* bottoms_[3] = {};             // Bot1..Bot3
    QWidget* remaining_ = nullptr;        // TxtRem
    QComboBox* remainingList_ = nullptr;  // RemQns
    QLabel* answered_ = nullptr;          // lblAnsweredQ
    QLabel* total_ = nullptr;             // lblTotalQ
    QLabel* clock_ = nullptr;             // lblClock
    QLabel* date_ = nullptr;              // lblDate
    QLabel* timeTaken_ = nullptr;         // LTime
    QLabel* completed_ = nullptr;         // ETime
    QLabel* clockCaption_ = nullptr;
    QLabel* dateCaption_ = nullptr;
    QLabel* scoring_ = nullptr;  // PScoring
    QLabel* scoringCaption_ = nullptr;
    QLabel* percent_ = nullptr;           // PScoringL
    QLineEdit* status_ = nullptr;         // Status
    QLineEdit* questionCount_ = nullptr;  // QSCount
    QLabel* score_ = nullptr;             // Scoring
    QLabel* sizer_ = nullptr;             // Sizer
    MarkProgress* markProgress_ = nullptr;
    QTimer* timer_ = nullptr;  // Timer1
};
