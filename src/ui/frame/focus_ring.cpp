#include "ui/frame/focus_ring.h"

#include <QFocusEvent>
#include <QPainter>

#include "ui/frame/skin_style.h"

FocusRing::FocusRing(QWidget* target, int outset)
    : QWidget(target->parentWidget()), target_(target), outset_(outset) {
    setObjectName(target->objectName() + QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    target_->installEventFilter(this);
}

void FocusRing::follow() {
    setGeometry(target_->geometry().adjusted(-outset_, -outset_, outset_, outset_));
    raise();
}

// A click does not mark; a window or a pop-up giving the focus back keeps the look the control
// had; any other way marks.
bool FocusRing::wanted(Qt::FocusReason reason) const {
    switch (reason) {
        case Qt::MouseFocusReason:
            return false;
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
            return !byMouse_;
        default:
            return true;
    }
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched != target_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::FocusIn: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            const bool show = wanted(reason);
            if (reason == Qt::MouseFocusReason)
                byMouse_ = true;
            else if (show)
                byMouse_ = false;
            if (show) {
                follow();
                QWidget::show();
            }
            break;
        }
        case QEvent::FocusOut:
            hide();
            break;
        case QEvent::Hide:
            hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (isVisible()) follow();
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintFocusMark(p, rect());
}
