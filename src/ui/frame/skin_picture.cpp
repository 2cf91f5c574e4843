#include "ui/frame/skin_picture.h"

#include <QSet>

#include "platform/picture_cache.h"
#include "ui/frame/ui_log.h"

QPixmap SkinPicture(const QString& graphicsFolder, const QString& name) {
    const QPixmap picture = LoadPicture(graphicsFolder, name);
    if (picture.isNull() && !name.isEmpty()) {
        static QSet<QString> told;
        const QString path = graphicsFolder + QLatin1Char('/') + name;
        if (!told.contains(path)) {
            told.insert(path);
            qCWarning(lcUi) << "skin picture cannot be read:" << path;
        }
    }
    return picture;
}
