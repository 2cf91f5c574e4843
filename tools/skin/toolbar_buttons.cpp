#include "toolbar_buttons.h"

#include "draw_util.h"
#include "skin_palette.h"

#include <QPainterPath>
#include <QtMath>

namespace skin {
namespace {

// Icons are designed on a 28 x 28 grid and scaled into their box.
constexpr qreal kGrid = 28;

QPen InkPen(qreal width = 1.6) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Home(QPainter& p) {
    QPainterPath roof;
    roof.moveTo(3, 14);
    roof.lineTo(14, 4);
    roof.lineTo(25, 14);
    // The chimney stands behind the roof line.
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRect(QRectF(18, 4.5, 3, 5));
    p.setPen(InkPen());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 12.5, 14, 12));
    p.setBrush(kBlueBottom);
    p.drawRoundedRect(QRectF(12, 17, 5, 7.5), 1, 1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(roof);
}

void Sheet(QPainter& p, const QRectF& r) {
    QPainterPath sheet;
    sheet.moveTo(r.left(), r.top());
    sheet.lineTo(r.right() - 5, r.top());
    sheet.lineTo(r.right(), r.top() + 5);
    sheet.lineTo(r.right(), r.bottom());
    sheet.lineTo(r.left(), r.bottom());
    sheet.closeSubpath();
    p.setPen(InkPen(1.4));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setBrush(QColor(220, 228, 240));
    QPainterPath fold;
    fold.moveTo(r.right() - 5, r.top());
    fold.lineTo(r.right() - 5, r.top() + 5);
    fold.lineTo(r.right(), r.top() + 5);
    p.drawPath(fold);
}

void Report(QPainter& p) {
    Sheet(p, QRectF(5, 3, 18, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRect(QRectF(8.5, 15, 3, 7));
    p.setBrush(kBlueBottom);
    p.drawRect(QRectF(12.5, 11, 3, 11));
    p.setBrush(kOrange);
    p.drawRect(QRectF(16.5, 8, 3, 14));
}

void Print(QPainter& p) {
    p.setPen(InkPen(1.4));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 3.5, 12, 8));
    p.setBrush(kSteel);
    p.drawRoundedRect(QRectF(3.5, 10, 21, 10), 2.5, 2.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 16, 12, 9));
    p.setPen(QPen(kSteel, 1.2));
    p.drawLine(QPointF(10, 19.5), QPointF(18, 19.5));
    p.drawLine(QPointF(10, 22), QPointF(16, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(21, 13), 1.3, 1.3);
}

void RoundBadge(QPainter& p, const QColor& fill) {
    p.setPen(QPen(fill.darker(125), 1.2));
    QRadialGradient g(QPointF(11, 9), 14);
    g.setColorAt(0, fill.lighter(125));
    g.setColorAt(1, fill);
    p.setBrush(g);
    p.drawEllipse(QPointF(14, 14), 11, 11);
}

void Close(QPainter& p) {
    RoundBadge(p, kRed);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.5), QPointF(18.5, 18.5));
    p.drawLine(QPointF(9.5, 18.5), QPointF(18.5, 9.5));
}

void About(QPainter& p) {
    RoundBadge(p, kBlueBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(14, 8.5), 2, 2);
    p.drawRoundedRect(QRectF(12.2, 12, 3.6, 10), 1.2, 1.2);
}

