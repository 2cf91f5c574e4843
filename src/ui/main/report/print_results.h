#pragma once
// Drawing the printed results table.

#include "reports/print_lines.h"

class QPagedPaintDevice;

// Draws the lines page by page: each item at its column times the font's average character
// width; the font shrinks (down to a floor) when the widest line would not fit the page. False
// when the device cannot be painted on.
bool DrawPrintLines(QPagedPaintDevice& device, const QList<PrintLine>& lines);
