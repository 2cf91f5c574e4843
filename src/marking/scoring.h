#pragma once
// Score of a paper, its percentage text and the time-taken text.

#include <QString>
#include <QStringList>
#include <cstdint>

struct PaperMarking {
    QStringList results;  // one verdict per part: "Y", "N" or empty
    int score = 0;        // sum of the marks of the parts judged "Y"
};

// Checks every part (G and M through the list rule, the rest through CheckAnswer).
PaperMarking MarkParts(const QStringList& answers, const QStringList& keys,
                       const QStringList& kinds, const QStringList& marks);

// Sum of the marks list as whole numbers.
int TotalMarks(const QStringList& marks);

// numerator / denominator rounded to one decimal, exact halves to the even digit, computed on
// integers; shortest form: "66.7", "100", "0". A denominator of 0 gives "0".
QString OneDecimalText(std::int64_t numerator, std::int64_t denominator);

// score / total * 100 as percentage text.
QString PercentageText(int score, int totalMarks);

// A stored score ("88.8", "100") in tenths, exactly; false when it is not a decimal number.
bool ParseScoreTenths(const QString& text, std::int64_t* tenths);

// "h:m:s" without padding; hours do not wrap at 24.
QString TimeTakenText(std::int64_t seconds);
