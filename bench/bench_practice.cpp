// The practice window: from the Home view's load button to the first question on view, and
// from the Mark button to the marked state (the bars' pauses left out, the confirmation answered
// as soon as it shows).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include "content/catalogue.h"
#include "platform/program_folder.h"
#include "results/results_files.h"
#include "ui/frame/skinned_button.h"
#include "ui/main/contents.h"
#include "ui/practice/practice_toolbar.h"
#include "ui/practice/practice_window.h"
#include "ui/practice/practice_window_factory.h"
#include "ui/practice/question_pane.h"

namespace {

void Click(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

PracticeWindow* OpenPractice() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<PracticeWindow*>(w); p && p->isVisible()) return p;
    return nullptr;
}

void Unload(PracticeWindow* w) {
    if (!w) return;
    w->unloadWithoutAsking();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Presses "Yes" on the pop-up as soon as it is up.
void AnswerYesSoon() {
    auto* timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != QLatin1String("frmPopUp") || !w->isVisible()) continue;
            if (auto* yes = w->findChild<QWidget*>(QStringLiteral("But1"))) Click(yes);
            timer->deleteLater();
            return;
        }
    });
    timer->start();
}

// The main window's channel with a chosen paper, as the Home view's load button leaves it.
class PaperOf : public ContentsChannel {
  public:
    PaperOf(Contents& contents, int paper) : contents_(contents), fields_(contents.sharedFields()) {
        fields_.PaperNum = paper;
        fields_.TakeNum = 1;
    }
    const SharedFields& sharedFields() const override { return fields_; }
    void RefreshContents() override { contents_.RefreshContents(); }
    QString programFolder() const override { return contents_.programFolder(); }
    SkinnedWindow* contentsWindow() override { return &contents_; }

  private:
    Contents& contents_;
    SharedFields fields_;
};

void BM_LoadButtonToFirstQuestion(benchmark::State& state) {
    Contents contents(ProgramFolder(), MakePracticeWindowFactory());
    contents.startUp();
    contents.show();
    QWidget* load = contents.findChild<QWidget*>(QStringLiteral("P1a"));
    if (!load) {
        state.SkipWithError("no load button P1a");
        return;
    }
    for (auto _ : state) {
        Click(load);
        QApplication::processEvents();  // the first paint of the window and its question
        state.PauseTiming();
        PracticeWindow* w = OpenPractice();
        if (!w || w->questionPane()->file().isEmpty())
            state.SkipWithError("the paper did not open");
        Unload(w);
        state.ResumeTiming();
    }
}

void BM_MarkButtonToMarkedState(benchmark::State& state) {
    const QString folder = ProgramFolder();
    Contents contents(folder, MakePracticeWindowFactory());
    contents.startUp();
    const Catalogue catalogue = ReadCatalogue(folder);
    contents.selectTopic(1);
    PaperOf channel(contents, 101);
    for (auto _ : state) {
        state.PauseTiming();
        CreateResultsFiles(folder, catalogue);
        PracticeWindow::Options options;
        options.markBarPauseMs = 0;
        auto* w = new PracticeWindow(channel, 1, options);
        if (!w->LoadPractice()) {
            state.SkipWithError("paper 101 did not open");
            delete w;
            break;
        }
        w->show();
        QApplication::processEvents();
        AnswerYesSoon();
        state.ResumeTiming();
        Click(w->toolbar()->button(PracticeAction::Mark));
        QApplication::processEvents();
        state.PauseTiming();
        if (!w->session().isMarked()) state.SkipWithError("the paper was not marked");
        Unload(w);
        state.ResumeTiming();
    }
}

BENCHMARK(BM_LoadButtonToFirstQuestion)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(30);
BENCHMARK(BM_MarkButtonToMarkedState)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hmquiz"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
