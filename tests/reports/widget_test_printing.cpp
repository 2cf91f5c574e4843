// Prints through a private CUPS scheduler started here, with a queue whose device is a file, and
// reads the printed job back.
#include "fake_contents.h"
#include "pdf_text.h"
#include "report_test_inputs.h"
#include "ui/main/report/print_results.h"
#include "ui/main/report/report_fill.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <functional>

namespace {

const QString kCupsd = QStringLiteral("/usr/sbin/cupsd");
const QString kQueue = QStringLiteral("hmresults");

// A PostScript-free queue: the job arrives as PDF and the file device keeps it as it is.
const char kPdfQueuePpd[] = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "HMPDF.PPD"
*Manufacturer: "Test"
*Product: "(PDF file)"
*ModelName: "PDF file"
*ShortNickName: "PDF file"
*NickName: "PDF file"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"
*OpenUI *PageSize/Page Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 36 577 806"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
)ppd";

bool WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

class PrivateCups {
  public:
    QString error;

    bool start() {
        if (!dir_.isValid()) return fail(QStringLiteral("no temporary folder"));
        root_ = dir_.path();
        // Filters run as the lp user: they must reach the folders they read and write.
        QFile::setPermissions(root_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                         QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                         QFileDevice::ExeOther);
        for (const char* sub : {"spool", "tmp", "cache", "state", "log", "out"})
            QDir(root_).mkpath(QString::fromLatin1(sub));
        for (const char* open : {"tmp", "out"})
            QFile::setPermissions(path(open), QFileDevice::Permissions(0x7777));
        socket_ = path("cups.sock");
        const QByteArray conf =
            "Listen " + socket_.toLocal8Bit() +
            "\nLogLevel info\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
            "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n";
        const QByteArray files =
            "ServerRoot " + root_.toLocal8Bit() + "\nRequestRoot " + path("spool").toLocal8Bit() +
            "\nTempDir " + path("tmp").toLocal8Bit() + "\nCacheDir " + path("cache").toLocal8Bit() +
            "\nStateDir " + path("state").toLocal8Bit() + "\nErrorLog " +
            path("log/error_log").toLocal8Bit() + "\nAccessLog " +
            path("log/access_log").toLocal8Bit() + "\nPageLog " +
            path("log/page_log").toLocal8Bit() +
            "\nFileDevice Yes\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n";
        if (!WriteText(path("cupsd.conf"), conf) || !WriteText(path("cups-files.conf"), files) ||
            !WriteText(path("pdf-queue.ppd"), kPdfQueuePpd))
            return fail(QStringLiteral("cannot write the configuration"));

        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        cupsd_.start(kCupsd, {QStringLiteral("-f"), QStringLiteral("-c"), path("cupsd.conf"),
                              QStringLiteral("-s"), path("cups-files.conf")});
        if (!cupsd_.waitForStarted(5000)) return fail(QStringLiteral("cupsd did not start"));
        const QDeadlineTimer deadline(15000);
        while (!run(QStringLiteral("lpstat"), {QStringLiteral("-r")})
                    .contains("scheduler is running")) {
            if (deadline.hasExpired() || cupsd_.state() != QProcess::Running)
                return fail(QStringLiteral("cupsd is not answering: ") +
                            QString::fromLocal8Bit(cupsd_.readAll()));
            QThread::msleep(100);
        }
        addQueue(kQueue);
        run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), kQueue});
        if (!run(QStringLiteral("lpstat"), {QStringLiteral("-d")}).contains(kQueue.toLatin1()))
            return fail(QStringLiteral("the queue was not created"));
        return true;
    }

    ~PrivateCups() {
        if (cupsd_.state() == QProcess::Running) {
            cupsd_.terminate();
            if (!cupsd_.waitForFinished(5000)) cupsd_.kill();
            cupsd_.waitForFinished(2000);
        }
    }

    QString socket() const { return socket_; }
    // Each queue prints into its own file.
    QString outputPath(const QString& queue = kQueue) const {
        return QDir(root_).filePath(QStringLiteral("out/") + queue + QStringLiteral(".pdf"));
    }

    void addQueue(const QString& queue) {
        run(QStringLiteral("lpadmin"),
            {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"),
             QStringLiteral("file://") + outputPath(queue), QStringLiteral("-P"),
             path("pdf-queue.ppd")});
    }

    // Waits until the scheduler has no job left and the queue's file has content.
    bool waitForJob(const QString& queue = kQueue) {
        const QDeadlineTimer deadline(60000);
        while (!deadline.hasExpired()) {
            if (run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty() &&
                QFileInfo(outputPath(queue)).size() > 0)
                return true;
            QThread::msleep(200);
        }
        return false;
    }

    QString log() const {
        QFile file(path("log/error_log"));
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll().right(4000))
                                              : QString();
    }

  private:
    QString path(const char* name) const { return QDir(root_).filePath(QString::fromLatin1(name)); }
    bool fail(const QString& why) {
        error = why;
        return false;
    }
    QByteArray run(const QString& program, const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUPS_SERVER"), socket_);
        process.setProcessEnvironment(env);
        process.start(program, args);
        process.waitForFinished(10000);
        return process.readAllStandardOutput();
    }

    QTemporaryDir dir_;
    QString root_, socket_;
    QProcess cupsd_;
};

