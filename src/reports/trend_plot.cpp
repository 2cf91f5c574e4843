#include "reports/trend_plot.h"

#include "marking/scoring.h"

#include <algorithm>

QList<double> SelectTrendValues(QStringList entries) {
    if (!entries.isEmpty() && entries.last().isEmpty()) entries.removeLast();
    const qsizetype first = std::max<qsizetype>(0, entries.size() - kTrendPointsShown);
    QList<double> values;
    for (qsizetype j = first; j < entries.size(); ++j) {
        std::int64_t tenths = 0;
        if (!ParseScoreTenths(entries.at(j).trimmed(), &tenths)) continue;
        values.append(std::clamp(static_cast<double>(tenths) / 10.0, 0.0, 100.0));
    }
    return values;
}

TrendPlot ComputeTrendPlot(const QList<double>& values, double width, double height) {
    TrendPlot plot;
    plot.width = width;
    plot.height = height;
    plot.dx = width / 21;
    plot.dy = height / 100;
    for (int g = 10; g <= 90; g += 10)
        plot.grid.append({QPointF(0, g * plot.dy), QPointF(width, g * plot.dy), PlotInk::Grid});

    const int n = std::min(static_cast<int>(values.size()), kTrendPointsShown);
    const int offset = static_cast<int>(values.size()) - n;
    QPointF previous(0, height);  // the first connector starts at the bottom-left corner
    for (int j = 1; j <= n; ++j) {
        const QPointF point(j * plot.dx, (100 - values.at(offset + j - 1)) * plot.dy);
        PlotItem stem;
        stem.line = {point, QPointF(point.x(), height), PlotInk::Stem};
        PlotItem dot;
        dot.kind = PlotItem::Kind::Disc;
        dot.disc = {point, kTrendDotRadius, PlotInk::Trend};
        PlotItem connector;
        connector.line = {previous, point, PlotInk::Trend};
        plot.items << stem << dot << connector;
        previous = point;
    }
    return plot;
}
