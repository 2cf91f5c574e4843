#pragma once
// Drawing the printed results table and choosing where it goes.

#include "reports/print_lines.h"

#include <QPrinterInfo>
#include <QString>
#include <functional>

class QPagedPaintDevice;

// Draws the lines page by page: each item at its column times the font's average character
// width; the font shrinks (down to a floor) when the widest line would not fit the page. False
// when the device cannot be painted on.
bool DrawPrintLines(QPagedPaintDevice& device, const QList<PrintLine>& lines);

// The printer chosen in the setup dialog while it is still installed, else the system's default;
// a null QPrinterInfo when there is none.
QPrinterInfo PrinterToUse();
void ChoosePrinter(const QString& printerName);

// Writes the table as a PDF file, whole or not at all.
bool SaveLinesAsPdf(const QList<PrintLine>& lines, const QString& fileName);

// What printing asks of the learner; PrintResults wires these to the program's dialogs.
struct PrintPrompts {
    std::function<bool(const QString& message)> offerPdf;  // Yes/No
    std::function<QString()> pdfFileName;                  // empty when cancelled
    std::function<void(const QString& message)> notice;
};

enum class PrintOutcome { Printed, SavedAsPdf, Declined, Failed };

// Prints on PrinterToUse(); with none, or when printing fails, offers a PDF file instead.
PrintOutcome PrintLinesOrOfferPdf(const QList<PrintLine>& lines, const QString& documentName,
                                  const PrintPrompts& prompts);

// The messages of the no-printer path.
QString NoPrinterMessage();
QString PrintFailedMessage(const QString& printerName);
