#pragma once
// Prints an HTML document (a question) across the printable width of the pages at a readable
// size: the document is laid out in its own pixels, then every pixel - of text and of pictures
// alike - is drawn at one scale chosen so that its main text comes out at a set size on paper.
// Each page carries a header line; what does not fit goes on to further pages.

#include <QString>
#include <memory>

#include "platform/mht_document.h"

class QPagedPaintDevice;
class QTextDocument;

inline constexpr double kPrintedBodyPoints = 11;  // between 10 and 12 pt on any paper

struct DocumentPrintPlan {
    double bodyPixels = 0;      // size of the document's main text, in its own pixels
    double pointsPerPixel = 0;  // one document pixel on paper, text and pictures alike
    double bodyPoints = 0;      // the main text on paper
    double layoutWidth = 0;     // the document's width on the page, in its own pixels
    int pages = 0;              // 0: the page has no room to print on
};

// A document for printing an archive's page, its pictures taken from the archive.
std::unique_ptr<QTextDocument> PrintableDocument(const MhtDocument& archive);

// The text size (in document pixels) that most of the document's characters are set in.
double MainTextPixels(const QTextDocument& document);

// Sets the scale and paginates `document` for the device's page (changes its page size).
DocumentPrintPlan PlanDocumentPrint(QTextDocument& document, const QPagedPaintDevice& device);

// Paints every page; false when the device cannot be painted on or a page cannot be added.
bool PrintDocumentPages(QTextDocument& document, QPagedPaintDevice& device, const QString& header,
                        DocumentPrintPlan* planOut = nullptr);
