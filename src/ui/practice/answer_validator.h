#pragma once
// Answer boxes hold only what a record field can store (the records' one rule): what else is
// typed or pasted is left out of the box, and the box says what was left out and why.

#include <QValidator>

// Why `c` cannot be part of an answer, as the learner reads it.
QString RefusalHint(QChar c);

class AnswerValidator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    // Drops the characters a field cannot hold (the cursor moves back over them) and accepts
    // the rest; refused() names the first character dropped.
    State validate(QString& input, int& pos) const override;

  signals:
    void refused(const QString& hint) const;
};
