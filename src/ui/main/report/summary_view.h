#pragma once
// RC1Summary, the Overall Results sub-view: five captions and their values.

#include "reports/summary_figures.h"
#include "ui/main/report/report_panel.h"

class QLabel;

class SummaryPanel : public ReportPanel {
    Q_OBJECT
  public:
    explicit SummaryPanel(QWidget* parent);
    void fill(const ReportFigures& figures) override;
    // OScore1, OScore2, PCNum, WT, ST.
    void fill(const SummaryTexts& texts);

  private:
    QLabel* m_captions[5] = {};
    QLabel* m_values[5] = {};
};
