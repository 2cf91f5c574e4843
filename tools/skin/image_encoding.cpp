#include "image_encoding.h"

#include <QBuffer>
#include <QHash>
#include <QImageWriter>
#include <QtEndian>
#include <algorithm>
#include <climits>

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
    PutLe16(dib, 1);                              // planes
    PutLe16(dib, 32);                             // bits per pixel
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
            if (qAlpha(line[x]) == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
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

namespace {

struct Weighted {
    QRgb colour;
    qint64 count;
};

int Channel(QRgb c, int channel) {
    return channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c);
}

struct Box {
    QList<Weighted> colours;
    int widestChannel = 0;
    int range = 0;

    void Measure() {
        range = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (const Weighted& w : colours) {
                lo = qMin(lo, Channel(w.colour, ch));
                hi = qMax(hi, Channel(w.colour, ch));
            }
            if (hi - lo > range) {
                range = hi - lo;
                widestChannel = ch;
            }
        }
    }

    // The box's colour: a colour that covers most of the box keeps its exact value (a picture's
    // ground must stay the surface colour), otherwise the weighted mean.
    QRgb Representative() const {
        double r = 0, g = 0, b = 0, n = 0;
        Weighted top = colours.first();
        for (const Weighted& w : colours) {
            r += qRed(w.colour) * double(w.count);
            g += qGreen(w.colour) * double(w.count);
            b += qBlue(w.colour) * double(w.count);
            n += double(w.count);
            if (w.count > top.count) top = w;
        }
        if (double(top.count) * 2 >= n) return top.colour;
        return qRgb(qRound(r / n), qRound(g / n), qRound(b / n));
    }
};

}  // namespace

QImage ReduceColours(const QImage& source, int maxColours) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qint64> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) ++histogram[line[x] | 0xff000000u];
    }
    if (histogram.size() <= maxColours) return image;

    Box all;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        all.colours.append({it.key(), it.value()});
    // The hash's order is not stable between runs; sorting makes the result so.
    std::sort(all.colours.begin(), all.colours.end(),
              [](const Weighted& a, const Weighted& b) { return a.colour < b.colour; });
    all.Measure();
    QList<Box> boxes{all};
    while (boxes.size() < maxColours) {
        // Split the box with the widest spread of colour, at its weighted median.
        int pick = -1;
        for (int i = 0; i < boxes.size(); ++i) {
            if (boxes[i].colours.size() < 2) continue;
            if (pick < 0 || boxes[i].range > boxes[pick].range) pick = i;
        }
        if (pick < 0 || boxes[pick].range == 0) break;
        Box box = boxes.takeAt(pick);
        const int ch = box.widestChannel;
        std::sort(box.colours.begin(), box.colours.end(),
                  [ch](const Weighted& a, const Weighted& b) {
                      const int ca = Channel(a.colour, ch), cb = Channel(b.colour, ch);
                      return ca != cb ? ca < cb : a.colour < b.colour;
                  });
        qint64 total = 0;
        for (const Weighted& w : box.colours) total += w.count;
        qint64 running = 0;
        qsizetype cut = 1;
        for (qsizetype i = 0; i < box.colours.size() - 1; ++i) {
            running += box.colours[i].count;
            cut = i + 1;
            if (running * 2 >= total) break;
        }
        Box low, high;
        low.colours = box.colours.mid(0, cut);
        high.colours = box.colours.mid(cut);
        low.Measure();
        high.Measure();
        boxes.append(low);
        boxes.append(high);
    }

    QList<QRgb> palette;
    for (const Box& box : boxes) palette.append(box.Representative());
    QHash<QRgb, QRgb> nearest;
    QImage out = image;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x] | 0xff000000u;
            auto found = nearest.constFind(c);
            if (found == nearest.constEnd()) {
                QRgb best = palette.first();
                int bestDistance = INT_MAX;
                for (QRgb p : palette) {
                    const int dr = qRed(p) - qRed(c), dg = qGreen(p) - qGreen(c),
                              db = qBlue(p) - qBlue(c);
                    const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                    if (d < bestDistance) {
                        bestDistance = d;
                        best = p;
                    }
                }
                found = nearest.insert(c, best);
            }
            line[x] = *found;
        }
    }
    return out;
}
