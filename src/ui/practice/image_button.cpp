#include "ui/practice/image_button.h"

#include <QMouseEvent>

ImageButton::ImageButton(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::addCaption(QLabel* caption) {
    caption->installEventFilter(this);
    caption->setCursor(Qt::PointingHandCursor);
}

bool ImageButton::handlePress(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return false;
    down_ = true;
    emit pressed();
    return true;
}

bool ImageButton::handleRelease(QMouseEvent* e, QWidget* from) {
    if (e->button() != Qt::LeftButton || !down_) return false;
    down_ = false;
    emit released();
    // A disabled button (or one the press disabled) does nothing.
    if (isEnabled() && from->rect().contains(e->position().toPoint())) emit clicked();
    return true;
}

void ImageButton::mousePressEvent(QMouseEvent* e) {
    if (!handlePress(e)) QLabel::mousePressEvent(e);
}

void ImageButton::mouseReleaseEvent(QMouseEvent* e) {
    if (!handleRelease(e, this)) QLabel::mouseReleaseEvent(e);
}

bool ImageButton::eventFilter(QObject* watched, QEvent* e) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || !isEnabled()) return QLabel::eventFilter(watched, e);
    if (e->type() == QEvent::MouseButtonPress) return handlePress(static_cast<QMouseEvent*>(e));
    if (e->type() == QEvent::MouseButtonRelease)
        return handleRelease(static_cast<QMouseEvent*>(e), w);
    return QLabel::eventFilter(watched, e);
}
