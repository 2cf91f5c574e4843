#pragma once
// Fonts, colours and marks every window of the skin shares. Text colours are chosen so each text
// reaches a contrast of 4.5:1 on the ground it is drawn on (3:1 for disabled captions).

#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;
class QWidget;

// The cream the skin pictures are drawn on.
inline const QColor kSkinSurface(244, 245, 235);
// The line across the tab strip.
inline const QColor kStripLine(190, 204, 222);
// Dark enough on cream, white and the light-blue hover tiles (contrast above 7:1 on all three).
inline const QColor kFocusMarkColour(0, 61, 140);

// Captions of toolbar buttons, tabs and report bars, on the skin's light pictures.
inline const QColor kCaptionText(33, 52, 84);
// A disabled toolbar caption on the cream strip (3.4:1).
inline const QColor kCaptionTextDisabled(128, 132, 140);
// The title on the active (blue) and the inactive (white) title strip.
inline const QColor kTitleActiveText(255, 255, 255);
inline const QColor kTitleInactiveText(100, 100, 100);
// Captions on the blue column heads.
inline const QColor kColumnHeadText(255, 255, 255);

// The skin's text face at a size in points; fontconfig substitutes a metric-compatible face.
QFont ArialFont(double points, bool bold = false);
// The face of the windows' titles.
QFont TitleFont();

// The keyboard-focus mark of a control: a dark ring with a white inner line, so it shows on
// light and dark pictures alike.
void PaintFocusMark(QPainter& painter, const QRect& area);

// A view whose ground is plain white (the bodies of the main window's views).
void MakeWhiteGround(QWidget* widget);
// Fills `widget`'s ground with `colour` (the cream surface, a strip).
void PaintGround(QWidget* widget, const QColor& colour);
// `colour` for the widget's text in the active and inactive window, kCaptionTextDisabled while
// it is disabled.
void SetTextColour(QWidget* widget, const QColor& colour = kCaptionText);
