#include "fake_contents.h"
#include "pdf_text.h"
#include "report_test_inputs.h"
#include "ui/main/report/print_results.h"
#include "ui/main/report/report_fill.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// No print server at all: the system has no printer.
struct NoPrintServer : ::testing::Environment {
    QTemporaryDir dir;
    void SetUp() override {
        qputenv("CUPS_SERVER", dir.filePath(QStringLiteral("no-such-cupsd.sock")).toLocal8Bit());
    }
};
const auto* const kNoServer = ::testing::AddGlobalTestEnvironment(new NoPrintServer);

}  // namespace

TEST(NoPrinter, OffersThePdfAndWritesTheSameTable) {
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull());
    ASSERT_TRUE(PrinterToUse().isNull());
    QTemporaryDir dir;
    const ReportInputs inputs = SampleModule(QString());
    const QList<PrintLine> lines = BuildPrintLines(inputs);

    QStringList offers;
    PrintPrompts prompts;
    prompts.offerPdf = [&](const QString& message) {
        offers << message;
        return true;
    };
    const QString pdf = dir.filePath(QStringLiteral("results.pdf"));
    prompts.pdfFileName = [&] { return pdf; };
    EXPECT_EQ(PrintLinesOrOfferPdf(lines, inputs.title, prompts), PrintOutcome::SavedAsPdf);
    EXPECT_EQ(offers, QStringList{NoPrinterMessage()});
    ASSERT_GT(QFileInfo(pdf).size(), 0);
    if (HavePdfToText()) ExpectResultsTable(PdfText(pdf), 10);

    // Declining, or cancelling the file dialog, writes nothing and says so to the caller.
    const QString other = dir.filePath(QStringLiteral("declined.pdf"));
    prompts.offerPdf = [](const QString&) { return false; };
    prompts.pdfFileName = [&] { return other; };
    EXPECT_EQ(PrintLinesOrOfferPdf(lines, inputs.title, prompts), PrintOutcome::Declined);
    prompts.offerPdf = [](const QString&) { return true; };
    prompts.pdfFileName = [] { return QString(); };
    EXPECT_EQ(PrintLinesOrOfferPdf(lines, inputs.title, prompts), PrintOutcome::Declined);
    EXPECT_FALSE(QFileInfo::exists(other));

    // A PDF that cannot be written is reported, never passed off as saved.
    QStringList notices;
    prompts.pdfFileName = [&] {
        return dir.filePath(QStringLiteral("missing/folder/results.pdf"));
    };
    prompts.notice = [&](const QString& message) { notices << message; };
    EXPECT_EQ(PrintLinesOrOfferPdf(lines, inputs.title, prompts), PrintOutcome::Failed);
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices.first().contains(QStringLiteral("could not be written")));
}

TEST(NoPrinter, PrintResultsAsksInTheProgramsOwnDialog) {
    FakeContents contents;
    int dialogs = 0;
    // Answer the question by closing the dialog, which counts as No.
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++dialogs;
            modal->close();
        }
    });
    closer.start();
    PrintResults(contents, SampleModule(QString()));
    closer.stop();
    EXPECT_EQ(dialogs, 1);
}
