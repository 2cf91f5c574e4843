#pragma once
// Small painting helpers shared by the picture painters.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace skin {

// An opaque picture filled with one colour.
QImage Canvas(int width, int height, const QColor& fill);
// A fully transparent picture (for icons with an alpha channel).
QImage ClearCanvas(int width, int height);
// A painter with antialiasing on, the way every picture is drawn.
void Smooth(QPainter& p);
// Vertical gradient from `top` to `bottom` over `rect`.
void FillVertical(QPainter& p, const QRectF& rect, const QColor& top, const QColor& bottom,
                  qreal radius = 0);
// Mixes a into b: t = 0 gives a, t = 1 gives b.
QColor Mix(const QColor& a, const QColor& b, qreal t);
// The program's sans-serif face at a pixel size.
QFont SkinFont(int pixelSize, bool bold = false);
// Text centred in `rect`.
void CentredText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font,
                 const QColor& colour);

}  // namespace skin
