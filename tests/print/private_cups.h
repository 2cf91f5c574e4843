#pragma once
// A private CUPS scheduler for the printing tests, with queues whose device is a file, so a
// printed job can be read back. The CUPS client library keeps the first server it talks to:
// start one per test program, before anything asks for printers.

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

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
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 36 577 806"
*ImageableArea Letter/US Letter: "18 36 594 756"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/US Letter: "612 792"
)ppd";

inline bool WriteText(const QString& path, const QByteArray& text) {
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

    void addQueue(const QString& queue) { addQueueTo(queue, outputPath(queue)); }

    // A queue whose output file cannot be opened: the print system takes jobs and then fails.
    void addBrokenQueue(const QString& queue) {
        addQueueTo(queue, QDir(root_).filePath(QStringLiteral("no-such-folder/") + queue));
    }

    // Stops the queue taking jobs, as an administrator may.
    void rejectJobs(const QString& queue) { run(QStringLiteral("cupsreject"), {queue}); }

    // Stops the queue printing while it still takes jobs (a paused printer).
    void stopPrinting(const QString& queue) { run(QStringLiteral("cupsdisable"), {queue}); }

    // Sends `file` as a job, held back when `hold`; the job's id, 0 when it was refused.
    int submitJob(const QString& queue, const QString& file, bool hold = false) {
        QStringList args = {QStringLiteral("-d"), queue};
        if (hold) args << QStringLiteral("-H") << QStringLiteral("hold");
        const QByteArray said = run(QStringLiteral("lp"), args << file);
        const QRegularExpressionMatch id =
            QRegularExpression(QStringLiteral("request id is \\S+-(\\d+)"))
                .match(QString::fromLatin1(said));
        return id.hasMatch() ? id.captured(1).toInt() : 0;
    }
    void cancelJob(int id) { run(QStringLiteral("cancel"), {QString::number(id)}); }

    // Throws away every job still queued, so later waits are not held up by them.
    void cancelAllJobs() { run(QStringLiteral("cancel"), {QStringLiteral("-a")}); }

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
    void addQueueTo(const QString& queue, const QString& file) {
        run(QStringLiteral("lpadmin"),
            {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"),
             QStringLiteral("file://") + file, QStringLiteral("-P"), path("pdf-queue.ppd")});
    }
    QString path(const char* name) const { return QDir(root_).filePath(QString::fromLatin1(name)); }
    bool fail(const QString& why) {
        error = why;
        return false;
    }
    QByteArray run(const QString& program, const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUPS_SERVER"), socket_);
        // Their replies are read ("scheduler is running", "request id is"): in English, whatever
        // the tester's language.
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        process.setProcessEnvironment(env);
        process.start(program, args);
        process.waitForFinished(10000);
        return process.readAllStandardOutput();
    }

    QTemporaryDir dir_;
    QString root_, socket_;
    QProcess cupsd_;
};
