#pragma once
// The tests write kinds and verdicts as the content and the results files do: as letters.

#include <QList>
#include <QStringList>

#include "marking/answer_kind.h"
#include "marking/answer_part.h"
#include "marking/scoring.h"

inline AnswerKind Kind(const QString& letter) {
    return AnswerKindOfLetter(letter).value();  // a test names known kinds only
}

inline QStringList Letters(const QList<Verdict>& verdicts) {
    QStringList letters;
    for (Verdict verdict : verdicts) letters.append(VerdictLetter(verdict));
    return letters;
}

// Parts from parallel lists; a missing answer or mark is empty.
inline QList<AnswerPart> Parts(const QStringList& answers, const QStringList& keys,
                               const QStringList& kinds, const QStringList& marks = {}) {
    QList<AnswerPart> parts;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        AnswerPart part;
        part.key = keys.at(i);
        part.kind = Kind(kinds.value(i));
        part.marks = PartMarks(marks.value(i));
        part.answer = answers.value(i);
        parts.append(part);
    }
    return parts;
}
