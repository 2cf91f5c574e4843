#include "emblems.h"

#include "draw_util.h"
#include "skin_palette.h"

#include <QPainterPath>

namespace skin {
namespace {

// The emblem of the program: a blue tile with the four operation signs.
void DrawTile(QPainter& p, qreal size, bool detailed, const QColor& ring) {
    const qreal s = size / 32.0;
    p.save();
    p.scale(s, s);
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, kBlueTop);
    g.setColorAt(1, kBlueBottom);
    p.setPen(QPen(ring, 1.4 / s));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 7, 7);
    const QPen white(Qt::white, detailed ? 2.4 : 3.2, Qt::SolidLine, Qt::RoundCap);
    p.setPen(white);
    if (detailed) {
        // + and - on top, x and = below.
        p.drawLine(QPointF(6.5, 10.5), QPointF(13.5, 10.5));
        p.drawLine(QPointF(10, 7), QPointF(10, 14));
        p.drawLine(QPointF(18.5, 10.5), QPointF(25.5, 10.5));
        p.drawLine(QPointF(7.5, 18.5), QPointF(12.5, 23.5));
        p.drawLine(QPointF(7.5, 23.5), QPointF(12.5, 18.5));
        p.setPen(QPen(kYellow, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(18.5, 19), QPointF(25.5, 19));
        p.drawLine(QPointF(18.5, 23.5), QPointF(25.5, 23.5));
    } else {
        // At 16 px only a bold plus and an equals sign stay readable.
        p.drawLine(QPointF(9, 11), QPointF(9, 21));
        p.drawLine(QPointF(4, 16), QPointF(14, 16));
        p.setPen(QPen(kYellow, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19, 12.5), QPointF(27, 12.5));
        p.drawLine(QPointF(19, 19.5), QPointF(27, 19.5));
    }
    p.restore();
}

void DrawPencil(QPainter& p, qreal size) {
    const qreal s = size / 32.0;
    p.save();
    p.scale(s, s);
    p.translate(16, 16);
    p.rotate(45);
    const QPen ink(kInk, 1.4 / qMax<qreal>(s, 0.75), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(ink);
    p.setBrush(kYellow);
    p.drawRect(QRectF(-4.5, -13, 9, 18));
    p.setBrush(QColor(236, 128, 140));
    p.drawRoundedRect(QRectF(-4.5, -17, 9, 4), 1.5, 1.5);
    QPainterPath tip;
    tip.moveTo(-4.5, 5);
    tip.lineTo(4.5, 5);
    tip.lineTo(0, 14);
    tip.closeSubpath();
    p.setBrush(QColor(245, 222, 180));
    p.drawPath(tip);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    QPainterPath lead;
    lead.moveTo(-1.6, 10.8);
    lead.lineTo(1.6, 10.8);
    lead.lineTo(0, 14);
    lead.closeSubpath();
    p.drawPath(lead);
    p.restore();
}

void DrawHand(QPainter& p) {
    // A pointing hand, fingertip at (12, 2).
    QPainterPath hand;
    hand.moveTo(10, 3.5);
    hand.cubicTo(10, 1, 14, 1, 14, 3.5);
    hand.lineTo(14, 13);
    hand.cubicTo(14, 11, 18, 11, 18, 13.5);
    hand.cubicTo(18, 11.5, 22, 11.5, 22, 14.5);
    hand.cubicTo(22, 12.5, 26, 12.5, 26, 15.5);
    hand.lineTo(26, 22);
    hand.cubicTo(26, 26, 23.5, 29.5, 20, 29.5);
    hand.lineTo(14, 29.5);
    hand.cubicTo(11, 29.5, 9.5, 27, 7.5, 24.5);
    hand.lineTo(3.5, 19);
    hand.cubicTo(2, 17, 4.5, 14.5, 6.5, 16.5);
    hand.lineTo(10, 20);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 14), QPointF(18, 19));
    p.drawLine(QPointF(22, 15), QPointF(22, 19.5));
}

QImage IconImage(int size, void (*draw)(QPainter&, int)) {
    QImage img = ClearCanvas(size, size);
    QPainter p(&img);
    Smooth(p);
    draw(p, size);
    return img;
}

// A small fraction drawn as in a book: numerator over a bar over denominator.
void BookFraction(QPainter& p, qreal x, qreal top, const QString& num, const QString& den) {
    const QFont f = SkinFont(11, true);
    p.setFont(f);
    const QFontMetricsF m(f);
    const qreal w = qMax(m.horizontalAdvance(num), m.horizontalAdvance(den)) + 2;
    p.setPen(kInk);
    p.drawText(QRectF(x, top, w, 12), Qt::AlignCenter, num);
    p.fillRect(QRectF(x, top + 13, w, 1.2), kInk);
    p.drawText(QRectF(x, top + 15, w, 12), Qt::AlignCenter, den);
}

