#include "ui/main/report/print_results.h"

#include "reports/report_inputs.h"
#include "ui/frame/contents_channel.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_window.h"
#include "ui/main/report/report_fill.h"
#include "ui/print/file_names.h"
#include "ui/print/print_feedback.h"
#include "ui/print/printer_form.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

constexpr double kPointSize = 10;
constexpr double kSmallestPointSize = 6;

// The widest line in device pixels with `font` on `device`.
double WidestLine(const QList<PrintLine>& lines, const QFont& font, QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    double widest = 0;
    for (const PrintLine& line : lines)
        for (const PlacedItem& item : PlaceZones(line))
            widest = std::max(widest, item.column * metrics.averageCharWidth() +
                                          metrics.horizontalAdvance(item.text));
    return widest;
}

}  // namespace

bool DrawPrintLines(QPagedPaintDevice& device, const QList<PrintLine>& lines) {
    QPainter painter;
    if (!painter.begin(&device)) return false;

    // Text wider than the page shrinks the font (down to a floor) rather than being cut off;
    // metrics do not scale quite linearly, so a few rounds settle the size.
    double pointSize = kPointSize;
    QFont font = ArialFont(pointSize);
    for (int round = 0; round < 4 && pointSize > kSmallestPointSize; ++round) {
        const double widest = WidestLine(lines, font, &device);
        if (widest <= device.width()) break;
        pointSize = std::max(kSmallestPointSize, pointSize * device.width() / widest * 0.99);
        font = ArialFont(pointSize);
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, &device);
    const double zoneUnit = metrics.averageCharWidth();
    const double lineHeight = metrics.lineSpacing();
    const int linesPerPage = std::max(1, static_cast<int>(device.height() / lineHeight));

    int row = 0;
    for (const PrintLine& line : lines) {
        if (row == linesPerPage) {
            if (!device.newPage()) return false;
            row = 0;
        }
        const double baseline = row * lineHeight + metrics.ascent();
        for (const PlacedItem& item : PlaceZones(line))
            painter.drawText(QPointF(item.column * zoneUnit, baseline), item.text);
        ++row;
    }
    return painter.end();
}

void PrintResults(ContentsChannel& contents, const ReportInputs& inputs) {
    const QList<PrintLine> lines = BuildPrintLines(inputs);
    PrintRequest request;
    request.what = PrintedDocument::Results;
    request.documentName = inputs.title;
    request.suggestedPdfName = ResultsPdfName(inputs.learner, QDate::currentDate());
    request.paint = [&lines](QPagedPaintDevice& device) { return DrawPrintLines(device, lines); };
    PrintWithFeedback(contents, *contents.contentsWindow(), request);
}

void PrinterSetup(ContentsChannel& contents) {
    ChoosePrintTarget(*contents.contentsWindow(), PrinterFormMode::Setup);
}
