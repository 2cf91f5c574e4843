#include "image_encoding.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

namespace {

QByteArray Write(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) return {};
    return bytes;
}

constexpr int kIcoHeader = 6;
constexpr int kIcoEntry = 16;
constexpr int kDibHeader = 40;

void PutLe16(QByteArray& out, int value) {
    char bytes[2];
    qToLittleEndian<quint16>(static_cast<quint16>(value), bytes);
    out.append(bytes, 2);
}

void PutLe32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian<quint32>(value, bytes);
    out.append(bytes, 4);
}

// One icon image: a 32-bit DIB (bottom-up, double height for the mask) and its AND mask,
// every padding byte zero.
QByteArray IconDib(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    QByteArray dib;
    PutLe32(dib, kDibHeader);
    PutLe32(dib, static_cast<quint32>(w));
    PutLe32(dib, static_cast<quint32>(2 * h));
    PutLe16(dib, 1);   // planes
    PutLe16(dib, 32);  // bits per pixel
    for (int i = 0; i < 6; ++i) PutLe32(dib, 0);  // no compression, sizes and palette unused
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            const char bgra[4] = {static_cast<char>(qBlue(c)), static_cast<char>(qGreen(c)),
                                  static_cast<char>(qRed(c)), static_cast<char>(qAlpha(c))};
            dib.append(bgra, 4);
        }
    }
    const int maskStride = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) == 0) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        dib.append(row);
    }
    return dib;
}

}  // namespace

QByteArray EncodeBmp(const QImage& image) {
    return Write(image.convertToFormat(QImage::Format_RGB32), "bmp");
}

QByteArray EncodeIco(const QList<QImage>& images) {
    // Written here rather than by Qt's icon writer, which leaves the mask's row padding
    // uninitialised and so gives different bytes on every run.
    if (images.isEmpty()) return {};
    QByteArray header;
    PutLe16(header, 0);
    PutLe16(header, 1);  // icon
    PutLe16(header, static_cast<int>(images.size()));
    QByteArray directory;
    QByteArray payload;
    quint32 offset = kIcoHeader + kIcoEntry * static_cast<quint32>(images.size());
    for (const QImage& image : images) {
        if (image.isNull() || image.width() > 256 || image.height() > 256) return {};
        const QByteArray dib = IconDib(image);
        directory.append(static_cast<char>(image.width() % 256));
        directory.append(static_cast<char>(image.height() % 256));
        directory.append('\0');  // no palette
        directory.append('\0');
        PutLe16(directory, 1);
        PutLe16(directory, 32);
        PutLe32(directory, static_cast<quint32>(dib.size()));
        PutLe32(directory, offset);
        payload.append(dib);
        offset += static_cast<quint32>(dib.size());
    }
    return header + directory + payload;
}
