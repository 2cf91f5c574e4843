#include "platform/question_document_view.h"

#include <QContextMenuEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextDocument>

#include "platform/accessible_document.h"
#include "platform/document_zoom.h"
#include "platform/spoken_text.h"

QuestionDocumentView::QuestionDocumentView(QWidget* parent) : QTextBrowser(parent) {
    InstallDocumentAccessibility();
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    // Pictures and text are for reading only; nothing can be selected and copied.
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool QuestionDocumentView::openDocument(const QString& path) {
    MhtReadResult read = ReadMhtFile(path);
    if (!read.ok) {
        lastError_ = read.error;
        return false;
    }
    lastError_.clear();
    archive_ = std::move(read.document);
    spokenText_ = SpokenQuestionText(archive_.html);
    showArchive();
    verticalScrollBar()->setValue(0);
    return true;
}

void QuestionDocumentView::showArchive() {
    // loadResource answers the pictures from the archive, never from disk.
    setHtml(ZoomedHtml(archive_.html, zoom_));
}

void QuestionDocumentView::setZoom(int percent) {
    percent = BoundedZoom(percent);
    if (percent == zoom_) return;
    QScrollBar* bar = verticalScrollBar();
    const double at = bar->maximum() > 0 ? double(bar->value()) / bar->maximum() : 0.0;
    zoom_ = percent;
    if (archive_.html.isEmpty()) return;
    showArchive();
    bar->setValue(int(at * bar->maximum() + 0.5));
}

QString QuestionDocumentView::spokenName() const {
    const QString title = accessibleName();
    if (spokenText_.isEmpty()) return title;
    const QString text = QString(spokenText_).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return title.isEmpty() ? text : title + QStringLiteral(". ") + text;
}

QVariant QuestionDocumentView::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource) {
        const QByteArray bytes = archive_.resolve(name.toString());
        if (!bytes.isNull()) {
            QImage image;
            if (image.loadFromData(bytes)) {
                // Drawn as large as the zoom makes the picture, so it stays sharp.
                if (zoom_ != 100)
                    image = image.scaled(image.size() * zoom_ / 100, Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation);
                return image;
            }
        }
        return {};
    }
    if (type == QTextDocument::StyleSheetResource) return {};
    return QTextBrowser::loadResource(type, name);
}

void QuestionDocumentView::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->modifiers().testFlag(Qt::ControlModifier), event->key());
    // Copy and select-all are not offered; scrolling keys still work.
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::SelectAll)) {
        event->accept();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

void QuestionDocumentView::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(static_cast<int>(event->button()));
    QTextBrowser::mousePressEvent(event);
    // The press belongs to the document even where nothing in it reacts.
    event->accept();
}

void QuestionDocumentView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

QMimeData* QuestionDocumentView::createMimeDataFromSelection() const {
    return new QMimeData;
}

bool QuestionDocumentView::printTo(QPagedPaintDevice& device, const QString& header,
                                   DocumentPrintPlan* plan) const {
    // A fresh document: the shown one is laid out for the screen and must stay so.
    MhtDocument source = archive_;
    if (source.html.isEmpty()) source.html = toHtml();
    const std::unique_ptr<QTextDocument> printable = PrintableDocument(source);
    return PrintDocumentPages(*printable, device, header, plan);
}
