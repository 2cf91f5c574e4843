#pragma once
// The program's own pop-up dialog before the main window exists: dressed in the program's own
// copies of the skin pictures (nothing may be written to the folder before it is ours, and on a
// new computer the pictures may not be there yet), and centred on the screen.

#include <QString>

#include "ui/frame/frm_popup.h"

// One button ("OK") or two ("Yes", "No", `byDefault` the answer of Enter and Escape).
PopUpResponse ShowStartDialog(const QString& dataFolder, const QString& title,
                              const QString& message, int buttonCount,
                              PopUpResponse byDefault = PopUpResponse::True);
