#pragma once
// Answer boxes hold only what a record field can store (the records' one rule): what else is
// typed or pasted is left out of the box, and the box says what was left out and why.

#include <QValidator>

// Why `c` cannot be part of an answer, as the learner reads it.
QString RefusalHint(QChar c);

// Why a text of `length` characters is refused by a box that takes at most `longest`.
QString LengthRefusalHint(qsizetype length, int longest);

class AnswerValidator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    // Drops the characters a field cannot hold (the cursor moves back over them) and accepts
    // the rest; refused() names the first character dropped. A text longer than the longest
    // answer is refused whole (Invalid: the box keeps what it held) and refused() says why.
    State validate(QString& input, int& pos) const override;
    // 0: no limit of its own.
    void setLongestAnswer(int characters) { m_longest = characters; }

  signals:
    void refused(const QString& hint) const;

  private:
    int m_longest = 0;
};
