#pragma once
// Fonts, colours and marks every window of the skin shares.

#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;
class QWidget;

// The cream the skin pictures are drawn on.
inline const QColor kSkinSurface(244, 245, 235);
// Dark enough on cream, white and the light-blue hover tiles (contrast above 7:1 on all three).
inline const QColor kFocusMarkColour(0, 61, 140);

// The skin's text face at a size in points; fontconfig substitutes a metric-compatible face.
QFont ArialFont(double points, bool bold = false);

// The keyboard-focus mark of a control: a dark ring with a white inner line, so it shows on
// light and dark pictures alike.
void PaintFocusMark(QPainter& painter, const QRect& area);

// A view whose ground is plain white (the bodies of the main window's views).
void MakeWhiteGround(QWidget* widget);

// Text on the skin's surfaces (11:1 on the cream) and its disabled form (3.4:1 on the cream).
inline const QColor kCaptionText(33, 52, 84);
inline const QColor kCaptionTextDisabled(128, 132, 140);

// Fills `widget`'s ground with `colour` (the cream surface, a strip).
void PaintGround(QWidget* widget, const QColor& colour);

// `colour` for the widget's text in the active and inactive window, kCaptionTextDisabled while
// it is disabled.
void SetTextColour(QWidget* widget, const QColor& colour = kCaptionText);
