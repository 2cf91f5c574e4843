#pragma once
// Buttons that choose one of a few (the tabs, the topics, the report pages): a screen reader
// hears what they are (a page tab, one of a group) and which one is chosen, and can still press
// any of them. They are not checkable buttons, so a press never unchooses one.

#include <QAccessible>

class QAbstractButton;

// `role`: QAccessible::PageTab or QAccessible::RadioButton.
void MakeChoice(QAbstractButton* button, QAccessible::Role role);
void SetChosen(QAbstractButton* button, bool chosen);
bool IsChosen(const QAbstractButton* button);
