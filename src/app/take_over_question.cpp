#include "app/take_over_question.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "app/data_folder.h"
#include "app/single_instance.h"
#include "app/start_failure.h"
#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "platform/picture_cache.h"
#include "platform/program_folder.h"
#include "ui/frame/frm_popup.h"

namespace {

class TakeOverText {
    Q_DECLARE_TR_FUNCTIONS(TakeOver)
};

// The dialog's skin from the program's own copies: nothing may be written to the folder before
// it is ours, and on a new computer the pictures may not be there yet.
void OfferSkinPictures(const QString& graphicsFolder) {
    QList<PictureFile> files;
    for (int id : GraphicIds()) files.append({GraphicFileName(id), ResourceBytes(id)});
    AdoptPictures(graphicsFolder, DecodePictures(files));
}

}  // namespace

bool LearnerAgreesToTakeOver(const QString& dataFolder, const QString& problem) {
    const QString lockFile = QDir::toNativeSeparators(SingleInstance::lockFilePath(dataFolder));
    if (!ScreenCanShowMessages()) {
        ReportStartFailure(DataFolderProblemText(
            dataFolder, problem + QLatin1Char(' ') +
                            TakeOverText::tr("If it has ended there, start the program on a "
                                             "screen and agree to take the folder over, or "
                                             "remove %1.")
                                .arg(lockFile)));
        return false;
    }
    const QString graphics = GraphicsFolder(dataFolder);
    OfferSkinPictures(graphics);
    FrmPopUp dialog(graphics);
    dialog.CallPop(
        TakeOverText::tr("Take the folder over?"),
        TakeOverText::tr("%1\n\n%2\n\nIf the program has ended on that computer (for example, the "
                         "folder was moved here from it), this computer can take the folder over. "
                         "If both use it, the learner's work can be lost.\n\nTake the folder "
                         "over on this computer?")
            .arg(QDir::toNativeSeparators(dataFolder), problem),
        2, nullptr);
    dialog.setDefaultAnswer(PopUpResponse::False);
    // The dialog is made for a line or two; this message is longer, and is all shown.
    if (const QLabel* text = dialog.findChild<QLabel*>(QStringLiteral("lblMessage"))) {
        const int missing = text->heightForWidth(text->width()) - text->height();
        if (missing > 0) dialog.resize(dialog.width(), dialog.height() + missing);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        dialog.move(area.center() - dialog.rect().center());
    }
    return dialog.exec() == PopUpResponse::True;
}
