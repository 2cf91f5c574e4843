#include "ui/main/report/summary_view.h"

#include "platform/units.h"
#include "ui/main/report/report_style.h"

#include <QLabel>
#include <QWidget>

namespace {

struct SummaryRow {
    const char* caption;
    const char* captionText;
    const char* value;
};

// In the order shown from top to bottom.
constexpr SummaryRow kRows[] = {
    {"SumyL1", "First Attempt Average Score:", "OScore1"},
    {"SumyL2", "Second Attempt Average Score:", "OScore2"},
    {"SumyL5", "Number of Papers Completed:", "PCNum"},
    {"SumyL3", "Weakest Topic:", "WT"},
    {"SumyL4", "Strongest Topic:", "ST"},
};

constexpr double kTop = 480, kPitch = 540, kRowHeight = 300;
constexpr double kCaptionLeft = 240, kCaptionWidth = 2760;
constexpr double kValueLeft = 3360, kValueWidth = 2520;

QLabel* MakeLabel(QWidget* panel, const char* name, const QString& text, const QRect& geometry,
                  bool bold, const QColor& colour) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(report_style::Font(10, bold));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->show();
    return label;
}

}  // namespace

void BuildSummaryView(QWidget* panel) {
    if (!panel || panel->findChild<QLabel*>(QStringLiteral("OScore1"))) return;
    double top = kTop;
    for (const SummaryRow& row : kRows) {
        MakeLabel(panel, row.caption, QString::fromLatin1(row.captionText),
                  RectTw(kCaptionLeft, top, kCaptionWidth, kRowHeight), false,
                  report_style::kCaptionText);
        MakeLabel(panel, row.value, QStringLiteral("-"),
                  RectTw(kValueLeft, top, kValueWidth, kRowHeight), true, report_style::kValueText);
        top += kPitch;
    }
}

void FillSummaryView(QWidget* panel, const SummaryTexts& texts) {
    if (!panel) return;
    const std::pair<const char*, QString> values[] = {
        {"OScore1", texts.firstAverage},  {"OScore2", texts.secondAverage},
        {"PCNum", texts.papersCompleted}, {"WT", texts.weakestTopic},
        {"ST", texts.strongestTopic},
    };
    for (const auto& [name, text] : values)
        if (auto* label = panel->findChild<QLabel*>(QString::fromLatin1(name)))
            label->setText(text);
}
