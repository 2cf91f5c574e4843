#pragma once
// Body_Report: the three sub-view bars and their panels, which the report fill populates.

#include <QWidget>

class QLabel;
class PictureButton;

class ReportView : public QWidget {
    Q_OBJECT
  public:
    ReportView(const QString& graphicsFolder, QWidget* parent);

    void loadPictures();
    // Stacks the bars for the open sub-view (1 to 3) and brings its panel to the front.
    void layoutSubViews(int reportPos);

    QWidget* panel(int index) const { return m_panels[index - 1]; }
    QWidget* bar(int index) const;

  signals:
    void barClicked(int index);

  private:
    PictureButton* m_bars[3] = {};
    QWidget* m_panels[3] = {};
};
