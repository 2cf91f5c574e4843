#include "marking/scoring.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "marking/alternatives.h"
#include "marking/answer_check.h"
#include "marking/answer_part.h"

namespace {

// A mark outside this range is taken as damaged content and counts nothing, so a sum of parts
// can never overflow.
constexpr double kLargestMark = 1'000'000.0;

// The running sum stays a whole number, halves going to the even neighbour.
int AddMark(int sum, double mark) {
    const double total = std::nearbyint(static_cast<double>(sum) + mark);
    // Saturates rather than overflowing on absurdly long mark lists.
    return static_cast<int>(
        std::clamp(total, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

bool IsAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}  // namespace

PaperMarking MarkParts(const QList<AnswerPart>& parts) {
    const QStringList answers = AnswersOf(parts);
    const QStringList keys = KeysOf(parts);
    PaperMarking marking;
    marking.verdicts.reserve(parts.size());
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const Verdict verdict = CheckPart(answers, keys, parts.at(i).kind, static_cast<int>(i));
        marking.verdicts.append(verdict);
        if (verdict == Verdict::Right) marking.score = AddMark(marking.score, parts.at(i).marks);
    }
    return marking;
}

double PartMarks(const QString& text) {
    bool ok = false;
    const double value = TrimSpaces(text).toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > kLargestMark) return 0.0;
    return value;
}

int TotalMarks(const QList<AnswerPart>& parts) {
    int total = 0;
    for (const AnswerPart& part : parts) total = AddMark(total, part.marks);
    return total;
}

QString OneDecimalText(std::int64_t numerator, std::int64_t denominator) {
    if (denominator == 0) return QStringLiteral("0");
    // 128 bits: ten times any 64-bit numerator still fits.
    __int128 num = static_cast<__int128>(numerator) * 10;
    __int128 den = denominator;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const bool negative = num < 0;
    if (negative) num = -num;
    __int128 tenths = num / den;
    const __int128 twiceRest = (num % den) * 2;
    if (twiceRest > den || (twiceRest == den && tenths % 2 != 0)) ++tenths;
    const auto whole = static_cast<unsigned long long>(tenths / 10);
    const int digit = static_cast<int>(tenths % 10);
    QString text = QString::number(whole);
    if (digit != 0) text += QLatin1Char('.') + QString::number(digit);
    if (negative && tenths != 0) text.prepend(QLatin1Char('-'));
    return text;
}

QString PercentageText(int score, int totalMarks) {
    return OneDecimalText(static_cast<std::int64_t>(score) * 100, totalMarks);
}

bool ParseScoreTenths(const QString& text, std::int64_t* tenths) {
    const QString trimmed = TrimSpaces(text);
    qsizetype pos = 0;
    bool negative = false;
    if (pos < trimmed.size() &&
        (trimmed.at(pos) == QLatin1Char('-') || trimmed.at(pos) == QLatin1Char('+')))
        negative = trimmed.at(pos++) == QLatin1Char('-');
    // Enough digits for any score; more would overflow and is no score at all.
    constexpr qsizetype kMaxWholeDigits = 15;
    std::int64_t whole = 0;
    qsizetype wholeDigits = 0;
    while (pos < trimmed.size() && IsAsciiDigit(trimmed.at(pos))) {
        if (++wholeDigits > kMaxWholeDigits) return false;
        whole = whole * 10 + (trimmed.at(pos++).unicode() - '0');
    }
    QString fraction;
    if (pos < trimmed.size() && trimmed.at(pos) == QLatin1Char('.')) {
        ++pos;
        while (pos < trimmed.size() && IsAsciiDigit(trimmed.at(pos))) fraction += trimmed.at(pos++);
    }
    if (pos != trimmed.size() || (wholeDigits == 0 && fraction.isEmpty())) return false;
    // Tenths exactly; further digits decide the rounding, an exact half going to even.
    std::int64_t value = whole * 10 + (fraction.isEmpty() ? 0 : fraction.at(0).unicode() - '0');
    if (fraction.size() > 1) {
        const QString rest = fraction.mid(1);
        const int firstRest = rest.at(0).unicode() - '0';
        bool beyondHalf = firstRest > 5;
        for (qsizetype i = 1; firstRest == 5 && i < rest.size(); ++i)
            if (rest.at(i) != QLatin1Char('0')) beyondHalf = true;
        const bool exactHalf = firstRest == 5 && !beyondHalf;
        if (beyondHalf || (exactHalf && value % 2 != 0)) ++value;
    }
    *tenths = negative ? -value : value;
    return true;
}

QString TimeTakenText(std::int64_t seconds) {
    if (seconds < 0) seconds = 0;
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = seconds % 3600 / 60;
    return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes).arg(seconds % 60);
}
