// Start-up time of the main window beside a bare Qt window of the same size (the floor any Qt
// program pays), in one run: a first start (empty program folder), a restart (folder already
// filled), the bare window, and the bare window with one line of text (the least a window that
// shows text pays, fonts included), interleaved round by round so a busy machine weighs on all
// alike. Each sample is a child process; it reports the time from its launch to the window's
// first frame on screen. Runs under its own Xvfb (-displayfd) unless DISPLAY is set.
//   bench_startup [--rounds N]
// Also printed: where a restart's time goes in the layers below the windows, and the frames the
// main window draws in its first half second (a second frame means the Home view was painted
// twice).
// Two things of the machine weigh on the figures, and are printed with them. The first starts'
// folders are made under TMPDIR, and creating some 95 files there is most of a first start's own
// cost: on an ext4 without a journal, files removed in the last minutes make each new one slower
// (the kernel looks past the freed inodes). A learner's desktop has a session bus; without one
// (DBUS_SESSION_BUS_ADDRESS unset), Qt's screen-reader bridge and input method find it through
// the X server on every start, so run `dbus-run-session -- bench_startup` to measure as on a
// desktop.
#include <time.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMap>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "content/catalogue.h"
#include "content/extract_resource.h"
#include "platform/program_folder.h"
#include "platform/toolkit_warm_up.h"
#include "records/record_file.h"
#include "results/marks_file.h"
#include "results/results_files.h"
#include "ui/main/contents.h"

namespace {

qint64 MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Records when the window has finished each frame: an UpdateRequest is one paint of the window
// and its flush to the screen, so the time is taken once the window has handled it.
class FrameWatch : public QObject {
  public:
    QList<qint64> frames;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::UpdateRequest || m_delivering) return false;
        m_delivering = true;
        QCoreApplication::sendEvent(watched, event);
        m_delivering = false;
        frames.append(MonotonicNs());
        return true;  // handled just now
    }

  private:
    bool m_delivering = false;
};

// Child: show the window, report the launch-to-first-frame time (and, when asked, every frame
// of the first half second), and leave.
int RunChild(int argc, char** argv) {
    const QByteArray mode = argv[1];
    const qint64 launched = argc > 2 ? QByteArray(argv[2]).toLongLong() : MonotonicNs();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hmquiz"));
    qint64 phases[4] = {MonotonicNs(), 0, 0, 0};  // application, warm-up, window built, start-up
    std::unique_ptr<QWidget> window;
    std::optional<ToolkitWarmUp> warmUp;
    if (mode.startsWith("--child-contents")) {
        warmUp.emplace();  // as main() begins it with the application
        phases[1] = MonotonicNs();
        const QString folder = ProgramFolder();
        auto contents = std::make_unique<Contents>(folder, PracticeWindowFactory{}, nullptr,
                                                   std::make_unique<StartUpWorker>(folder));
        phases[2] = MonotonicNs();
        contents->startUp();
        phases[3] = MonotonicNs();
        window = std::move(contents);
    } else {
        window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
        window->setGeometry(4, 4, 405, 525);  // the main window's size
        if (mode == "--child-text") {
            auto* line = new QLabel(QStringLiteral("Home Maths Quiz"), window.get());
            line->move(12, 12);
        }
    }
    FrameWatch watch;
    window->installEventFilter(&watch);
    window->show();
    // As main() does: without a window manager nobody else gives the new window the focus.
    if (mode.endsWith("-activated-frames"))
        QTimer::singleShot(50, window.get(), [&window] { window->activateWindow(); });
    QElapsedTimer limit;
    limit.start();
    while (watch.frames.isEmpty() && limit.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (watch.frames.isEmpty()) return 1;
    if (mode.endsWith("-frames")) {
        while (limit.elapsed() < 500) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        for (qint64 frame : watch.frames) std::printf("frame %lld\n", (frame - launched) / 1000);
    } else {
        std::printf("ready %lld\n", (watch.frames.first() - launched) / 1000);
        if (phases[3] > 0) {
            std::printf(
                "phase application %lld\nphase warm-up %lld\nphase construction %lld\n"
                "phase startUp %lld\nphase show-to-frame %lld\n",
                (phases[0] - launched) / 1000, (phases[1] - phases[0]) / 1000,
                (phases[2] - phases[1]) / 1000, (phases[3] - phases[2]) / 1000,
                (watch.frames.first() - phases[3]) / 1000);
        }
    }
    return 0;
}

// Child: the restart's work in the layers below the windows, each timed on its own.
int RunLayers(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hmquiz"));
    const QString folder = ProgramFolder();
    QElapsedTimer clock;
    auto lap = [&clock](const char* what) {
        std::printf("layer %s %lld\n", what, clock.nsecsElapsed() / 1000);
        clock.restart();
    };
    clock.start();
    WriteGraphics(folder);
    lap("pictures");
    const Catalogue catalogue = ReadCatalogue(folder);
    lap("catalogue");
    EnsureResultsFiles(folder, catalogue);
    lap("results-check");
    ReadMarksFile(ResultsFilePath(folder, ResultsFile::Marks, 2, catalogue.code), 50);
    lap("marks");
    return 0;
}

struct XServer {
    QProcess xvfb;
    QString name;
};

// An Xvfb of our own that picks a free display and tells us its number.
bool StartDisplay(XServer& display) {
    display.xvfb.setProcessChannelMode(QProcess::SeparateChannels);
    display.xvfb.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1280x1024x24",
                                                "-nolisten", "tcp", "-noreset"});
    if (!display.xvfb.waitForStarted(5000)) return false;
    QElapsedTimer limit;
    limit.start();
    while (!display.xvfb.canReadLine() && limit.elapsed() < 10000)
        display.xvfb.waitForReadyRead(100);
    const QByteArray line = display.xvfb.readLine().trimmed();
    if (line.isEmpty()) return false;
    display.name = QStringLiteral(":") + QString::fromLatin1(line);
    return true;
}

