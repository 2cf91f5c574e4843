#include "ui/main/report/print_results.h"

#include "reports/report_inputs.h"
#include "ui/frame/contents_channel.h"
#include "ui/frame/popup.h"
#include "ui/frame/skinned_window.h"
#include "ui/main/report/report_fill.h"

#include <QDir>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {

constexpr double kPointSize = 10;
constexpr double kSmallestPointSize = 6;
const QString kPopupTitle = QStringLiteral("Print results");

QString& ChosenPrinterName() {
    static QString name;
    return name;
}

QFont PrintFont(double pointSize) {
    QFont font(QStringLiteral("Arial"), 10);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

// The widest line in device pixels with `font` on `device`.
double WidestLine(const QList<PrintLine>& lines, const QFont& font, QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    double widest = 0;
    for (const PrintLine& line : lines)
        for (const PlacedItem& item : PlaceZones(line))
            widest = std::max(widest, item.column * metrics.averageCharWidth() +
                                          metrics.horizontalAdvance(item.text));
    return widest;
}

}  // namespace

bool DrawPrintLines(QPagedPaintDevice& device, const QList<PrintLine>& lines) {
    QPainter painter;
    if (!painter.begin(&device)) return false;

    // Text wider than the page shrinks the font (down to a floor) rather than being cut off;
    // metrics do not scale quite linearly, so a few rounds settle the size.
    double pointSize = kPointSize;
    QFont font = PrintFont(pointSize);
    for (int round = 0; round < 4 && pointSize > kSmallestPointSize; ++round) {
        const double widest = WidestLine(lines, font, &device);
        if (widest <= device.width()) break;
        pointSize = std::max(kSmallestPointSize, pointSize * device.width() / widest * 0.99);
        font = PrintFont(pointSize);
    }
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, &device);
    const double zoneUnit = metrics.averageCharWidth();
    const double lineHeight = metrics.lineSpacing();
    const int linesPerPage = std::max(1, static_cast<int>(device.height() / lineHeight));

    int row = 0;
    for (const PrintLine& line : lines) {
        if (row == linesPerPage) {
            if (!device.newPage()) return false;
            row = 0;
        }
        const double baseline = row * lineHeight + metrics.ascent();
        for (const PlacedItem& item : PlaceZones(line))
            painter.drawText(QPointF(item.column * zoneUnit, baseline), item.text);
        ++row;
    }
    return painter.end();
}

QPrinterInfo PrinterToUse() {
    const QString chosen = ChosenPrinterName();
    if (!chosen.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(chosen);
        if (!info.isNull()) return info;
    }
    return QPrinterInfo::defaultPrinter();
}

void ChoosePrinter(const QString& printerName) {
    ChosenPrinterName() = printerName;
}

bool SaveLinesAsPdf(const QList<PrintLine>& lines, const QString& fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(QFileInfo(fileName).completeBaseName());
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        if (!DrawPrintLines(writer, lines)) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

QString NoPrinterMessage() {
    return QStringLiteral(
        "No printer is available, so the results cannot be printed. "
        "Would you like to save them as a PDF file instead?");
}

QString PrintFailedMessage(const QString& printerName) {
    return QStringLiteral(
               "The results could not be printed on %1. "
               "Would you like to save them as a PDF file instead?")
        .arg(printerName);
}

PrintOutcome PrintLinesOrOfferPdf(const QList<PrintLine>& lines, const QString& documentName,
                                  const PrintPrompts& prompts) {
    const QPrinterInfo info = PrinterToUse();
    QString offer = NoPrinterMessage();
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(documentName);
        if (DrawPrintLines(printer, lines) && printer.printerState() != QPrinter::Error)
            return PrintOutcome::Printed;
        offer = PrintFailedMessage(info.printerName());
    }
    if (!prompts.offerPdf || !prompts.offerPdf(offer)) return PrintOutcome::Declined;
    const QString fileName = prompts.pdfFileName ? prompts.pdfFileName() : QString();
    if (fileName.isEmpty()) return PrintOutcome::Declined;
    if (SaveLinesAsPdf(lines, fileName)) return PrintOutcome::SavedAsPdf;
    if (prompts.notice)
        prompts.notice(QStringLiteral("The PDF file %1 could not be written.")
                           .arg(QDir::toNativeSeparators(fileName)));
    return PrintOutcome::Failed;
}

void PrintResults(ContentsChannel& contents, const ReportInputs& inputs) {
    SkinnedWindow* window = contents.contentsWindow();
    PrintPrompts prompts;
    prompts.offerPdf = [&](const QString& message) {
        return PopupQuestion(*window, kPopupTitle, message);
    };
    prompts.pdfFileName = [&] {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
        QString name = QFileDialog::getSaveFileName(window, QStringLiteral("Save results as PDF"),
                                                    folder + QStringLiteral("/results.pdf"),
                                                    QStringLiteral("PDF files (*.pdf)"));
        if (!name.isEmpty() && !name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            name += QStringLiteral(".pdf");
        return name;
    };
    prompts.notice = [&](const QString& message) {
        PopupNotice(*window, kPopupTitle, message);
    };
    PrintLinesOrOfferPdf(BuildPrintLines(inputs), inputs.title, prompts);
}

void PrinterSetup(ContentsChannel& contents) {
    SkinnedWindow* window = contents.contentsWindow();
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        PopupNotice(*window, QStringLiteral("Printer Setup"),
                    QStringLiteral("No printer is installed. Results can still be saved as a PDF "
                                   "file when you print them."));
        return;
    }
    const QPrinterInfo current = PrinterToUse();
    QPrinter printer;
    if (!current.isNull()) printer.setPrinterName(current.printerName());
    QPrintDialog dialog(&printer, window);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    // Only the printer is chosen here; pages and copies do not apply to the results table.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return;
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty())
        ChoosePrinter(printer.printerName());
}
