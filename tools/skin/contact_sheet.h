#pragma once
// The review sheet: every picture enlarged with its id, name and size, and the pieces put
// together into a main window (active and inactive), a dialog and a practice toolbar, at 1x and
// smoothly scaled 2x as a HiDPI screen shows them.

#include <QImage>

QImage ContactSheet();

// The main window as its pieces make it, 405 x 492 px, already clipped to its outline.
QImage MainWindowMock(bool active);
