// Prints through a private CUPS scheduler started here, with queues whose device is a file, and
// reads the printed jobs back: the results table, a question on A4 and Letter, the printer form's
// choice, and the failures the print system reports.
#include "../print/modal_hand.h"
#include "../print/pdf_words.h"
#include "../print/private_cups.h"
#include "fake_contents.h"
#include "pdf_text.h"
#include "report_test_inputs.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QListWidget>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "content/extract_resource.h"
#include "content/resource_ids.h"
#include "platform/print_job_watch.h"
#include "platform/print_target.h"
#include "platform/question_document_view.h"
#include "ui/main/report/report_fill.h"
#include "ui/print/print_feedback.h"
#include "ui/print/print_notice.h"
#include "ui/print/printer_form.h"

namespace {

// Picks `queue` (by its listed text) and `pageSize` in the printer form, then presses OK.
ModalHand::Action ChooseInForm(const QString& queue, const QString& pageSize,
                               QStringList* listed = nullptr) {
    return [=](QWidget* w) {
        auto* form = qobject_cast<FrmPrinter*>(w);
        if (!form) return w->close(), void();
        QListWidget* list = form->printerList();
        for (int i = 0; i < list->count(); ++i) {
            if (listed) listed->append(list->item(i)->text());
            if (list->item(i)->text().startsWith(queue)) list->setCurrentRow(i);
        }
        // The print system may name a size at length ("US Letter").
        const int size = form->pageSizeBox()->findText(pageSize, Qt::MatchEndsWith);
        if (size >= 0) form->pageSizeBox()->setCurrentIndex(size);
        QTest::keyClick(list, Qt::Key_Return);
    };
}

// The notice a print left on the window, empty when there is none.
QString NoticeOn(QWidget* window) {
    for (const PrintNotice* notice : window->findChildren<PrintNotice*>())
        if (!notice->isHidden()) return notice->text();
    return QString();
}

int QuestionWithPicture() {
    for (int id = kFirstQuestionId; id <= kLastQuestionId; ++id) {
        if (!ResourceExists(id)) continue;
        const MhtReadResult read = ReadMhtBytes(ResourceBytes(id));
        if (read.ok && !ImageReferences(read.document.html).isEmpty()) return id;
    }
    return 0;
}

bool WaitUntil(const std::function<bool()>& condition, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!condition() && !deadline.hasExpired()) QTest::qWait(50);
    return condition();
}

}  // namespace

// One scheduler per test program: the CUPS client library keeps the first server it talks to.
class Printing : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!QFileInfo(kCupsd).isExecutable()) return;
        cups_ = new PrivateCups;
        if (cups_->start()) qputenv("CUPS_SERVER", cups_->socket().toLocal8Bit());
    }
    static void TearDownTestSuite() {
        delete cups_;
        cups_ = nullptr;
    }
    void SetUp() override {
        if (!cups_) GTEST_SKIP() << "cupsd is not installed";
        ASSERT_TRUE(cups_->error.isEmpty()) << qPrintable(cups_->error);
        ASSERT_TRUE(HavePopplerTools());
        SetSessionPrintTarget({});
    }
    void TearDown() override {
        SetSessionPrintTarget({});
        if (cups_) cups_->cancelAllJobs();
    }

    static PrivateCups* cups_;
};
PrivateCups* Printing::cups_ = nullptr;

TEST_F(Printing, PrintResultsPutsTheTableOnTheDefaultPrinterAndSaysWhere) {
    PrivateCups& cups = *cups_;
    ASSERT_EQ(QPrinterInfo::defaultPrinter().printerName(), kQueue);
    QFile::remove(cups.outputPath());

    FakeContents contents;
    ModalHand hand;
    PrintResults(contents, SampleModule(QString()));
    EXPECT_EQ(hand.seen, QStringList());  // no dialog on the way
    EXPECT_EQ(NoticeOn(contents.contentsWindow()), PrintedNotice(PrintedDocument::Results, kQueue));
    ASSERT_TRUE(cups.waitForJob()) << qPrintable(cups.log());
    ExpectResultsTable(PdfText(cups.outputPath()), 10);

    const QString shots = qEnvironmentVariable("HM_REPORT_SHOTS");
    if (!shots.isEmpty() && QDir().mkpath(shots))
        QFile::copy(cups.outputPath(), QDir(shots).filePath(QStringLiteral("printed_job.pdf")));
}