// Runs `act` on the modal dialog as soon as one is open.
void WhenModal(const std::function<void(QWidget*)>& act) {
    auto* poll = new QTimer;
    poll->setInterval(50);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start();
}

}  // namespace

// One scheduler for the whole suite: the CUPS client library keeps the first server it talks to.
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
        ASSERT_TRUE(HavePdfToText());
        ChoosePrinter(QString());
    }
    void TearDown() override { ChoosePrinter(QString()); }

    static PrivateCups* cups_;
};
PrivateCups* Printing::cups_ = nullptr;

TEST_F(Printing, PrintResultsPutsTheTableOnTheDefaultPrinter) {
    PrivateCups& cups = *cups_;
    ASSERT_EQ(QPrinterInfo::defaultPrinter().printerName(), kQueue);
    QFile::remove(cups.outputPath());

    FakeContents contents;
    PrintResults(contents, SampleModule(QString()));
    ASSERT_TRUE(cups.waitForJob()) << qPrintable(cups.log());
    ExpectResultsTable(PdfText(cups.outputPath()), 10);

    const QString shots = qEnvironmentVariable("HM_REPORT_SHOTS");
    if (!shots.isEmpty() && QDir().mkpath(shots))
        QFile::copy(cups.outputPath(), QDir(shots).filePath(QStringLiteral("printed_job.pdf")));
}

TEST_F(Printing, SetupChoosesThePrinterOfTheNextPrint) {
    PrivateCups& cups = *cups_;
    const QString other = QStringLiteral("hmother");
    cups.addQueue(other);
    ASSERT_FALSE(QPrinterInfo::printerInfo(other).isNull());
    QFile::remove(cups.outputPath());
    // Pick the other queue in the printer dialog and accept it.
    FakeContents contents;
    bool picked = false;
    WhenModal([&](QWidget* dialog) {
        for (QComboBox* box : dialog->findChildren<QComboBox*>()) {
            const int index = box->findText(other);
            if (index >= 0) {
                box->setCurrentIndex(index);
                picked = true;
            }
        }
        if (auto* print = qobject_cast<QPrintDialog*>(dialog))
            print->accept();
        else
            dialog->close();
    });
    PrinterSetup(contents);
    ASSERT_TRUE(picked);
    EXPECT_EQ(PrinterToUse().printerName(), other);

    PrintResults(contents, SampleModule(QString()));
    ASSERT_TRUE(cups.waitForJob(other)) << qPrintable(cups.log());
    ExpectResultsTable(PdfText(cups.outputPath(other)), 10);
    EXPECT_FALSE(QFileInfo::exists(cups.outputPath()));  // nothing went to the default queue

    // Cancelling the dialog keeps the choice; a chosen printer that disappears gives way to the
    // default.
    WhenModal([](QWidget* dialog) { dialog->close(); });
    PrinterSetup(contents);
    EXPECT_EQ(PrinterToUse().printerName(), other);
    ChoosePrinter(QStringLiteral("no-such-queue"));
    EXPECT_EQ(PrinterToUse().printerName(), kQueue);
}
