// The encoders give back exactly what was drawn.

#include "image_encoding.h"
#include "skin_names.h"
#include "skin_set.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>

namespace {

QList<QImage> ReadAllImages(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QList<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i)) break;
        images.append(reader.read().convertToFormat(QImage::Format_ARGB32));
    }
    return images;
}

// A picture with opaque, half-transparent and clear pixels, in a width whose mask rows need
// padding.
QImage Sample(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int kind = (x + 2 * y) % 3;
            image.setPixel(x, y,
                           kind == 0   ? qRgba(200, 30, 40, 255)
                           : kind == 1 ? qRgba(10, 120, 250, 128)
                                       : qRgba(0, 0, 0, 0));
        }
    }
    return image;
}

}  // namespace

TEST(ImageEncoding, IconsOfAnySizeReadBackExactly) {
    const QList<QImage> images = {Sample(20, 20), Sample(33, 33), Sample(48, 48)};
    const QByteArray bytes = EncodeIco(images);
    ASSERT_FALSE(bytes.isEmpty());
    const QList<QImage> back = ReadAllImages(bytes);
    ASSERT_EQ(back.size(), images.size());
    for (int i = 0; i < images.size(); ++i) {
        ASSERT_EQ(back[i].size(), images[i].size()) << i;
        for (int y = 0; y < images[i].height(); ++y) {
            for (int x = 0; x < images[i].width(); ++x) {
                const QRgb want = images[i].pixel(x, y), got = back[i].pixel(x, y);
                ASSERT_EQ(qAlpha(got), qAlpha(want)) << i << " at " << x << "," << y;
                if (qAlpha(want) == 255) {
                    ASSERT_EQ(got, want) << i << " at " << x << "," << y;
                }
            }
        }
    }
    EXPECT_EQ(EncodeIco(images), bytes);
    EXPECT_TRUE(EncodeIco({}).isEmpty());
    EXPECT_TRUE(EncodeIco({Sample(300, 300)}).isEmpty());  // beyond what an icon entry holds
}

TEST(ImageEncoding, FilesShowExactlyWhatWasDrawn) {
    for (int id : SkinIds()) {
        const QList<QImage> drawn = DrawSkinPicture(id);
        ASSERT_FALSE(drawn.isEmpty()) << id;
        const QImage file = QImage::fromData(EncodeSkinPicture(id));
        ASSERT_FALSE(file.isNull()) << id;
        switch (SkinFormatOf(id)) {
            case SkinFormat::Bmp:
                EXPECT_EQ(file.convertToFormat(QImage::Format_RGB32),
                          drawn.first().convertToFormat(QImage::Format_RGB32))
                    << SkinFileName(id).toStdString();
                break;
            case SkinFormat::Gif:
                EXPECT_EQ(file.convertToFormat(QImage::Format_RGB32), ReduceColours(drawn.first()))
                    << SkinFileName(id).toStdString();
                break;
            case SkinFormat::Ico:
                EXPECT_EQ(file.size(), drawn.first().size()) << SkinFileName(id).toStdString();
                break;
        }
    }
}
