#pragma once
// Checking one answer part against its key by the part's answer kind. Pure text, no files.

#include <QString>
#include <QStringList>

// Verdicts.
inline const QString kRight = QStringLiteral("Y");
inline const QString kWrong = QStringLiteral("N");

// Kinds N, T, Q, L, R, F, X: "Y", "N"; any other kind: empty text.
QString CheckAnswer(const QString& answer, const QString& key, const QString& kind);

// Kinds G and M: alternatives lists (";a;b") and " " group members. `index` is 0-based.
QString CheckListAnswer(const QStringList& answers, const QStringList& keys, int index);
