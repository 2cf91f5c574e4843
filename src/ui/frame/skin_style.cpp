#include "ui/frame/skin_style.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

QFont ArialFont(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void PaintFocusMark(QPainter& painter, const QRect& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kFocusMarkColour, 2));
    painter.drawRect(area.adjusted(1, 1, -1, -1));
    if (area.width() > 6 && area.height() > 6) {
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(area.adjusted(2, 2, -3, -3));
    }
    painter.restore();
}

void MakeWhiteGround(QWidget* widget) {
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, Qt::white);
    widget->setPalette(pal);
}

void PaintGround(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Active, QPalette::WindowText, colour);
    pal.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, kCaptionTextDisabled);
    widget->setPalette(pal);
}
