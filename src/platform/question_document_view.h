#pragma once
// The web-document view of the practice window: shows a question document (a MIME HTML
// archive) with its pictures, scrollable, and reports the key and mouse presses made on it.
// Copying text out of it is not offered.

#include "platform/document_print.h"
#include "platform/mht_document.h"

#include <QTextBrowser>

class QPagedPaintDevice;

class QuestionDocumentView : public QTextBrowser {
    Q_OBJECT
  public:
    explicit QuestionDocumentView(QWidget* parent = nullptr);

    // Shows the archive at `path`. On failure the view keeps what it showed, and the reason is
    // in lastError().
    bool openDocument(const QString& path);
    QString lastError() const { return lastError_; }
    const MhtDocument& archive() const { return archive_; }

    // What a screen reader says of the shown document (SpokenQuestionText), and that text under
    // the view's accessible name ("Question 3. Work out 5 cubed.").
    QString spokenText() const { return spokenText_; }
    QString spokenName() const;

    // The document's size in percent (100 to 300): text and pictures grow together. Kept for
    // every document shown after.
    void setZoom(int percent);
    int zoom() const { return zoom_; }

    // Prints the shown document across the device's pages at a readable size, with `header` on
    // every page; false when the device cannot be painted on.
    bool printTo(QPagedPaintDevice& device, const QString& header,
                 DocumentPrintPlan* plan = nullptr) const;

  signals:
    void keyDown(bool ctrl, int keyCode);
    void mouseDown(int button);

  protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;

  private:
    void showArchive();

    MhtDocument archive_;
    QString lastError_;
    QString spokenText_;
    int zoom_ = 100;
};
