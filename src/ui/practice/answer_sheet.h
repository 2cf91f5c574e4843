#pragma once
// The answer sheet AnsBox: twenty answer rows (part letter QL<k>, answer box FA<k>, correct answer
// M<k>, verdicts FR<k> and SR<k>) and the entry instructions picture. It shows what it is given
// and hands back what was typed; what a row shows is decided by the practice window.

#include <QFrame>
#include <QList>
#include <array>

class QLabel;
class QLineEdit;

inline constexpr int kAnswerRows = 20;

// What one visible row shows.
struct AnswerRowView {
    QString answer;
    QString correctAnswer;         // M<k>
    QString firstVerdict;          // FR<k>
    QString secondVerdict;         // SR<k>
    bool singleCharacter = false;  // kind Q
    bool tallLayout = false;       // kind L, row 1 only
    bool readOnly = false;
    bool tinted = false;  // carried over from the first attempt
    bool showFirstVerdict = false;
    bool showSecondVerdict = false;
    bool showCorrectAnswer = false;
};

// Border modes of an answer box (drawborder): 0 light blue, 2 erased, other values light grey.
inline constexpr int kBorderBlue = 0;
inline constexpr int kBorderErase = 2;

class AnswerRow : public QFrame {
    Q_OBJECT
  public:
    AnswerRow(int k, QWidget* parent);
    QLabel* letter = nullptr;
    QLineEdit* answer = nullptr;
    QLineEdit* correct = nullptr;
    QLabel* firstVerdict = nullptr;
    QLabel* secondVerdict = nullptr;

    // drawborder: the thin rectangle around the answer box, kept across repaints.
    void drawborder(int mode);
    int borderMode() const { return borderMode_; }
    // Normal single-line row or the tall kind L row; returns the row height in twips.
    double applyLayout(bool tall);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    int borderMode_ = kBorderErase;
};

class AnswerSheet : public QFrame {
    Q_OBJECT
  public:
    AnswerSheet(const QString& graphicsFolder, bool secondAttempt, QWidget* parent = nullptr);

    AnswerRow* row(int k) const { return rows_[static_cast<size_t>(k - 1)]; }
    QLabel* instruction() const { return instruction_; }

    // Fills rows 1..views.size() and stacks them; the rest are hidden.
    void showRows(const QList<AnswerRowView>& views, bool showInstruction);
    // The text of answer boxes 1..count.
    QStringList typedAnswers(int count) const;
    // Keeps the instruction picture at the bottom of the sheet.
    void placeInstruction();

    static int designWidth();

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    std::array<AnswerRow*, kAnswerRows> rows_{};
    QLabel* instruction_ = nullptr;
    bool second_ = false;
};
