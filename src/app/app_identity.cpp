#include "app/app_identity.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmap>

#include "app/app_log.h"
#include "content/extract_resource.h"
#include "content/resource_ids.h"

namespace {

int ProgramIconId() {
    for (int id : GraphicIds()) {
        if (GraphicFileName(id) == QLatin1String("VTicon.ico")) return id;
    }
    return 0;
}

}  // namespace

QString ApplicationId() {
    return QStringLiteral(HMQUIZ_APP_ID);
}

QIcon EmbeddedProgramIcon() {
    QByteArray bytes = ResourceBytes(ProgramIconId());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    QIcon icon;
    for (int k = 0; k < reader.imageCount(); ++k) {
        if (!reader.jumpToImage(k)) break;
        const QImage image = reader.read();
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    if (icon.isNull()) qCWarning(lcApp) << "the embedded program icon cannot be read";
    return icon;
}

QIcon ProgramIcon() {
    const QIcon themed = QIcon::fromTheme(ApplicationId());
    if (!themed.isNull()) return themed;
    return EmbeddedProgramIcon();
}
