#pragma once
// One print from start to finish: to the chosen printer, or to a PDF file (chosen, or offered
// when there is no printer or the print system refuses the job). The caller paints the pages and
// answers the questions; nothing here shows a window.

#include <QPageLayout>
#include <QString>
#include <functional>

#include "platform/cups_queue.h"
#include "platform/print_target.h"

class QPagedPaintDevice;

// Paints every page on the device (begins and ends its own painter); false when it could not.
using PaintPages = std::function<bool(QPagedPaintDevice& device)>;

struct PrintProblem {
    enum class Kind { NoPrinter, NotPrinted };
    Kind kind = Kind::NoPrinter;
    QString printer;  // the printer that did not print
    QString detail;   // what the print system said, if anything
};

struct PrintPrompts {
    std::function<bool(const PrintProblem& problem)> offerPdf;  // Yes/No: save as PDF instead?
    std::function<QString()> pdfFileName;                       // empty when cancelled
};

enum class PrintOutcome { Printed, SavedAsPdf, Declined, Failed };

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Declined;
    QString printer;  // where a print went or failed
    QString pdfFile;  // the file written, or the one that could not be written
    int cupsJob = 0;  // the print system's job, when it took one
    // A printed job can wait on a stopped printer (PrinterStopped); a failed one says why.
    PrintTrouble trouble = PrintTrouble::None;
    QString detail;
};

PrintResult PrintOrSaveAsPdf(const PrintTarget& target, const QString& documentName,
                             const PaintPages& paint, const PrintPrompts& prompts);

// Writes the pages to `fileName` as a PDF, whole or not at all (the old file stays on failure).
bool WritePdf(const QString& fileName, const QString& title, const QPageLayout& layout,
              const PaintPages& paint);
