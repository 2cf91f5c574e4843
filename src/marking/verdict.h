#pragma once
// The outcome of checking one answer part.

#include <QString>
#include <QStringView>

#include <optional>

enum class Verdict {
    None,  // not marked, or a list key without alternatives
    Right,
    Wrong,
};

// The letter a results file holds and a verdict label shows: "Y", "N", or empty text for None.
QString VerdictLetter(Verdict verdict);

// The verdict of a stored letter; nothing for text no marking ever writes.
std::optional<Verdict> VerdictOfLetter(QStringView letter);
