#pragma once
// Text helpers shared by the checking rules and the answers to show.

#include <QString>
#include <QStringList>

// Only the space character is trimmed: answer boxes refuse other blanks.
QString TrimSpaces(const QString& text);

// Trimmed and lower-cased: the form in which text answers are compared.
QString Folded(const QString& text);

// The alternatives of a list key: the text after each ';' up to the next ';' or the end.
QStringList SplitAlternatives(const QString& key);

// A group of list parts: its head and at most this many parts after it with the key " ".
inline constexpr int kGroupReach = 20;

// A key of exactly one space belongs to the group of the part before it.
inline bool IsGroupFollower(const QString& key) {
    return key == QLatin1String(" ");
}
