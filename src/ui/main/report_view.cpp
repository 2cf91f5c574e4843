#include "ui/main/report_view.h"

#include <QLabel>

#include "platform/units.h"
#include "reports/topic_tallies.h"
#include "ui/frame/accessible_choice.h"
#include "ui/frame/skin_picture.h"
#include "ui/frame/skin_style.h"
#include "ui/frame/skinned_button.h"
#include "ui/main/family_view.h"
#include "ui/main/main_keys.h"
#include "ui/main/navigation.h"
#include "ui/main/report/report_panel.h"
#include "ui/main/report_pages.h"
#include "ui/main/view_parts.h"

namespace {
const QString kBarPicture = QStringLiteral("bar.bmp");
constexpr double kBarFallbackHeight = 330;  // twips, while the picture cannot be read
constexpr int kExportMargin = 8;            // pixels

QList<QAbstractButton*> Buttons(const QList<SkinnedButton*>& bars) {
    return {bars.begin(), bars.end()};
}
}  // namespace

ReportView::ReportView(const QString& graphicsFolder, QWidget* parent)
    : MainView(parent), m_folder(graphicsFolder) {
    setObjectName(QStringLiteral("Body_Report"));
    MakeWhiteGround(this);
    SetTextColour(this, Qt::black);
    resize(SizeTw(6015, 5655));

    for (int page = 1; page <= ReportPageCount(); ++page) {
        const QString caption = ReportPageCaption(page);
        auto* bar = new SkinnedButton(QStringLiteral("RCBar%1").arg(page), m_folder, this);
        bar->setLook({kBarPicture, {}, {}, {}});
        MakeChoice(bar, QAccessible::PageTab);
        QLabel* label = MakeLabel(bar, QStringLiteral("lblRCBar%1").arg(page), caption, QRect(),
                                  ArialFont(9, true));
        SetTextColour(label, kCaptionText);
        bar->addCaption(label);
        bar->setToolTipEverywhere(WithReportPageKey(caption, page));
        connect(bar, &SkinnedButton::clicked, this, [this, page] { emit barClicked(page); });
        m_bars.append(bar);
        m_captions.append(label);
        m_panels.append(nullptr);
    }
    new ArrowGroup(Buttons(m_bars), ArrowGroup::Move::FocusAndPress, this);
    m_export = MakePlainButton(this, QStringLiteral("butExport"), tr("Export..."),
                               tr("Save these results as a CSV file for a spreadsheet"), m_folder);
    connect(m_export, &SkinnedButton::clicked, this, &ReportView::exportClicked);
    sizeBars(Px(kBarFallbackHeight));
    layoutSubViews(1);
}

QWidget* ReportView::panel(int page) {
    return reportPanel(page);
}

// A page's panel (the topical one some eighty widgets) is made when it is first filled or
// opened: a start shows the Home view, and a learner may never open the Report view.
ReportPanel* ReportView::reportPanel(int page) {
    ReportPanel*& panel = m_panels[page - 1];
    if (!panel) {
        panel = ReportPages()[size_t(page - 1)].make(this);
        MakeWhiteGround(panel);
        panel->setGeometry(0, 0, width(), 0);
        panel->setVisible(false);
    }
    return panel;
}

void ReportView::loadPictures() {
    const QPixmap picture = SkinPicture(m_folder, kBarPicture);
    sizeBars(picture.isNull() ? Px(kBarFallbackHeight) : picture.height());
}

void ReportView::sizeBars(int h) {
    for (qsizetype i = 0; i < m_bars.size(); ++i) {
        m_bars[i]->setGeometry(0, m_bars[i]->y(), width(), h);
        m_captions[i]->setGeometry(8, 0, width() - 8, h);
    }
}

void ReportView::fill(const ReportInputs& inputs) {
    // Every figure recomputed each time, the topic tallies once for all pages.
    const auto tallies = ComputeTopicTallies(inputs);
    const ReportFigures figures{inputs, tallies};
    for (int page = 1; page <= ReportPageCount(); ++page) reportPanel(page)->fill(figures);
}

void ReportView::layoutSubViews(int reportPos) {
    if (reportPos < 1 || reportPos > ReportPageCount()) reportPos = 1;
    QList<int> heights;
    for (SkinnedButton* b : m_bars) heights.append(b->height());
    const ReportBarLayout l = LayoutReportBars(reportPos, height(), heights);
    for (qsizetype i = 0; i < m_bars.size(); ++i) m_bars[i]->move(0, l.barTops.at(i));
    // The panels behind are covered whole; hidden, nothing reaches what nobody can see.
    QWidget* open = panel(reportPos);
    for (ReportPanel* other : m_panels)
        if (other && other != open) other->setVisible(false);
    open->setVisible(true);
    open->setGeometry(0, l.panelTop, width(), qMax(0, l.panelHeight));
    open->raise();
    for (SkinnedButton* b : m_bars) {
        b->raise();
        SetChosen(b, b == m_bars[reportPos - 1]);
    }
    // In the open panel's lower left corner, which every page leaves free.
    m_export->move(kExportMargin,
                   l.panelTop + qMax(0, l.panelHeight) - m_export->height() - kExportMargin);
    m_export->raise();
}

QList<FocusStop> ReportView::focusStops() const {
    return {FocusStop{Buttons(m_bars)}, FocusStop{{m_export}}};
}
