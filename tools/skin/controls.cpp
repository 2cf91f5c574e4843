#include "controls.h"

#include "draw_util.h"
#include "skin_palette.h"

#include <QPainterPath>

namespace skin {
namespace {

constexpr int kTabWidth = 96;
constexpr int kTabHeight = 26;

QPainterPath TabShape(qreal w, qreal h) {
    QPainterPath path;
    const qreal r = 6;
    path.moveTo(0.5, h + 1);
    path.lineTo(0.5, r + 0.5);
    path.quadTo(0.5, 0.5, r + 0.5, 0.5);
    path.lineTo(w - r - 0.5, 0.5);
    path.quadTo(w - 0.5, 0.5, w - 0.5, r + 0.5);
    path.lineTo(w - 0.5, h + 1);
    return path;
}

}  // namespace

QImage Tab(bool front, bool hovered) {
    QImage img = Canvas(kTabWidth, kTabHeight, kChrome);
    QPainter p(&img);
    Smooth(p);
    const QPainterPath shape = TabShape(kTabWidth, kTabHeight);
    p.setClipPath(shape);
    if (front) {
        // Ends in the strip's colour at the bottom, so the active tab and the strip are one piece.
        FillVertical(p, QRectF(0, 0, kTabWidth, kTabHeight), Qt::white, kChrome);
        p.fillRect(QRectF(0, 0, kTabWidth, 3), hovered ? kBlueTop : kBlueBottom);
    } else {
        const QColor top = hovered ? QColor(236, 243, 252) : QColor(222, 229, 238);
        const QColor bottom = hovered ? QColor(218, 230, 246) : QColor(203, 212, 225);
        FillVertical(p, QRectF(0, 0, kTabWidth, kTabHeight), top, bottom);
    }
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(front ? QColor(150, 170, 200) : QColor(166, 178, 198), 1));
    p.drawPath(shape);
    return img;
}

QImage LoadButton(bool hovered) {
    // Sits on the white Home view.
    QImage img = Canvas(35, 14, kPanel);
    QPainter p(&img);
    Smooth(p);
    const QRectF pill(0.5, 0.5, 34, 13);
    p.setPen(QPen(hovered ? kBlueBottom : kBlueDeep, 1));
    QLinearGradient g(pill.topLeft(), pill.bottomLeft());
    g.setColorAt(0, hovered ? kTextBlueHoverTop : kTextBlueTop);
    g.setColorAt(1, hovered ? kTextBlueHoverBottom : kTextBlueBottom);
    p.setBrush(g);
    p.drawRoundedRect(pill, 6.5, 6.5);
    p.setFont(SkinFont(10, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(5, 0, 18, 14), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Go"));
    QPainterPath arrow;
    arrow.moveTo(23, 4);
    arrow.lineTo(28.5, 7);
    arrow.lineTo(23, 10);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    return img;
}

QImage Button(ButtonState state) {
    // Used on the chrome colour (dialog) and on white (Erase view): the corners blend into both.
    QImage img = Canvas(80, 25, Mix(kChrome, kPanel, 0.5));
    QPainter p(&img);
    Smooth(p);
    const QRectF face(0.5, 0.5, 79, 24);
    QColor top(255, 255, 255), bottom(230, 236, 245), border(140, 160, 192);
    if (state == ButtonState::On) {
        top = QColor(240, 247, 255);
        bottom = QColor(206, 226, 250);
        border = QColor(72, 132, 214);
    } else if (state == ButtonState::Pressed) {
        top = QColor(196, 216, 244);
        bottom = QColor(220, 232, 250);
        border = QColor(56, 104, 180);
    }
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(border, 1));
    p.setBrush(g);
    p.drawRoundedRect(face, 3, 3);
    return img;
}

QImage BottomBackground(int variant) {
    struct Tint {
        QColor top, bottom, line;
    };
    const Tint tints[] = {
        {QColor(241, 242, 232), QColor(228, 230, 218), QColor(208, 211, 198)},
        {QColor(236, 243, 252), QColor(216, 228, 245), QColor(186, 204, 230)},
        {QColor(249, 250, 243), QColor(236, 238, 226), QColor(214, 216, 202)},
        {QColor(236, 247, 238), QColor(216, 236, 221), QColor(184, 214, 192)},
    };
    const Tint& t = tints[qBound(1, variant, 4) - 1];
    QImage img = Canvas(200, 30, t.top);
    QPainter p(&img);
    FillVertical(p, QRectF(0, 0, 200, 30), t.top, t.bottom);
    p.fillRect(QRectF(0, 0, 200, 1), t.line);
    p.fillRect(QRectF(0, 1, 200, 1), Qt::white);
    return img;
}

QImage ColumnHead(int column) {
    // The two heads read as one bar over the white view: its outer top corners are rounded.
    const int w = column == 1 ? 169 : 233;
    QImage img = Canvas(w, 25, kPanel);
    QPainter p(&img);
    Smooth(p);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(column == 1 ? 0 : -8, 0, w + 8, 33), 4, 4);
    p.setClipPath(shape.intersected([&] {
        QPainterPath r;
        r.addRect(0, 0, w, 25);
        return r;
    }()));
    FillVertical(p, QRectF(0, 0, w, 25), kTextBlueTop, kTextBlueBottom);
    p.fillRect(QRectF(0, 0, w, 1), Mix(kTextBlueTop, Qt::white, 0.35));
    p.fillRect(QRectF(0, 24, w, 1), kBlueDeep);
    if (column == 2) {
        // The papers' head overlaps the topics' head by 3 px: a divider marks the join.
        p.fillRect(QRectF(0, 3, 1, 19), Mix(kTextBlueTop, Qt::white, 0.45));
    }
    return img;
}

