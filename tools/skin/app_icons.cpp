#include "app_icons.h"

#include "draw_util.h"
#include "emblems.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>

namespace skin {
namespace {

// The emblem's design size; the scalable picture is drawn at the largest raster size so it
// carries the detailed signs.
constexpr int kSvgSize = 256;

bool WriteFile(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(image);
    return bytes;
}

}  // namespace

QList<int> AppIconSizes() {
    return {16, 24, 32, 48, 64, 128, 256};
}

QImage AppIconImage(int size) {
    QImage image = ClearCanvas(size, size);
    QPainter p(&image);
    Smooth(p);
    DrawProgramEmblem(p, size);
    return image;
}

QByteArray AppIconSvg() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(kSvgSize, kSvgSize));
    generator.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    generator.setTitle(QStringLiteral("Home Maths Quiz"));
    generator.setDescription(QStringLiteral("The program's emblem: the four operation signs"));
    QPainter p(&generator);
    Smooth(p);
    DrawProgramEmblem(p, kSvgSize);
    p.end();
    // The generator sizes the picture in millimetres; icon themes expect pixels.
    static const QRegularExpression size(
        QStringLiteral("width=\"[0-9.]+mm\" height=\"[0-9.]+mm\""));
    return QString::fromUtf8(bytes)
        .replace(size, QStringLiteral("width=\"%1\" height=\"%1\"").arg(kSvgSize))
        .toUtf8();
}

bool WriteAppIcons(const QString& themeDir, const QString& name, QString* error) {
    const QDir theme(themeDir);
    for (int size : AppIconSizes()) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!theme.mkpath(folder)) {
            *error = QStringLiteral("cannot create %1").arg(theme.filePath(folder));
            return false;
        }
        const QString path = theme.filePath(folder + QLatin1Char('/') + name + ".png");
        if (!WriteFile(path, PngBytes(AppIconImage(size)), error)) return false;
    }
    if (!theme.mkpath(QStringLiteral("scalable/apps"))) {
        *error = QStringLiteral("cannot create %1").arg(theme.filePath("scalable/apps"));
        return false;
    }
    return WriteFile(theme.filePath("scalable/apps/" + name + ".svg"), AppIconSvg(), error);
}

}  // namespace skin
