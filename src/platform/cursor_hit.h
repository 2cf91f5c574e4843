#pragma once
// Whether the mouse pointer is over a control, as the hover polls test it.

#include <QPoint>

class QWidget;

// True when the screen position lies in the widget's screen rectangle: left and top edges
// inside, right and bottom edges outside.
bool CursorOver(const QWidget* widget, QPoint globalPos);
