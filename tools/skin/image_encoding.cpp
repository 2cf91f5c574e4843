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

}  // namespace

QByteArray EncodeBmp(const QImage& image) {
    return Write(image.convertToFormat(QImage::Format_RGB32), "bmp");
}

QByteArray EncodeIco(const QList<QImage>& images) {
    // Qt writes one image per file; the directory of each is merged into one file here.
    QList<QByteArray> singles;
    for (const QImage& image : images) {
        const QByteArray one = Write(image.convertToFormat(QImage::Format_ARGB32), "ico");
        if (one.size() <= kIcoHeader + kIcoEntry) return {};
        if (qFromLittleEndian<quint16>(one.constData() + 4) != 1) return {};
        singles.append(one);
    }
    if (singles.isEmpty()) return {};

    const int count = static_cast<int>(singles.size());
    QByteArray header(kIcoHeader, '\0');
    qToLittleEndian<quint16>(0, header.data());
    qToLittleEndian<quint16>(1, header.data() + 2);
    qToLittleEndian<quint16>(static_cast<quint16>(count), header.data() + 4);

    QByteArray directory;
    QByteArray payload;
    quint32 offset = kIcoHeader + kIcoEntry * count;
    for (const QByteArray& one : singles) {
        QByteArray entry = one.mid(kIcoHeader, kIcoEntry);
        const quint32 oldOffset = qFromLittleEndian<quint32>(entry.constData() + 12);
        const quint32 size = qFromLittleEndian<quint32>(entry.constData() + 8);
        qToLittleEndian<quint32>(offset, entry.data() + 12);
        directory.append(entry);
        payload.append(one.mid(static_cast<qsizetype>(oldOffset), static_cast<qsizetype>(size)));
        offset += size;
    }
    return header + directory + payload;
}
