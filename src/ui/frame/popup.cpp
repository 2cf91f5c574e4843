#include "ui/frame/popup.h"

#include "ui/frame/frm_popup.h"

namespace {
PopUpResponse RunPopUp(SkinnedWindow& over, const QString& title, const QString& message,
                       int buttons, PopUpResponse byDefault = PopUpResponse::True) {
    FrmPopUp dialog(over.graphicsFolder(), &over);
    dialog.CallPop(title, message, buttons, &over);
    dialog.setDefaultAnswer(byDefault);
    const PopUpResponse answer = dialog.exec();
    // Keyboard work goes on where the learner was.
    over.activateWindow();
    return answer;
}
}  // namespace

bool PopupQuestion(SkinnedWindow& over, const QString& title, const QString& message,
                   PopUpResponse byDefault) {
    return RunPopUp(over, title, message, 2, byDefault) == PopUpResponse::True;
}

void PopupNotice(SkinnedWindow& over, const QString& title, const QString& message) {
    RunPopUp(over, title, message, 1);
}
