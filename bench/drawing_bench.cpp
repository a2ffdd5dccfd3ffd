// Drawing engine: sampling one curve at 1000 points, beside muparser's
// compiled evaluation of the same formula, and redrawing a busy figure on
// an 800 x 600 surface while one of its points is dragged.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QString>
#include <cmath>
#include <vector>

#include "drawing/engine/draw_figure.h"
#include "drawing/engine/figure.h"
#include "drawing/engine/function_evaluator.h"
#include "drawing/engine/navigation.h"
#include "drawing/explanation/tekening_style.h"
#include "drawing/graphs/graph_drawing.h"
#include "expr/expression.h"
#include "formula/surface.h"
#include "util/number_settings.h"

#ifdef CIFRALA_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

using namespace cifrala;

const char* const kGraph = "0,5*x^3-2*x^2+sin(x)+3";
constexpr int kSamples = 1000;

double sample_x(int i) {
    return -5 + 10.0 * i / (kSamples - 1);
}

// The engine's way: the figure's curve read once, run at every sample.
void BM_Curve_Engine(benchmark::State& state) {
    Figure f;
    set_graph(f, 1, curve_text(QString::fromLatin1(kGraph)), Qt::red);
    FunctionEvaluator evaluator(f);
    evaluator.prepare(1);
    std::vector<double> xs(kSamples);
    for (int i = 0; i < kSamples; ++i)
        xs[static_cast<size_t>(i)] = sample_x(i);
    std::vector<WorldPoint> points(kSamples);
    bool ok[kSamples];
    for (auto _ : state) {
        evaluator.evaluate_many(1, xs.data(), xs.size(), points.data(), ok);
        double sum = 0;
        for (int i = 0; i < kSamples; ++i)
            if (ok[i]) sum += points[static_cast<size_t>(i)].y;
        benchmark::DoNotOptimize(sum);
    }
    state.SetLabel("1000 samples");
}
BENCHMARK(BM_Curve_Engine)->Unit(benchmark::kMicrosecond);

#ifdef CIFRALA_HAVE_MUPARSER
void BM_Curve_Muparser(benchmark::State& state) {
    mu::Parser p;
    p.SetDecSep(',');
    p.SetArgSep(';');
    double x = 0;
    p.DefineVar("x", &x);
    p.SetExpr(kGraph);
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < kSamples; ++i) {
            x = sample_x(i);
            sum += p.Eval();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetLabel("1000 samples");
}
BENCHMARK(BM_Curve_Muparser)->Unit(benchmark::kMicrosecond);
#endif

// Six curves, grid, axes, tick labels and twenty named points; each
// iteration moves point 1 and redraws the figure from a cleared surface.
void BM_Redraw_Dragging(benchmark::State& state) {
    Surface s(800, 600, tekening_style());
    Figure f;
    const char* curves[6] = {
        "0,5*x^3-2*x^2+sin(x)+3", "2/(x-1)", "V(x+4)", "3*cos(2*x)", "0,1*x^2-4", "-x/2+1"};
    for (int k = 1; k <= 6; ++k)
        set_graph(f, k, curve_text(QString::fromLatin1(curves[k - 1])),
                  QColor::fromHsv(k * 50, 255, 200));
    set_window(f, QSize(800, 600), -8, 8, -6, 6);
    for (int i = 1; i <= 20; ++i)
        add_point(f, i, QStringLiteral("P%1").arg(i), -7.5 + 0.75 * i, std::sin(i) * 4);
    int step = 0;
    for (auto _ : state) {
        const QPointF to(100 + (step++ % 600), 300);
        drag_point(f, 1, to);
        s.clearimage();
        draw_figure(f, s, 12);
        benchmark::DoNotOptimize(s.image().constBits());
    }
}
BENCHMARK(BM_Redraw_Dragging)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    cifrala::init_number_settings();
    cifrala::number_settings.radians = true;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
