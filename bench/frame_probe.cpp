// Preloaded into a program the start-up bench times (LD_PRELOAD), so the program is measured as
// it is built, without a line of it changed. Once the QApplication exists the probe watches the
// events of every window: a frame is an update request or an expose during which some widget
// painted. It writes to the file HM_FRAME_PROBE_OUT, when the first frame is finished and then
// half a second later, and ends the program through its event loop:
//   frame <CLOCK_MONOTONIC ns>       (each frame)
//   cpu <ns>                         (CPU time of every thread until the first frame was done)
//   rss <KiB>                        (resident memory half a second after the first frame)
//   libraries <n>                    (shared objects mapped then)
#include <time.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QSet>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

qint64 clockNs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ')[0].toLong();
    }
    return -1;
}

qsizetype sharedObjects() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return -1;
    QSet<QByteArray> files;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const qsizetype at = line.indexOf('/');
        if (at > 0 && line.contains(".so")) files.insert(line.mid(at));
    }
    return files.size();
}

class FrameProbe : public QObject {
  public:
    explicit FrameProbe(const QByteArray& outPath) : m_out(std::fopen(outPath.constData(), "w")) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            m_painted = true;
            return false;
        }
        const bool frameEvent =
            event->type() == QEvent::UpdateRequest || event->type() == QEvent::Expose;
        if (!frameEvent || m_delivering || !watched->isWindowType()) return false;
        m_delivering = true;
        m_painted = false;
        QCoreApplication::sendEvent(watched, event);
        m_delivering = false;
        if (m_painted) frameDone();
        return true;  // handled just now
    }

  private:
    void frameDone() {
        const qint64 now = clockNs(CLOCK_MONOTONIC);
        const qint64 cpu = clockNs(CLOCK_PROCESS_CPUTIME_ID);
        if (!m_out) return;
        std::fprintf(m_out, "frame %lld\n", static_cast<long long>(now));
        if (m_frames++ == 0) {
            std::fprintf(m_out, "cpu %lld\n", static_cast<long long>(cpu));
            QTimer::singleShot(500, this, [this] { finish(); });
        }
        std::fflush(m_out);
    }

    void finish() {
        std::fprintf(m_out, "rss %ld\nlibraries %lld\n", residentKiB(),
                     static_cast<long long>(sharedObjects()));
        std::fclose(m_out);
        m_out = nullptr;
        QCoreApplication::quit();
    }

    std::FILE* m_out;
    bool m_delivering = false;
    bool m_painted = false;
    int m_frames = 0;
};

void installProbe() {
    const QByteArray out = qgetenv("HM_FRAME_PROBE_OUT");
    if (out.isEmpty()) return;
    auto* probe = new FrameProbe(out);  // lives as long as the application
    QCoreApplication::instance()->installEventFilter(probe);
}

}  // namespace

// Run by the QCoreApplication constructor, whichever program it is.
Q_COREAPP_STARTUP_FUNCTION(installProbe)
