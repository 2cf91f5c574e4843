#include "ui/practice/practice_resizer.h"

#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include "platform/picture_cache.h"

PracticeResizer::PracticeResizer(QWidget* window, const QString& graphicsFolder)
    : QObject(window), window_(window) {
    window_->setMouseTracking(true);
    window_->installEventFilter(this);
    sizer_ = new QLabel(window);
    sizer_->setObjectName(QStringLiteral("Sizer"));
    sizer_->setPixmap(LoadPicture(graphicsFolder, QStringLiteral("statusgrabber.bmp")));
    sizer_->resize(sizer_->pixmap().isNull() ? QSize(12, 12) : sizer_->pixmap().size());
    sizer_->installEventFilter(this);
}

bool PracticeResizer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_ && watched != sizer_) return QObject::eventFilter(watched, event);
    // A press on the grip is a press on the window's surface.
    const bool onSizer = watched == sizer_;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            return press(static_cast<QMouseEvent*>(event)) || onSizer;
        case QEvent::MouseMove:
            move(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            release(static_cast<QMouseEvent*>(event));
            return onSizer;
        default:
            return QObject::eventFilter(watched, event);
    }
}

bool PracticeResizer::press(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton ||
        (window_->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)))
        return false;
    const QPoint global = event->globalPosition().toPoint();
    pressBands_ = BandsAt(window_->mapFromGlobal(global), window_->size(), kEdgeBandPx);
    if (pressBands_.left || pressBands_.top || pressBands_.right || pressBands_.bottom)
        QCursor::setPos(SnapToEdges(global, window_->frameGeometry(), pressBands_));
    resizing_ = pressBands_.right && pressBands_.bottom;
    if (resizing_) window_->grabMouse();
    return true;
}

void PracticeResizer::move(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    const bool leftDown = event->buttons() & Qt::LeftButton;
    const Qt::CursorShape now = window_->cursor().shape();
    const Qt::CursorShape shape =
        EdgeCursor(window_->mapFromGlobal(global), window_->size(), kEdgeBandPx, leftDown, now);
    if (shape != now) window_->setCursor(shape);
    if (!resizing_ || !leftDown) return;
    const QSize wanted = CornerDragSize(pressBands_, global - window_->frameGeometry().topLeft(),
                                        window_->size(), kEdgeBandPx);
    if (wanted != window_->size()) window_->resize(wanted);
}

void PracticeResizer::release(QMouseEvent* event) {
    if (!resizing_ || event->button() != Qt::LeftButton) return;
    resizing_ = false;
    window_->releaseMouse();
}
