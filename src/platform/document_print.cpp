#include "platform/document_print.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>
#include <algorithm>

#include "platform/platform_log.h"

namespace {

constexpr double kHeaderPoints = 9;

QFont HeaderFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kHeaderPoints);
    return font;
}

// Device pixels of the header band: its line and a gap of half a line under the rule.
double HeaderHeight(const QPagedPaintDevice& device) {
    const QFontMetricsF metrics(HeaderFont(), &device);
    return metrics.lineSpacing() * 1.8;
}

double FontPixels(const QFont& font) {
    if (font.pixelSize() > 0) return font.pixelSize();
    // Point sizes are laid out at the screen's resolution, as the view shows them.
    return QFontInfo(font).pixelSize();
}

void PaintHeader(QPainter& painter, const QPagedPaintDevice& device, const QString& header,
                 int page, int pages) {
    const QFont font = HeaderFont();
    const QFontMetricsF metrics(font, &device);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double width = device.width();
    const QString pageText =
        pages > 1 ? QTextDocument::tr("Page %1 of %2").arg(page).arg(pages) : QString();
    const double pageWidth = metrics.horizontalAdvance(pageText);
    const QString left = metrics.elidedText(header, Qt::ElideRight,
                                            std::max(0.0, width - pageWidth - metrics.height()));
    painter.drawText(QPointF(0, metrics.ascent()), left);
    if (!pageText.isEmpty())
        painter.drawText(QPointF(width - pageWidth, metrics.ascent()), pageText);
    const double ruleY = metrics.height() + metrics.descent();
    painter.setPen(QPen(Qt::black, std::max(1.0, device.logicalDpiY() / 144.0)));
    painter.drawLine(QPointF(0, ruleY), QPointF(width, ruleY));
}

}  // namespace

std::unique_ptr<QTextDocument> PrintableDocument(const MhtDocument& archive) {
    auto document = std::make_unique<QTextDocument>();
    // The provider is asked during layout, while the archive is still in the caller's hands;
    // the pictures are decoded once each.
    auto pictures = std::make_shared<QHash<QString, QImage>>();
    document->setResourceProvider([archive, pictures](const QUrl& name) -> QVariant {
        const QString reference = name.toString();
        auto found = pictures->constFind(reference);
        if (found == pictures->constEnd()) {
            QImage image;
            const QByteArray bytes = archive.resolve(reference);
            if (!bytes.isNull() && !image.loadFromData(bytes))
                qCWarning(lcPlatform) << "picture" << reference << "cannot be read";
            found = pictures->insert(reference, image);
        }
        return found->isNull() ? QVariant() : QVariant(*found);
    });
    document->setHtml(archive.html);
    return document;
}

double MainTextPixels(const QTextDocument& document) {
    QHash<double, qsizetype> characters;
    const QFont base = document.defaultFont();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString text = fragment.text().trimmed();
            if (text.isEmpty() || text == QString(QChar::ObjectReplacementCharacter)) continue;
            characters[FontPixels(fragment.charFormat().font().resolve(base))] += text.size();
        }
    double main = FontPixels(base);
    qsizetype most = 0;
    for (auto it = characters.cbegin(); it != characters.cend(); ++it)
        if (it.value() > most || (it.value() == most && it.key() > main)) {
            most = it.value();
            main = it.key();
        }
    return main;
}

DocumentPrintPlan PlanDocumentPrint(QTextDocument& document, const QPagedPaintDevice& device) {
    DocumentPrintPlan plan;
    if (device.width() <= 0 || device.height() <= HeaderHeight(device)) return plan;
    plan.bodyPixels = std::max(1.0, MainTextPixels(document));
    plan.pointsPerPixel = kPrintedBodyPoints / plan.bodyPixels;
    const double dpi = device.logicalDpiX();
    const double pageWidthPoints = device.width() * 72.0 / dpi;
    document.setPageSize(QSizeF(pageWidthPoints / plan.pointsPerPixel, 1e6));
    // Something wider than the page at that size (a wide picture or table) shrinks the whole
    // document to fit rather than being cut off at the edge.
    const double needed = document.idealWidth();
    if (needed > document.pageSize().width()) plan.pointsPerPixel = pageWidthPoints / needed;
    plan.bodyPoints = plan.bodyPixels * plan.pointsPerPixel;
    plan.layoutWidth = pageWidthPoints / plan.pointsPerPixel;
    const double bodyHeightPoints = (device.height() - HeaderHeight(device)) * 72.0 / dpi;
    document.setPageSize(QSizeF(plan.layoutWidth, bodyHeightPoints / plan.pointsPerPixel));
    plan.pages = std::max(1, document.pageCount());
    return plan;
}

bool PrintDocumentPages(QTextDocument& document, QPagedPaintDevice& device, const QString& header,
                        DocumentPrintPlan* planOut) {
    const DocumentPrintPlan plan = PlanDocumentPrint(document, device);
    if (planOut) *planOut = plan;
    if (plan.pages == 0) return false;  // no room on the page
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    const double scale = plan.pointsPerPixel * device.logicalDpiX() / 72.0;
    const QSizeF page = document.pageSize();
    const double headerHeight = HeaderHeight(device);
    for (int p = 0; p < plan.pages; ++p) {
        if (p > 0 && !device.newPage()) return false;
        painter.save();
        PaintHeader(painter, device, header, p + 1, plan.pages);
        painter.translate(0, headerHeight);
        painter.scale(scale, scale);
        const QRectF slice(0, p * page.height(), page.width(), page.height());
        painter.translate(0, -slice.top());
        painter.setClipRect(slice);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = slice;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}
