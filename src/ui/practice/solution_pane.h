#pragma once
// The worked solution of the question on view, once the attempt is marked: the button
// "How to work it out" beside the question's title, and the solution's own document view
// (brwSolution), which takes the question view's place while it is shown (the window lays it
// out where the question view lies). The solution is
// written out to its file (tempsolution<id>.mht) only when it is opened or printed, and the file
// goes when the learner goes back to the question, moves on or closes the window. Before marking
// the button is hidden and the view holds nothing.

#include <QObject>
#include <QString>
#include <optional>

#include "platform/mht_document.h"

class PracticeSession;
class QShortcut;
class QLabel;
class QuestionDocumentView;
class QuestionPane;
class SkinnedButton;

// The question's page with its solution beneath it under `heading`, the pictures of both in one
// archive (the solution's under names of their own, so a picture of the same name in both
// cannot stand in for the other).
MhtDocument QuestionWithSolution(const MhtDocument& question, const MhtDocument& solution,
                                 const QString& heading);

class SolutionPane : public QObject {
    Q_OBJECT
  public:
    SolutionPane(QuestionPane& question, const QString& graphicsFolder, QWidget* window);
    ~SolutionPane() override;

    SkinnedButton* button() const { return button_; }  // cmdSolution
    QuestionDocumentView* view() const { return view_; }
    bool isShown() const { return shown_ != 0; }
    // The solution file while one is on view, else empty text.
    QString file() const { return file_; }

    // Offers the button for question `question` when the attempt is marked and the question has
    // a solution; hides it otherwise. A solution on view goes back to the question.
    void offer(const PracticeSession& session, int question);
    // Shows the solution of `question` in place of the question, or goes back to the question
    // when it is on view. False when it cannot be shown (not marked, none, unreadable; logged).
    bool toggle(const PracticeSession& session, int question);
    bool open(const PracticeSession& session, int question);
    // Back to the question: the view emptied, the file removed.
    void close();

    // The question on view with its solution beneath it, for printing a marked question; nothing
    // before marking or when the question has none.
    std::optional<MhtDocument> printable(const PracticeSession& session, int question);

  signals:
    // Ctrl+C, Ctrl+X or the right button in the solution, as in the question.
    void invalidOperation();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setCaption(bool shown);
    void fitCaption();
    void removeFile();

    QuestionPane& question_;
    SkinnedButton* button_ = nullptr;
    QLabel* caption_ = nullptr;
    QuestionDocumentView* view_ = nullptr;
    QShortcut* escape_ = nullptr;
    int shown_ = 0;  // the question whose solution is on view, 0 for none
    QString file_;
};
