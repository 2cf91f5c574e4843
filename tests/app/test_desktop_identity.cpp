// The program as the desktop sees it: one application id across the desktop entry, the
// AppStream data and the windows, and an icon drawn from the same emblem as VTicon.ico.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "app/app_identity.h"
#include "app_icons.h"
#include "emblems.h"

namespace {

QString DistFile(const QString& name) {
    return QStringLiteral(HM_DIST_DIR) + QLatin1Char('/') + name;
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Mean difference per channel, 0 to 255, of two pictures of the same size.
double MeanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * x.width() * x.height());
}

}  // namespace

TEST(DesktopIdentity, OneApplicationIdEverywhere) {
    const QString id = ApplicationId();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^[a-z]+\\.[a-z]+\\.[A-Za-z]+$")).match(id).hasMatch())
        << id.toStdString();

    const QString entry = ReadText(DistFile(id + QStringLiteral(".desktop")));
    ASSERT_FALSE(entry.isEmpty()) << "no desktop entry named after " << id.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=") + id + QLatin1Char('\n')));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=hmquiz\n")));
    // X11 task bars match windows to the entry by their class, which Qt takes from the program.
    EXPECT_TRUE(entry.contains(QStringLiteral("\nStartupWMClass=hmquiz\n")));

    const QString meta = ReadText(DistFile(id + QStringLiteral(".metainfo.xml")));
    ASSERT_FALSE(meta.isEmpty());
    EXPECT_TRUE(meta.contains(QStringLiteral("<id>") + id + QStringLiteral("</id>")));
    EXPECT_TRUE(meta.contains(QStringLiteral("<launchable type=\"desktop-id\">") + id +
                              QStringLiteral(".desktop</launchable>")));
    // The release named is the version the program reports.
    EXPECT_TRUE(meta.contains(QStringLiteral("<release version=\"%1\"").arg(HMQUIZ_VERSION)));
}

TEST(DesktopIdentity, ThemeIconsAreTheProgramIconsEmblem) {
    // The sizes the .ico carries are the very same pictures.
    const QList<QImage> ico = skin::ProgramIcon();
    ASSERT_FALSE(ico.isEmpty());
    for (const QImage& image : ico) {
        EXPECT_EQ(skin::AppIconImage(image.width()).convertToFormat(QImage::Format_ARGB32),
                  image.convertToFormat(QImage::Format_ARGB32))
            << image.width() << " px";
    }
    for (int size : skin::AppIconSizes()) {
        const QImage image = skin::AppIconImage(size);
        ASSERT_EQ(image.size(), QSize(size, size));
        // A rounded tile: clear corners, an opaque blue middle.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size - 1, size - 1)), 0) << size;
        const QRgb middle = image.pixel(size / 2, size * 3 / 8);
        EXPECT_EQ(qAlpha(middle), 255) << size;
    }

    // The scalable picture draws the same as the largest raster one.
    QSvgRenderer svg(skin::AppIconSvg());
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), QSize(256, 256));
    QImage drawn(256, 256, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter p(&drawn);
    svg.render(&p);
    p.end();
    EXPECT_LT(MeanDifference(drawn, skin::AppIconImage(256)), 3.0);
}

TEST(DesktopIdentity, IconThemeFolderHoldsEverySize) {
    QTemporaryDir theme;
    QString error;
    ASSERT_TRUE(skin::WriteAppIcons(theme.path(), QStringLiteral("x.y.Z"), &error))
        << error.toStdString();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage image(theme.filePath(QStringLiteral("%1x%1/apps/x.y.Z.png").arg(size)));
        EXPECT_EQ(image.size(), QSize(size, size));
    }
    EXPECT_TRUE(QSvgRenderer(theme.filePath(QStringLiteral("scalable/apps/x.y.Z.svg"))).isValid());

    // A theme folder that cannot be made is reported, not skipped.
    QFile blocker(theme.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(skin::WriteAppIcons(blocker.fileName(), QStringLiteral("x.y.Z"), &error));
    EXPECT_TRUE(error.contains(blocker.fileName())) << error.toStdString();
}

TEST(DesktopIdentity, WindowsGetTheEmbeddedIconOutsideAnInstall) {
    const QIcon icon = EmbeddedProgramIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    // Without an installed theme icon the program falls back to exactly that.
    qputenv("XDG_DATA_DIRS", QByteArray("/nonexistent"));
    EXPECT_EQ(ProgramIcon().availableSizes(), icon.availableSizes());
}
