#pragma once
// One answer box FA<k>: a line edit that holds only storable text, says what it refused, and
// leaves the practice window's keys (answer_actions) to the window.

#include <QLineEdit>

class AnswerValidator;

// The most characters an answer box takes (as many as a line edit holds by default).
inline constexpr int kLongestAnswer = 32767;

class AnswerBox : public QLineEdit {
    Q_OBJECT
  public:
    AnswerBox(const QString& objectName, QWidget* parent);

    // A box of one character takes no second one. Any other takes up to `characters`: a longer
    // paste or drop is refused whole, with the hint, rather than cut short without a word.
    void setLongestAnswer(int characters);

  signals:
    // A typed or pasted character was left out; `hint` says which and why.
    void refused(const QString& hint);

  protected:
    bool event(QEvent* event) override;

  private:
    AnswerValidator* m_validator = nullptr;
};
