#include "platform/mht_document.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray PngBytes(const QColor& colour) {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An archive as other tools write them: Latin-1 page, absolute locations, a cid: picture.
QByteArray SampleArchive() {
    QByteArray mime =
        "MIME-Version: 1.0\r\n"
        "Content-Type: multipart/related; boundary=\"XYZ\"; type=\"text/html\"\r\n"
        "\r\n"
        "--XYZ\r\n"
        "Content-Type: text/html; charset=\"iso-8859-1\"\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "Content-Location: file:///C:/course/question.htm\r\n"
        "\r\n"
        "<html><body><p>Caf=E9 bill: =A33.50 for a very long line that goes on and on and=\r\n"
        " on</p><img src=3D\"images/red.png\"><img src=3D\"cid:blue@hm\"></body></html>\r\n"
        "--XYZ\r\n"
        "Content-Type: image/png\r\n"
        "Content-Transfer-Encoding: base64\r\n"
        "Content-Location: file:///C:/course/images/red.png\r\n"
        "\r\n";
    mime += PngBytes(Qt::red).toBase64() + "\r\n";
    mime += "--XYZ\r\nContent-Type: image/png\r\nContent-Transfer-Encoding: base64\r\nContent-ID: <blue@hm>\r\n\r\n";
    mime += PngBytes(Qt::blue).toBase64() + "\r\n--XYZ--\r\n";
    return mime;
}

QColor ColourOf(const QByteArray& bytes) {
    QImage image;
    return image.loadFromData(bytes) ? QColor(image.pixel(0, 0)) : QColor();
}

}  // namespace

TEST(MhtDocument, DecodesThePageAndResolvesPicturesByLocationAndContentId) {
    const MhtReadResult read = ReadMhtBytes(SampleArchive());
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    const MhtDocument& document = read.document;
    EXPECT_TRUE(document.html.contains(QString::fromUtf8("Caf\u00e9 bill: \u00a33.50")));
    EXPECT_TRUE(document.html.contains("and on</p>"));  // soft line break joined
    EXPECT_EQ(ImageReferences(document.html), QStringList({"images/red.png", "cid:blue@hm"}));
    EXPECT_EQ(ColourOf(document.resolve("images/red.png")), QColor(Qt::red));
    EXPECT_EQ(ColourOf(document.resolve("file:///C:/course/images/red.png")), QColor(Qt::red));
    EXPECT_EQ(ColourOf(document.resolve("cid:blue@hm")), QColor(Qt::blue));
    EXPECT_FALSE(document.resolves("images/green.png"));
    EXPECT_FALSE(document.resolves("cid:red@hm"));
    EXPECT_FALSE(document.resolves("red.png"));
}

TEST(MhtDocument, DamagedArchivesGiveAClearErrorNeverACrash) {
    const QByteArray good = SampleArchive();
    const MhtReadResult truncated = ReadMhtBytes(good.left(good.size() * 2 / 3));
    EXPECT_FALSE(truncated.ok);
    EXPECT_TRUE(truncated.error.contains("truncated")) << truncated.error.toStdString();

    EXPECT_FALSE(ReadMhtBytes(QByteArray()).ok);
    EXPECT_FALSE(ReadMhtBytes("just some words\r\n").ok);
    const MhtReadResult noPage = ReadMhtBytes(
        "Content-Type: multipart/related; boundary=\"B\"\r\n\r\n--B\r\nContent-Type: image/png\r\n\r\nxx\r\n--B--\r\n");
    EXPECT_FALSE(noPage.ok);
    EXPECT_EQ(noPage.error, "the archive holds no HTML page");
    QByteArray noBoundary = good;
    noBoundary.replace("boundary=\"XYZ\"; ", "");
    EXPECT_FALSE(ReadMhtBytes(noBoundary).ok);

    // Every cut and a few flipped bytes: a result either way, and an error always says why.
    for (qsizetype length = 0; length < good.size(); length += 7) {
        const MhtReadResult read = ReadMhtBytes(good.left(length));
        EXPECT_TRUE(read.ok || !read.error.isEmpty()) << length;
    }
    for (qsizetype at = 0; at < good.size(); at += 13) {
        QByteArray flipped = good;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x5a);
        const MhtReadResult read = ReadMhtBytes(flipped);
        EXPECT_TRUE(read.ok || !read.error.isEmpty()) << at;
    }

    QTemporaryDir dir;
    const MhtReadResult missing = ReadMhtFile(dir.filePath("temppaper20011.mht"));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.error.contains("temppaper20011.mht"));
}

TEST(MhtDocument, EveryBuiltQuestionDocumentOpensWithAllItsPictures) {
    const QDir package(QStringLiteral(HM_BUILD_DIR) + "/package");
    int documents = 0;
    int pictures = 0;
    for (const QString& name : package.entryList(QDir::Files)) {
        const int id = name.toInt();
        if (id < 20011 || id > 22841) continue;
        ++documents;
        const MhtReadResult read = ReadMhtFile(package.filePath(name));
        ASSERT_TRUE(read.ok) << read.error.toStdString();
        EXPECT_TRUE(read.document.html.contains("<body>")) << id;
        for (const QString& reference : ImageReferences(read.document.html)) {
            ++pictures;
            QImage image;
            EXPECT_TRUE(image.loadFromData(read.document.resolve(reference))) << id << " " << reference.toStdString();
        }
    }
    if (documents == 0) GTEST_SKIP() << "the package is not built";
    if (documents > 100) {
        EXPECT_EQ(documents, 1410);
    }
    std::printf("%d documents, %d pictures\n", documents, pictures);
}
