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

struct PlotColour {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const PlotColour&, const PlotColour&) = default;
};

inline constexpr PlotColour kGridColour{224, 224, 224};
inline constexpr PlotColour kStemColour{0, 0, 0};
inline constexpr PlotColour kTrendColour{0, 0, 255};

struct PlotLine {
    QPointF from, to;
    PlotColour colour;
};

struct PlotDisc {
    QPointF centre;
    double radius = 0;
    PlotColour colour;
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
