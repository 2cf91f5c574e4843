#pragma once
// The answer sheet AnsBox: twenty answer rows (part letter QL<k>, answer box FA<k>, correct answer
// M<k>, verdicts FR<k> and SR<k>), the entry instructions picture, and the note that says why a
// character was refused. It shows what it is given and hands back what was typed; what a row
// shows is decided from the paper's state (answer_rows.h).

#include <QFrame>
#include <QList>
#include <QTimer>
#include <array>

#include "marking/verdict.h"

class AnswerBox;
class QLabel;
class QLineEdit;

inline constexpr int kAnswerRows = 20;

// What one visible row shows.
struct AnswerRowView {
    QString answer;
    QString correctAnswer;         // M<k>: empty unless it is shown
    Verdict firstVerdict = Verdict::None;   // FR<k>
    Verdict secondVerdict = Verdict::None;  // SR<k>
    QString name;                  // the answer box for a screen reader: "Question 3, answer b"
    QString description;           // its verdicts in words, once it has any
    QString verdictTip;            // the verdict's tooltip: a wrong part's points to the solution
    bool singleCharacter = false;  // kind Q
    bool tallLayout = false;       // kind L, row 1 only
    bool readOnly = false;
    bool tinted = false;  // carried over from the first attempt
    bool showFirstVerdict = false;
    bool showSecondVerdict = false;
    bool showCorrectAnswer = false;
    bool showLetter = true;  // "(a)": only for questions of two parts or more
};

// Border modes of an answer box (drawborder): 0 light blue, 2 erased, other values light grey.
inline constexpr int kBorderBlue = 0;
inline constexpr int kBorderErase = 2;

class AnswerRow : public QFrame {
    Q_OBJECT
  public:
    AnswerRow(int k, bool secondAttempt, QWidget* parent);
    QLabel* letter = nullptr;
    AnswerBox* answer = nullptr;
    QLineEdit* correct = nullptr;
    QLabel* firstVerdict = nullptr;
    QLabel* secondVerdict = nullptr;

    // Everything but the layout: texts, states, names.
    void fill(const AnswerRowView& view);
    // The box's description as fill() left it (a refusal note replaces it for a while).
    QString description() const { return description_; }

    // drawborder: the thin rectangle around the answer box, kept across repaints.
    void drawborder(int mode);
    int borderMode() const { return borderMode_; }
    // Normal single-line row or the tall kind L row; returns the row height in twips.
    double applyLayout(bool tall);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    int borderMode_ = kBorderErase;
    bool second_ = false;
    QString description_;
};

class AnswerSheet : public QFrame {
    Q_OBJECT
  public:
    AnswerSheet(const QString& graphicsFolder, bool secondAttempt, QWidget* parent = nullptr);

    AnswerRow* row(int k) const { return rows_[static_cast<size_t>(k - 1)]; }
    QLabel* instruction() const { return instruction_; }
    QLabel* correctHeading() const { return correctHeading_; }
    QLabel* refusalNote() const { return note_; }

    // Fills rows 1..views.size() and stacks them; the rest are hidden.
    void showRows(const QList<AnswerRowView>& views, bool showInstruction);
    // The text of answer boxes 1..count.
    QStringList typedAnswers(int count) const;

    // Focus to the first box of the question that takes an answer, or to its first box when
    // none does (a marked paper, carried-over parts).
    void focusFirstAnswer();
    // How long a refusal note stays.
    void setNoteDuration(int ms) { noteTimer_.setInterval(ms); }

    static int designWidth();

  signals:
    // Enter in the last box of the question.
    void enteredPastLast();

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    void enterPressed(int k);
    void focusBox(int k, Qt::FocusReason reason);
    void showRefusal(int k, const QString& hint);
    void hideRefusal();
    void placeInstruction();
    int visibleRows() const;

    std::array<AnswerRow*, kAnswerRows> rows_{};
    QLabel* instruction_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* correctHeading_ = nullptr;  // lblCorrectAnswer
    int noteRow_ = 0;
    QTimer noteTimer_;
    bool second_ = false;
};
