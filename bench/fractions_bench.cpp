// The time of one "Rekenstap" of the fractions window, including the repaint
// of the shown surface, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "practice/fractions/fractions_form.h"
#include "text/program_dir.h"
#include "util/number_settings.h"
#include "util/random.h"
#include "util/selection.h"

namespace {

using cifrala::TbreukenoefenenForm;

cifrala::TbreukenoefenenForm* window() {
    static TbreukenoefenenForm* w = [] {
        auto* f = new TbreukenoefenenForm();
        f->show();
        // Until the window is on the (offscreen) screen nothing would be painted.
        QElapsedTimer wait;
        wait.start();
        while (!(f->windowHandle() && f->windowHandle()->isExposed()) && wait.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return f;
    }();
    return w;
}

// Arg: the kind digit's number (1 .. 6); every exercise at level "Expert".
void BM_Rekenstap(benchmark::State& state) {
    TbreukenoefenenForm* w = window();
    w->choose_kind_digit(QChar('0' + static_cast<int>(state.range(0))));
    w->set_level(2);
    cifrala::seed_random(12345);
    w->Button1Click();
    std::vector<double> ms;
    QElapsedTimer timer;
    for (auto _ : state) {
        if (!w->step_available()) {
            state.PauseTiming();
            w->Button1Click();
            state.ResumeTiming();
        }
        timer.start();
        w->Button2Click();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    if (!ms.empty()) {
        state.counters["median_ms"] = ms[ms.size() / 2];
        state.counters["max_ms"] = ms.back();
    }
}
BENCHMARK(BM_Rekenstap)->DenseRange(1, 6)->Unit(benchmark::kMicrosecond);

// The first step of a new exercise (clearing and writing the exercise).
void BM_NewExercise(benchmark::State& state) {
    TbreukenoefenenForm* w = window();
    w->choose_kind_digit(QChar('5'));
    cifrala::seed_random(1);
    for (auto _ : state)
        w->Button1Click();
}
BENCHMARK(BM_NewExercise)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    cifrala::init_program_dir(QCoreApplication::applicationFilePath());
    cifrala::init_number_settings();
    cifrala::selection.previous_exercise_stored = false;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
