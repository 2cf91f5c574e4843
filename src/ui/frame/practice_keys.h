#pragma once
// The one table of the practice window's keys: what each does, its keys, and its line in the
// Keys text. The practice window installs them; the Help tab lists them.

#include <QKeySequence>
#include <QList>
#include <QString>

enum class PracticeAction {
    Save = 0,
    Mark,
    Print,
    Close,
    Back,
    Next,
    ToggleSheet,
    Solution,
    ZoomIn,
    ZoomOut,
    ZoomReset
};

struct PracticeKeys {
    PracticeAction action;
    QList<QKeySequence> keys;
    int keysLine;           // its line in the Keys text; 0: not listed (a keypad twin)
    const char* keysLabel;  // the words after its keys there, translated in the Keys context
};

const QList<PracticeKeys>& PracticeKeyTable();

// "Enter: next answer box", then the table's keys line by line.
QString PaperKeysText();
