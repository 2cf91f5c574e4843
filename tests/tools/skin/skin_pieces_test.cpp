// The pictures fit together: frame pieces join without seams, stretchable pieces are uniform
// along their length, title-bar buttons sit invisibly on the strip, disabled buttons look it.

#include "qt_print.h"
#include "skin_names.h"
#include "skin_set.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

namespace {

// The picture as a window sees it: decoded from the bytes of its file.
QImage Picture(const QString& name) {
    for (int id : SkinIds()) {
        if (SkinFileName(id) == name)
            return QImage::fromData(EncodeSkinPicture(id)).convertToFormat(QImage::Format_RGB32);
    }
    return {};
}

bool ColumnsEqual(const QImage& a, int ax, const QImage& b, int bx) {
    if (a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        if (a.pixel(ax, y) != b.pixel(bx, y)) return false;
    return true;
}

bool RowsEqual(const QImage& a, int ay, const QImage& b, int by) {
    if (a.width() != b.width()) return false;
    for (int x = 0; x < a.width(); ++x)
        if (a.pixel(x, ay) != b.pixel(x, by)) return false;
    return true;
}

// The strongest colour (max - min of the channels) and the spread of lightness over the
// pixels that differ from the ground.
struct Ink {
    int chroma = 0;
    int lightnessSpread = 0;
};

Ink InkOf(const QImage& image) {
    const QRgb ground = image.pixel(0, 0);
    int chroma = 0, lo = 255, hi = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (c == ground) continue;
            const int r = qRed(c), g = qGreen(c), b = qBlue(c);
            chroma = qMax(chroma, qMax(r, qMax(g, b)) - qMin(r, qMin(g, b)));
            lo = qMin(lo, qGray(c));
            hi = qMax(hi, qGray(c));
        }
    }
    return {chroma, hi - lo};
}

}  // namespace

TEST(SkinPieces, StretchedPiecesAreUniformAlongTheirLength) {
    for (const char* name :
         {"border_top_center.bmp", "border_white_top_center.bmp", "border_bot.bmp", "bar.bmp",
          "bottombg1.bmp", "bottombg2.bmp", "bottombg3.bmp", "bottombg4.bmp"}) {
        const QImage image = Picture(name);
        ASSERT_FALSE(image.isNull()) << name;
        for (int x = 1; x < image.width(); ++x)
            ASSERT_TRUE(ColumnsEqual(image, 0, image, x)) << name << " column " << x;
    }
    for (const char* name : {"border_left.bmp", "border_right.bmp"}) {
        const QImage image = Picture(name);
        for (int y = 1; y < image.height(); ++y)
            ASSERT_TRUE(RowsEqual(image, 0, image, y)) << name << " row " << y;
    }
}

TEST(SkinPieces, FramePiecesJoinWithoutSeams) {
    for (const QString set : {"border_", "border_white_"}) {
        const QImage left = Picture(set + "top_left.bmp");
        const QImage centre = Picture(set + "top_center.bmp");
        const QImage right = Picture(set + "top_right.bmp");
        EXPECT_TRUE(ColumnsEqual(left, left.width() - 1, centre, 0)) << set.toStdString();
        EXPECT_TRUE(ColumnsEqual(centre, centre.width() - 1, right, 0)) << set.toStdString();
        // The window's outline continues from the strip's outer column into the side edges.
        EXPECT_EQ(left.pixel(0, left.height() - 1), Picture("border_left.bmp").pixel(0, 0));
        EXPECT_EQ(right.pixel(right.width() - 1, right.height() - 1),
                  Picture("border_right.bmp").pixel(3, 0));
    }
    // Side edges run into the bottom corners, and the corners into the bottom edge.
    const QImage sideLeft = Picture("border_left.bmp");
    const QImage cornerLeft = Picture("border_left_corners.bmp");
    const QImage bottom = Picture("border_bot.bmp");
    const QImage cornerRight = Picture("border_right_corners.bmp");
    const QImage sideRight = Picture("border_right.bmp");
    EXPECT_TRUE(RowsEqual(sideLeft, 0, cornerLeft, 0));
    EXPECT_TRUE(RowsEqual(sideRight, 0, cornerRight, 0));
    EXPECT_TRUE(ColumnsEqual(cornerLeft, cornerLeft.width() - 1, bottom, 0));
    EXPECT_TRUE(ColumnsEqual(bottom, bottom.width() - 1, cornerRight, 0));
    // The dialog's rounded corners meet the same edges.
    const QImage dialogLeft = Picture("Border_bot_left.gif");
    const QImage dialogRight = Picture("Border_bot_right.gif");
    for (int x = 0; x < sideLeft.width(); ++x) {
        EXPECT_EQ(dialogLeft.pixel(x, 0), sideLeft.pixel(x, 0)) << x;
        EXPECT_EQ(dialogRight.pixel(dialogRight.width() - 1 - x, 0),
                  sideRight.pixel(sideRight.width() - 1 - x, 0))
            << x;
    }
    for (int y = 0; y < bottom.height(); ++y) {
        EXPECT_EQ(dialogLeft.pixel(dialogLeft.width() - 1, dialogLeft.height() - 1 - y),
                  bottom.pixel(0, bottom.height() - 1 - y))
            << y;
    }
}

