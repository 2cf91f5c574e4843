#include "ui/main/report/trend_view.h"

#include "platform/units.h"
#include "ui/main/report/report_style.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <algorithm>

namespace {

constexpr double kScaleWidth = 495;
constexpr double kScaleOverhang =
    60;  // the scale reaches past the plot so end captions centre on its edges
constexpr double kMargin = 120;
constexpr double kCaptionHeight = 300;

QColor ToColour(const PlotColour& c) {
    return QColor(c.red, c.green, c.blue);
}

// The captions 100% .. 0%, each centred on its level of the plot beside it.
class TrendScale : public QWidget {
  public:
    explicit TrendScale(QWidget* parent) : QWidget(parent) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(report_style::kCaptionText);
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

// Keeps the plot at its design size where the panel allows, shrinking it where it does not.
class TrendLayout : public QObject {
  public:
    TrendLayout(QWidget* panel, QWidget* frame, QWidget* scale, QWidget* plot, QWidget* caption)
        : QObject(panel),
          panel_(panel),
          frame_(frame),
          scale_(scale),
          plot_(plot),
          caption_(caption) {
        panel->installEventFilter(this);
        place();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == panel_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
            place();
        return false;
    }

    void place() {
        const int margin = Px(kMargin), scaleWidth = Px(kScaleWidth), overhang = Px(kScaleOverhang);
        const int captionHeight = Px(kCaptionHeight);
        const int width =
            std::clamp(panel_->width() - 2 * margin - scaleWidth, 60, Px(kTrendPlotWidth));
        const int height =
            std::clamp(panel_->height() - 2 * margin - captionHeight, 60, Px(kTrendPlotHeight));
        const int left = std::max(margin, (panel_->width() - scaleWidth - width) / 2 + scaleWidth);
        const int top = margin;
        plot_->setGeometry(left, top, width, height);
        frame_->setGeometry(plot_->geometry().adjusted(-1, -1, 1, 1));
        scale_->setGeometry(left - scaleWidth, top - overhang, scaleWidth, height + 2 * overhang);
        caption_->setGeometry(left, top + height + 2, width, captionHeight);
    }

  private:
    QWidget* panel_;
    QPointer<QWidget> frame_, scale_, plot_, caption_;
};

}  // namespace

TrendPlotWidget::TrendPlotWidget(QWidget* parent) : QWidget(parent), plot_(ComputeTrendPlot({})) {
    setObjectName(QStringLiteral("RC3TrendPlot"));
    setAttribute(Qt::WA_OpaquePaintEvent);
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
        QPen pen(ToColour(line.colour), penWidth);
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
            painter.setBrush(ToColour(item.disc.colour));
            painter.drawEllipse(map(item.disc.centre), r, r);
            painter.setBrush(Qt::NoBrush);
        } else {
            drawLine(item.line, item.line.colour == kStemColour ? 1.0 : 1.5);
        }
    }
}

void BuildTrendView(QWidget* panel) {
    if (!panel || panel->findChild<TrendPlotWidget*>(QStringLiteral("RC3TrendPlot"))) return;
    // A thin edge around the white area, which would otherwise melt into a white panel.
    auto* frame = new QWidget(panel);
    frame->setObjectName(QStringLiteral("RC3TrendFrame"));
    frame->setAutoFillBackground(true);
    QPalette framePalette = frame->palette();
    framePalette.setColor(QPalette::Window, QColor(176, 176, 176));
    frame->setPalette(framePalette);
    auto* scale = new TrendScale(panel);
    scale->setObjectName(QStringLiteral("RC3TrendScale"));
    scale->setFont(report_style::Font(7));
    auto* plot = new TrendPlotWidget(panel);
    auto* caption = new QLabel(QStringLiteral("Recent Papers Attempted"), panel);
    caption->setObjectName(QStringLiteral("RC3TrendCaption"));
    caption->setFont(report_style::Font(9, true));
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, report_style::kCaptionText);
    caption->setPalette(palette);
    new TrendLayout(panel, frame, scale, plot, caption);
    frame->show();
    scale->show();
    plot->show();
    caption->show();
}

void FillTrendView(QWidget* panel, const QList<double>& values) {
    if (!panel) return;
    if (auto* plot = panel->findChild<TrendPlotWidget*>(QStringLiteral("RC3TrendPlot")))
        plot->setPlot(ComputeTrendPlot(values));
}
