// The palette reduction that keeps the GIF pictures smooth.

#include "image_encoding.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QSet>

namespace {

int ColourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

int WorstError(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = qMax(worst, qMax(qAbs(qRed(p) - qRed(q)),
                                     qMax(qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q)))));
        }
    }
    return worst;
}

}  // namespace

TEST(ColourReduction, ManyColoursBecomeAFaithfulPaletteAndFewStayExact) {
    // Two crossing gradients: thousands of colours.
    QImage rich(120, 120, QImage::Format_RGB32);
    for (int y = 0; y < rich.height(); ++y)
        for (int x = 0; x < rich.width(); ++x)
            rich.setPixel(x, y, qRgb(x * 2, y * 2, 255 - x - y / 2));
    ASSERT_GT(ColourCount(rich), 256);

    const QImage reduced = ReduceColours(rich);
    EXPECT_LE(ColourCount(reduced), 256);
    EXPECT_EQ(reduced.size(), rich.size());
    // A smooth palette: no pixel strays far from its true colour (a 6x6x6 cube would be 25 off).
    EXPECT_LE(WorstError(rich, reduced), 16);
    EXPECT_EQ(ReduceColours(rich), reduced);

    QImage few(40, 10, QImage::Format_RGB32);
    few.fill(qRgb(244, 245, 235));
    QPainter p(&few);
    p.fillRect(0, 0, 20, 10, QColor(40, 108, 204));
    p.end();
    EXPECT_EQ(ReduceColours(few), few);

    // A ground that covers most of the picture keeps its exact colour through the reduction.
    QImage grounded = rich;
    QPainter g(&grounded);
    g.fillRect(0, 0, 120, 80, QColor(244, 245, 235));
    g.end();
    EXPECT_EQ(ReduceColours(grounded).pixel(0, 0), qRgb(244, 245, 235));

    QImage single(3, 3, QImage::Format_RGB32);
    single.fill(Qt::white);
    EXPECT_EQ(ReduceColours(single, 1), single);
}
