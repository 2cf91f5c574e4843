#pragma once
// The Keys text of the Help tab, written from the key tables of the windows: each table entry
// names the line it is listed on and the words that follow its keys.

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>

struct KeysLineEntry {
    int line = 0;   // 1-based; 0: not listed
    QString label;  // the words after the keys; entries of one line with one label go together
    QList<QKeySequence> keys;
};

// The given lines first, then the entries line by line. On a line, a label with one key reads
// "Ctrl+P Print", one with several "Alt+Left, PgUp: Back"; labels are joined by ", ", or by "; "
// before a label of several keys.
QString KeysText(const QStringList& firstLines, const QList<KeysLineEntry>& entries);