TEST(SkinPieces, TitleButtonsSitOnTheStripTheyBelongTo) {
    // Centred in the 30 px strip, a 20 px button covers strip rows 5 to 24: its untouched corner
    // pixels must be the strip's own.
    const QList<QPair<QString, QString>> sets = {{"blueoff", "border_top_center.bmp"},
                                                 {"white", "border_white_top_center.bmp"}};
    for (const auto& [set, strip] : sets) {
        const QImage centre = Picture(strip);
        for (const char* glyph : {"close", "max", "min", "norm"}) {
            const QImage button = Picture("prog_" + set + "_" + glyph + ".bmp");
            const int top = (centre.height() - button.height()) / 2;
            for (int y : {0, button.height() - 1}) {
                EXPECT_EQ(button.pixel(0, y), centre.pixel(0, y + top))
                    << set.toStdString() << glyph;
                EXPECT_EQ(button.pixel(button.width() - 1, y), centre.pixel(0, y + top))
                    << set.toStdString() << glyph;
            }
        }
    }
    // Hovered buttons must differ from their resting picture.
    for (const char* glyph : {"close", "max", "min", "norm"}) {
        EXPECT_NE(Picture(QString("prog_blue_") + glyph + ".bmp"),
                  Picture(QString("prog_blueoff_") + glyph + ".bmp"))
            << glyph;
    }
}

TEST(SkinPieces, ButtonStatesAreDistinctAndDisabledLooksDisabled) {
    for (const char* icon : {"about", "back", "close", "forward", "home", "mark", "print", "report",
                             "save", "setup", "trash"}) {
        const QImage off = Picture(QString(icon) + "_off.bmp");
        const QImage on = Picture(QString(icon) + "_on.bmp");
        const QImage pressed = Picture(QString(icon) + "_pressed.bmp");
        EXPECT_NE(off, on) << icon;
        EXPECT_NE(on, pressed) << icon;
        EXPECT_NE(off, pressed) << icon;
    }
    for (const char* icon : {"back", "forward", "mark", "save"}) {
        const Ink enabled = InkOf(Picture(QString(icon) + "_off.bmp"));
        const Ink disabled = InkOf(Picture(QString(icon) + "_disabled.bmp"));
        // No colour beyond the faint tint of the ground, and much less contrast.
        const QRgb ground = Picture(QString(icon) + "_off.bmp").pixel(0, 0);
        const int groundChroma = qMax(qRed(ground), qMax(qGreen(ground), qBlue(ground))) -
                                 qMin(qRed(ground), qMin(qGreen(ground), qBlue(ground)));
        EXPECT_LE(disabled.chroma, groundChroma + 2) << icon;
        EXPECT_GT(enabled.chroma, 80) << icon;
        EXPECT_LT(disabled.lightnessSpread * 2, enabled.lightnessSpread) << icon;
    }
    EXPECT_NE(Picture("tabs_front_off.bmp"), Picture("tabs_back_off.bmp"));
    EXPECT_NE(Picture("tabs_front_off.bmp"), Picture("tabs_front_on.bmp"));
    EXPECT_NE(Picture("tabs_back_off.bmp"), Picture("tabs_back_on.bmp"));
    EXPECT_NE(Picture("loadbutton_off.bmp"), Picture("loadbutton_on.bmp"));
    EXPECT_NE(Picture("button_off.bmp"), Picture("button_on.bmp"));
    EXPECT_NE(Picture("button_on.bmp"), Picture("button_pressed.bmp"));
}

TEST(SkinPieces, PicturesAreDrawnOnTheSurfaceTheySitOn) {
    // No transparency in BMP or GIF: a picture's ground must be exactly the colour of the
    // surface the window puts it on, or it shows as a box.
    const QRgb chrome = qRgb(244, 245, 235);
    const QRgb white = qRgb(255, 255, 255);
    const QList<QPair<QString, QRgb>> grounds = {
        {"home_off.bmp", chrome},      {"save_disabled.bmp", chrome}, {"back_on.bmp", chrome},
        {"close_pressed.bmp", chrome}, {"tabs_back_off.bmp", chrome}, {"tabs_front_on.bmp", chrome},
        {"statusgrabber.bmp", chrome}, {"Handle.bmp", chrome},        {"pen.bmp", chrome},
        {"info_mark.gif", chrome},     {"instruction.gif", chrome},   {"bullet.bmp", white},
        {"loadbutton_off.bmp", white}, {"loadbutton_on.bmp", white},  {"Logo.gif", white},
    };
    for (const auto& [name, ground] : grounds) {
        const QImage image = Picture(name);
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_EQ(image.pixel(0, 0), ground) << name.toStdString();
        EXPECT_EQ(image.pixel(image.width() - 1, 0), ground) << name.toStdString();
        if (!name.startsWith("tabs_")) {  // a tab's foot is hidden in the strip
            EXPECT_EQ(image.pixel(0, image.height() - 1), ground) << name.toStdString();
        }
    }
    // The button serves on the chrome (dialog) and on white (Erase view): its corners may only
    // be a shade between the two.
    for (const char* name : {"button_off.bmp", "button_on.bmp", "button_pressed.bmp"}) {
        const QRgb corner = Picture(name).pixel(0, 0);
        EXPECT_GE(qRed(corner), 244) << name;
        EXPECT_GE(qBlue(corner), 235) << name;
    }
}
