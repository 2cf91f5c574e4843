// The picture cache: pictures read once from their folder, and pictures decoded ahead (on another
// thread) that take the place of what the cache held.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "platform/picture_cache.h"

namespace {

QByteArray Encoded(QColor colour, const char* format, QSize size = {4, 3}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

bool Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QColor Colour(const QPixmap& picture) {
    return picture.toImage().pixelColor(0, 0);
}

}  // namespace

TEST(PictureCache, AdoptedPicturesTakeThePlaceOfCachedOnesInTheirFolderOnly) {
    QTemporaryDir dir, other;
    ASSERT_TRUE(dir.isValid() && other.isValid());
    ClearPictureCache();
    ASSERT_TRUE(Put(dir.filePath("a.bmp"), Encoded(Qt::red, "BMP")));
    ASSERT_TRUE(Put(other.filePath("a.bmp"), Encoded(Qt::red, "BMP")));
    EXPECT_EQ(Colour(LoadPicture(dir.path(), "a.bmp")), QColor(Qt::red));
    EXPECT_EQ(Colour(LoadPicture(other.path(), "a.bmp")), QColor(Qt::red));

    // The file changed on disk and its new bytes were decoded elsewhere: the cache follows.
    const QByteArray blue = Encoded(Qt::blue, "BMP", {5, 2});
    ASSERT_TRUE(Put(dir.filePath("a.bmp"), blue));
    AdoptPictures(dir.path(), DecodePictures({{QStringLiteral("a.bmp"), blue}}));
    const QPixmap adopted = LoadPicture(dir.path(), "a.bmp");
    EXPECT_EQ(Colour(adopted), QColor(Qt::blue));
    EXPECT_EQ(adopted.size(), QSize(5, 2));
    EXPECT_EQ(Colour(LoadPicture(dir.path(), "a.bmp")), QColor(Qt::blue));  // kept as a pixmap
    EXPECT_EQ(Colour(LoadPicture(other.path(), "a.bmp")), QColor(Qt::red));

    // Forgetting forgets adopted pictures too: the next load reads the file.
    const QByteArray green = Encoded(Qt::green, "BMP");
    AdoptPictures(dir.path(), DecodePictures({{QStringLiteral("b.bmp"), green}}));
    ClearPictureCache();
    EXPECT_TRUE(LoadPicture(dir.path(), "b.bmp").isNull());  // never written to disk
    EXPECT_EQ(Colour(LoadPicture(dir.path(), "a.bmp")), QColor(Qt::blue));
}

TEST(PictureCache, DecodingGoesByContentsAsAFileLoadDoesAndLeavesOutWhatCannotBeRead) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ClearPictureCache();
    // A PNG under a .bmp name loads from its file; decoded ahead, it must come out the same.
    const QByteArray misnamed = Encoded(Qt::magenta, "PNG");
    ASSERT_TRUE(Put(dir.filePath("c.bmp"), misnamed));
    const QImage fromFile = LoadPicture(dir.path(), "c.bmp").toImage();
    ASSERT_FALSE(fromFile.isNull());

    const DecodedPictures decoded =
        DecodePictures({{QStringLiteral("c.bmp"), misnamed},
                        {QStringLiteral("d.bmp"), QByteArray("not a picture")},
                        {QStringLiteral("e.gif"), QByteArray()}});
    ASSERT_EQ(decoded.size(), 1);
    EXPECT_EQ(decoded.value("c.bmp").convertToFormat(fromFile.format()), fromFile);

    // What could not be decoded is not adopted: the file on disk still answers.
    ASSERT_TRUE(Put(dir.filePath("d.bmp"), Encoded(Qt::yellow, "BMP")));
    AdoptPictures(dir.path(), decoded);
    EXPECT_EQ(Colour(LoadPicture(dir.path(), "d.bmp")), QColor(Qt::yellow));
}
