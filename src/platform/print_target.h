#pragma once
// Where prints go for the rest of the run: a printer (with its page size and orientation) or a
// PDF file. One choice for the whole program, made in the printer form and used by every print.

#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QString>

struct PrintTarget {
    enum class Kind { Printer, Pdf };
    Kind kind = Kind::Printer;
    QString printerName;  // empty: the system's default printer
    QPageSize pageSize;   // invalid: the printer's own default (for a PDF, the locale's)
    QPageLayout::Orientation orientation = QPageLayout::Portrait;

    bool operator==(const PrintTarget&) const = default;
};

// A printer as the printer form lists it.
struct PrinterEntry {
    QString name;
    QString description;  // the print system's description; may be empty
    bool isDefault = false;
    QList<QPageSize> pageSizes;  // never empty: the default size when the printer names none
    QPageSize defaultPageSize;
};

QList<PrinterEntry> AvailablePrinters();

// The page sizes offered for a PDF file, the locale's usual one first.
QList<QPageSize> PdfPageSizes();
QPageSize LocaleDefaultPageSize();

// The choice in force; until one is made, the system's default printer at its defaults.
const PrintTarget& SessionPrintTarget();
void SetSessionPrintTarget(const PrintTarget& target);

// The printer a printer target prints on now: the chosen one while it is still installed, else
// the system's default; null when there is none (or the target is a PDF file).
QPrinterInfo ResolvePrinter(const PrintTarget& target);

// The page layout a print to `target` uses: its page size (or `fallback` when it has none), its
// orientation, and margins that keep the text clear of any printer's unprintable edge.
QPageLayout TargetPageLayout(const PrintTarget& target, const QPageSize& fallback);
