#include "frame_pieces.h"

#include "draw_util.h"
#include "skin_palette.h"

#include <QPainterPath>

namespace skin {
namespace {

constexpr int kPieceWidth = 8;
constexpr int kButtonWidth = 26;
constexpr int kButtonHeight = 20;

// Colour of the edge at depth d pixels from the outside.
QColor EdgeColour(int depth) {
    if (depth <= 0) return kOutline;
    if (depth < kEdge - 1) return kBand;
    return kInnerLine;
}

// The whole strip, three pieces wide, so the cut pieces match column for column.
QImage TitleStrip(bool active) {
    const int w = 3 * kPieceWidth;
    const int h = kTitleHeight;
    QImage img = Canvas(w, h, kChrome);
    QPainter p(&img);
    Smooth(p);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, w, h + 12), 6, 6);
    p.setClipPath(shape);
    if (active) {
        FillVertical(p, QRectF(0, 0, w, h), kTextBlueTop, kTextBlueBottom);
        p.fillRect(QRectF(0, 1, w, 1), Mix(kTextBlueTop, Qt::white, 0.35));
        p.fillRect(QRectF(0, h - 1, w, 1), kBlueDeep);
    } else {
        FillVertical(p, QRectF(0, 0, w, h), QColor(255, 255, 255), QColor(240, 243, 247));
        p.fillRect(QRectF(0, h - 1, w, 1), QColor(206, 214, 226));
    }
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h + 12), 5.5, 5.5);
    return img;
}

QImage EdgeStrip(int width, int height, bool vertical, bool mirrored) {
    QImage img = Canvas(width, height, kBand);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int depth = vertical ? x : height - 1 - y;
            if (mirrored) depth = vertical ? width - 1 - x : depth;
            img.setPixelColor(x, y, EdgeColour(depth));
        }
    }
    return img;
}

void DrawGlyph(QPainter& p, TitleGlyph glyph, const QColor& ink) {
    // A 10 x 10 box in the middle of the button; straight glyphs are whole pixels, for crisp
    // edges at 1x.
    switch (glyph) {
        case TitleGlyph::Close:
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(ink, 1.7, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9, 5.5), QPointF(17, 13.5));
            p.drawLine(QPointF(9, 13.5), QPointF(17, 5.5));
            break;
        case TitleGlyph::Min:
            p.fillRect(QRect(8, 13, 10, 2), ink);
            break;
        case TitleGlyph::Max:
            p.fillRect(QRect(8, 5, 10, 2), ink);
            p.fillRect(QRect(8, 5, 1, 10), ink);
            p.fillRect(QRect(17, 5, 1, 10), ink);
            p.fillRect(QRect(8, 14, 10, 1), ink);
            break;
        case TitleGlyph::Norm:
            // the window behind, showing only where the front one does not cover it
            p.fillRect(QRect(11, 5, 7, 2), ink);
            p.fillRect(QRect(11, 5, 1, 3), ink);
            p.fillRect(QRect(17, 5, 1, 7), ink);
            p.fillRect(QRect(15, 11, 3, 1), ink);
            // the window in front
            p.fillRect(QRect(8, 8, 7, 2), ink);
            p.fillRect(QRect(8, 8, 1, 7), ink);
            p.fillRect(QRect(14, 8, 1, 7), ink);
            p.fillRect(QRect(8, 14, 7, 1), ink);
            break;
    }
}

}  // namespace

QImage TitlePiece(StripPiece piece, bool active) {
    const QImage strip = TitleStrip(active);
    switch (piece) {
        case StripPiece::Left:
            return strip.copy(0, 0, kPieceWidth, kTitleHeight);
        case StripPiece::Right:
            return strip.copy(2 * kPieceWidth, 0, kPieceWidth, kTitleHeight);
        case StripPiece::Centre:
            break;
    }
    return strip.copy(kPieceWidth, 0, kPieceWidth, kTitleHeight);
}

QImage BorderLeft() {
    return EdgeStrip(kEdge, 8, true, false);
}
QImage BorderRight() {
    return EdgeStrip(kEdge, 8, true, true);
}
QImage BorderBottom() {
    return EdgeStrip(8, kEdge, false, false);
}

QImage BorderLeftCorner() {
    QImage img = Canvas(kEdge, kEdge, kBand);
    for (int y = 0; y < kEdge; ++y)
        for (int x = 0; x < kEdge; ++x) img.setPixelColor(x, y, EdgeColour(qMin(x, kEdge - 1 - y)));
    return img;
}

QImage BorderRightCorner() {
    return BorderLeftCorner().mirrored(true, false);
}

QImage DialogCorner(bool left) {
    // Nested rounded shapes repeat the edge's outline, band and inner line around the bend.
    constexpr int kSize = 8;
    constexpr int kBig = 24;
    QImage big = Canvas(kBig, kBig, kChrome);
    QPainter p(&big);
    Smooth(p);
    p.setPen(Qt::NoPen);
    const QColor layers[] = {kOutline, kBand, kBand, kInnerLine, kChrome};
    for (int d = 0; d <= kEdge; ++d) {
        p.setBrush(layers[d]);
        const qreal radius = qMax<qreal>(1, 6 - d);
        p.drawRoundedRect(QRectF(d, -kBig + d, kBig * 2 - 2 * d, kBig * 2 - 2 * d), radius, radius);
    }
    p.end();
    QImage corner = big.copy(0, kBig - kSize, kSize, kSize);
    return left ? corner : corner.mirrored(true, false);
}

QImage TitleButton(TitleGlyph glyph, TitleButtonSet set) {
    const bool active = set != TitleButtonSet::White;
    const QImage centre = TitlePiece(StripPiece::Centre, active);
    const int top = (kTitleHeight - kButtonHeight) / 2;
    QImage img = Canvas(kButtonWidth, kButtonHeight, kChrome);
    QPainter p(&img);
    for (int x = 0; x < kButtonWidth; x += centre.width()) p.drawImage(x, -top, centre);
    Smooth(p);
    QColor ink = Qt::white;
    if (set == TitleButtonSet::Blue) {
        const QColor plate = glyph == TitleGlyph::Close ? kRed : QColor(255, 255, 255, 60);
        p.setPen(Qt::NoPen);
        p.setBrush(plate);
        p.drawRoundedRect(QRectF(1, 1, kButtonWidth - 2, kButtonHeight - 2), 4, 4);
    } else if (set == TitleButtonSet::White) {
        ink = kGreyText;
    }
    DrawGlyph(p, glyph, ink);
    return img;
}

}  // namespace skin
