#pragma once
// Score of a paper, its percentage text and the time-taken text.

#include <QList>
#include <QString>
#include <cstdint>

#include "marking/answer_part.h"

struct PaperMarking {
    QList<Verdict> verdicts;  // one per part
    int score = 0;            // sum of the marks of the parts judged right
};

// Checks every part by its kind's rule.
PaperMarking MarkParts(const QList<AnswerPart>& parts);

// A marks table entry as a number; what is no number, or absurdly large, counts nothing.
double PartMarks(const QString& text);

// Sum of the parts' marks, each running sum a whole number.
int TotalMarks(const QList<AnswerPart>& parts);

// numerator / denominator rounded to one decimal, exact halves to the even digit, computed on
// integers; shortest form: "66.7", "100", "0". A denominator of 0 gives "0".
QString OneDecimalText(std::int64_t numerator, std::int64_t denominator);

// score / total * 100 as percentage text.
QString PercentageText(int score, int totalMarks);

// A stored score ("88.8", "100") in tenths, exactly; false when it is not a decimal number.
bool ParseScoreTenths(const QString& text, std::int64_t* tenths);

// "h:m:s" without padding; hours do not wrap at 24.
QString TimeTakenText(std::int64_t seconds);
