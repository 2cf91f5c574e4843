// Frame geometry and window outlines.
#include <gtest/gtest.h>

#include <QRegion>
#include <QWidget>

#include "platform/window_outline.h"
#include "ui/frame/frame_layout.h"

TEST(WindowOutline, TwelvePointsWithAnUnevenTopRightCorner) {
    const QPolygon p = RoundedTopOutline(405, 525);
    const QPolygon expected({{0, 5},
                             {1, 3},
                             {2, 2},
                             {3, 1},
                             {5, 0},
                             {400, 0},
                             {402, 1},
                             {403, 2},
                             {403, 3},
                             {405, 5},
                             {405, 525},
                             {0, 525}});
    EXPECT_EQ(p, expected);
    // The top-right corner is not the mirror of the top-left one.
    EXPECT_TRUE(p.contains(QPoint(403, 3)));
    EXPECT_FALSE(p.contains(QPoint(404, 3)));

    const QRegion region(p, Qt::WindingFill);
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(404, 0)));
    EXPECT_TRUE(region.contains(QPoint(200, 0)));
    EXPECT_TRUE(region.contains(QPoint(0, 524)));  // square bottom corners
    EXPECT_TRUE(region.contains(QPoint(404, 524)));
}

TEST(WindowOutline, DialogHasEighteenPointsAndRoundedBottom) {
    const QPolygon p = RoundedDialogOutline(265, 150);
    ASSERT_EQ(p.size(), 18);
    EXPECT_EQ(p[10], QPoint(265, 143));
    EXPECT_EQ(p[13], QPoint(258, 150));
    EXPECT_EQ(p[14], QPoint(7, 150));
    EXPECT_EQ(p[17], QPoint(0, 143));
    const QRegion region(p, Qt::WindingFill);
    EXPECT_FALSE(region.contains(QPoint(0, 149)));
    EXPECT_FALSE(region.contains(QPoint(264, 149)));
    EXPECT_TRUE(region.contains(QPoint(132, 149)));
    EXPECT_TRUE(region.contains(QPoint(132, 75)));

    QWidget w;
    w.resize(265, 150);
    ApplyOutline(&w, p);
    EXPECT_FALSE(w.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(w.mask().contains(QPoint(132, 75)));
}

TEST(FrameLayout, PiecesMeetAtTheEdgesAndNeverGoNegative) {
    FramePieceSizes s;
    s.topLeft = s.topCentre = s.topRight = QSize(8, 30);
    s.left = s.right = QSize(4, 8);
    s.botLeft = s.botRight = QSize(4, 4);
    s.bot = QSize(8, 4);
    const FrameRects r = LayoutFrame(QSize(405, 525), s);
    EXPECT_EQ(r.topRight, QRect(397, 0, 8, 30));
    EXPECT_EQ(r.topCentre, QRect(8, 0, 389, 30));  // reaches the right-hand piece
    EXPECT_EQ(r.left, QRect(0, 30, 4, 491));       // down to the lower corner
    EXPECT_EQ(r.right, QRect(401, 30, 4, 491));
    EXPECT_EQ(r.botLeft, QRect(0, 521, 4, 4));
    EXPECT_EQ(r.bot, QRect(4, 521, 397, 4));
    EXPECT_EQ(r.botRight, QRect(401, 521, 4, 4));

    // A long fixed centre strip keeps its width, however wide the window.
    EXPECT_EQ(LayoutFrame(QSize(2000, 600), s, 30000).topCentre.width(), 30000);

    const FrameRects tiny = LayoutFrame(QSize(6, 10), s);
    for (const QRect& rect : {tiny.topCentre, tiny.left, tiny.right, tiny.bot}) {
        EXPECT_GE(rect.width(), 0);
        EXPECT_GE(rect.height(), 0);
    }
}

TEST(FrameLayout, TitleStripButtonsFromTheRightEdge) {
    TitleStripSizes s;
    s.topLeftHeight = s.topRightHeight = 30;
    s.title = QSize(120, 18);
    s.icon = QSize(16, 16);
    s.close = s.minimise = s.maximise = QSize(26, 20);

    const TitleStripRects main = LayoutTitleStrip(TitleStripStyle::Main, 405, s);
    EXPECT_EQ(main.close, QRect(405 - 26 - 4, 5, 26, 20));        // 60 twips from the edge
    EXPECT_EQ(main.minimise.left(), main.close.left() - 26 - 2);  // 30 twips apart
    EXPECT_EQ(main.title.topLeft(), QPoint(30, 6));               // 450 twips
    EXPECT_EQ(main.icon.topLeft(), QPoint(9, 7));
    EXPECT_TRUE(main.maximise.isNull());

    // Practice windows measure in hundredths of a millimetre: 120 -> 4.5 px, 60 -> 2.3 px.
    const TitleStripRects practice = LayoutTitleStrip(TitleStripStyle::Practice, 800, s);
    EXPECT_EQ(practice.close.left(), 800 - 26 - 5);
    EXPECT_EQ(practice.maximise.left(), practice.close.left() - 26 - 2);
    EXPECT_EQ(practice.minimise.left(), practice.maximise.left() - 26 - 2);
    EXPECT_EQ(practice.title.left(), 30);

    const TitleStripRects dialog = LayoutTitleStrip(TitleStripStyle::Dialog, 265, s);
    EXPECT_EQ(dialog.title.topLeft(), QPoint(16, 6));
    EXPECT_TRUE(dialog.close.isNull());
}
