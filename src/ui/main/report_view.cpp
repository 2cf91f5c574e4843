#include "ui/main/report_view.h"

#include <QLabel>

#include <initializer_list>

#include "platform/units.h"
#include "reports/summary_figures.h"
#include "reports/topical_rows.h"
#include "reports/trend_plot.h"
#include "ui/frame/accessible_choice.h"
#include "ui/frame/skin_picture.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/main/main_keys.h"
#include "ui/main/navigation.h"
#include "ui/main/report/summary_view.h"
#include "ui/main/report/topical_view.h"
#include "ui/main/report/trend_view.h"
#include "ui/main/view_parts.h"

namespace {
const QString kBarPicture = QStringLiteral("bar.bmp");
constexpr double kBarFallbackHeight = 330;  // twips, while the picture cannot be read
const MainAction kBarKeys[3] = {MainAction::OverallResults, MainAction::TopicalResults,
                                MainAction::TrendAnalysis};

void PreparePanel(QWidget* panel, int width) {
    MakeWhiteGround(panel);
    panel->setGeometry(0, 0, width, 0);
}
}  // namespace

ReportView::ReportView(const QString& graphicsFolder, QWidget* parent)
    : MainView(parent), m_folder(graphicsFolder) {
    setObjectName(QStringLiteral("Body_Report"));
    MakeWhiteGround(this);
    SetTextColour(this, Qt::black);
    resize(SizeTw(6015, 5655));

    m_summary = new SummaryPanel(this);
    m_trend = new TrendPanel(this);
    PreparePanel(m_summary, width());
    PreparePanel(m_trend, width());
    const QString captions[3] = {tr("Overall Results"), tr("Topical Results"),
                                 tr("Trend Analysis")};
    for (int i = 0; i < 3; ++i) {
        m_bars[i] = new SkinnedButton(QStringLiteral("RCBar%1").arg(i + 1), m_folder, this);
        m_bars[i]->setLook({kBarPicture, {}, {}, {}});
        MakeChoice(m_bars[i], QAccessible::PageTab);
        m_captions[i] = MakeLabel(m_bars[i], QStringLiteral("lblRCBar%1").arg(i + 1), captions[i],
                                  QRect(), ArialFont(9, true));
        SetTextColour(m_captions[i], kCaptionText);
        m_bars[i]->addCaption(m_captions[i]);
        m_bars[i]->setToolTipEverywhere(WithKey(captions[i], kBarKeys[i]));
        connect(m_bars[i], &SkinnedButton::clicked, this, [this, i] { emit barClicked(i + 1); });
    }
    new ArrowGroup({m_bars, m_bars + 3}, ArrowGroup::Move::FocusAndPress, this);
    sizeBars(Px(kBarFallbackHeight));
    layoutSubViews(1);
}

QWidget* ReportView::panel(int index) {
    switch (index) {
        case 1:
            return m_summary;
        case 2:
            return topicalPanel();
        default:
            return m_trend;
    }
}

// The topical panel, some eighty widgets, is made when it is first filled or opened: a start
// shows the Home view, and a learner may never open this page.
TopicalPanel* ReportView::topicalPanel() {
    if (!m_topical) {
        m_topical = new TopicalPanel(this);
        PreparePanel(m_topical, width());
        m_topical->setVisible(false);
    }
    return m_topical;
}

void ReportView::loadPictures() {
    const QPixmap picture = SkinPicture(m_folder, kBarPicture);
    sizeBars(picture.isNull() ? Px(kBarFallbackHeight) : picture.height());
}

void ReportView::sizeBars(int h) {
    for (int i = 0; i < 3; ++i) {
        m_bars[i]->setGeometry(0, m_bars[i]->y(), width(), h);
        m_captions[i]->setGeometry(8, 0, width() - 8, h);
    }
}

void ReportView::fill(const ReportInputs& inputs) {
    // Tallies, topical rows, summary, row visibility, trend: every figure recomputed each time.
    const auto tallies = ComputeTopicTallies(inputs);
    const auto rows = ComputeTopicalRows(inputs, tallies);
    TopicalPanel* topical = topicalPanel();
    for (int t = 1; t <= kTopicSlots; ++t) topical->fillRow(t, rows[size_t(t - 1)]);
    m_summary->fill(ComputeSummary(inputs, tallies));
    topical->showRows(TopicSlotsUsed(inputs));
    m_trend->fill(SelectTrendValues(inputs.trendScores));
}

void ReportView::layoutSubViews(int reportPos) {
    if (reportPos < 1 || reportPos > 3) reportPos = 1;
    const ReportBarLayout l = LayoutReportBars(reportPos, height(), m_bars[0]->height(),
                                               m_bars[1]->height(), m_bars[2]->height());
    m_bars[0]->move(0, l.bar1Top);
    m_bars[1]->move(0, l.bar2Top);
    m_bars[2]->move(0, l.bar3Top);
    // The panels behind are covered whole; hidden, nothing reaches what nobody can see.
    QWidget* open = panel(reportPos);
    for (QWidget* other : std::initializer_list<QWidget*>{m_summary, m_topical, m_trend})
        if (other && other != open) other->setVisible(false);
    open->setVisible(true);
    open->setGeometry(0, l.panelTop, width(), qMax(0, l.panelHeight));
    open->raise();
    for (SkinnedButton* b : m_bars) {
        b->raise();
        SetChosen(b, b == m_bars[reportPos - 1]);
    }
}

QList<FocusStop> ReportView::focusStops() const {
    return {FocusStop{{m_bars, m_bars + 3}}};
}
