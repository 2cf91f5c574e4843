#pragma once
// RC1Summary, the Overall Results sub-view: five captions and their values.

#include <QWidget>

#include "reports/summary_figures.h"

class QLabel;

class SummaryPanel : public QWidget {
    Q_OBJECT
  public:
    explicit SummaryPanel(QWidget* parent);
    // OScore1, OScore2, PCNum, WT, ST.
    void fill(const SummaryTexts& texts);

  private:
    QLabel* m_captions[5] = {};
    QLabel* m_values[5] = {};
};
