#pragma once
// A print as the learner meets it: it goes where the session's choice says (a printer, or a PDF
// file whose name is asked for), a notice says where it went, the program's pop-up says what
// failed and offers a PDF file instead, and a job the print system fails later is reported then.

#include <QString>

#include "platform/print_job.h"

class ContentsChannel;
class SkinnedWindow;

enum class PrintedDocument { Results, Question };

struct PrintRequest {
    PrintedDocument what = PrintedDocument::Results;
    QString documentName;      // the job's title and the PDF's title
    QString suggestedPdfName;  // file name offered in the save dialog, e.g. "results.pdf"
    PaintPages paint;
};

// `over` is the window that prints: the dialogs and the notice appear over it. A failure that
// comes after it closed is shown over the main window.
PrintResult PrintWithFeedback(ContentsChannel& contents, SkinnedWindow& over,
                              const PrintRequest& request);

// The learner's texts, for the tests to compare with.
QString PrintedNotice(PrintedDocument what, const QString& printer);
QString SavedNotice(PrintedDocument what, const QString& pdfFile);
QString OfferPdfMessage(PrintedDocument what, const PrintProblem& problem);
QString PdfNotWrittenMessage(const QString& pdfFile);
// What the learner is told when a job the printer took is in trouble.
QString TroubleMessage(PrintTrouble trouble, const QString& printer, const QString& detail);
