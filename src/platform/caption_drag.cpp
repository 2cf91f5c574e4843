#include "platform/caption_drag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

CaptionDrag::CaptionDrag(QWidget* window) : QObject(window), m_window(window) {}

void CaptionDrag::watch(QWidget* handle) {
    handle->installEventFilter(this);
}

void CaptionDrag::MoveForm(QPoint globalPos) {
    if (!m_window) return;
    QWindow* handle = m_window->windowHandle();
    if (m_useSystemMove && handle && handle->startSystemMove()) return;
    m_following = true;
    m_grabOffset = globalPos - m_window->pos();
}

bool CaptionDrag::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            MoveForm(mouse->globalPosition().toPoint());
            return true;
        }
        case QEvent::MouseMove:
            if (m_following && m_window) {
                auto* mouse = static_cast<QMouseEvent*>(event);
                m_window->move(mouse->globalPosition().toPoint() - m_grabOffset);
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            if (m_following) {
                auto* mouse = static_cast<QMouseEvent*>(event);
                // The move ends when the last held button is let go.
                if (mouse->buttons() == Qt::NoButton) m_following = false;
                return true;
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}
