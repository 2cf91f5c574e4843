#pragma once
// The one palette every picture is drawn from, so the windows read as one family.

#include <QColor>

namespace skin {

// Surfaces the pictures sit on (the windows paint them with exactly these colours).
inline const QColor kChrome(244, 245, 235);
inline const QColor kPanel(255, 255, 255);

// The title blue, light at the top of the strip, deeper at the bottom.
inline const QColor kBlueTop(82, 150, 233);
inline const QColor kBlueBottom(40, 108, 204);
inline const QColor kBlueDeep(28, 78, 160);
inline const QColor kBlueLight(178, 217, 246);

// The deeper blue of grounds that carry white text (the title strip, the column heads, the load
// button): white on it reads at 4.7:1 at the light top and 6.7:1 at the bottom.
inline const QColor kTextBlueTop(48, 114, 208);
inline const QColor kTextBlueBottom(30, 92, 184);
// The load button under the pointer: deeper still, so the change shows and the text still reads.
inline const QColor kTextBlueHoverTop(34, 98, 192);
inline const QColor kTextBlueHoverBottom(20, 72, 156);

// Frame: a thin dark outline, a pale band and an inner line.
inline const QColor kOutline(52, 88, 146);
inline const QColor kBand(221, 230, 242);
inline const QColor kInnerLine(186, 201, 222);

// Ink for outlines inside icons, and the grey of disabled or inactive things.
inline const QColor kInk(40, 60, 96);
inline const QColor kGreyText(128, 128, 128);
// The title on the inactive (white) strip: 5.5:1 there.
inline const QColor kInactiveTitleText(100, 100, 100);

// Accents of the icons.
inline const QColor kRed(222, 84, 76);
inline const QColor kOrange(240, 140, 52);
inline const QColor kGreen(52, 166, 98);
inline const QColor kYellow(250, 200, 60);
inline const QColor kSteel(112, 132, 162);

}  // namespace skin