TEST_F(Printing, TheSetupFormChoosesWhereTheNextPrintsGoWithoutPrinting) {
    PrivateCups& cups = *cups_;
    const QString other = QStringLiteral("hmother");
    cups.addQueue(other);
    ASSERT_FALSE(QPrinterInfo::printerInfo(other).isNull());
    QFile::remove(cups.outputPath());
    FakeContents contents;

    // The form lists both queues, the default marked; choosing prints nothing.
    QStringList listed;
    {
        ModalHand hand({ChooseInForm(other, QStringLiteral("Letter"), &listed)});
        PrinterSetup(contents);
        EXPECT_EQ(hand.seen.size(), 1);
    }
    EXPECT_TRUE(listed.contains(kQueue + QStringLiteral(" (default)")))
        << qPrintable(listed.join(';'));
    EXPECT_TRUE(listed.contains(other)) << qPrintable(listed.join(';'));
    EXPECT_EQ(listed.last(), QStringLiteral("Save as PDF"));
    EXPECT_EQ(SessionPrintTarget().printerName, other);
    EXPECT_EQ(SessionPrintTarget().pageSize.id(), QPageSize::Letter);
    QTest::qWait(300);
    EXPECT_FALSE(QFileInfo::exists(cups.outputPath(other)));

    // The next print goes to the chosen queue, on Letter paper, and nothing to the default.
    PrintResults(contents, SampleModule(QString()));
    EXPECT_EQ(NoticeOn(contents.contentsWindow()), PrintedNotice(PrintedDocument::Results, other));
    ASSERT_TRUE(cups.waitForJob(other)) << qPrintable(cups.log());
    ExpectResultsTable(PdfText(cups.outputPath(other)), 10);
    const PdfWords letter = ReadPdfWords(cups.outputPath(other));
    ASSERT_FALSE(letter.pages.isEmpty());
    EXPECT_NEAR(letter.pages[0].width(), 612, 1);
    EXPECT_NEAR(letter.pages[0].height(), 792, 1);
    EXPECT_FALSE(QFileInfo::exists(cups.outputPath()));

    // Cancelling keeps the choice; a chosen printer that disappears gives way to the default.
    {
        ModalHand hand;
        PrinterSetup(contents);
        EXPECT_EQ(hand.seen.size(), 1);
    }
    EXPECT_EQ(SessionPrintTarget().printerName, other);
    PrintTarget gone = SessionPrintTarget();
    gone.printerName = QStringLiteral("no-such-queue");
    EXPECT_EQ(ResolvePrinter(gone).printerName(), kQueue);

    // With printers about, "Save as PDF" still writes the results to a file.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("results.pdf"));
    {
        ModalHand hand({ChooseInForm(QStringLiteral("Save as PDF"), QStringLiteral("A4")),
                        ModalHand::saveAs(pdf)});
        PrinterSetup(contents);
        EXPECT_EQ(SessionPrintTarget().kind, PrintTarget::Kind::Pdf);
        PrintResults(contents, SampleModule(QString()));
        EXPECT_EQ(hand.seen.size(), 2);
    }
    ExpectResultsTable(PdfText(pdf), 10);
    EXPECT_EQ(NoticeOn(contents.contentsWindow()), SavedNotice(PrintedDocument::Results, pdf));
}

TEST_F(Printing, AQuestionPrintsReadablyAndWholeOnA4AndLetter) {
    PrivateCups& cups = *cups_;
    const int id = QuestionWithPicture();
    ASSERT_NE(id, 0);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("temppaper%1.mht").arg(id));
    ASSERT_EQ(ExtractResource(id, QStringLiteral("Custom"), file), ExtractResult::Ok);
    QuestionDocumentView view;
    ASSERT_TRUE(view.openDocument(file));
    const auto printable = PrintableDocument(view.archive());
    const QFont mainFont = MainFontOf(*printable);
    const double smallest = WordHeightAt(mainFont, 10, dir.path());
    const double largest = WordHeightAt(mainFont, 12, dir.path());
    const QStringList questionWords = Words(printable->toPlainText());
    FakeContents contents;

    for (const auto& [size, points] : {std::pair{QPageSize::A4, QSizeF(595, 842)},
                                       std::pair{QPageSize::Letter, QSizeF(612, 792)}}) {
        SCOPED_TRACE(QPageSize(size).key().toStdString());
        QFile::remove(cups.outputPath());
        PrintTarget target;
        target.pageSize = QPageSize(size);
        SetSessionPrintTarget(target);
        const QString header = QStringLiteral("Geometry - Paper 3 - Question 7 of 30");
        PrintRequest request;
        request.what = PrintedDocument::Question;
        request.documentName = header;
        request.paint = [&](QPagedPaintDevice& device) { return view.printTo(device, header); };
        const PrintResult result = PrintWithFeedback(contents, *contents.contentsWindow(), request);
        EXPECT_EQ(result.outcome, PrintOutcome::Printed);
        EXPECT_GT(result.cupsJob, 0);
        EXPECT_EQ(NoticeOn(contents.contentsWindow()),
                  PrintedNotice(PrintedDocument::Question, kQueue));
        ASSERT_TRUE(cups.waitForJob()) << qPrintable(cups.log());

        const PdfWords printed = ReadPdfWords(cups.outputPath());
        ASSERT_EQ(printed.pages.size(), 1);
        EXPECT_NEAR(printed.pages[0].width(), points.width(), 1);
        EXPECT_NEAR(printed.pages[0].height(), points.height(), 1);
        const QStringList words = Words(printed.texts().join(' '));
        EXPECT_EQ(words.mid(0, Words(header).size()), Words(header));
        EXPECT_EQ(MissingInOrder(questionWords, words), QStringList());
        QList<double> heights;
        for (const PdfWord& w : printed.words)
            if (w.box.top() > printed.words.first().box.bottom()) heights.append(w.box.height());
        EXPECT_GE(Median(heights), smallest * 0.99);
        EXPECT_LE(Median(heights), largest * 1.01);
    }
}

