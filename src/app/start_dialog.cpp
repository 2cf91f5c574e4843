#include "app/start_dialog.h"

#include <QGuiApplication>
#include <QScreen>

#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "platform/picture_cache.h"
#include "platform/program_folder.h"

namespace {

void OfferSkinPictures(const QString& graphicsFolder) {
    QList<PictureFile> files;
    for (int id : GraphicIds()) files.append({GraphicFileName(id), ResourceBytes(id)});
    AdoptPictures(graphicsFolder, DecodePictures(files));
}

}  // namespace

PopUpResponse ShowStartDialog(const QString& dataFolder, const QString& title,
                              const QString& message, int buttonCount, PopUpResponse byDefault) {
    const QString graphics = GraphicsFolder(dataFolder);
    OfferSkinPictures(graphics);
    FrmPopUp dialog(graphics);
    dialog.CallPop(title, message, buttonCount, nullptr);
    dialog.setDefaultAnswer(byDefault);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        dialog.move(area.center() - dialog.rect().center());
    }
    return dialog.exec();
}
