#pragma once
// The calling sequence every window uses for the program's own pop-up dialog (frmPopUp): CallPop,
// show it modally centred over the window that asks, and read its answer.

#include <QString>

#include "ui/frame/frm_popup.h"

class SkinnedWindow;

// Two buttons "Yes"/"No": true for Yes. Closing the dialog any other way counts as No.
// `byDefault` is the answer Enter gives before the learner moves: No where Yes would lose work.
bool PopupQuestion(SkinnedWindow& over, const QString& title, const QString& message,
                   PopUpResponse byDefault = PopUpResponse::True);

// One button "OK".
void PopupNotice(SkinnedWindow& over, const QString& title, const QString& message);
