#pragma once
// The calling sequence every window uses for the program's own pop-up dialog (frmPopUp): CallPop,
// show it modally centred over the window that asks, and read its answer.

#include <QString>

class SkinnedWindow;

// Two buttons "Yes"/"No": true for Yes. Closing the dialog any other way counts as No.
bool PopupQuestion(SkinnedWindow& over, const QString& title, const QString& message);

// One button "OK".
void PopupNotice(SkinnedWindow& over, const QString& title, const QString& message);
