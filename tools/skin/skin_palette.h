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

// Frame: a thin dark outline, a pale band and an inner line.
inline const QColor kOutline(52, 88, 146);
inline const QColor kBand(221, 230, 242);
inline const QColor kInnerLine(186, 201, 222);

// Ink for outlines inside icons, and the grey of disabled or inactive things.
inline const QColor kInk(40, 60, 96);
inline const QColor kGreyText(128, 128, 128);

// Accents of the icons.
inline const QColor kRed(222, 84, 76);
inline const QColor kOrange(240, 140, 52);
inline const QColor kGreen(52, 166, 98);
inline const QColor kYellow(250, 200, 60);
inline const QColor kSteel(112, 132, 162);

}  // namespace skin
