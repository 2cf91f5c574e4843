#pragma once
// Answer kinds and the one table of what each kind means: its letter in the content's kind table,
// how a part of the kind is checked, which correct answer a part still wrong shows, and what its
// answer box offers. A new kind is one entry of the table (answer_kind.cpp).

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>

#include "marking/verdict.h"

enum class AnswerKind {
    Number,       // N: compared by value
    Text,         // T: words, times, numbers whose written form matters
    Choice,       // Q: multiple choice, one character
    LongText,     // L: long text
    Ratio,        // R: "7:23", compact comparison
    Fraction,     // F: "109/200", compact comparison
    MixedNumber,  // X: "5 2/3", compact comparison
    Group,        // G: a list of accepted answers shared by the parts that follow it
    AnyOf,        // M: a list of accepted answers
};

// What the answer box of a part offers while the learner types.
enum class AnswerInput {
    Line,           // one line of any length
    OneCharacter,   // a single character (multiple choice)
    LongLine,       // the tall row for long text, when it is the question's first part
    FractionEntry,  // one line; the question shows how to type fractions and mixed numbers
};

struct AnswerKindRule {
    AnswerKind kind;
    char letter;
    // Part `index` (0-based) of a paper against its key; list kinds read the parts before it.
    Verdict (*check)(const QStringList& answers, const QStringList& keys, int index);
    // The correct answer shown beside part `index` when it is still wrong after the second
    // attempt.
    QString (*answerToShow)(const QStringList& answers, const QStringList& keys, int index);
    AnswerInput input;
    // A key of exactly one space continues the alternatives of the part before it.
    bool keyMayFollowGroup;
};

// Every kind, once.
std::span<const AnswerKindRule> AnswerKindRules();
const AnswerKindRule& RuleOf(AnswerKind kind);

// The kind of a letter of the content's kind table; nothing for a letter no rule knows.
std::optional<AnswerKind> AnswerKindOfLetter(QStringView letter);
QChar AnswerKindLetter(AnswerKind kind);
// "N, T, Q, L, R, F, X, G, M": for messages that name the known letters.
QString KnownKindLetters();
