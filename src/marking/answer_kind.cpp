#include "marking/answer_kind.h"

#include <array>

#include "marking/answer_check.h"
#include "marking/answers_to_show.h"

namespace {

// A rule that compares one answer with its own key only.
template <Verdict (*compare)(const QString&, const QString&)>
Verdict Single(const QStringList& answers, const QStringList& keys, int index) {
    return compare(answers.value(index), keys.value(index));
}

QString KeyAsStored(const QStringList&, const QStringList& keys, int index) {
    return keys.value(index);
}

QString FirstAlternative(const QStringList&, const QStringList& keys, int index) {
    return MultiAnswerToShow(keys.value(index));
}

using enum AnswerKind;
using enum AnswerInput;

constexpr std::array kRules = {
    AnswerKindRule{Number, 'N', Single<CompareNumbers>, KeyAsStored, Line, false},
    AnswerKindRule{Text, 'T', Single<CompareTexts>, KeyAsStored, Line, false},
    AnswerKindRule{Choice, 'Q', Single<CompareTexts>, KeyAsStored, OneCharacter, false},
    AnswerKindRule{LongText, 'L', Single<CompareTexts>, KeyAsStored, LongLine, false},
    AnswerKindRule{Ratio, 'R', Single<CompareCompact>, KeyAsStored, Line, false},
    AnswerKindRule{Fraction, 'F', Single<CompareCompact>, KeyAsStored, FractionEntry, false},
    AnswerKindRule{MixedNumber, 'X', Single<CompareCompact>, KeyAsStored, FractionEntry, false},
    AnswerKindRule{Group, 'G', CheckListAnswer, GroupAnswerToShow, Line, true},
    AnswerKindRule{AnyOf, 'M', CheckListAnswer, FirstAlternative, Line, false},
};

}  // namespace

std::span<const AnswerKindRule> AnswerKindRules() {
    return kRules;
}

const AnswerKindRule& RuleOf(AnswerKind kind) {
    for (const AnswerKindRule& rule : kRules)
        if (rule.kind == kind) return rule;
    return kRules.front();  // every kind has its entry; never reached
}

std::optional<AnswerKind> AnswerKindOfLetter(QStringView letter) {
    if (letter.size() != 1) return std::nullopt;
    for (const AnswerKindRule& rule : kRules)
        if (letter.front() == QLatin1Char(rule.letter)) return rule.kind;
    return std::nullopt;
}

QChar AnswerKindLetter(AnswerKind kind) {
    return QLatin1Char(RuleOf(kind).letter);
}

QString KnownKindLetters() {
    QStringList letters;
    for (const AnswerKindRule& rule : kRules) letters.append(QString(QLatin1Char(rule.letter)));
    return letters.join(QStringLiteral(", "));
}
