#include "platform/window_outline.h"

#include <QRegion>
#include <QWidget>

// The top-right corner is deliberately not the mirror of the top-left one: it has (W-2, 3).
QPolygon RoundedTopOutline(int w, int h) {
    return QPolygon({{0, 5},
                     {1, 3},
                     {2, 2},
                     {3, 1},
                     {5, 0},
                     {w - 5, 0},
                     {w - 3, 1},
                     {w - 2, 2},
                     {w - 2, 3},
                     {w, 5},
                     {w, h},
                     {0, h}});
}

QPolygon RoundedDialogOutline(int w, int h) {
    return QPolygon({{0, 5},
                     {1, 3},
                     {2, 2},
                     {3, 1},
                     {5, 0},
                     {w - 5, 0},
                     {w - 3, 1},
                     {w - 2, 2},
                     {w - 2, 3},
                     {w, 5},
                     {w, h - 7},
                     {w - 2, h - 3},
                     {w - 3, h - 2},
                     {w - 7, h},
                     {7, h},
                     {3, h - 2},
                     {2, h - 3},
                     {0, h - 7}});
}

void ApplyOutline(QWidget* window, const QPolygon& outline) {
    window->setMask(QRegion(outline, Qt::WindingFill));
}
