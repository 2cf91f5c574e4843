#include "figure_painter.h"

#include <QFont>
#include <QHash>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <climits>

namespace {

constexpr double kLineWidth = 1.6;
constexpr double kThickWidth = 3.0;
constexpr int kLabelPixels = 14;

QPen PenFor(const FigurePrimitive& primitive, const QColor& colour) {
    QPen pen(colour, primitive.thick ? kThickWidth : kLineWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (primitive.dash) pen.setDashPattern({4.0, 3.0});
    return pen;
}

QBrush BrushFor(const FigurePrimitive& primitive) {
    return primitive.fill.isEmpty() ? QBrush(Qt::NoBrush) : QBrush(QColor(primitive.fill));
}

void DrawLabel(QPainter& painter, const FigurePrimitive& primitive, const QColor& colour) {
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(primitive.text);
    double x = primitive.numbers[0];
    if (primitive.align == QLatin1String("c")) x -= width / 2;
    if (primitive.align == QLatin1String("r")) x -= width;
    // y is the vertical centre of the letters.
    const double baseline = primitive.numbers[1] + (metrics.ascent() - metrics.descent()) / 2;
    painter.setPen(colour);
    painter.drawText(QPointF(x, baseline), primitive.text);
}

// GIF holds 256 colours. Antialiased edges of a coloured drawing make more, and a generic
// palette would shift the fills; keep the most used colours exactly and move the rare edge
// shades to their nearest kept colour.
QImage LimitColours(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) ++counts[line[x]];
    }
    if (counts.size() <= 256) return image;
    QList<std::pair<int, QRgb>> byUse;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) byUse.append({it.value(), it.key()});
    std::sort(byUse.begin(), byUse.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QList<QRgb> palette;
    for (qsizetype i = 0; i < 256; ++i) palette.append(byUse[i].second);
    QHash<QRgb, QRgb> nearest;
    for (QRgb kept : palette) nearest.insert(kept, kept);
    QImage out = image;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            auto found = nearest.constFind(line[x]);
            if (found == nearest.cend()) {
                QRgb best = palette.first();
                int bestDistance = INT_MAX;
                for (QRgb candidate : palette) {
                    const int dr = qRed(candidate) - qRed(line[x]);
                    const int dg = qGreen(candidate) - qGreen(line[x]);
                    const int db = qBlue(candidate) - qBlue(line[x]);
                    const int distance = dr * dr + dg * dg + db * db;
                    if (distance < bestDistance) {
                        bestDistance = distance;
                        best = candidate;
                    }
                }
                found = nearest.insert(line[x], best);
            }
            line[x] = found.value();
        }
    }
    return out;
}

}  // namespace

QImage PaintFigure(const SourceFigure& figure) {
    QImage image(figure.width, figure.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kLabelPixels);
    font.setStyleHint(QFont::SansSerif);
    painter.setFont(font);

    QColor colour(Qt::black);
    for (const FigurePrimitive& primitive : figure.primitives) {
        const QList<double>& n = primitive.numbers;
        if (primitive.kind == QLatin1String("colour")) {
            colour = QColor(primitive.colour);
            continue;
        }
        if (primitive.kind == QLatin1String("text")) {
            DrawLabel(painter, primitive, colour);
            continue;
        }
        painter.setPen(PenFor(primitive, colour));
        painter.setBrush(BrushFor(primitive));
        if (primitive.kind == QLatin1String("line")) {
            painter.drawLine(QPointF(n[0], n[1]), QPointF(n[2], n[3]));
        } else if (primitive.kind == QLatin1String("poly")) {
            QPolygonF polygon;
            for (qsizetype i = 0; i + 1 < n.size(); i += 2) polygon << QPointF(n[i], n[i + 1]);
            painter.drawPolygon(polygon);
        } else if (primitive.kind == QLatin1String("rect")) {
            painter.drawRect(QRectF(n[0], n[1], n[2], n[3]));
        } else if (primitive.kind == QLatin1String("circle")) {
            painter.drawEllipse(QPointF(n[0], n[1]), n[2], n[2]);
        } else if (primitive.kind == QLatin1String("arc")) {
            const QRectF box(n[0] - n[2], n[1] - n[2], 2 * n[2], 2 * n[2]);
            painter.drawArc(box, qRound(n[3] * 16), qRound(n[4] * 16));
        }
    }
    painter.end();
    return LimitColours(image);
}
