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
#include <array>
#include <optional>

namespace {

// A table line's items (zones 3 to 8 hold the table's columns after the papers' names).
bool IsTableLine(const PrintLine& line) {
    for (int z = 2; z < kZonesPerLine; ++z)
        if (!line.zones[z].isEmpty()) return true;
    return false;
}

bool IsRule(const QString& text) {
    return !text.isEmpty() && text == QString(text.size(), QLatin1Char('-'));
}

// One line of the page as laid out: its texts at x and width (height from the line's wrapping).
struct Row {
    QList<PrintPlan::Text> texts;  // rect.y() relative to the row's top
    double height = 0;
    bool keepWithNext = false;
    bool heading = false;  // a topic's name, rules or column headings: never alone at a foot
};

// The table lines between a topic's two rules are its column headings.
QList<bool> HeadingLines(const QList<PrintLine>& lines) {
    QList<bool> headings;
    bool between = false;
    for (const PrintLine& line : lines) {
        if (IsRule(line.zones[1]) && !IsTableLine(line)) between = !between;
        headings.append(!IsTableLine(line) || between);
    }
    return headings;
}

class Planner {
  public:
    Planner(QPaintDevice& device, double points)
        : m_font(ArialFont(points)), m_metrics(m_font, &device), m_width(device.width()) {}

    const QFontMetricsF& metrics() const { return m_metrics; }
    double width() const { return m_width; }

    // `text` from x to the right edge, wrapped at spaces; rules cut to the width.
    PrintPlan::Text span(double x, const QString& text) const {
        const double room = std::max(1.0, m_width - x);
        QString shown = text;
        if (IsRule(text)) {
            const int fit = int(room / m_metrics.horizontalAdvance(QLatin1Char('-')));
            shown = QString(std::min<int>(int(text.size()), fit), QLatin1Char('-'));
        }
        const QRectF used = m_metrics.boundingRect(QRectF(0, 0, room, 1e9), kWrapFlags, shown);
        return {0, QRectF(x, 0, room, std::max(used.height(), m_metrics.lineSpacing())), shown};
    }
    PrintPlan::Text at(double x, const QString& text) const {
        return {0, QRectF(x, 0, m_metrics.horizontalAdvance(text), m_metrics.lineSpacing()), text};
    }

    static constexpr int kWrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

