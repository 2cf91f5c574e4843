#include "platform/print_job.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include "platform/platform_log.h"

namespace {

// What came of handing the pages to a printer.
struct Handover {
    bool ok = false;
    int job = 0;
    PrintTrouble trouble = PrintTrouble::None;
    QString detail;
};

Handover PrintOn(const QPrinterInfo& info, const PrintTarget& target, const QString& documentName,
                 const PaintPages& paint) {
    const QString name = info.printerName();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    const QPageLayout layout = TargetPageLayout(target, info.defaultPageSize());
    if (!printer.setPageLayout(layout)) {
        // A printer that refuses our margins keeps its own, with our page size and orientation.
        printer.setPageSize(layout.pageSize());
        printer.setPageOrientation(layout.orientation());
    }

    const int before = NewestCupsJobId(name);
    if (!paint(printer) || printer.printerState() == QPrinter::Error)
        return {false, 0, PrintTrouble::None, QString()};
    // Qt does not say whether the print system took the job: ask it.
    const QString refusal = CupsLastErrorText();
    const CupsJob job = FindCupsJobAfter(name, before, documentName);
    if (job.id == 0) return {false, 0, PrintTrouble::None, refusal};
    const CupsJobCheck check = CheckCupsJob(name, job.id);
    const bool failed =
        check.trouble == PrintTrouble::JobAborted || check.trouble == PrintTrouble::JobCancelled;
    return {!failed, job.id, check.trouble, check.detail};
}

PrintResult OfferPdf(const PrintTarget& target, const QString& documentName,
                     const PaintPages& paint, const PrintPrompts& prompts,
                     const PrintProblem& problem) {
    PrintResult result;
    result.printer = problem.printer;
    result.detail = problem.detail;
    if (!prompts.offerPdf || !prompts.offerPdf(problem)) return result;
    result.pdfFile = prompts.pdfFileName ? prompts.pdfFileName() : QString();
    if (result.pdfFile.isEmpty()) return result;
    const bool written = WritePdf(result.pdfFile, documentName,
                                  TargetPageLayout(target, LocaleDefaultPageSize()), paint);
    result.outcome = written ? PrintOutcome::SavedAsPdf : PrintOutcome::Failed;
    return result;
}

}  // namespace

bool WritePdf(const QString& fileName, const QString& title, const QPageLayout& layout,
              const PaintPages& paint) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcPlatform) << "cannot write" << fileName << file.errorString();
        return false;
    }
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(title.isEmpty() ? QFileInfo(fileName).completeBaseName() : title);
        writer.setCreator(QStringLiteral("hmquiz"));
        writer.setResolution(300);
        writer.setPageLayout(layout);
        painted = paint(writer);
    }
    // A full disk can leave a short file behind an apparently good commit: flush first.
    if (!painted || !file.flush()) {
        qCWarning(lcPlatform) << "the PDF" << fileName << "could not be written";
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

PrintResult PrintOrSaveAsPdf(const PrintTarget& target, const QString& documentName,
                             const PaintPages& paint, const PrintPrompts& prompts) {
    if (target.kind == PrintTarget::Kind::Pdf) {
        PrintResult result;
        result.pdfFile = prompts.pdfFileName ? prompts.pdfFileName() : QString();
        if (result.pdfFile.isEmpty()) return result;
        const bool written = WritePdf(result.pdfFile, documentName,
                                      TargetPageLayout(target, LocaleDefaultPageSize()), paint);
        result.outcome = written ? PrintOutcome::SavedAsPdf : PrintOutcome::Failed;
        return result;
    }
    const QPrinterInfo info = ResolvePrinter(target);
    if (info.isNull()) {
        qCWarning(lcPlatform) << "no printer to print" << documentName << "on";
        return OfferPdf(target, documentName, paint, prompts,
                        {PrintProblem::Kind::NoPrinter, {}, {}});
    }
    const Handover handover = PrintOn(info, target, documentName, paint);
    if (handover.ok) {
        PrintResult result;
        result.outcome = PrintOutcome::Printed;
        result.printer = info.printerName();
        result.cupsJob = handover.job;
        result.trouble = handover.trouble;
        result.detail = handover.detail;
        return result;
    }
    qCWarning(lcPlatform) << "printing" << documentName << "on" << info.printerName()
                          << "failed:" << handover.detail;
    PrintResult result =
        OfferPdf(target, documentName, paint, prompts,
                 {PrintProblem::Kind::NotPrinted, info.printerName(), handover.detail});
    result.cupsJob = handover.job;
    result.trouble = handover.trouble;
    return result;
}