void Arrow(QPainter& p, bool forward) {
    RoundBadge(p, kGreen);
    QPainterPath arrow;
    arrow.moveTo(7.5, 14);
    arrow.lineTo(14, 7.5);
    arrow.lineTo(14, 11.5);
    arrow.lineTo(20.5, 11.5);
    arrow.lineTo(20.5, 16.5);
    arrow.lineTo(14, 16.5);
    arrow.lineTo(14, 20.5);
    arrow.closeSubpath();
    if (forward) arrow = QTransform(-1, 0, 0, 1, 28, 0).map(arrow);
    p.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void Trash(QPainter& p) {
    p.setPen(InkPen(1.4));
    p.setBrush(QColor(206, 216, 230));
    QPainterPath bin;
    bin.moveTo(7, 9);
    bin.lineTo(21, 9);
    bin.lineTo(19.5, 25);
    bin.lineTo(8.5, 25);
    bin.closeSubpath();
    p.drawPath(bin);
    p.setPen(QPen(kSteel, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {11.0, 14.0, 17.0}) p.drawLine(QPointF(x, 12), QPointF(x, 22));
    p.setPen(InkPen(1.4));
    p.setBrush(kSteel);
    p.drawRoundedRect(QRectF(5, 5.5, 18, 3.5), 1.2, 1.2);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(11, 2.5, 6, 3), 1, 1);
}

void Setup(QPainter& p) {
    QPainterPath gear;
    const QPointF c(14, 14);
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a0 = (i - 0.5) * M_PI / teeth;
        const qreal a1 = (i + 0.5) * M_PI / teeth;
        const qreal r = (i % 2 == 0) ? 11.5 : 8.5;
        const QPointF p0 = c + QPointF(std::cos(a0), std::sin(a0)) * r;
        const QPointF p1 = c + QPointF(std::cos(a1), std::sin(a1)) * r;
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    gear.addEllipse(c, 3.8, 3.8);
    gear.setFillRule(Qt::OddEvenFill);
    p.setPen(InkPen(1.3));
    QRadialGradient g(QPointF(11, 10), 14);
    g.setColorAt(0, kSteel.lighter(140));
    g.setColorAt(1, kSteel);
    p.setBrush(g);
    p.drawPath(gear);
}

void Save(QPainter& p) {
    p.setPen(InkPen(1.4));
    p.setBrush(kBlueBottom);
    QPainterPath disk;
    disk.moveTo(4.5, 4.5);
    disk.lineTo(20, 4.5);
    disk.lineTo(23.5, 8);
    disk.lineTo(23.5, 23.5);
    disk.lineTo(4.5, 23.5);
    disk.closeSubpath();
    p.drawPath(disk);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 232, 240));
    p.drawRect(QRectF(8.5, 5.5, 10, 6.5));
    p.setBrush(kInk);
    p.drawRect(QRectF(15, 6.5, 2.2, 4.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(7.5, 15, 13, 7.5), 1, 1);
    p.setPen(QPen(QColor(170, 186, 210), 1));
    p.drawLine(QPointF(9.5, 17.5), QPointF(18.5, 17.5));
    p.drawLine(QPointF(9.5, 20), QPointF(18.5, 20));
}

void Mark(QPainter& p) {
    Sheet(p, QRectF(4, 3, 17, 22));
    p.setPen(QPen(QColor(190, 200, 216), 1.2));
    for (qreal y : {9.5, 13.5, 17.5}) p.drawLine(QPointF(7, y), QPointF(15, y));
    p.setPen(QPen(kGreen, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(11, 16.5);
    tick.lineTo(15.5, 21.5);
    tick.lineTo(25, 8.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

// A faded, colourless copy reads as disabled at a glance.
QImage Disabled(const QImage& icon) {
    QImage out = icon;
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const QColor c = out.pixelColor(x, y);
            const int grey = qGray(c.rgb());
            const QColor flat(grey, grey, grey, c.alpha());
            out.setPixelColor(
                x, y,
                QColor::fromRgbF(flat.redF(), flat.greenF(), flat.blueF(), c.alphaF() * 0.38));
        }
    }
    return out;
}

}  // namespace

void DrawToolIcon(QPainter& p, ToolIcon icon, const QRectF& box) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / kGrid, box.height() / kGrid);
    switch (icon) {
        case ToolIcon::About:
            About(p);
            break;
        case ToolIcon::Back:
            Arrow(p, false);
            break;
        case ToolIcon::Close:
            Close(p);
            break;
        case ToolIcon::Forward:
            Arrow(p, true);
            break;
        case ToolIcon::Home:
            Home(p);
            break;
        case ToolIcon::Mark:
            Mark(p);
            break;
        case ToolIcon::Print:
            Print(p);
            break;
        case ToolIcon::Report:
            Report(p);
            break;
        case ToolIcon::Save:
            Save(p);
            break;
        case ToolIcon::Setup:
            Setup(p);
            break;
        case ToolIcon::Trash:
            Trash(p);
            break;
    }
    p.restore();
}

QImage ToolbarButton(ToolIcon icon, ToolState state) {
    QImage img = Canvas(kToolWidth, kToolHeight, kChrome);
    QPainter p(&img);
    Smooth(p);
    const QRectF tile(1.5, 0.5, kToolWidth - 3, kToolHeight - 1);
    if (state == ToolState::On) {
        p.setPen(QPen(kBlueLight, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(tile, 6, 6);
    } else if (state == ToolState::Pressed) {
        p.setPen(QPen(QColor(118, 162, 220), 1));
        p.setBrush(QColor(214, 229, 248));
        p.drawRoundedRect(tile, 6, 6);
        p.setPen(QPen(QColor(188, 208, 236), 1));
        p.drawLine(QPointF(6, 2), QPointF(kToolWidth - 6, 2));
    }

    QImage glyph = ClearCanvas(kToolWidth, kToolHeight);
    {
        QPainter g(&glyph);
        Smooth(g);
        const qreal shift = state == ToolState::Pressed ? 1 : 0;
        DrawToolIcon(g, icon, QRectF(8 + shift, 4 + shift, 28, 28));
    }
    p.drawImage(0, 0, state == ToolState::Disabled ? Disabled(glyph) : glyph);
    return img;
}

}  // namespace skin
