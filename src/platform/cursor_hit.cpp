#include "platform/cursor_hit.h"

#include <QRect>
#include <QWidget>

bool CursorOver(const QWidget* widget, QPoint globalPos) {
    if (!widget) return false;
    const QRect screenRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    // QRect::contains already treats x == left + width as outside.
    return screenRect.contains(globalPos);
}
