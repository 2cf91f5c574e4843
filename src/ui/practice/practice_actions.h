#pragma once
// What the learner does in the practice window by toolbar button or by key. The shortcuts, the
// tooltips that name them and the answer boxes that leave them to the window all read the one
// table of keys (ui/frame/practice_keys.h), which the Help tab lists too.

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

#include "ui/frame/practice_keys.h"

class QKeyEvent;
class QWidget;

// The first six actions have a toolbar button each, in this order along the strip.
inline constexpr int kToolbarButtonCount = 6;

// The keys of an action.
QList<QKeySequence> ActionKeys(PracticeAction action);

// "Save paper (Ctrl+S)": a tooltip followed by the keys of its action, as the platform writes them.
QString WithKeys(const QString& tip, PracticeAction action);

// True when the key pressed is one of the table's keys.
bool IsPracticeKey(const QKeyEvent* event);

// Shortcuts for every key of the table, active while `window` is the active window.
void InstallActionKeys(QWidget* window, const std::function<void(PracticeAction)>& run);
