#pragma once
// The correct answer shown beside a part still wrong after the second attempt.

#include <QString>
#include <QStringList>

// Kind G: the accepted alternative of a group still free for part `index` (0-based), or empty.
QString GroupAnswerToShow(const QStringList& answers, const QStringList& keys, int index);

// Kind M: the first alternative of the key (";12;x" shows "12").
QString MultiAnswerToShow(const QString& key);

// Any kind: G and M as above, every other kind the key as stored.
QString AnswerToShow(const QStringList& answers, const QStringList& keys,
                     const QStringList& kinds, int index);
