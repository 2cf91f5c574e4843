#include "ui/main/report/print_overview.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "ui/frame/skin_style.h"
#include "ui/main/overview_view.h"

namespace {

constexpr double kPointSize = 10;
constexpr double kTitlePointSize = 14;
constexpr double kLearnerColumnEm = 12;  // a learner's column, in widths of the letter M
constexpr double kTrendHeightEm = 3;

}  // namespace

bool DrawOverview(QPagedPaintDevice& device, const QString& title,
                  const QList<LearnerOverview>& learners) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QFont font = ArialFont(kPointSize);
    const QFont bold = ArialFont(kPointSize, true);
    const QFont titleFont = ArialFont(kTitlePointSize, true);
    const QFontMetricsF metrics(font, &device);
    const QFontMetricsF boldMetrics(bold, &device);
    const double pageWidth = device.width();
    const double pageHeight = device.height();
    const double pad = metrics.averageCharWidth();
    const double line = metrics.lineSpacing();

    const QStringList captions = OverviewView::rowCaptions();
    double captionWidth = 0;
    for (const QString& c : captions)
        captionWidth = std::max(captionWidth, boldMetrics.horizontalAdvance(c));
    captionWidth = std::min(captionWidth + 2 * pad, pageWidth / 3);
    const double columnWidth = std::min(
        metrics.horizontalAdvance(QLatin1Char('M')) * kLearnerColumnEm, pageWidth - captionWidth);
    const int perPage = std::max(1, int((pageWidth - captionWidth) / columnWidth));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

    for (qsizetype first = 0; first < std::max<qsizetype>(1, learners.size()); first += perPage) {
        if (first > 0 && !device.newPage()) return false;
        double y = 0;
        painter.setFont(titleFont);
        painter.setPen(Qt::black);
        const QRectF titleRect(0, y, pageWidth, pageHeight);
        const QRectF titleUsed = painter.boundingRect(titleRect, flags, title);
        painter.drawText(titleRect, flags, title);
        y += titleUsed.height() + line;

        const qsizetype last = std::min<qsizetype>(learners.size(), first + perPage);
        // The names, then one row per figure; a row is as high as its tallest cell.
        QList<QStringList> rows;
        QStringList names{QString()};
        for (qsizetype i = first; i < last; ++i) names << learners[i].name;
        rows << names;
        for (int r = 0; r < captions.size(); ++r) {
            QStringList row{captions[r]};
            for (qsizetype i = first; i < last; ++i)
                row << (r == captions.size() - 1 ? QString()
                                                 : OverviewView::columnTexts(learners[i])[r]);
            rows << row;
        }
        for (int r = 0; r < rows.size(); ++r) {
            const bool trend = r == rows.size() - 1;
            double height = trend ? line * kTrendHeightEm : line;
            for (int c = 0; c < rows[r].size(); ++c) {
                const double w = (c == 0 ? captionWidth : columnWidth) - 2 * pad;
                painter.setFont(r == 0 || c == 0 ? bold : font);
                height = std::max(
                    height,
                    painter.boundingRect(QRectF(0, 0, w, pageHeight), flags, rows[r][c]).height());
            }
            if (y + height > pageHeight) {
                if (!device.newPage()) return false;
                y = 0;
            }
            double x = 0;
            for (int c = 0; c < rows[r].size(); ++c) {
                const double w = c == 0 ? captionWidth : columnWidth;
                const QRectF cell(x + pad, y, w - 2 * pad, height);
                painter.setFont(r == 0 || c == 0 ? bold : font);
                painter.setPen(Qt::black);
                if (trend && c > 0)
                    PaintScoreTrend(painter, cell.adjusted(0, line / 4, 0, -line / 4),
                                    learners[first + c - 1].recentScores);
                else
                    painter.drawText(cell, flags, rows[r][c]);
                x += w;
            }
            y += height + line / 3;
            painter.setPen(QPen(kTrendFrameEdge, 0));
            painter.drawLine(
                QPointF(0, y - line / 6),
                QPointF(captionWidth + columnWidth * double(last - first), y - line / 6));
        }
    }
    return painter.end();
}
