#pragma once
// Where the frame pieces and title-strip controls of a skinned window go, in pixels, from the
// window's inner size and the sizes of its pictures. Pure geometry, no widgets.

#include <QRect>
#include <QSize>

struct FramePieceSizes {
    QSize topLeft, topCentre, topRight, left, right, botLeft, bot, botRight;
};

struct FrameRects {
    QRect topLeft, topCentre, topRight, left, right, botLeft, bot, botRight;
};

// `fixedCentreWidth` > 0 gives the centre top piece that width (the practice windows' very long
// strip that the right-hand piece lies over); 0 makes it reach the right-hand piece.
// No size comes out negative, however small the window.
FrameRects LayoutFrame(QSize window, const FramePieceSizes& pieces, int fixedCentreWidth = 0);

enum class TitleStripStyle { Main, Practice, Dialog };

struct TitleStripSizes {
    int topLeftHeight = 0;
    int topRightHeight = 0;
    QSize title, icon, close, minimise, maximise;
};

struct TitleStripRects {
    QRect title, icon, close, minimise, maximise;
};

// The title label, the icon and the title-bar buttons along the title strip of a window of
// inner width `width`. Buttons a style does not have come back as null rectangles.
TitleStripRects LayoutTitleStrip(TitleStripStyle style, int width, const TitleStripSizes& sizes);
