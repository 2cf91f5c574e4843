#pragma once
// The correct answer shown beside a part still wrong after the second attempt.

#include <QString>
#include <QStringList>

#include "marking/answer_kind.h"

// Kind G: the accepted alternative of a group still free for part `index` (0-based), or empty.
QString GroupAnswerToShow(const QStringList& answers, const QStringList& keys, int index);

// Kind M: the first alternative the key accepts (";12;x" shows "12"); a key without ';' as
// stored ("12" shows "12").
QString MultiAnswerToShow(const QString& key);

// Part `index` of a paper by its kind's rule; empty text out of range.
QString AnswerToShow(const QStringList& answers, const QStringList& keys, AnswerKind kind,
                     int index);
