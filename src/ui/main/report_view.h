#pragma once
// Body_Report: the three sub-view bars and their panels, built once (the topical one when first
// needed) and filled at every opening.

#include "reports/report_inputs.h"
#include "ui/main/main_view.h"

class QLabel;
class SkinnedButton;
class SummaryPanel;
class TopicalPanel;
class TrendPanel;

class ReportView : public MainView {
    Q_OBJECT
  public:
    ReportView(const QString& graphicsFolder, QWidget* parent);

    // Sizes the bars to their picture.
    // Reads the view's pictures, once the start-up has written them out.
    void loadPictures();
    // Every figure of the three panels recomputed from `inputs`.
    void fill(const ReportInputs& inputs);
    // Stacks the bars for the open sub-view (1 to 3) and shows its panel in front.
    void layoutSubViews(int reportPos);

    QWidget* panel(int index);  // the topical panel (2) is made when first asked for
    SkinnedButton* bar(int index) const { return m_bars[index - 1]; }
    SummaryPanel* summary() const { return m_summary; }
    TrendPanel* trend() const { return m_trend; }
    QList<FocusStop> focusStops() const override;

  signals:
    void barClicked(int index);

  private:
    void sizeBars(int height);
    TopicalPanel* topicalPanel();

    QString m_folder;
    SkinnedButton* m_bars[3] = {};
    QLabel* m_captions[3] = {};
    SummaryPanel* m_summary = nullptr;
    TopicalPanel* m_topical = nullptr;
    TrendPanel* m_trend = nullptr;
};
