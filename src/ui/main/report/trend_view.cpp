#include "ui/main/report/trend_view.h"

#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <algorithm>

#include "platform/units.h"
#include "ui/frame/skin_style.h"

namespace {

constexpr double kScaleWidth = 495;
// The scale reaches past the plot so the end captions centre on its edges.
constexpr double kScaleOverhang = 60;
constexpr double kMargin = 120;
constexpr double kCaptionHeight = 300;
QColor ToColour(PlotInk ink) {
    switch (ink) {
        case PlotInk::Grid:
            return kTrendGridColour;
        case PlotInk::Stem:
            return kTrendStemColour;
        case PlotInk::Trend:
            break;
    }
    return kTrendLineColour;
}

// The captions 100% .. 0%, each centred on its level of the plot beside it.
class TrendScale : public QWidget {
  public:
    explicit TrendScale(QWidget* parent) : QWidget(parent) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        const double overhang = Px(kScaleOverhang);
        const double span = height() - 2 * overhang;
        const int lineHeight = fontMetrics().height();
        for (int level = 100; level >= 0; level -= 10) {
            const double y = overhang + span * (100 - level) / 100.0;
            const QRectF box(0, y - lineHeight / 2.0, width() - 3, lineHeight);
            painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter,
                             QStringLiteral("%1%").arg(level));
        }
    }
};

}  // namespace

TrendPlotWidget::TrendPlotWidget(QWidget* parent) : QWidget(parent), plot_(ComputeTrendPlot({})) {
    setObjectName(QStringLiteral("RC3TrendPlot"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Trend of recent first attempts"));
}

void TrendPlotWidget::setPlot(const TrendPlot& plot) {
    plot_ = plot;
    update();
}

void TrendPlotWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (plot_.width <= 0 || plot_.height <= 0) return;
    painter.setRenderHint(QPainter::Antialiasing);

    const double sx = width() / plot_.width, sy = height() / plot_.height;
    auto map = [&](const QPointF& p) { return QPointF(p.x() * sx, p.y() * sy); };
    auto drawLine = [&](const PlotLine& line, double penWidth) {
        QPen pen(ToColour(line.ink), penWidth);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(map(line.from), map(line.to));
    };

    for (const PlotLine& line : plot_.grid) drawLine(line, 1.0);
    for (const PlotItem& item : plot_.items) {
        if (item.kind == PlotItem::Kind::Disc) {
            // Round on screen even if the area is stretched unevenly.
            const double r = item.disc.radius * std::min(sx, sy);
            painter.setPen(Qt::NoPen);
            painter.setBrush(ToColour(item.disc.ink));
            painter.drawEllipse(map(item.disc.centre), r, r);
            painter.setBrush(Qt::NoBrush);
        } else {
            drawLine(item.line, item.line.ink == PlotInk::Stem ? 1.0 : 1.5);
        }
    }
}

TrendPanel::TrendPanel(QWidget* parent) : ReportPanel(parent) {
    setObjectName(QStringLiteral("RC3Trend"));
    // A thin edge around the white area, which would otherwise melt into a white panel.
    m_frame = new QWidget(this);
    m_frame->setObjectName(QStringLiteral("RC3TrendFrame"));
    PaintGround(m_frame, kTrendFrameEdge);
    m_scale = new TrendScale(this);
    m_scale->setObjectName(QStringLiteral("RC3TrendScale"));
    m_scale->setFont(ArialFont(7));
    SetTextColour(m_scale, kReportCaptionText);
    m_scale->setAccessibleName(tr("Scale from 0% to 100%"));
    m_plot = new TrendPlotWidget(this);
    m_caption = new QLabel(tr("Recent Papers Attempted"), this);
    m_caption->setObjectName(QStringLiteral("RC3TrendCaption"));
    m_caption->setFont(ArialFont(9, true));
    m_caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetTextColour(m_caption, kReportCaptionText);
    place();
}

void TrendPanel::fill(const ReportFigures& figures) {
    fill(SelectTrendValues(figures.inputs.trendScores));
}

void TrendPanel::fill(const QList<double>& values) {
    m_plot->setPlot(ComputeTrendPlot(values));
    const QList<double> shown = values.mid(std::max<qsizetype>(0, values.size() - 20));
    QStringList scores;
    for (double v : shown) scores << QLocale().toString(v);
    m_plot->setAccessibleDescription(
        scores.isEmpty() ? tr("No papers marked yet")
                         : tr("Oldest first: %1").arg(scores.join(QStringLiteral(", "))));
}

void TrendPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void TrendPanel::place() {
    const int margin = Px(kMargin), scaleWidth = Px(kScaleWidth), overhang = Px(kScaleOverhang);
    const int width = std::clamp(this->width() - 2 * margin - scaleWidth, 60, Px(kTrendPlotWidth));
    const int height =
        std::clamp(this->height() - 2 * margin - Px(kCaptionHeight), 60, Px(kTrendPlotHeight));
    const int left = std::max(margin, (this->width() - scaleWidth - width) / 2 + scaleWidth);
    const int top = margin;
    m_plot->setGeometry(left, top, width, height);
    m_frame->setGeometry(m_plot->geometry().adjusted(-1, -1, 1, 1));
    m_scale->setGeometry(left - scaleWidth, top - overhang, scaleWidth, height + 2 * overhang);
    m_caption->setGeometry(left, top + height + 2, width, Px(kCaptionHeight));
}
