#include "ui/main/report/topical_view.h"

#include "platform/units.h"
#include "ui/main/report/report_style.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <cmath>

namespace {

constexpr double kNameLeft = 240, kNameWidth = 2760;
constexpr double kFirstLeft = 3120, kSecondLeft = 4560, kTrackWidth = 1215, kTrackHeight = 270;
constexpr double kFirstRowTop = 720, kRowPitch = 360;
constexpr double kMarkOffset = 240;
constexpr double kHeadingTop = 300, kHeadingHeight = 330;
constexpr int kTrackBorder = 1;  // pixels of frame around a track's inner area

const QColor kFirstHeading(255, 128, 255);
const QColor kSecondHeading(192, 0, 192);
const QColor kFirstBar(255, 192, 255);
const QColor kSecondBar(192, 192, 255);
const QColor kTrackBack(250, 246, 250);
const QColor kTrackEdge(200, 170, 200);

QString Name(const char* stem, int t, const char* suffix = "") {
    return QStringLiteral("%1%2%3").arg(QLatin1String(stem)).arg(t).arg(QLatin1String(suffix));
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void MakeHeading(QWidget* panel, const QString& text, double left, const QColor& background) {
    auto* heading = new QLabel(text, panel);
    heading->setObjectName(left == kFirstLeft ? QStringLiteral("TopHead1")
                                              : QStringLiteral("TopHead2"));
    heading->setFont(report_style::Font(7, true));
    heading->setAlignment(Qt::AlignCenter);
    heading->setWordWrap(true);
    heading->setGeometry(RectTw(left, kHeadingTop, kTrackWidth, kHeadingHeight));
    SetBackground(heading, background);
    QPalette palette = heading->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    heading->setPalette(palette);
    heading->show();
}

void MakeTrack(QWidget* panel, int t, const char* column, double left, double top,
               const QColor& barColour) {
    auto* back = new QFrame(panel);
    back->setObjectName(Name("TBack", t, column));
    back->setFrameStyle(QFrame::Box | QFrame::Plain);
    back->setLineWidth(kTrackBorder);
    back->setGeometry(RectTw(left, top, kTrackWidth, kTrackHeight));
    SetBackground(back, kTrackBack);
    QPalette palette = back->palette();
    palette.setColor(QPalette::WindowText, kTrackEdge);
    back->setPalette(palette);

    const QRect inner = back->contentsRect();
    auto* bar = new QWidget(back);
    bar->setObjectName(Name("TBar", t, column));
    bar->setGeometry(inner.x(), inner.y(), 0, inner.height());
    SetBackground(bar, barColour);

    // The percentage is drawn over the bar so it stays readable at any length.
    auto* mark = new QLabel(back);
    mark->setObjectName(Name("TMark", t, column));
    mark->setFont(report_style::Font(7, true));
    mark->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    mark->setGeometry(Px(kMarkOffset), inner.y(), inner.right() + 1 - Px(kMarkOffset),
                      inner.height());
    mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette markPalette = mark->palette();
    markPalette.setColor(QPalette::WindowText, report_style::kCaptionText);
    mark->setPalette(markPalette);
    mark->raise();
}

void FillBar(QWidget* panel, int t, const char* column, const TopicalBar& values) {
    auto* back = panel->findChild<QFrame*>(Name("TBack", t, column));
    auto* bar = panel->findChild<QWidget*>(Name("TBar", t, column));
    auto* mark = panel->findChild<QLabel*>(Name("TMark", t, column));
    if (!back || !bar || !mark) return;
    const QRect inner = back->contentsRect();
    // The exact width is kept for anyone checking it; the widget gets the nearest whole pixel.
    const double exact = inner.width() * std::clamp(values.fraction, 0.0, 1.0);
    bar->setProperty("exactWidth", exact);
    bar->setGeometry(inner.x(), inner.y(), static_cast<int>(std::lround(exact)), inner.height());
    bar->setVisible(true);
    mark->setText(values.percentText);
}

}  // namespace

void BuildTopicalView(QWidget* panel) {
    if (!panel || panel->findChild<QWidget*>(QStringLiteral("TopLab1"))) return;
    MakeHeading(panel, QStringLiteral("First Attempt results"), kFirstLeft, kFirstHeading);
    MakeHeading(panel, QStringLiteral("Second Attempt Score"), kSecondLeft, kSecondHeading);
    for (int t = 1; t <= kTopicSlots; ++t) {
        const double top = kFirstRowTop + (t - 1) * kRowPitch;
        auto* name = new QLineEdit(panel);
        name->setObjectName(Name("TopLab", t));
        name->setReadOnly(true);
        name->setFrame(false);
        name->setFocusPolicy(Qt::NoFocus);
        name->setFont(report_style::Font(8, true));
        name->setGeometry(RectTw(kNameLeft, top, kNameWidth, kTrackHeight));
        name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QPalette palette = name->palette();
        palette.setColor(QPalette::Base, Qt::transparent);
        palette.setColor(QPalette::Text, report_style::kCaptionText);
        name->setPalette(palette);
        MakeTrack(panel, t, "A", kFirstLeft, top, kFirstBar);
        MakeTrack(panel, t, "B", kSecondLeft, top, kSecondBar);
    }
}

void FillTopicalRow(QWidget* panel, int t, const TopicalRow& row) {
    if (!panel) return;
    if (auto* name = panel->findChild<QLineEdit*>(Name("TopLab", t))) {
        name->setText(row.name);
        name->setCursorPosition(0);
        name->setToolTip(row.name);
        name->setVisible(true);
    }
    FillBar(panel, t, "A", row.first);
    FillBar(panel, t, "B", row.second);
}

void SetTopicalRowsVisible(QWidget* panel, int topicCount) {
    if (!panel) return;
    for (int k = kTopicSlots; k >= 1; --k) {
        const bool visible = k <= topicCount;
        for (const QString& name :
             {Name("TopLab", k), Name("TBack", k, "A"), Name("TBack", k, "B")})
            if (auto* widget = panel->findChild<QWidget*>(name)) widget->setVisible(visible);
    }
}
