#pragma once
// Geometry of the practice window as plain data: the layout applied at every resize, the answer
// row stacking, the answer-box border, and the rules of the corner resize. Widgets only apply it.

#include <QLineF>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <Qt>

#include "platform/units.h"

// Offsets designed in hundredths of a millimetre, in window pixels.
inline constexpr int kTitleLeftPx = Px(HundredthsMmToTwips(800));
inline constexpr int kQuestionTitleInsetPx = Px(HundredthsMmToTwips(640));
inline constexpr int kIconLeftPx = Px(HundredthsMmToTwips(240));
inline constexpr int kOffset120Px = Px(HundredthsMmToTwips(120));
inline constexpr int kOffset60Px = Px(HundredthsMmToTwips(60));

// The smallest window the corner drag makes, in twips; the drag keeps the last size above.
inline constexpr double kMinWidthTwips = 7300;
inline constexpr double kMinHeightTwips = 5000;
inline constexpr int kEdgeBandPx = 6;
// The smallest window in pixels: the first sizes the corner drag allows.
constexpr QSize MinimumWindowSize() {
    return QSize(static_cast<int>(kMinWidthTwips / kTwipsPerPixel) + 1,
                 static_cast<int>(kMinHeightTwips / kTwipsPerPixel) + 1);
}

// Where the window opens on a screen of this geometry: 10 % in from its left and top, 80 % of its
// width and height.
QRect PlacementAtLoad(const QRect& screen);

// The content of the practice window inside its frame (the frame base class places the frame
// pieces and the title strip).
struct PracticeLayoutInput {
    QSize inner;                                                      // W x H
    int topHeight = 0, leftWidth = 0, rightWidth = 0, botHeight = 0;  // frame pieces
    QSize sizer;
    int toolbarHeight = 0;
    int answerSheetWidth = 0;
    int handleWidth = 0;
    int underStripHeight = 0;
    int questionTitleLeft = 0;  // the question-title strip keeps its left edge
    int questionTitleHeight = 0;
    int instructionHeight = 0;
    bool answerSheetShown = true;
};

struct PracticeLayout {
    QRect sizer;
    QRect toolbar, answerSheet, handle, questionView, questionTitle, underStrip;
    int instructionTop = 0;  // inside the answer sheet
};

// Every size is at least 0, however small W and H are (a minimised window).
PracticeLayout LayoutPracticeWindow(const PracticeLayoutInput& in);

// Button lefts inside the toolbar strip: Save, Mark, Print, Close from the left, Back and Next
// from the right; the summary picture at the window width minus 4095 twips.
struct ToolbarLayout {
    int buttonLeft[6] = {};
    int summaryLeft = 0;
};
ToolbarLayout LayoutToolbar(int stripWidth, int windowWidth, const QSize (&buttonSizes)[6]);

// The strip under the question view holds groups of labels side by side (strip_rows.h plans
// them): a group's width with its caption and without it.
struct StripGroup {
    int fullWidth = 0;     // 0: not shown in this state
    int compactWidth = 0;  // without its caption; 0: no compact form
};
inline constexpr int kStripMarginLeft = 8;
inline constexpr int kStripMarginRight = 12;
inline constexpr int kStripGroupGap = 18;

// Row tops in twips: row 1 at 50, each next one below the previous one plus the gap: 105 twips,
// or for a question of more than 15 parts -10 (first attempt) or 0 (second attempt).
QList<double> StackRowTops(const QList<double>& rowHeightsTwips, int partCount, bool secondAttempt);

// drawborder's rectangle around a control on its container (twips): 30 outside at the top and
// left, 15 past the bottom and right.
struct BorderBox {
    double top = 0, left = 0, bottom = 0, right = 0;
};
BorderBox BorderBoxAround(const QRectF& controlTwips);

// createborder: the four lines of the rectangle, the bottom and right ones 15 twips longer.
struct BorderLines {
    QLineF lines[4];
};
BorderLines createborder(const BorderBox& box);

// Pointer shape over the window surface; `current` stays when no rule applies.
Qt::CursorShape EdgeCursor(QPoint pos, QSize size, int band, bool leftDown,
                           Qt::CursorShape current);

struct EdgeBands {
    bool left = false, top = false, right = false, bottom = false;
};
EdgeBands BandsAt(QPoint pos, QSize size, int band);
// Where the pointer is moved on a press in the bands (global position, window frame geometry).
QPoint SnapToEdges(QPoint global, const QRect& window, const EdgeBands& bands);

// One step of the corner drag: the new window size for the pointer at `offset` from the window's
// top-left corner. Only a press in both the right and the bottom band resizes, and only past 2E;
// each dimension changes only while it stays above its minimum.
QSize CornerDragSize(const EdgeBands& pressBands, QPoint offset, QSize current, int band);
