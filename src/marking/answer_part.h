#pragma once
// One answer box of a paper: what the content says of it and what the learner made of it.

#include <QList>
#include <QString>
#include <QStringList>

#include "marking/answer_kind.h"
#include "marking/verdict.h"

struct AnswerPart {
    QString key;  // as the answer key stores it, trailing spaces kept
    AnswerKind kind = AnswerKind::Number;
    double marks = 0;                      // what a right answer earns (PartMarks)
    QString answer;                        // this attempt's, empty when not answered
    Verdict verdict = Verdict::None;       // this attempt's
    QString firstAnswer;                   // second attempt: the first attempt's answer
    Verdict firstVerdict = Verdict::None;  // second attempt: the first attempt's verdict
};

// The parts' answers and keys as the list rules read them, one entry per part.
QStringList AnswersOf(const QList<AnswerPart>& parts);
QStringList KeysOf(const QList<AnswerPart>& parts);
