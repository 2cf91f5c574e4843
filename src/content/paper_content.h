#pragma once
// The content tables of one paper, read through <programFolder>/temptext.txt one after another.

#include <QList>
#include <QString>
#include <QStringList>

struct PaperContent {
    QStringList questionIds;      // in paper order
    QList<int> partsPerQuestion;  // one entry per question
    QStringList keys, kinds, marks;  // one entry per answer part of the paper
    bool complete() const;  // all four tables read and consistent
};

// Paper table, answer key (fields and counts), answer kind table, marks table of module m, in
// that order. A table that cannot be written out leaves its lists empty. No temptext.txt remains
// after a successful read.
PaperContent LoadPaperContent(const QString& programFolder, int module, const QString& paperNumber);