QImage ProgressCell() {
    QImage img = Canvas(11, 19, QColor(44, 140, 78));
    QPainter p(&img);
    FillVertical(p, QRectF(0, 0, 11, 19), QColor(120, 212, 140), QColor(46, 150, 84));
    p.fillRect(QRectF(1, 1, 9, 1), QColor(190, 240, 198));
    p.setPen(QColor(36, 116, 66));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 10, 18);
    return img;
}

QImage SizeGrip() {
    QImage img = Canvas(12, 12, kChrome);
    QPainter p(&img);
    for (int row = 0; row < 3; ++row) {
        for (int col = 2 - row; col < 3; ++col) {
            const int x = 2 + col * 3;
            const int y = 2 + row * 3;
            p.fillRect(x + 1, y + 1, 2, 2, Qt::white);
            p.fillRect(x, y, 2, 2, QColor(146, 160, 184));
        }
    }
    return img;
}

QImage Bullet() {
    QImage img = Canvas(12, 12, kPanel);
    QPainter p(&img);
    Smooth(p);
    QRadialGradient g(QPointF(4.5, 4), 7);
    g.setColorAt(0, QColor(140, 196, 250));
    g.setColorAt(1, kBlueBottom);
    p.setPen(QPen(kBlueDeep, 0.8));
    p.setBrush(g);
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QRectF(3.5, 3.2, 2.6, 2.2));
    return img;
}

QImage SheetHandle() {
    QImage img = Canvas(10, 48, kChrome);
    QPainter p(&img);
    Smooth(p);
    p.setPen(QPen(QColor(150, 168, 196), 1));
    FillVertical(p, QRectF(0.5, 0.5, 9, 47), QColor(230, 238, 248), QColor(206, 219, 238), 4);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, 9, 47), 4, 4);
    for (int i = 0; i < 4; ++i) {
        const int y = 17 + i * 4;
        p.fillRect(QRectF(3, y + 1, 4, 1), Qt::white);
        p.fillRect(QRectF(3, y, 4, 1), QColor(112, 132, 166));
    }
    return img;
}

QImage PenPicture() {
    QImage img = Canvas(36, 36, kChrome);
    QPainter p(&img);
    Smooth(p);
    // A sheet with lines, and a pencil writing on it.
    p.setPen(QPen(kInk, 1.3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4.5, 3.5, 21, 28), 1.5, 1.5);
    p.setPen(QPen(kBlueLight, 1.4));
    for (int y = 10; y <= 26; y += 4) p.drawLine(QPointF(8, y), QPointF(22, y));
    p.translate(27, 17);
    p.rotate(40);
    p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kYellow);
    p.drawRect(QRectF(-3, -14, 6, 18));
    p.setBrush(QColor(240, 150, 160));
    p.drawRect(QRectF(-3, -17, 6, 3));
    QPainterPath tip;
    tip.moveTo(-3, 4);
    tip.lineTo(3, 4);
    tip.lineTo(0, 10);
    tip.closeSubpath();
    p.setBrush(QColor(245, 222, 180));
    p.drawPath(tip);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    QPainterPath lead;
    lead.moveTo(-1, 8);
    lead.lineTo(1, 8);
    lead.lineTo(0, 10);
    lead.closeSubpath();
    p.drawPath(lead);
    return img;
}

QImage SectionBar() {
    QImage img = Canvas(401, 22, kPanel);
    QPainter p(&img);
    FillVertical(p, QRectF(0, 0, 401, 22), QColor(238, 244, 252), QColor(212, 225, 243));
    p.fillRect(QRectF(0, 0, 401, 1), QColor(190, 206, 228));
    p.fillRect(QRectF(0, 1, 401, 1), Qt::white);
    p.fillRect(QRectF(0, 21, 401, 1), QColor(166, 186, 216));
    return img;
}

}  // namespace skin
