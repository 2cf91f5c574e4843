#include "ui/main/report/summary_view.h"

#include <QLabel>

#include "platform/units.h"
#include "ui/frame/skin_style.h"
#include "ui/main/view_parts.h"

namespace {

struct SummaryRow {
    const char* caption;
    const char* captionText;
    const char* value;
};

// In the order shown from top to bottom.
constexpr SummaryRow kRows[5] = {
    {"SumyL1", QT_TRANSLATE_NOOP("SummaryPanel", "First Attempt Average Score:"), "OScore1"},
    {"SumyL2", QT_TRANSLATE_NOOP("SummaryPanel", "Second Attempt Average Score:"), "OScore2"},
    {"SumyL5", QT_TRANSLATE_NOOP("SummaryPanel", "Number of Papers Completed:"), "PCNum"},
    {"SumyL3", QT_TRANSLATE_NOOP("SummaryPanel", "Weakest Topic:"), "WT"},
    {"SumyL4", QT_TRANSLATE_NOOP("SummaryPanel", "Strongest Topic:"), "ST"},
};

constexpr double kTop = 480, kPitch = 540, kRowHeight = 300;
constexpr double kCaptionLeft = 240, kCaptionWidth = 2760;
constexpr double kValueLeft = 3360, kValueWidth = 2520;

QLabel* RowLabel(QWidget* panel, const char* name, const QString& text, const QRect& geometry,
                 bool bold, const QColor& colour) {
    QLabel* label =
        MakeLabel(panel, QString::fromLatin1(name), text, geometry, ArialFont(10, bold));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SetTextColour(label, colour);
    return label;
}

}  // namespace

SummaryPanel::SummaryPanel(QWidget* parent) : ReportPanel(parent) {
    setObjectName(QStringLiteral("RC1Summary"));
    double top = kTop;
    for (int i = 0; i < 5; ++i) {
        m_captions[i] = RowLabel(this, kRows[i].caption, tr(kRows[i].captionText),
                                 RectTw(kCaptionLeft, top, kCaptionWidth, kRowHeight), false,
                                 kReportCaptionText);
        m_values[i] = RowLabel(this, kRows[i].value, QStringLiteral("-"),
                               RectTw(kValueLeft, top, kValueWidth, kRowHeight), true,
                               kReportValueText);
        top += kPitch;
    }
}

void SummaryPanel::fill(const ReportFigures& figures) {
    fill(ComputeSummary(figures.inputs, figures.tallies));
}

void SummaryPanel::fill(const SummaryTexts& texts) {
    const QString values[5] = {texts.firstAverage, texts.secondAverage, texts.papersCompleted,
                               texts.weakestTopic, texts.strongestTopic};
    for (int i = 0; i < 5; ++i) {
        m_values[i]->setText(values[i]);
        // A screen reader reads each figure with what it is.
        m_values[i]->setAccessibleName(
            QStringLiteral("%1 %2").arg(m_captions[i]->text(), values[i].trimmed()));
    }
}
