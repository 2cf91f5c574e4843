#include "ui/practice/answer_validator.h"

#include <QLocale>

#include "records/storable_text.h"

QString RefusalHint(QChar c) {
    const char16_t u = c.unicode();
    if (u == u'>' || u == u'#')
        return AnswerValidator::tr(
                   "\"%1\" cannot be part of an answer: the results files use it "
                   "to keep answers apart.")
            .arg(c);
    if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
        return AnswerValidator::tr(
            "Tabs, line breaks and other control characters cannot be part of an answer.");
    return AnswerValidator::tr(
               "\"%1\" cannot be part of an answer: the results files hold only "
               "Western European letters and signs.")
        .arg(c);
}

QString LengthRefusalHint(qsizetype length, int longest) {
    return AnswerValidator::tr(
               "That is too long for an answer (%1 characters; an answer holds at most %2), so "
               "it was not put in.")
        .arg(QLocale().toString(length), QLocale().toString(longest));
}

QValidator::State AnswerValidator::validate(QString& input, int& pos) const {
    if (m_longest > 0 && input.size() > m_longest) {
        emit refused(LengthRefusalHint(input.size(), m_longest));
        return Invalid;
    }
    if (IsStorableFieldText(input)) return Acceptable;
    QString kept;
    kept.reserve(input.size());
    QChar first;
    int newPos = pos;
    for (int i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (IsStorableFieldChar(c)) {
            kept += c;
            continue;
        }
        if (first.isNull()) first = c;
        if (i < pos) --newPos;
    }
    input = kept;
    pos = newPos;
    emit refused(RefusalHint(first));
    return Acceptable;
}
