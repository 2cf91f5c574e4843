#pragma once
// Drawing the printed results table.

#include <QList>
#include <QRectF>
#include <QString>

#include "reports/print_lines.h"

class QPaintDevice;
class QPagedPaintDevice;

// Where each text of the table goes on which page, in device pixels inside the printable area.
struct PrintPlan {
    // Zones: the print zones at their character columns. Columns: the table's columns side by
    // side as wide as their texts, for pages too narrow for the zones. Stacked: each paper's
    // figures one under another with their headings, for the narrowest pages.
    enum class Form { Zones, Columns, Stacked };
    struct Text {
        int page = 0;
        QRectF rect;
        QString text;
    };
    Form form = Form::Zones;
    double pointSize = 0;
    int pages = 1;
    QList<Text> texts;
};

inline constexpr double kPrintPointSize = 10;
inline constexpr double kSmallestPrintPointSize = 9;

// Lays the lines out for `device`: never below kSmallestPrintPointSize and never past the
// printable area; a line that keeps with the next (a topic's heading) starts a page rather than
// leave its table behind.
PrintPlan PlanPrintLines(const QList<PrintLine>& lines, QPaintDevice& device);

// Draws the plan page by page. False when the device cannot be painted on.
bool DrawPrintLines(QPagedPaintDevice& device, const QList<PrintLine>& lines);
