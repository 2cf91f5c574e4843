#pragma once
// The trend plot as geometry: what to draw, in draw order, in the drawing area's own units
// (1/1440 inch, origin top-left, y downwards).

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

inline constexpr double kTrendPlotWidth = 5055;  // design size of the drawing area
inline constexpr double kTrendPlotHeight = 3975;
inline constexpr int kTrendPointsShown = 20;
inline constexpr double kTrendDotRadius = 30;

// What a line or disc of the plot is; the skin style gives each its colour (grid light grey,
// stems black, the trend blue).
enum class PlotInk { Grid, Stem, Trend };

struct PlotLine {
    QPointF from, to;
    PlotInk ink = PlotInk::Grid;
};

struct PlotDisc {
    QPointF centre;
    double radius = 0;
    PlotInk ink = PlotInk::Trend;
};

// One drawing step: a line or a filled disc.
struct PlotItem {
    enum class Kind { Line, Disc } kind = Kind::Line;
    PlotLine line;
    PlotDisc disc;
};

struct TrendPlot {
    double width = 0, height = 0;
    double dx = 0, dy = 0;
    QList<PlotLine> grid;   // the 90% .. 10% levels, top to bottom
    QList<PlotItem> items;  // per point: stem, dot, connector
};

// The scores to plot from the trend record's entries as stored: the most recent 20, oldest
// first. An empty last entry (a '>' at the very end) is none; an entry that is not a decimal
// number is skipped; scores are held to 0..100.
QList<double> SelectTrendValues(QStringList entries);

TrendPlot ComputeTrendPlot(const QList<double>& values, double width = kTrendPlotWidth,
                           double height = kTrendPlotHeight);
