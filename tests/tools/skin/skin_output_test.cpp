// The files hmskin writes: names, formats, sizes and identical bytes on every run.

#include "qt_print.h"
#include "skin_names.h"
#include "skin_set.h"

#include "content/resource_ids.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// The sizes the windows are laid out for (tools/skin/SIZES.md).
QSize ExpectedSize(const QString& name) {
    static const QMap<QString, QSize> special = {
        {"tabs_back_off.bmp", {96, 26}},
        {"tabs_back_on.bmp", {96, 26}},
        {"tabs_front_off.bmp", {96, 26}},
        {"tabs_front_on.bmp", {96, 26}},
        {"border_bot.bmp", {8, 4}},
        {"border_left.bmp", {4, 8}},
        {"border_right.bmp", {4, 8}},
        {"border_left_corners.bmp", {4, 4}},
        {"border_right_corners.bmp", {4, 4}},
        {"loadbutton_on.bmp", {35, 14}},
        {"loadbutton_off.bmp", {35, 14}},
        {"button_off.bmp", {80, 25}},
        {"button_on.bmp", {80, 25}},
        {"button_pressed.bmp", {80, 25}},
        {"columnhead1.bmp", {169, 25}},
        {"columnhead2.bmp", {233, 25}},
        {"progressbar.bmp", {11, 19}},
        {"statusgrabber.bmp", {12, 12}},
        {"bullet.bmp", {12, 12}},
        {"Handle.bmp", {10, 48}},
        {"pen.bmp", {36, 36}},
        {"bar.bmp", {401, 22}},
        {"VTicon.ico", {16, 16}},
        {"pencil.ico", {16, 16}},
        {"hand.ico", {32, 32}},
        {"info_mark.gif", {32, 27}},
        {"Logo.gif", {120, 120}},
        {"instruction.gif", {160, 112}},
        {"Border_bot_left.gif", {8, 8}},
        {"Border_bot_right.gif", {8, 8}},
    };
    if (special.contains(name)) return special.value(name);
    if (name.startsWith("border_")) return {8, 30};  // the title strip pieces
    if (name.startsWith("prog_")) return {26, 20};
    if (name.startsWith("bottombg")) return {200, 30};
    return {44, 36};  // toolbar buttons
}

bool RunSkin(const QString& dir) {
    QProcess run;
    run.start(QStringLiteral(HMSKIN_PATH), {QStringLiteral("--out"), dir});
    return run.waitForFinished(60000) && run.exitStatus() == QProcess::NormalExit &&
           run.exitCode() == 0;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(SkinNames, ListHasEightyNinePicturesInTheirFormats) {
    const QList<int> ids = SkinIds();
    ASSERT_EQ(ids.size(), 89);
    EXPECT_EQ(ids.first(), 1);
    EXPECT_EQ(ids.last(), 92);
    for (int unused : {0, 38, 39, 40, 93}) EXPECT_TRUE(SkinFileName(unused).isEmpty()) << unused;
    EXPECT_EQ(SkinFileName(37), "trash_pressed.bmp");
    EXPECT_EQ(SkinFileName(41), "tabs_back_off.bmp");
    EXPECT_EQ(SkinFileName(84), "bar.bmp");
    EXPECT_EQ(SkinFileName(85), "VTicon.ico");
    EXPECT_EQ(SkinFileName(92), "Border_bot_right.gif");
    for (int id : ids) {
        const QString suffix = SkinFileName(id).section('.', -1);
        const SkinFormat format = SkinFormatOf(id);
        EXPECT_EQ(suffix, format == SkinFormat::Bmp   ? "bmp"
                          : format == SkinFormat::Ico ? "ico"
                                                      : "gif")
            << id;
    }
    EXPECT_EQ(GraphicIds(), ids);
    for (int id = 0; id <= 93; ++id) EXPECT_EQ(GraphicFileName(id), SkinFileName(id)) << id;
}

TEST(SkinOutput, EveryPictureIsWrittenInItsFormatAndSizeIdenticallyOnEveryRun) {
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    ASSERT_TRUE(RunSkin(first.path()));
    ASSERT_TRUE(RunSkin(second.path()));

    QStringList expected;
    for (int id : SkinIds()) expected.append(QString::number(id));
    QStringList written = QDir(first.path()).entryList(QDir::Files);
    std::sort(written.begin(), written.end(),
              [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    EXPECT_EQ(written, expected);

    for (int id : SkinIds()) {
        const QString name = SkinFileName(id);
        const QString path = QDir(first.path()).filePath(QString::number(id));
        const QByteArray bytes = ReadAll(path);
        ASSERT_GT(bytes.size(), 10) << name;
        EXPECT_EQ(bytes, ReadAll(QDir(second.path()).filePath(QString::number(id)))) << name;

        switch (SkinFormatOf(id)) {
            case SkinFormat::Bmp:
                EXPECT_TRUE(bytes.startsWith("BM")) << name;
                break;
            case SkinFormat::Ico:
                // reserved 0, type 1 (icon), at least one image
                EXPECT_TRUE(bytes.startsWith(QByteArray("\0\0\1\0", 4))) << name;
                EXPECT_GE(static_cast<unsigned char>(bytes[4]), 1) << name;
                break;
            case SkinFormat::Gif:
                EXPECT_TRUE(bytes.startsWith("GIF89a") || bytes.startsWith("GIF87a")) << name;
                break;
        }

        // Files named by id have no suffix: Qt must recognise them by their content alone.
        QImageReader reader(path);
        EXPECT_EQ(QString::fromLatin1(reader.format()), name.section('.', -1).toLower()) << name;
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << name << ": " << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), ExpectedSize(name)) << name;
    }
}

TEST(SkinOutput, IconsCarryLargerSizesAfterTheFirst) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(WriteSkin(dir.path(), nullptr));
    const QList<QPair<int, QList<int>>> icons = {{85, {16, 32, 48}}, {86, {16, 32}}, {87, {32}}};
    for (const auto& [id, sizes] : icons) {
        QImageReader reader(QDir(dir.path()).filePath(QString::number(id)));
        ASSERT_EQ(reader.imageCount(), sizes.size()) << id;
        for (int i = 0; i < sizes.size(); ++i) {
            ASSERT_TRUE(reader.jumpToImage(i));
            const QImage image = reader.read();
            EXPECT_EQ(image.size(), QSize(sizes[i], sizes[i])) << id << " image " << i;
            // Icons are drawn on a clear ground: the corners are transparent.
            EXPECT_EQ(qAlpha(image.pixel(0, image.height() - 1)), 0) << id;
        }
    }
}

TEST(SkinOutput, UnwritableFolderIsReported) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    EXPECT_FALSE(WriteSkin(dir.filePath("file/graphics"), &error));
    EXPECT_FALSE(error.isEmpty());

    QProcess run;
    run.start(QStringLiteral(HMSKIN_PATH),
              {QStringLiteral("--out"), dir.filePath("file/graphics")});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_NE(run.exitCode(), 0);
    run.start(QStringLiteral(HMSKIN_PATH), {QStringLiteral("--bogus")});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(run.exitCode(), 2);
}
