#include "marking/alternatives.h"

QString TrimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) --last;
    return text.mid(first, last - first);
}

QString Folded(const QString& text) {
    return TrimSpaces(text).toLower();
}

QStringList SplitAlternatives(const QString& key) {
    QStringList alternatives;
    const qsizetype first = key.indexOf(QLatin1Char(';'));
    if (first < 0) return alternatives;
    alternatives = key.mid(first + 1).split(QLatin1Char(';'));
    return alternatives;
}
