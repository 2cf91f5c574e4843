// Start-up of the real program beside a floor: a separate Qt Widgets program that shows one
// label in a window of the main window's size (hm_floor_window), the least any Qt program with
// text pays. Interleaved round by round, so a busy machine weighs on all alike, each sample a
// fresh process: the floor, a first start (empty data folder) and a restart (folder filled).
// For each it reports the time from launch to the first frame on screen and the CPU time spent
// until then (all threads: a steadier figure on a shared machine), the resident memory
// half a second after that frame, the frames painted in that half second and the shared objects
// mapped then; a last, untimed pass counts the threads each start runs at most.
// The programs are measured as built: a probe preloaded into them (hm_frame_probe) watches
// their windows.
//   bench_startup [--rounds N] [--program PATH]
// Everything runs in surroundings of the bench's own: an Xvfb (-displayfd), a session bus as a
// desktop has one, and a home and XDG folders under TMPDIR. The first starts' folders are kept
// until the end: on an ext4 without a journal, files removed in the last minutes make each new
// file slower to create (the kernel looks past the freed inodes), a cost of the bench and not
// of the program.
#include <time.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

qint64 monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

struct Sample {
    double firstFrameMs = 0;
    double cpuMs = 0;  // every thread's, until the first frame
    double rssMiB = 0;
    int frames = 0;
    int libraries = 0;
    int mostThreads = 0;  // counted only when asked: the watching costs time
};

int threadsOf(qint64 pid) {
    return int(QDir(QStringLiteral("/proc/%1/task").arg(pid))
                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                   .size());
}

// A helper process that tells a line once it is ready (Xvfb its display, dbus-daemon its
// address), ended with the bench.
struct Helper {
    QProcess process;
    QString said;

    bool start(const QString& program, const QStringList& args) {
        process.start(program, args);
        if (!process.waitForStarted(5000)) return false;
        const qint64 deadline = monotonicNs() + 10'000'000'000;
        while (!process.canReadLine() && monotonicNs() < deadline) process.waitForReadyRead(100);
        said = QString::fromLocal8Bit(process.readLine().trimmed());
        return !said.isEmpty();
    }
    ~Helper() {
        if (process.state() == QProcess::NotRunning) return;
        process.terminate();
        if (!process.waitForFinished(3000)) process.kill();
        process.waitForFinished(1000);
    }
};

class Bench {
  public:
    QString error;

