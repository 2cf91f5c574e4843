// No print server at all: printing offers a PDF file in the program's own dialog, and the PDF is
// written whole or not at all.
#include "../print/modal_hand.h"
#include "fake_contents.h"
#include "pdf_text.h"
#include "report_test_inputs.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "platform/print_job.h"
#include "ui/main/report/print_results.h"
#include "ui/main/report/report_fill.h"
#include "ui/print/print_feedback.h"
#include "ui/print/print_notice.h"

namespace {

struct NoPrintServer : ::testing::Environment {
    QTemporaryDir dir;
    void SetUp() override {
        qputenv("CUPS_SERVER", dir.filePath(QStringLiteral("no-such-cupsd.sock")).toLocal8Bit());
    }
};
const auto* const kNoServer = ::testing::AddGlobalTestEnvironment(new NoPrintServer);

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(NoPrinter, OffersThePdfAndWritesItWholeOrNotAtAll) {
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull());
    ASSERT_TRUE(ResolvePrinter(PrintTarget{}).isNull());
    QTemporaryDir dir;
    const QList<PrintLine> lines = BuildPrintLines(SampleModule(QString()));
    const PaintPages paint = [&](QPagedPaintDevice& d) { return DrawPrintLines(d, lines); };

    QList<PrintProblem::Kind> offers;
    PrintPrompts prompts;
    prompts.offerPdf = [&](const PrintProblem& problem) {
        offers << problem.kind;
        return true;
    };
    const QString pdf = dir.filePath(QStringLiteral("results.pdf"));
    prompts.pdfFileName = [&] { return pdf; };
    PrintResult result = PrintOrSaveAsPdf(PrintTarget{}, QStringLiteral("Results"), paint, prompts);
    EXPECT_EQ(result.outcome, PrintOutcome::SavedAsPdf);
    EXPECT_EQ(result.pdfFile, pdf);
    EXPECT_EQ(offers, QList<PrintProblem::Kind>{PrintProblem::Kind::NoPrinter});
    if (HavePdfToText()) ExpectResultsTable(PdfText(pdf), 10);

    // Declining, or cancelling the file dialog, writes nothing.
    const QString other = dir.filePath(QStringLiteral("declined.pdf"));
    prompts.offerPdf = [](const PrintProblem&) { return false; };
    prompts.pdfFileName = [&] { return other; };
    EXPECT_EQ(PrintOrSaveAsPdf(PrintTarget{}, {}, paint, prompts).outcome, PrintOutcome::Declined);
    prompts.offerPdf = [](const PrintProblem&) { return true; };
    prompts.pdfFileName = [] { return QString(); };
    EXPECT_EQ(PrintOrSaveAsPdf(PrintTarget{}, {}, paint, prompts).outcome, PrintOutcome::Declined);
    EXPECT_FALSE(QFileInfo::exists(other));

    // A PDF target asks for the file straight away; a failed write is reported as failed and
    // leaves the file that was there untouched.
    PrintTarget toPdf;
    toPdf.kind = PrintTarget::Kind::Pdf;
    offers.clear();
    prompts.pdfFileName = [&] { return pdf; };
    const QByteArray before = Bytes(pdf);
    result = PrintOrSaveAsPdf(
        toPdf, {}, [](QPagedPaintDevice&) { return false; }, prompts);
    EXPECT_EQ(result.outcome, PrintOutcome::Failed);
    EXPECT_TRUE(offers.isEmpty());
    EXPECT_EQ(Bytes(pdf), before);
    prompts.pdfFileName = [&] { return dir.filePath(QStringLiteral("missing/folder/r.pdf")); };
    EXPECT_EQ(PrintOrSaveAsPdf(toPdf, {}, paint, prompts).outcome, PrintOutcome::Failed);
}

TEST(NoPrinter, PrintResultsAsksInTheProgramsOwnDialogAndSaysWhereThePdfWent) {
    FakeContents contents;
    {
        ModalHand hand;  // closing the question counts as No
        PrintResults(contents, SampleModule(QString()));
        ASSERT_EQ(hand.seen.size(), 1);
        EXPECT_EQ(hand.seen[0], QStringLiteral("frmPopUp|Print results|") +
                                    OfferPdfMessage(PrintedDocument::Results,
                                                    {PrintProblem::Kind::NoPrinter, {}, {}}));
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("mine"));
    ModalHand hand({ModalHand::answer(true), ModalHand::saveAs(pdf)});
    PrintResults(contents, SampleModule(QString()));
    EXPECT_EQ(hand.seen.size(), 2);
    // The name gets its extension, and the notice names the file.
    ASSERT_TRUE(QFileInfo::exists(pdf + QStringLiteral(".pdf")));
    const auto* notice = contents.contentsWindow()->findChild<PrintNotice*>();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->text(), SavedNotice(PrintedDocument::Results, pdf + QStringLiteral(".pdf")));

    // A notice goes away by itself, and a new one takes the place of the one shown.
    QWidget* window = contents.contentsWindow();
    QPointer<PrintNotice> first = PrintNotice::showOver(window, QStringLiteral("one"), 100);
    QPointer<PrintNotice> second = PrintNotice::showOver(window, QStringLiteral("two"), 100);
    EXPECT_TRUE(!first || first->isHidden());
    EXPECT_FALSE(second->isHidden());
    for (int i = 0; i < 40 && second; ++i) QTest::qWait(50);
    EXPECT_TRUE(second.isNull());
}
