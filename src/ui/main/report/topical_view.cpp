#include "ui/main/report/topical_view.h"

#include <QFrame>
#include <QLabel>
#include <cmath>

#include "platform/units.h"
#include "ui/frame/skin_style.h"
#include "ui/main/view_parts.h"

namespace {

constexpr double kNameLeft = 240, kNameWidth = 2760;
constexpr double kFirstLeft = 3120, kSecondLeft = 4560, kTrackWidth = 1215, kTrackHeight = 270;
constexpr double kFirstRowTop = 720, kRowPitch = 360;
constexpr double kMarkOffset = 240;
constexpr double kHeadingTop = 300, kHeadingHeight = 330;
constexpr int kNameIndent = 3;   // pixels between a name and the end of its box
constexpr int kTrackBorder = 1;  // pixels of frame around a track's inner area


QString Name(const char* stem, int t, const char* suffix = "") {
    return QStringLiteral("%1%2%3").arg(QLatin1String(stem)).arg(t).arg(QLatin1String(suffix));
}

}  // namespace

TopicalPanel::TopicalPanel(QWidget* parent) : ReportPanel(parent) {
    setObjectName(QStringLiteral("RC2Topical"));
    makeHeading(QStringLiteral("TopHead1"), tr("First Attempt results"), kFirstLeft, kFirstAttemptHeading,
                kReportCaptionText);
    makeHeading(QStringLiteral("TopHead2"), tr("Second Attempt Score"), kSecondLeft, kSecondAttemptHeading,
                Qt::white);
    for (int t = 1; t <= kTopicSlots; ++t) {
        const double top = kFirstRowTop + (t - 1) * kRowPitch;
        Row& row = m_rows[t - 1];
        row.name = MakeLabel(this, Name("TopLab", t), QString(),
                             RectTw(kNameLeft, top, kNameWidth, kTrackHeight), ArialFont(8, true));
        row.name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.name->setIndent(kNameIndent);
        SetTextColour(row.name, kReportCaptionText);
        row.tracks[0] = makeTrack(t, "A", kFirstLeft, top, kFirstAttemptBar);
        row.tracks[1] = makeTrack(t, "B", kSecondLeft, top, kSecondAttemptBar);
    }
}

void TopicalPanel::makeHeading(const QString& name, const QString& text, double left,
                               const QColor& ground, const QColor& textColour) {
    QLabel* heading =
        MakeLabel(this, name, text, RectTw(left, kHeadingTop, kTrackWidth, kHeadingHeight),
                  ArialFont(7, true));
    heading->setAlignment(Qt::AlignCenter);
    heading->setWordWrap(true);
    PaintGround(heading, ground);
    SetTextColour(heading, textColour);
}

TopicalPanel::Track TopicalPanel::makeTrack(int t, const char* column, double left, double top,
                                            const QColor& barColour) {
    Track track;
    track.back = new QFrame(this);
    track.back->setObjectName(Name("TBack", t, column));
    track.back->setFrameStyle(QFrame::Box | QFrame::Plain);
    track.back->setLineWidth(kTrackBorder);
    track.back->setGeometry(RectTw(left, top, kTrackWidth, kTrackHeight));
    PaintGround(track.back, kTrackGround);
    SetTextColour(track.back, kTrackEdge);

    const QRect inner = track.back->contentsRect();
    track.bar = new QWidget(track.back);
    track.bar->setObjectName(Name("TBar", t, column));
    track.bar->setGeometry(inner.x(), inner.y(), 0, inner.height());
    PaintGround(track.bar, barColour);

    // The percentage is drawn over the bar so it stays readable at any length.
    track.mark = MakeLabel(
        track.back, Name("TMark", t, column), QString(),
        QRect(Px(kMarkOffset), inner.y(), inner.right() + 1 - Px(kMarkOffset), inner.height()),
        ArialFont(7, true));
    track.mark->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    track.mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetTextColour(track.mark, kReportCaptionText);
    track.mark->raise();
    return track;
}

void TopicalPanel::fillTrack(const Track& track, const TopicalBar& values) {
    const QRect inner = track.back->contentsRect();
    // The exact width is kept for anyone checking it; the widget gets the nearest whole pixel.
    const double exact = inner.width() * std::clamp(values.fraction, 0.0, 1.0);
    track.bar->setProperty("exactWidth", exact);
    track.bar->setGeometry(inner.x(), inner.y(), static_cast<int>(std::lround(exact)),
                           inner.height());
    track.bar->setVisible(true);
    track.mark->setText(values.percentText);
}

void TopicalPanel::fillRow(int t, const TopicalRow& row) {
    if (t < 1 || t > kTopicSlots) return;
    const Row& r = m_rows[t - 1];
    // A long name is cut with an ellipsis; the whole name is in its tooltip.
    r.name->setText(
        r.name->fontMetrics().elidedText(row.name, Qt::ElideRight, r.name->width() - kNameIndent));
    r.name->setToolTip(row.name);
    r.name->setAccessibleName(row.name);
    r.name->setVisible(true);
    fillTrack(r.tracks[0], row.first);
    fillTrack(r.tracks[1], row.second);
    const QString none = tr("no attempts");
    r.tracks[0].mark->setAccessibleName(
        tr("%1, first attempt, %2")
            .arg(row.name, row.first.percentText.isEmpty() ? none : row.first.percentText));
    r.tracks[1].mark->setAccessibleName(
        tr("%1, second attempt, %2")
            .arg(row.name, row.second.percentText.isEmpty() ? none : row.second.percentText));
}

void TopicalPanel::fill(const ReportFigures& figures) {
    const auto rows = ComputeTopicalRows(figures.inputs, figures.tallies);
    for (int t = 1; t <= kTopicSlots; ++t) fillRow(t, rows[size_t(t - 1)]);
    showRows(TopicSlotsUsed(figures.inputs));
}

void TopicalPanel::showRows(int numberOfTopics) {
    for (int k = kTopicSlots; k >= 1; --k) {
        const bool visible = k <= numberOfTopics;
        const Row& r = m_rows[k - 1];
        for (QWidget* w : {static_cast<QWidget*>(r.name), static_cast<QWidget*>(r.tracks[0].back),
                           static_cast<QWidget*>(r.tracks[1].back)})
            w->setVisible(visible);
    }
}
