#include "marking/answer_check.h"

#include "marking/alternatives.h"

namespace {

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Digits of the whole-number part, either plain or grouped in threes by one separator (',' or
// ' ') used throughout: "3456", "3,456", "3 456", "12,345,678". Returns the digits without the
// separators, or false when the grouping is irregular ("34,56" could be a decimal comma).
bool ReadWholeDigits(const QString& text, qsizetype& pos, QString& digits) {
    const qsizetype start = pos;
    while (pos < text.size() && IsDigit(text.at(pos))) ++pos;
    digits = text.mid(start, pos - start);
    if (pos >= text.size() || digits.isEmpty()) return true;
    const QChar separator = text.at(pos);
    if (separator != QLatin1Char(',') && separator != QLatin1Char(' ')) return true;
    if (digits.size() > 3) return false;
    while (pos < text.size() && text.at(pos) == separator) {
        const qsizetype groupStart = pos + 1;
        qsizetype groupEnd = groupStart;
        while (groupEnd < text.size() && IsDigit(text.at(groupEnd))) ++groupEnd;
        if (groupEnd - groupStart != 3) return false;
        digits += text.mid(groupStart, 3);
        pos = groupEnd;
    }
    return true;
}

// A plain decimal number (sign, digits, point, exponent), optionally with grouped thousands.
bool ParseDecimal(const QString& raw, double* value) {
    const QString text = TrimSpaces(raw);
    qsizetype pos = 0;
    QString canonical;
    if (pos < text.size() && (text.at(pos) == QLatin1Char('+') || text.at(pos) == QLatin1Char('-')))
        canonical += text.at(pos++);
    QString whole;
    if (!ReadWholeDigits(text, pos, whole)) return false;
    QString fraction;
    bool hasPoint = false;
    if (pos < text.size() && text.at(pos) == QLatin1Char('.')) {
        hasPoint = true;
        const qsizetype start = ++pos;
        while (pos < text.size() && IsDigit(text.at(pos))) ++pos;
        fraction = text.mid(start, pos - start);
    }
    if (whole.isEmpty() && fraction.isEmpty()) return false;
    canonical += whole.isEmpty() ? QStringLiteral("0") : whole;
    if (hasPoint && !fraction.isEmpty()) canonical += QLatin1Char('.') + fraction;
    if (pos < text.size() &&
        (text.at(pos) == QLatin1Char('e') || text.at(pos) == QLatin1Char('E'))) {
        canonical += QLatin1Char('e');
        ++pos;
        if (pos < text.size() &&
            (text.at(pos) == QLatin1Char('+') || text.at(pos) == QLatin1Char('-')))
            canonical += text.at(pos++);
        const qsizetype start = pos;
        while (pos < text.size() && IsDigit(text.at(pos))) ++pos;
        if (pos == start) return false;
        canonical += text.mid(start, pos - start);
    }
    if (pos != text.size()) return false;
    bool ok = false;
    *value = canonical.toDouble(&ok);
    return ok;
}

Verdict RightIf(bool right) {
    return right ? Verdict::Right : Verdict::Wrong;
}

}  // namespace

Verdict CompareNumbers(const QString& answer, const QString& key) {
    double answerValue = 0;
    double keyValue = 0;
    if (!ParseDecimal(answer, &answerValue) || !ParseDecimal(key, &keyValue)) return Verdict::Wrong;
    return RightIf(answerValue == keyValue);
}

Verdict CompareTexts(const QString& answer, const QString& key) {
    return RightIf(Folded(answer) == Folded(key));
}

// Spaces are dropped except at the one position where the key has its first space, so "5 2/3"
// keeps the space that separates the whole number from the fraction.
Verdict CompareCompact(const QString& answer, const QString& key) {
    const qsizetype keySpace = key.indexOf(QLatin1Char(' '));
    const QString trimmed = TrimSpaces(answer);
    QString compact;
    compact.reserve(trimmed.size());
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (i == keySpace || c != QLatin1Char(' ')) compact += c;
    }
    return RightIf(compact == TrimSpaces(key));
}

Verdict CheckAnswer(const QString& answer, const QString& key, AnswerKind kind) {
    return CheckPart({answer}, {key}, kind, 0);
}

Verdict CheckPart(const QStringList& answers, const QStringList& keys, AnswerKind kind, int index) {
    if (index < 0 || index >= keys.size()) return Verdict::None;
    return RuleOf(kind).check(answers, keys, index);
}

Verdict CheckListAnswer(const QStringList& answers, const QStringList& keys, int index) {
    if (index < 0 || index >= keys.size()) return Verdict::None;
    const QString answer = Folded(answers.value(index));
    if (!IsGroupFollower(keys.at(index))) {
        const QStringList alternatives = SplitAlternatives(keys.at(index));
        if (alternatives.isEmpty()) return Verdict::None;
        // An empty answer never earns a mark, even against an empty alternative.
        if (answer.isEmpty()) return Verdict::Wrong;
        for (const QString& alternative : alternatives)
            if (Folded(alternative) == answer) return Verdict::Right;
        return Verdict::Wrong;
    }
    // Past the reach, the head is taken one part beyond it whatever its key.
    int head = index - kGroupReach - 1;
    for (int s = index - 1; s >= index - kGroupReach && s >= 0; --s) {
        if (!IsGroupFollower(keys.at(s))) {
            head = s;
            break;
        }
    }
    if (head < 0) return Verdict::None;
    QStringList alternatives = SplitAlternatives(keys.at(head));
    if (alternatives.isEmpty()) return Verdict::None;
    for (QString& alternative : alternatives) alternative = Folded(alternative);
    for (int j = head; j < index; ++j) {
        const QString used = Folded(answers.value(j));
        for (QString& alternative : alternatives)
            if (alternative == used) alternative.clear();
    }
    if (answer.isEmpty()) return Verdict::Wrong;
    return RightIf(alternatives.contains(answer));
}
