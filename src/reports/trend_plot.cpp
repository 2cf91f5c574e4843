#include "reports/trend_plot.h"

#include "marking/scoring.h"
#include "records/record_file.h"

#include <algorithm>

namespace {

const QString kTrendKey = QStringLiteral("TRD");

// Entries as the record counts them: every '>' but one in the very last position.
int CountEntries(const QString& line) {
    return line.isEmpty() ? 0
                          : static_cast<int>(line.left(line.size() - 1).count(QLatin1Char('>')));
}

// A longer record than the data model allows keeps only its most recent entries, so the split
// never runs past its capacity.
QString KeepLastEntries(const QString& line, int entries, int keep) {
    int pos = line.indexOf(QLatin1Char('>'));
    for (int skipped = 0; skipped < entries - keep && pos >= 0; ++skipped)
        pos = line.indexOf(QLatin1Char('>'), pos + 1);
    return QStringLiteral("#TRD#") + line.mid(pos);
}

}  // namespace

QList<double> SelectTrendValues(const QString& recordLine) {
    QString line = recordLine;
    int k = CountEntries(line);
    // A '>' in the last position opens no entry: without it the last field reads as its number.
    if (line.endsWith(QLatin1Char('>'))) line.chop(1);
    if (k > kPaperCapacity) {
        line = KeepLastEntries(line, k, kPaperCapacity);
        k = kPaperCapacity;
    }
    const QStringList fields = k > 0 ? SplitRecordFields(line, k, kPaperCapacity) : QStringList();
    const int first = std::max(0, static_cast<int>(fields.size()) - kTrendPointsShown);
    QList<double> values;
    for (int j = first; j < fields.size(); ++j) {
        std::int64_t tenths = 0;
        if (!ParseScoreTenths(fields.at(j).trimmed(), &tenths)) continue;
        values.append(std::clamp(static_cast<double>(tenths) / 10.0, 0.0, 100.0));
    }
    return values;
}

QList<double> ReadTrendValues(const QString& trendFilePath) {
    return SelectTrendValues(FindRecordLine(trendFilePath, kTrendKey));
}

TrendPlot ComputeTrendPlot(const QList<double>& values, double width, double height) {
    TrendPlot plot;
    plot.width = width;
    plot.height = height;
    plot.dx = width / 21;
    plot.dy = height / 100;
    for (int g = 10; g <= 90; g += 10)
        plot.grid.append({QPointF(0, g * plot.dy), QPointF(width, g * plot.dy), kGridColour});

    const int n = std::min(static_cast<int>(values.size()), kTrendPointsShown);
    const int offset = static_cast<int>(values.size()) - n;
    QPointF previous(0, height);  // the first connector starts at the bottom-left corner
    for (int j = 1; j <= n; ++j) {
        const QPointF point(j * plot.dx, (100 - values.at(offset + j - 1)) * plot.dy);
        PlotItem stem;
        stem.line = {point, QPointF(point.x(), height), kStemColour};
        PlotItem dot;
        dot.kind = PlotItem::Kind::Disc;
        dot.disc = {point, kTrendDotRadius, kTrendColour};
        PlotItem connector;
        connector.line = {previous, point, kTrendColour};
        plot.items << stem << dot << connector;
        previous = point;
    }
    return plot;
}
