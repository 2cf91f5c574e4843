#pragma once
// The rounded outlines the skinned windows are clipped to. Coordinates are pixels of the window.

#include <QPolygon>

class QWidget;

// Main and practice windows: rounded top corners, square bottom. 12 points.
QPolygon RoundedTopOutline(int width, int height);

// The pop-up dialog: rounded at all four corners. 18 points.
QPolygon RoundedDialogOutline(int width, int height);

// Clips `window` to `outline` (winding fill) so that nothing outside it is drawn or clicked.
void ApplyOutline(QWidget* window, const QPolygon& outline);
