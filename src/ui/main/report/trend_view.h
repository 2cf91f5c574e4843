#pragma once
// The Trend Analysis sub-view: the drawing area RC3TrendPlot, its scale and its caption.

#include "reports/trend_plot.h"

#include <QWidget>

// Paints a trend plot, scaled from its design units to the widget's size, antialiased.
class TrendPlotWidget : public QWidget {
    Q_OBJECT
  public:
    explicit TrendPlotWidget(QWidget* parent = nullptr);
    void setPlot(const TrendPlot& plot);
    const TrendPlot& plot() const { return plot_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TrendPlot plot_;
};

// Creates RC3TrendPlot, the scale captions (100% .. 0%) and "Recent Papers Attempted" inside
// `panel` unless present; they follow the panel's size.
void BuildTrendView(QWidget* panel);

// Draws the given values (oldest first, at most the last 20 are shown).
void FillTrendView(QWidget* panel, const QList<double>& values);
