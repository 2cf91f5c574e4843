#pragma once
// Body_Report: one bar and one panel per report page (report_pages.h). The bars are built at
// once; a page's panel is made when it is first filled or opened, and every panel is filled at
// every opening.

#include <QList>

#include "reports/report_inputs.h"
#include "ui/main/main_view.h"

class QLabel;
class ReportPanel;
class SkinnedButton;

class ReportView : public MainView {
    Q_OBJECT
  public:
    ReportView(const QString& graphicsFolder, QWidget* parent);

    // Reads the view's pictures, once the start-up has written them out, and sizes the bars to
    // their picture.
    void loadPictures();
    // Every figure of every page recomputed from `inputs`.
    void fill(const ReportInputs& inputs);
    // Stacks the bars for the open page (1-based) and shows its panel in front.
    void layoutSubViews(int reportPos);

    QWidget* panel(int page);  // made when first asked for
    SkinnedButton* bar(int page) const { return m_bars.at(page - 1); }
    QList<FocusStop> focusStops() const override;

  signals:
    void barClicked(int page);
    void exportClicked();

  private:
    void sizeBars(int height);
    ReportPanel* reportPanel(int page);

    QString m_folder;
    QList<SkinnedButton*> m_bars;
    QList<QLabel*> m_captions;
    QList<ReportPanel*> m_panels;  // null until made
    SkinnedButton* m_export = nullptr;
};