TEST_F(Printing, FailuresThePrintSystemReportsAreShownNotSwallowed) {
    PrivateCups& cups = *cups_;
    FakeContents contents;
    contents.contentsWindow()->show();

    // A queue that refuses jobs: the learner hears so, with the print system's reason, and is
    // offered a PDF file instead.
    const QString closed = QStringLiteral("hmclosed");
    cups.addQueue(closed);
    cups.rejectJobs(closed);
    PrintTarget target;
    target.printerName = closed;
    SetSessionPrintTarget(target);
    {
        ModalHand hand({ModalHand::answer(false)});
        PrintResults(contents, SampleModule(QString()));
        ASSERT_EQ(hand.seen.size(), 1);
        EXPECT_TRUE(hand.seen[0].startsWith(QStringLiteral("frmPopUp|Print results|")));
        EXPECT_TRUE(hand.seen[0].contains(QStringLiteral("could not be printed on hmclosed (")))
            << qPrintable(hand.seen[0]);
    }
    EXPECT_EQ(NoticeOn(contents.contentsWindow()), QString());

    // A queue that takes the job and then cannot write it out stops: the learner hears that the
    // print waits, with the print system's reason (at once, or when the watch sees it).
    const QString broken = QStringLiteral("hmbroken");
    cups.addBrokenQueue(broken);
    target.printerName = broken;
    SetSessionPrintTarget(target);
    ModalHand hand;
    PrintResults(contents, SampleModule(QString()));
    ASSERT_TRUE(WaitUntil([&] { return !hand.seen.isEmpty(); }, 30000)) << qPrintable(cups.log());
    const QString stopped =
        TroubleMessage(PrintTrouble::PrinterStopped, broken, QStringLiteral("@"));
    const QString before = stopped.section(QLatin1Char('@'), 0, 0).chopped(2);
    EXPECT_TRUE(hand.seen[0].startsWith(QStringLiteral("frmPopUp|Print results|") + before))
        << qPrintable(hand.seen[0]);
    // (The scheduler keeps its reason for this stop in its log; it gives none over IPP.)
    EXPECT_TRUE(hand.seen[0].endsWith(stopped.section(QLatin1Char('@'), 1)))
        << qPrintable(hand.seen[0]);
}

TEST_F(Printing, TheJobWatchFollowsAJobToItsEnd) {
    PrivateCups& cups = *cups_;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    {
        QPdfWriter writer(file);
        QPainter painter(&writer);
        painter.drawText(QPointF(500, 500), QStringLiteral("Watched"));
    }
    struct Seen {
        QList<PrintTrouble> troubles;
        QStringList details;
        bool done = false;
    };
    auto watch = [](const QString& printer, int job, Seen& seen) {
        auto* w = new PrintJobWatch(printer, job, nullptr, 100, 30000);
        QObject::connect(w, &PrintJobWatch::trouble, [&seen](PrintTrouble t, const QString& d) {
            seen.troubles << t;
            seen.details << d;
        });
        QObject::connect(w, &PrintJobWatch::done, [&seen, w] {
            seen.done = true;
            w->deleteLater();
        });
        return w;
    };

    // A job that prints: done, with no trouble.
    Seen printed;
    watch(kQueue, cups.submitJob(kQueue, file), printed);
    ASSERT_TRUE(WaitUntil([&] { return printed.done; }, 30000));
    EXPECT_TRUE(printed.troubles.isEmpty());

    // A held job is followed until someone cancels it.
    Seen held;
    const int heldJob = cups.submitJob(kQueue, file, true);
    ASSERT_GT(heldJob, 0);
    watch(kQueue, heldJob, held);
    QTest::qWait(400);
    EXPECT_FALSE(held.done);
    cups.cancelJob(heldJob);
    ASSERT_TRUE(WaitUntil([&] { return held.done; }, 30000));
    EXPECT_EQ(held.troubles, QList<PrintTrouble>{PrintTrouble::JobCancelled});

    // A paused printer: the job waits, and the watch says why.
    const QString paused = QStringLiteral("hmpaused");
    cups.addQueue(paused);
    cups.stopPrinting(paused);
    Seen waiting;
    watch(paused, cups.submitJob(paused, file), waiting);
    ASSERT_TRUE(WaitUntil([&] { return waiting.done; }, 30000));
    EXPECT_EQ(waiting.troubles, QList<PrintTrouble>{PrintTrouble::PrinterStopped});
    EXPECT_FALSE(waiting.details.value(0).isEmpty());
}
