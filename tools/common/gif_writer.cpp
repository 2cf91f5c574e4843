#include "gif_writer.h"

#include <gif_lib.h>

#include <QHash>
#include <vector>

namespace {

int AppendToBuffer(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<QByteArray*>(gif->UserData);
    out->append(reinterpret_cast<const char*>(data), length);
    return length;
}

// An indexed copy with at most 256 colours: exact when the picture has few colours (drawings),
// otherwise Qt's own palette reduction.
QImage ToIndexed(const QImage& image) {
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> index;
    QList<QRgb> table;
    for (int y = 0; y < rgb.height() && table.size() <= 256; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x] | 0xff000000u;
            if (!index.contains(c)) {
                index.insert(c, static_cast<int>(table.size()));
                table.append(c);
                if (table.size() > 256) break;
            }
        }
    }
    if (table.size() > 256) {
        return rgb.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AutoColor);
    }
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) out[x] = static_cast<uchar>(index.value(in[x] | 0xff000000u));
    }
    return indexed;
}

}  // namespace

QByteArray EncodeGif(const QImage& image) {
    if (image.isNull()) return {};
    const QImage indexed = ToIndexed(image);
    const QList<QRgb> table = indexed.colorTable();

    // giflib wants a power-of-two palette of at least two entries.
    int bits = 1;
    while ((1 << bits) < table.size()) ++bits;
    std::vector<GifColorType> colours(static_cast<size_t>(1) << bits);
    for (size_t i = 0; i < colours.size(); ++i) {
        const QRgb c = i < static_cast<size_t>(table.size()) ? table[static_cast<int>(i)] : 0;
        colours[i] = GifColorType{static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                                  static_cast<GifByteType>(qBlue(c))};
    }

    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, AppendToBuffer, &error);
    if (!gif) return {};
    EGifSetGifVersion(gif, true);
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
    bool ok = map && EGifPutScreenDesc(gif, indexed.width(), indexed.height(), bits, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height(); ++y) {
        ok = EGifPutLine(gif, const_cast<GifPixelType*>(indexed.constScanLine(y)), indexed.width()) ==
             GIF_OK;
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
    return ok ? out : QByteArray();
}
