// Start-up time: a process that opens the main window and shows its Home view, beside a
// process that shows a bare window of the same size (the floor any Qt program pays).
// Each iteration starts this program again as a child in one of three modes and waits for it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>
#include <cstring>

#include "platform/program_folder.h"
#include "ui/main/contents.h"

namespace {
QString g_self;

// Child side: show the window, wait until the window system has it on screen, and leave.
int RunChild(int argc, char** argv, const char* mode) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hmquiz"));
    std::unique_ptr<QWidget> window;
    if (std::strcmp(mode, "--child-contents") == 0) {
        auto contents = std::make_unique<Contents>(ProgramFolder());
        contents->startUp();
        window = std::move(contents);
    } else {
        window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
        window->setGeometry(4, 4, 405, 525);  // the main window's size
    }
    window->show();
    QElapsedTimer limit;
    limit.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
           limit.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    return 0;
}

void RunOnce(benchmark::State& state, const QString& mode, const QString& dataHome) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    if (!env.contains(QStringLiteral("DISPLAY")) &&
        !env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(g_self, {mode});
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        state.SkipWithError("the child process failed");
}

void BM_BareWindow(benchmark::State& state) {
    QTemporaryDir data;
    for (auto _ : state) RunOnce(state, QStringLiteral("--child-bare"), data.path());
}

// A restart: the program folder already holds the pictures and the results files.
void BM_MainWindowRestart(benchmark::State& state) {
    QTemporaryDir data;
    RunOnce(state, QStringLiteral("--child-contents"), data.path());
    for (auto _ : state) RunOnce(state, QStringLiteral("--child-contents"), data.path());
}

// The very first start: an empty program folder.
void BM_MainWindowFirstStart(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir data;
        state.ResumeTiming();
        RunOnce(state, QStringLiteral("--child-contents"), data.path());
    }
}

BENCHMARK(BM_BareWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_MainWindowRestart)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_MainWindowFirstStart)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strncmp(argv[1], "--child-", 8) == 0) return RunChild(argc, argv, argv[1]);
    QCoreApplication app(argc, argv);
    g_self = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
