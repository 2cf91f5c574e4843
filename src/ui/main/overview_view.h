#pragma once
// Body_Overview: the parent's overview, every learner side by side (one column each) with the
// figures of the Report view and a small trend of the last scores, and the buttons to print it,
// export every learner's results, and go back to the learners.

#include <QList>

#include "reports/learner_overview.h"
#include "ui/main/family_view.h"

class QTableWidget;
class SkinnedButton;

class OverviewView : public FamilyView {
    Q_OBJECT
  public:
    OverviewView(const QString& graphicsFolder, QWidget* parent);

    void fill(const QList<LearnerOverview>& learners);
    QTableWidget* table() const { return m_table; }
    SkinnedButton* button(const QString& objectName) const;

    QList<QWidget*> focusChain() const override;

    // The row captions, top to bottom; the last row is the trend.
    static QStringList rowCaptions();
    // A learner's column as texts, in the order of rowCaptions(); the trend as its scores.
    static QStringList columnTexts(const LearnerOverview& learner);

  signals:
    void printClicked();
    void exportClicked();
    void backClicked();

  private:
    QTableWidget* m_table = nullptr;
    SkinnedButton* m_print = nullptr;
    SkinnedButton* m_export = nullptr;
    SkinnedButton* m_back = nullptr;
};

// Draws a learner's recent scores as a small line in `area` (0% at the bottom, 100% at the top).
class QPainter;
void PaintScoreTrend(QPainter& painter, const QRectF& area, const QList<double>& scores);
