#pragma once
// Checking one answer part against its key by the part's answer kind. Pure text, no files.

#include <QString>
#include <QStringList>

#include "marking/answer_kind.h"
#include "marking/verdict.h"

// The comparisons the kinds are made of (answer_kind.cpp says which kind uses which).
// By value: a plain decimal number, thousands grouped regularly or not at all.
Verdict CompareNumbers(const QString& answer, const QString& key);
// Outer spaces and case ignored.
Verdict CompareTexts(const QString& answer, const QString& key);
// Spaces dropped except where the key has its first space; case counts.
Verdict CompareCompact(const QString& answer, const QString& key);

// A part of the given kind on its own, as the only part of its paper.
Verdict CheckAnswer(const QString& answer, const QString& key, AnswerKind kind);

// List kinds: alternatives lists (";a;b") and " " group members. `index` is 0-based. A list
// without any alternative gives Verdict::None.
Verdict CheckListAnswer(const QStringList& answers, const QStringList& keys, int index);

// Part `index` of a paper by its kind's rule.
Verdict CheckPart(const QStringList& answers, const QStringList& keys, AnswerKind kind, int index);
