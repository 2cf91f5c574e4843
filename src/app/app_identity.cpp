#include "app/app_identity.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmap>
#include <QStandardPaths>

#include "app/app_log.h"
#include "content/extract_resource.h"
#include "content/resource_ids.h"

namespace {

// Sizes handed to the window system; larger ones only make the window's icon property heavy.
constexpr int kWindowIconSizes[] = {16, 24, 32, 48, 64, 128};

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
    // The installed theme's pictures by name, not QIcon::fromTheme(): a theme icon does not list
    // its sizes, so the window system would get a guess of them.
    QIcon icon;
    for (int size : kWindowIconSizes) {
        const QString file = QStandardPaths::locate(
            QStandardPaths::GenericDataLocation,
            QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(ApplicationId()));
        if (!file.isEmpty()) icon.addFile(file, QSize(size, size));
    }
    return icon.isNull() ? EmbeddedProgramIcon() : icon;
}