QByteArray RunChildProcess(const QString& self, const QString& mode, const QString& dataHome,
                           const QString& displayName) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    env.insert(QStringLiteral("DISPLAY"), displayName);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    child.setProcessEnvironment(env);
    child.start(self, {mode, QString::number(MonotonicNs())});
    if (!child.waitForFinished(30000) || child.exitCode() != 0) return {};
    return child.readAllStandardOutput();
}

// Microseconds from the child's "ready" line, or -1.
qint64 ReadyTime(const QByteArray& output) {
    for (const QByteArray& line : output.split('\n')) {
        if (line.startsWith("ready ")) return line.mid(6).toLongLong();
    }
    return -1;
}

double Median(QList<qint64> values) {
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    if (n == 0) return 0;
    return n % 2 ? values[n / 2] / 1000.0 : (values[n / 2 - 1] + values[n / 2]) / 2000.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--child-layers") == 0) return RunLayers(argc, argv);
    if (argc > 1 && std::strncmp(argv[1], "--child-", 8) == 0) return RunChild(argc, argv);
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    int rounds = 11;
    const QStringList args = app.arguments();
    if (args.size() > 2 && args[1] == QLatin1String("--rounds"))
        rounds = std::max(1, args[2].toInt());

    XServer display;
    display.name = qEnvironmentVariable("DISPLAY");
    if (display.name.isEmpty() && !StartDisplay(display)) {
        std::fprintf(stderr, "bench_startup: no DISPLAY and Xvfb could not be started\n");
        return 1;
    }
    std::printf("display %s, %d rounds, session bus %s, first starts' folders on %s\n",
                qPrintable(display.name), rounds,
                qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") ? "none" : "set",
                QStorageInfo(QDir::tempPath()).fileSystemType().constData());

    QTemporaryDir restartData;
    RunChildProcess(self, "--child-contents", restartData.path(), display.name);  // fills it
    const char* modes[] = {"bare", "first", "restart", "text"};
    const char* childModes[] = {"--child-bare", "--child-contents", "--child-contents",
                                "--child-text"};
    constexpr int kModes = 4;
    QList<qint64> samples[kModes];
    QMap<QString, QList<qint64>> phases[kModes];
    // Every first start's folder is kept until the end: removing a hundred files between samples
    // would leave the file system looking for fresh inodes past the ones just freed, a cost of
    // the bench and not of the program.
    std::vector<std::unique_ptr<QTemporaryDir>> firstFolders;
    for (int round = 0; round < rounds; ++round) {
        for (int k = 0; k < kModes; ++k) {
            const int m = (round + k) % kModes;  // a different order each round
            const QString mode = QString::fromLatin1(childModes[m]);
            if (m == 1) firstFolders.push_back(std::make_unique<QTemporaryDir>());
            const QString data = m == 1 ? firstFolders.back()->path() : restartData.path();
            const QByteArray output = RunChildProcess(self, mode, data, display.name);
            const qint64 us = ReadyTime(output);
            for (const QByteArray& line : output.split('\n')) {
                const QList<QByteArray> words = line.split(' ');
                if (words.size() == 3 && words[0] == "phase")
                    phases[m][QString::fromLatin1(words[1])].append(words[2].toLongLong());
            }
            if (us < 0) {
                std::fprintf(stderr, "bench_startup: a %s child failed\n", modes[m]);
                return 1;
            }
            samples[m].append(us);
        }
    }
    const double bare = Median(samples[0]);
    std::printf("%-8s %10s %10s %10s %8s\n", "start", "median ms", "min ms", "max ms", "x bare");
    for (int m = 0; m < kModes; ++m) {
        const auto [low, high] = std::minmax_element(samples[m].begin(), samples[m].end());
        std::printf("%-8s %10.1f %10.1f %10.1f %8.2f\n", modes[m], Median(samples[m]),
                    *low / 1000.0, *high / 1000.0, Median(samples[m]) / bare);
    }
    std::printf("targets: first start <= 1.50 x bare, restart <= 1.15 x bare\n");
    const double text = Median(samples[3]);
    std::printf("against the bare window with a line of text: first start %.2f x, restart %.2f x\n",
                Median(samples[1]) / text, Median(samples[2]) / text);
    for (int m = 1; m < 3; ++m) {
        std::printf("%s, medians of its phases (ms):", modes[m]);
        for (const char* phase :
             {"application", "warm-up", "construction", "startUp", "show-to-frame"})
            std::printf(" %s %.1f", phase, Median(phases[m].value(QString::fromLatin1(phase))));
        std::printf("\n");
    }

    for (const char* which : {"first", "restart"}) {
        QTemporaryDir firstData;
        const QString data = QByteArray(which) == "first" ? firstData.path() : restartData.path();
        const QByteArray layers = RunChildProcess(self, "--child-layers", data, display.name);
        std::printf("%s, layers below the windows (ms):", which);
        for (const QByteArray& line : layers.split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 3)
                std::printf(" %s %.1f", words[1].constData(), words[2].toDouble() / 1000);
        }
        std::printf("\n");
    }
    std::printf("frames of the main window in its first 500 ms (ms after launch):\n");
    for (const char* which : {"first", "restart", "restart, activated at 50 ms as main() does"}) {
        QTemporaryDir firstData;
        const QByteArray name(which);
        const QString data = name == "first" ? firstData.path() : restartData.path();
        const QString mode = name.contains("activated") ? "--child-contents-activated-frames"
                                                        : "--child-contents-frames";
        const QByteArray frames = RunChildProcess(self, mode, data, display.name);
        std::printf("  %-8s", which);
        for (const QByteArray& line : frames.split('\n')) {
            if (line.startsWith("frame ")) std::printf(" %.1f", line.mid(6).toDouble() / 1000);
        }
        std::printf("\n");
    }
    if (display.xvfb.state() != QProcess::NotRunning) {
        display.xvfb.terminate();
        display.xvfb.waitForFinished(3000);
    }
    return 0;
}
