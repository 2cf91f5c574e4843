// Closing the program with a paper open: from the click on Close (the toolbar's, the title
// bar's, or a close from the window system) until the last window is gone and the process has
// ended. Each sample is a child process: it starts the main window, opens paper 101, types an
// answer (so the silent save has work to do), then closes; it reports its own times and the
// parent adds when it saw the process end. Runs under its own Xvfb unless DISPLAY is set.
//   bench_close [--rounds N]
#include <time.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/program_folder.h"
#include "ui/frame/skinned_button.h"
#include "ui/main/contents.h"
#include "ui/practice/practice_window_factory.h"

namespace {

qint64 MonotonicUs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

bool WaitFor(const std::function<bool()>& done, int ms = 10000) {
    QElapsedTimer limit;
    limit.start();
    while (!done() && limit.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

bool Exposed(const QWidget* w) {
    return w && w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed();
}

QWidget* PracticeWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Test1") && w->isVisible()) return w;
    return nullptr;
}

bool AnyWindowShown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) return true;
    return false;
}

// Child: everything up to the click, then the close; prints "click", "hidden" and "quit".
int RunChild(int argc, char** argv) {
    const QByteArray way = argv[2];
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hmquiz"));
    Contents contents(ProgramFolder(), MakePracticeWindowFactory());
    if (contents.startUp()) return 2;
    contents.show();
    if (!WaitFor([&] { return Exposed(&contents); })) return 3;
    contents.openPaper(0, 1);
    if (!WaitFor([] { return Exposed(PracticeWindow()); })) return 4;
    for (QLineEdit* box : PracticeWindow()->findChildren<QLineEdit*>()) {
        if (!box->isVisible() || box->isReadOnly()) continue;
        QKeyEvent key(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, QStringLiteral("4"));
        QCoreApplication::sendEvent(box, &key);
        break;
    }
    WaitFor([] { return false; }, 200);  // settle

    qint64 click = 0, hidden = 0, quit = 0;
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&] { quit = MonotonicUs(); });
    QTimer::singleShot(0, &contents, [&] {
        click = MonotonicUs();
        if (way == "toolbar")
            contents.findChild<QAbstractButton*>(QStringLiteral("ToolBar04"))->click();
        else if (way == "title")
            contents.closeButton()->click();
        else
            contents.windowHandle()->close();
        if (!AnyWindowShown()) hidden = MonotonicUs();
    });
    app.exec();
    std::printf("click %lld\nhidden %lld\nquit %lld\n", click, hidden, quit);
    return hidden > 0 ? 0 : 5;
}

bool StartDisplay(QProcess& xvfb, QString& name) {
    xvfb.start(QStringLiteral("Xvfb"),
               {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"});
    if (!xvfb.waitForStarted(5000)) return false;
    QElapsedTimer limit;
    limit.start();
    while (!xvfb.canReadLine() && limit.elapsed() < 10000) xvfb.waitForReadyRead(100);
    const QByteArray line = xvfb.readLine().trimmed();
    name = QStringLiteral(":") + QString::fromLatin1(line);
    return !line.isEmpty();
}

double MedianMs(QList<qint64> us) {
    std::sort(us.begin(), us.end());
    const qsizetype n = us.size();
    if (n == 0) return 0;
    return n % 2 ? us[n / 2] / 1000.0 : (us[n / 2 - 1] + us[n / 2]) / 2000.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0) return RunChild(argc, argv);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    int rounds = 9;
    if (args.size() > 2 && args[1] == QLatin1String("--rounds"))
        rounds = std::max(1, args[2].toInt());
    QProcess xvfb;
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty() && !StartDisplay(xvfb, display)) {
        std::fprintf(stderr, "bench_close: no DISPLAY and Xvfb could not be started\n");
        return 1;
    }
    QTemporaryDir data;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));

    const char* ways[] = {"toolbar", "title", "window"};
    QMap<QString, QList<qint64>> hidden, quit, ended;
    for (int round = 0; round < rounds; ++round) {
        for (const char* way : ways) {
            QProcess child;
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {"--child", way});
            const bool finished = child.waitForFinished(30000);
            const qint64 end = MonotonicUs();
            if (!finished || child.exitCode() != 0) {
                std::fprintf(stderr, "bench_close: a child (%s) failed with %d\n", way,
                             child.exitCode());
                return 1;
            }
            std::fputs(child.readAllStandardError().constData(), stderr);
            QMap<QByteArray, qint64> t;
            for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
                const QList<QByteArray> words = line.split(' ');
                if (words.size() == 2) t[words[0]] = words[1].toLongLong();
            }
            hidden[way].append(t["hidden"] - t["click"]);
            quit[way].append(t["quit"] - t["click"]);
            ended[way].append(end - t["click"]);
        }
    }
    std::printf("display %s, %d rounds; medians in ms from the click on Close, paper 101 open\n",
                qPrintable(display), rounds);
    std::printf("%-8s %16s %16s %16s\n", "close by", "windows hidden", "event loop done",
                "process ended");
    for (const char* way : ways)
        std::printf("%-8s %16.1f %16.1f %16.1f\n", way, MedianMs(hidden[way]), MedianMs(quit[way]),
                    MedianMs(ended[way]));
    std::printf("target: under 150 ms to the last window gone\n");
    xvfb.terminate();
    xvfb.waitForFinished(3000);
    return 0;
}
