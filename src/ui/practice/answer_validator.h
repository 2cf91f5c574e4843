#pragma once
// Answer boxes store their text as record fields in Latin-1 files, so they refuse what would break
// a record: the field separator '>', the key marker '#', line breaks, and anything Latin-1 cannot
// hold.

#include <QValidator>

bool IsStorableAnswerText(const QString& text);

class AnswerValidator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
