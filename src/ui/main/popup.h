#pragma once
// The calling sequence every window uses for the program's own pop-up dialog (frmPopUp): CallPop,
// show modally centred over `over`, read the answer back from the main window's PopUpResponse.

#include <QString>

class ContentsChannel;
class QWidget;

// Two buttons "Yes"/"No": true for Yes. Closing the dialog any other way counts as No.
bool PopupQuestion(ContentsChannel& contents, QWidget* over, const QString& title,
                   const QString& message);

// One button "OK".
void PopupNotice(ContentsChannel& contents, QWidget* over, const QString& title,
                 const QString& message);
