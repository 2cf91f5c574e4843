#include "ui/practice/answer_validator.h"

bool IsStorableAnswerText(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u > 0xFF || u == u'>' || u == u'#' || u == u'\n' || u == u'\r') return false;
    }
    return true;
}

QValidator::State AnswerValidator::validate(QString& input, int& /*pos*/) const {
    return IsStorableAnswerText(input) ? Acceptable : Invalid;
}
