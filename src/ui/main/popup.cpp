#include "ui/main/popup.h"

#include <QWidget>

#include "platform/program_folder.h"
#include "ui/frame/frm_popup.h"
#include "ui/main/contents_channel.h"

namespace {
// Returns true when a button answered (the answer is then in PopUpResponse).
bool RunPopUp(ContentsChannel& contents, QWidget* over, const QString& title,
              const QString& message, int buttons) {
    FrmPopUp dialog(GraphicsFolder(contents.programFolder()), contents.contentsWindow());
    QObject::connect(&dialog, &FrmPopUp::answered, &dialog, [&contents](const QString& answer) {
        contents.setField(QStringLiteral("PopUpResponse"), answer);
    });
    dialog.CallPop(title, message, buttons, over ? over : contents.contentsWindow());
    return !dialog.exec().isEmpty();
}
}  // namespace

bool PopupQuestion(ContentsChannel& contents, QWidget* over, const QString& title,
                   const QString& message) {
    // Closed without a button, the slot may still hold an older answer: that must not read as Yes.
    if (!RunPopUp(contents, over, title, message, 2)) return false;
    return contents.field(QStringLiteral("PopUpResponse")) == QLatin1String("True");
}

void PopupNotice(ContentsChannel& contents, QWidget* over, const QString& title,
                 const QString& message) {
    RunPopUp(contents, over, title, message, 1);
}