  private:
    QFont m_font;
    QFontMetricsF m_metrics;
    double m_width;
};

Row SpanRow(const Planner& p, double x, const PrintLine& line) {
    Row row;
    row.keepWithNext = line.keepWithNext;
    row.height = p.metrics().lineSpacing();
    for (const QString& text : line.zones) {
        if (text.isEmpty()) continue;
        row.texts.append(p.span(x, text));
        row.height = std::max(row.height, row.texts.last().rect.height());
    }
    return row;
}

// The print zones; nothing when a line would not fit.
std::optional<QList<Row>> ZoneRows(const Planner& p, const QList<PrintLine>& lines) {
    const double unit = p.metrics().averageCharWidth();
    const QList<bool> headings = HeadingLines(lines);
    QList<Row> rows;
    for (const PrintLine& line : lines) {
        Row row;
        row.heading = headings[rows.size()];
        row.keepWithNext = line.keepWithNext;
        row.height = p.metrics().lineSpacing();
        for (const PlacedItem& item : PlaceZones(line)) {
            row.texts.append(p.at(item.column * unit, item.text));
            if (row.texts.last().rect.right() > p.width()) return std::nullopt;
        }
        rows.append(row);
    }
    return rows;
}

// The table's columns side by side, each as wide as its widest text; other lines span the page.
std::optional<QList<Row>> ColumnRows(const Planner& p, const QList<PrintLine>& lines) {
    const double gap = 2 * p.metrics().averageCharWidth();
    const double indent = gap;
    std::array<double, kZonesPerLine> widths{};
    for (const PrintLine& line : lines)
        if (IsTableLine(line))
            for (int z = 0; z < kZonesPerLine; ++z)
                widths[z] = std::max(widths[z], p.metrics().horizontalAdvance(line.zones[z]));
    std::array<double, kZonesPerLine> lefts{};
    double x = indent;
    for (int z = 0; z < kZonesPerLine; ++z) {
        lefts[z] = x;
        if (widths[z] > 0) x += widths[z] + gap;
    }
    if (x - gap > p.width()) return std::nullopt;
    const QList<bool> headings = HeadingLines(lines);
    QList<Row> rows;
    for (const PrintLine& line : lines) {
        if (!IsTableLine(line)) {
            rows.append(SpanRow(p, indent, line));
            rows.last().heading = true;
            continue;
        }
        Row row;
        row.heading = headings[rows.size()];
        row.keepWithNext = line.keepWithNext;
        row.height = p.metrics().lineSpacing();
        for (int z = 0; z < kZonesPerLine; ++z)
            if (!line.zones[z].isEmpty()) row.texts.append(p.at(lefts[z], line.zones[z]));
        rows.append(row);
    }
    return rows;
}

// Each paper's figures under each other, each named by its column's heading: for the narrowest
// pages. The heading lines between a topic's two rules only give those names.
QList<Row> StackedRows(const Planner& p, const QList<PrintLine>& lines) {
    const double indent = 2 * p.metrics().averageCharWidth();
    QList<Row> rows;
    std::array<QString, kZonesPerLine> headings;
    bool inHeadings = false;
    for (const PrintLine& line : lines) {
        if (!IsTableLine(line)) {
            if (IsRule(line.zones[1])) {
                inHeadings = !inHeadings;
                if (inHeadings) headings = {};
                // Without the heading lines the rule under them would follow the first at once.
                if (!inHeadings) continue;
            } else {
                inHeadings = false;
            }
            rows.append(SpanRow(p, 0, line));
            rows.last().heading = true;
            continue;
        }
        if (inHeadings) {
            for (int z = 2; z < kZonesPerLine; ++z)
                if (!line.zones[z].isEmpty())
                    headings[z] = (headings[z] + QLatin1Char(' ') + line.zones[z]).trimmed();
            continue;
        }
        PrintLine name;
        name.zones[1] = line.zones[1];
        name.keepWithNext = true;
        rows.append(SpanRow(p, 0, name));
        int last = kZonesPerLine - 1;
        while (last > 2 && line.zones[last].isEmpty() && headings[last].isEmpty()) --last;
        for (int z = 2; z <= last; ++z) {
            if (line.zones[z].isEmpty() && headings[z].isEmpty()) continue;
            PrintLine figure;
            figure.zones[1] = headings[z].isEmpty()
                                  ? line.zones[z]
                                  : QStringLiteral("%1: %2").arg(headings[z], line.zones[z]);
            figure.keepWithNext = z < last || line.keepWithNext;
            rows.append(SpanRow(p, indent, figure));
        }
    }
    return rows;
}

// Pages the rows: a run of rows that keep together starts a new page when it would not end on
// this one and would on a page of its own; a run longer than a page at least keeps its headings
// with the row after them. Empty rows at the top of a page are dropped.
PrintPlan Paginate(const QList<Row>& rows, double pageHeight) {
    PrintPlan plan;
    int page = 0;
    double y = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows[i].texts.isEmpty() && y == 0 && page > 0) continue;
        const bool startsRun = i == 0 || !rows[i - 1].keepWithNext;
        double run = rows[i].height;
        for (qsizetype k = i; k + 1 < rows.size() && rows[k].keepWithNext; ++k)
            run += rows[k + 1].height;
        if (run > pageHeight) {
            run = rows[i].height;
            for (qsizetype k = i; k + 1 < rows.size() && rows[k].heading && rows[k].keepWithNext;
                 ++k)
                run += rows[k + 1].height;
        }
        const bool keep = startsRun && !rows[i].texts.isEmpty() && y > 0 && run <= pageHeight;
        if (y + rows[i].height > pageHeight || (keep && y + run > pageHeight)) {
            ++page;
            y = 0;
            if (rows[i].texts.isEmpty()) continue;
        }
        for (PrintPlan::Text text : rows[i].texts) {
            text.page = page;
            text.rect.moveTop(y + text.rect.top());
            plan.texts.append(text);
        }
        y += rows[i].height;
    }
    plan.pages = page + 1;
    return plan;
}

}  // namespace

PrintPlan PlanPrintLines(const QList<PrintLine>& lines, QPaintDevice& device) {
    // The zones at the usual size, or a little smaller; then columns as wide as their texts;
    // then each paper stacked, at the smallest size the learner can read.
    double points = kPrintPointSize;
    for (int round = 0; round < 4; ++round) {
        const Planner p(device, points);
        if (std::optional<QList<Row>> rows = ZoneRows(p, lines)) {
            PrintPlan plan = Paginate(*rows, device.height());
            plan.form = PrintPlan::Form::Zones;
            plan.pointSize = points;
            return plan;
        }
        double widest = 0;
        for (const PrintLine& line : lines)
            for (const PlacedItem& item : PlaceZones(line))
                widest = std::max(widest, item.column * p.metrics().averageCharWidth() +
                                              p.metrics().horizontalAdvance(item.text));
        const double next = points * device.width() / widest * 0.99;
        if (next < kSmallestPrintPointSize) break;
        points = next;
    }
    for (double size : {kPrintPointSize, kSmallestPrintPointSize}) {
        const Planner p(device, size);
        if (std::optional<QList<Row>> rows = ColumnRows(p, lines)) {
            PrintPlan plan = Paginate(*rows, device.height());
            plan.form = PrintPlan::Form::Columns;
            plan.pointSize = size;
            return plan;
        }
    }
    const Planner p(device, kSmallestPrintPointSize);
    PrintPlan plan = Paginate(StackedRows(p, lines), device.height());
    plan.form = PrintPlan::Form::Stacked;
    plan.pointSize = kSmallestPrintPointSize;
    return plan;
}

bool DrawPrintLines(QPagedPaintDevice& device, const QList<PrintLine>& lines) {
    const PrintPlan plan = PlanPrintLines(lines, device);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setFont(ArialFont(plan.pointSize));
    painter.setPen(Qt::black);
    int page = 0;
    for (const PrintPlan::Text& text : plan.texts) {
        for (; page < text.page; ++page)
            if (!device.newPage()) return false;
        painter.drawText(text.rect, Planner::kWrapFlags, text.text);
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
