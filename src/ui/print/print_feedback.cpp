#include "ui/print/print_feedback.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

#include "platform/print_job_watch.h"
#include "ui/frame/contents_channel.h"
#include "ui/frame/popup.h"
#include "ui/frame/skinned_window.h"
#include "ui/print/print_notice.h"

namespace {

struct PrintTexts {
    Q_DECLARE_TR_FUNCTIONS(PrintTexts)
};

constexpr int kRetryMs = 500;

// The print system's words inside a sentence of ours: without their own closing full stop.
QString Reason(QString detail) {
    detail = detail.trimmed();
    if (detail.endsWith(QLatin1Char('.'))) detail.chop(1);
    return detail;
}

QString PopupTitle(PrintedDocument what) {
    return what == PrintedDocument::Results ? PrintTexts::tr("Print results")
                                            : PrintTexts::tr("Print question");
}

QString AskPdfFileName(QWidget* parent, const QString& suggested) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    QString name = QFileDialog::getSaveFileName(parent, PrintTexts::tr("Save as PDF"),
                                                QDir(folder).filePath(suggested),
                                                PrintTexts::tr("PDF files (*.pdf)"));
    if (!name.isEmpty() && !name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        name += QStringLiteral(".pdf");
    return name;
}

// Shows the trouble once no other dialog is open, over `over` while it is shown, else over the
// main window.
void ShowLateTrouble(QPointer<SkinnedWindow> over, QPointer<SkinnedWindow> main,
                     const QString& title, const QString& message) {
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(kRetryMs, main.data(),
                           [=] { ShowLateTrouble(over, main, title, message); });
        return;
    }
    SkinnedWindow* window = over && over->isVisible() ? over.data() : main.data();
    if (window) PopupNotice(*window, title, message);
}

void WatchJob(ContentsChannel& contents, SkinnedWindow& over, PrintedDocument what,
              const PrintResult& result) {
    SkinnedWindow* main = contents.contentsWindow();
    if (result.cupsJob <= 0 || !main) return;
    auto* watch = new PrintJobWatch(result.printer, result.cupsJob, main);
    QObject::connect(watch, &PrintJobWatch::done, watch, &QObject::deleteLater);
    QObject::connect(watch, &PrintJobWatch::trouble, main,
                     [over = QPointer<SkinnedWindow>(&over), main = QPointer<SkinnedWindow>(main),
                      what, printer = result.printer](PrintTrouble kind, const QString& detail) {
                         ShowLateTrouble(over, main, PopupTitle(what),
                                         TroubleMessage(kind, printer, detail));
                     });
}

}  // namespace

QString PrintedNotice(PrintedDocument what, const QString& printer) {
    return what == PrintedDocument::Results
               ? PrintTexts::tr("The results were sent to the printer %1.").arg(printer)
               : PrintTexts::tr("The question was sent to the printer %1.").arg(printer);
}

QString SavedNotice(PrintedDocument what, const QString& pdfFile) {
    const QString file = QDir::toNativeSeparators(pdfFile);
    return what == PrintedDocument::Results
               ? PrintTexts::tr("The results were saved as %1.").arg(file)
               : PrintTexts::tr("The question was saved as %1.").arg(file);
}

QString OfferPdfMessage(PrintedDocument what, const PrintProblem& problem) {
    const bool results = what == PrintedDocument::Results;
    if (problem.kind == PrintProblem::Kind::NoPrinter)
        return results ? PrintTexts::tr(
                             "No printer is available, so the results cannot be printed. "
                             "Would you like to save them as a PDF file instead?")
                       : PrintTexts::tr(
                             "No printer is available, so the question cannot be printed. "
                             "Would you like to save it as a PDF file instead?");
    const QString why =
        problem.detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(Reason(problem.detail));
    return (results ? PrintTexts::tr("The results could not be printed on %1%2. Would "
                                     "you like to save them as a PDF file instead?")
                    : PrintTexts::tr("The question could not be printed on %1%2. Would "
                                     "you like to save it as a PDF file instead?"))
        .arg(problem.printer, why);
}

QString PdfNotWrittenMessage(const QString& pdfFile) {
    return PrintTexts::tr("The PDF file %1 could not be written.")
        .arg(QDir::toNativeSeparators(pdfFile));
}

QString TroubleMessage(PrintTrouble trouble, const QString& printer, const QString& detail) {
    const QString why = detail.isEmpty() ? QString() : QStringLiteral(": %1").arg(Reason(detail));
    switch (trouble) {
        case PrintTrouble::PrinterStopped:
            return PrintTexts::tr(
                       "The printer %1 has stopped%2. The print waits in its queue "
                       "until the printer is started again.")
                .arg(printer, why);
        case PrintTrouble::JobCancelled:
            return PrintTexts::tr("The print on %1 was cancelled.").arg(printer);
        case PrintTrouble::JobAborted:
        case PrintTrouble::None:
            break;
    }
    return PrintTexts::tr("The printer %1 did not print%2.").arg(printer, why);
}

PrintResult PrintWithFeedback(ContentsChannel& contents, SkinnedWindow& over,
                              const PrintRequest& request) {
    const QString title = PopupTitle(request.what);
    PrintPrompts prompts;
    prompts.offerPdf = [&](const PrintProblem& problem) {
        return PopupQuestion(over, title, OfferPdfMessage(request.what, problem));
    };
    prompts.pdfFileName = [&] { return AskPdfFileName(&over, request.suggestedPdfName); };
    const PrintResult result =
        PrintOrSaveAsPdf(SessionPrintTarget(), request.documentName, request.paint, prompts);
    switch (result.outcome) {
        case PrintOutcome::Printed:
            if (result.trouble != PrintTrouble::None) {
                PopupNotice(over, title,
                            TroubleMessage(result.trouble, result.printer, result.detail));
                break;
            }
            PrintNotice::showOver(&over, PrintedNotice(request.what, result.printer));
            WatchJob(contents, over, request.what, result);
            break;
        case PrintOutcome::SavedAsPdf:
            PrintNotice::showOver(&over, SavedNotice(request.what, result.pdfFile));
            break;
        case PrintOutcome::Failed:
            PopupNotice(over, title, PdfNotWrittenMessage(result.pdfFile));
            break;
        case PrintOutcome::Declined:
            break;
    }
    return result;
}
