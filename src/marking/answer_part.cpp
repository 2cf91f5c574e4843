#include "marking/answer_part.h"

QStringList AnswersOf(const QList<AnswerPart>& parts) {
    QStringList answers;
    answers.reserve(parts.size());
    for (const AnswerPart& part : parts) answers.append(part.answer);
    return answers;
}

QStringList KeysOf(const QList<AnswerPart>& parts) {
    QStringList keys;
    keys.reserve(parts.size());
    for (const AnswerPart& part : parts) keys.append(part.key);
    return keys;
}
