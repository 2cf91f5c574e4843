#pragma once
// RC2Topical, the Topical Results sub-view: ten rows of a topic name and two tracks with a bar
// and a percentage each.

#include "reports/topical_rows.h"
#include "ui/main/report/report_panel.h"

class QFrame;
class QLabel;

class TopicalPanel : public ReportPanel {
    Q_OBJECT
  public:
    explicit TopicalPanel(QWidget* parent);

    // Every row from the figures, the rows past the module's topics hidden.
    void fill(const ReportFigures& figures) override;

    // Fills row t (1..10) and shows it; bars take the exact average of the track's inner width.
    void fillRow(int t, const TopicalRow& row);
    // Rows above `numberOfTopics` are hidden, with their tracks, bars and percentages.
    void showRows(int numberOfTopics);

  private:
    struct Track {
        QFrame* back = nullptr;  // TBack<t>A/B
        QWidget* bar = nullptr;  // TBar<t>A/B
        QLabel* mark = nullptr;  // TMark<t>A/B
    };
    struct Row {
        QLabel* name = nullptr;  // TopLab<t>
        Track tracks[2];
    };

    void makeHeading(const QString& name, const QString& text, double left, const QColor& ground,
                     const QColor& textColour);
    Track makeTrack(int t, const char* column, double left, double top, const QColor& barColour);
    static void fillTrack(const Track& track, const TopicalBar& values);

    Row m_rows[kTopicSlots];
};
