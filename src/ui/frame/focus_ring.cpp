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

// Tab, Backtab and shortcuts mark; a window coming back keeps the mark it had; focus set by the
// program marks only a read-only control (an editable one shows its caret).
bool FocusRing::wanted(Qt::FocusReason reason) const {
    switch (reason) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            return true;
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
            return markedBeforeLeaving_;
        case Qt::OtherFocusReason:
            return target_->property("readOnly").toBool();
        default:
            return false;
    }
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched != target_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::FocusIn:
            if (wanted(static_cast<QFocusEvent*>(event)->reason())) {
                follow();
                show();
            }
            break;
        case QEvent::FocusOut: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            markedBeforeLeaving_ = isVisible() && (reason == Qt::ActiveWindowFocusReason ||
                                                   reason == Qt::PopupFocusReason);
            hide();
            break;
        }
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