    bool prepare(const QString& program) {
        m_program = program;
        if (!m_root.isValid()) return fail(QStringLiteral("no temporary folder"));
        for (const char* sub : {"home", "config", "cache", "state", "restart", "first"})
            QDir(m_root.path()).mkpath(QString::fromLatin1(sub));
        QDir(m_root.path()).mkdir(QStringLiteral("runtime"));
        QFile::setPermissions(path("runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner);
        if (!m_display.start(QStringLiteral("Xvfb"),
                             {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                              "-noreset"}))
            return fail(QStringLiteral("Xvfb did not start"));
        if (!m_bus.start(QStringLiteral("dbus-daemon"),
                         {"--session", "--nofork", "--print-address=1"}))
            return fail(QStringLiteral("dbus-daemon did not start"));
        // Fills the restart's folder.
        return run(m_program, path("restart")).has_value() ||
               fail(QStringLiteral("the program did not show a window: ") + m_program);
    }

    // One start of `program` with `dataHome` as its XDG data folder.
    std::optional<Sample> run(const QString& program, const QString& dataHome,
                              bool countThreads = false) {
        const QString out = path("probe.out");
        QFile::remove(out);
        QProcess child;
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        env.insert(QStringLiteral("HOME"), path("home"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), path("cache"));
        env.insert(QStringLiteral("XDG_STATE_HOME"), path("state"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), path("runtime"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":") + m_display.said);
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.said);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        for (const char* kept : {"LANG", "LC_ALL", "TMPDIR"})
            if (qEnvironmentVariableIsSet(kept))
                env.insert(QString::fromLatin1(kept), qEnvironmentVariable(kept));
        env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(HM_FRAME_PROBE));
        env.insert(QStringLiteral("HM_FRAME_PROBE_OUT"), out);
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const qint64 launched = monotonicNs();
        child.start(program, {});
        int mostThreads = 0;
        if (countThreads && child.waitForStarted(5000)) {
            const qint64 pid = child.processId();
            while (!child.waitForFinished(1)) mostThreads = std::max(mostThreads, threadsOf(pid));
        }
        if (child.state() != QProcess::NotRunning && !child.waitForFinished(30000)) {
            child.kill();
            child.waitForFinished(2000);
            return std::nullopt;
        }
        QFile report(out);
        if (!report.open(QIODevice::ReadOnly)) return std::nullopt;
        Sample sample;
        qint64 firstFrame = 0;
        for (const QByteArray& line : report.readAll().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words[0] == "frame" && words.size() == 2) {
                if (sample.frames++ == 0) firstFrame = words[1].toLongLong();
            } else if (words[0] == "rss" && words.size() == 2) {
                sample.rssMiB = words[1].toDouble() / 1024;
            } else if (words[0] == "cpu" && words.size() == 2) {
                sample.cpuMs = words[1].toDouble() / 1e6;
            } else if (words[0] == "libraries" && words.size() == 2) {
                sample.libraries = words[1].toInt();
            }
        }
        if (sample.frames == 0 || sample.rssMiB == 0) return std::nullopt;
        sample.firstFrameMs = double(firstFrame - launched) / 1e6;
        sample.mostThreads = mostThreads;
        return sample;
    }

    QString newFirstStartFolder() {
        const QString folder = path("first") + QStringLiteral("/") + QString::number(m_firsts++);
        QDir().mkpath(folder);
        return folder;
    }
    QString restartFolder() const { return path("restart"); }
    QString program() const { return m_program; }
    QString tempFileSystem() const {
        return QString::fromLatin1(QStorageInfo(m_root.path()).fileSystemType());
    }

  private:
    QString path(const char* name) const {
        return QDir(m_root.path()).filePath(QString::fromLatin1(name));
    }
    bool fail(const QString& why) {
        error = why;
        return false;
    }

    QTemporaryDir m_root;
    Helper m_display;
    Helper m_bus;
    QString m_program;
    int m_firsts = 0;
};

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int rounds = 11;
    QString program = QStringLiteral(HM_PROGRAM);
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--rounds"))
            rounds = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--program"))
            program = args[i + 1];
    }

    Bench bench;
    if (!bench.prepare(program)) {
        std::fprintf(stderr, "bench_startup: %s\n", qPrintable(bench.error));
        return 1;
    }
    std::printf("%s\n%d rounds, own Xvfb and session bus, %d cores, first starts' folders on %s\n",
                qPrintable(program), rounds, QThread::idealThreadCount(),
                qPrintable(bench.tempFileSystem()));

    const char* names[] = {"floor", "first", "restart"};
    constexpr int kKinds = 3;
    std::vector<Sample> samples[kKinds];
    for (int round = 0; round < rounds; ++round) {
        for (int k = 0; k < kKinds; ++k) {
            const int kind = (round + k) % kKinds;  // a different order each round
            const std::optional<Sample> sample =
                kind == 0   ? bench.run(QStringLiteral(HM_FLOOR_PROGRAM), bench.restartFolder())
                : kind == 1 ? bench.run(program, bench.newFirstStartFolder())
                            : bench.run(program, bench.restartFolder());
            if (!sample) {
                std::fprintf(stderr, "bench_startup: a %s start showed no window\n", names[kind]);
                return 1;
            }
            samples[kind].push_back(*sample);
        }
    }

    // The threads, in starts of their own.
    int mostThreads[kKinds] = {};
    for (int k = 0; k < 3 * kKinds; ++k) {
        const int kind = k % kKinds;
        const std::optional<Sample> sample =
            kind == 0   ? bench.run(QStringLiteral(HM_FLOOR_PROGRAM), bench.restartFolder(), true)
            : kind == 1 ? bench.run(program, bench.newFirstStartFolder(), true)
                        : bench.run(program, bench.restartFolder(), true);
        if (sample) mostThreads[kind] = std::max(mostThreads[kind], sample->mostThreads);
    }

    auto column = [&](int kind, auto field) {
        std::vector<double> values;
        for (const Sample& s : samples[kind]) values.push_back(double(field(s)));
        return values;
    };
    const double floorMs = median(column(0, [](const Sample& s) { return s.firstFrameMs; }));
    const double floorMiB = median(column(0, [](const Sample& s) { return s.rssMiB; }));
    const double floorCpu = median(column(0, [](const Sample& s) { return s.cpuMs; }));
    std::printf("%-8s %9s %7s %7s %7s %7s %7s %8s %7s %7s %9s %7s\n", "start", "median ms", "min",
                "max", "x floor", "CPU ms", "x floor", "RSS MiB", "x floor", "frames", "libraries",
                "threads");
    for (int kind = 0; kind < kKinds; ++kind) {
        const std::vector<double> ms = column(kind, [](const Sample& s) { return s.firstFrameMs; });
        const std::vector<double> frames = column(kind, [](const Sample& s) { return s.frames; });
        const double rss = median(column(kind, [](const Sample& s) { return s.rssMiB; }));
        const double cpu = median(column(kind, [](const Sample& s) { return s.cpuMs; }));
        std::printf(
            "%-8s %9.1f %7.1f %7.1f %7.2f %7.1f %7.2f %8.1f %7.2f %3.0f-%-3.0f %9.0f %7d\n",
            names[kind], median(ms), *std::min_element(ms.begin(), ms.end()),
            *std::max_element(ms.begin(), ms.end()), median(ms) / floorMs, cpu, cpu / floorCpu, rss,
            rss / floorMiB, *std::min_element(frames.begin(), frames.end()),
            *std::max_element(frames.begin(), frames.end()),
            median(column(kind, [](const Sample& s) { return s.libraries; })), mostThreads[kind]);
    }
    std::printf(
        "targets: first start <= 1.30 x floor, restart <= 1.25 x floor, resident memory "
        "<= 1.30 x floor, one frame per start, threads of the start's own work <= %d\n",
        QThread::idealThreadCount());
    std::printf(
        "frames: painted in the first half second; RSS and libraries: half a second after "
        "the first frame; threads: the most at once, Qt's own included\n");
    return 0;
}