// An answer box holding what the learner types.
void TypedBox(QPainter& p, const QRectF& box, const QString& text) {
    p.setPen(QPen(kBlueLight, 1));
    p.setBrush(Qt::white);
    p.drawRect(box);
    p.setFont(QFont(SkinFont(12)));
    p.setPen(Qt::black);
    p.drawText(box.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
}

void Arrow(QPainter& p, qreal x, qreal y) {
    p.setPen(QPen(kBlueBottom, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(x, y), QPointF(x + 11, y));
    p.drawLine(QPointF(x + 7, y - 3.5), QPointF(x + 11, y));
    p.drawLine(QPointF(x + 7, y + 3.5), QPointF(x + 11, y));
}

}  // namespace

void DrawProgramEmblem(QPainter& p, int size) {
    // A white rim keeps the tile apart from the blue title strip it sits on.
    DrawTile(p, size, size >= 32, Qt::white);
}

QList<QImage> ProgramIcon() {
    QList<QImage> images;
    for (int size : {16, 32, 48}) images.append(IconImage(size, DrawProgramEmblem));
    return images;
}

QList<QImage> PencilIcon() {
    QList<QImage> images;
    for (int size : {16, 32})
        images.append(IconImage(size, [](QPainter& p, int s) { DrawPencil(p, s); }));
    return images;
}

QList<QImage> HandIcon() {
    return {IconImage(32, [](QPainter& p, int) { DrawHand(p); })};
}

QImage InfoMark() {
    QImage img = Canvas(32, 27, kChrome);
    QPainter p(&img);
    Smooth(p);
    QRadialGradient g(QPointF(12, 9), 16);
    g.setColorAt(0, QColor(120, 182, 246));
    g.setColorAt(1, kBlueBottom);
    p.setPen(QPen(kBlueDeep, 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(3.5, 1.5, 24, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(15.5, 7.5), 2.2, 2.2);
    p.drawRoundedRect(QRectF(13.5, 11, 4, 10.5), 1.2, 1.2);
    return img;
}

QImage Logo() {
    QImage img = Canvas(120, 120, kPanel);
    QPainter p(&img);
    Smooth(p);
    // A soft shadow under the tile, then the tile and a pencil leaning on it.
    p.setPen(Qt::NoPen);
    for (int i = 6; i > 0; --i) {
        p.setBrush(QColor(40, 70, 120, 10));
        p.drawRoundedRect(QRectF(14 - i * 0.5, 18 - i * 0.2, 92 + i, 92 + i), 24, 24);
    }
    p.save();
    p.translate(12, 10);
    DrawTile(p, 96, true, kBlueDeep);
    p.restore();
    p.save();
    p.translate(70, 66);
    DrawPencil(p, 52);
    p.restore();
    return img;
}

QImage Instruction() {
    QImage img = Canvas(160, 112, kChrome);
    QPainter p(&img);
    Smooth(p);
    p.setPen(QPen(QColor(206, 214, 196), 1));
    p.setBrush(QColor(252, 252, 246));
    p.drawRoundedRect(QRectF(0.5, 0.5, 159, 111), 6, 6);

    p.setFont(SkinFont(11, true));
    p.setPen(kBlueDeep);
    p.drawText(QRectF(8, 3, 150, 15), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Fraction"));
    BookFraction(p, 14, 18, QStringLiteral("11"), QStringLiteral("2"));
    Arrow(p, 40, 32);
    TypedBox(p, QRectF(58.5, 23.5, 58, 18), QStringLiteral("11/2"));

    p.setFont(SkinFont(11, true));
    p.setPen(kBlueDeep);
    p.drawText(QRectF(8, 48, 150, 15), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Mixed number"));
    p.setFont(SkinFont(16, true));
    p.setPen(kInk);
    p.drawText(QRectF(8, 66, 14, 24), Qt::AlignCenter, QStringLiteral("2"));
    BookFraction(p, 21, 63, QStringLiteral("3"), QStringLiteral("7"));
    Arrow(p, 40, 77);
    TypedBox(p, QRectF(58.5, 68.5, 58, 18), QStringLiteral("2 3/7"));

    p.setFont(SkinFont(10));
    p.setPen(QColor(88, 96, 110));
    p.drawText(QRectF(6, 91, 150, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("whole number, space, fraction"));
    return img;
}

}  // namespace skin
