#pragma once
// RC3Trend, the Trend Analysis sub-view: the drawing area RC3TrendPlot, its scale and its caption.

#include <QWidget>

#include "reports/trend_plot.h"
#include "ui/main/report/report_panel.h"

class QLabel;

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

class TrendPanel : public ReportPanel {
    Q_OBJECT
  public:
    explicit TrendPanel(QWidget* parent);
    void fill(const ReportFigures& figures) override;
    // Draws the given values (oldest first, at most the last 20 are shown).
    void fill(const QList<double>& values);
    TrendPlotWidget* plot() const { return m_plot; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Keeps the plot at its design size where the panel allows, shrinking it where it does not.
    void place();

    QWidget* m_frame = nullptr;
    QWidget* m_scale = nullptr;
    TrendPlotWidget* m_plot = nullptr;
    QLabel* m_caption = nullptr;
};
