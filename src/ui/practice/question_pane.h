#pragma once
// The question on view: the document view brwWebBrowser, the question-title strip over its top
// (QnTitle, and for a second attempt a note saying so), and the question file the document is
// written to. A question is shown whole or not at all: when its document cannot be written or
// read, the pane keeps the question it shows.

#include <QObject>
#include <QStringList>
#include <QWidget>

class PracticeSession;
class QLabel;
class QuestionDocumentView;

// The question-title strip PicQnTitle: "Question 3" on the left; in a second attempt "Second
// attempt" on the right ("2nd attempt", or nothing, when the strip is too narrow for both).
class QuestionTitleStrip : public QWidget {
    Q_OBJECT
  public:
    QuestionTitleStrip(bool secondAttempt, QWidget* parent);
    // "Question 3", or "Question 3: How to work it out" while its solution is on view.
    void setQuestion(int question, bool solution = false);
    // A control that sits just right of the title (the marked paper's solution button), between
    // its minimum and maximum width as the room allows; the attempt note gives way to it.
    void setCompanion(QWidget* companion);
    QLabel* title() const { return title_; }
    QLabel* attempt() const { return attempt_; }
    static constexpr int kHeight = 26;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void layoutLabels();
    QLabel* title_ = nullptr;    // QnTitle
    QLabel* attempt_ = nullptr;  // lblAttempt, second attempt only
    QWidget* companion_ = nullptr;
    QString shortTitle_, longTitle_;
};

class QuestionPane : public QObject {
    Q_OBJECT
  public:
    QuestionPane(bool secondAttempt, QWidget* window);
    ~QuestionPane() override;

    QuestionDocumentView* view() const { return view_; }
    QuestionTitleStrip* titleStrip() const { return strip_; }
    QString file() const { return file_; }

    // Writes question `question`'s document to its file and shows it under its title; the
    // previous question's file goes. False, with everything left as it was, when the document
    // cannot be written or read (the reason is logged).
    bool show(const PracticeSession& session, int question);
    // Removes the file of the question on view.
    void deleteFile();

  signals:
    // Ctrl+C, Ctrl+X or the right button in the document.
    void invalidOperation();

  private:
    QuestionDocumentView* view_ = nullptr;
    QuestionTitleStrip* strip_ = nullptr;
    QString file_;
};
