// Drawing engine: redrawing a busy figure on an 800 x 600 surface while one
// of its points is dragged. (Sampling one curve, beside muparser, is in
// expr_bench.)
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QString>
#include <cmath>

#include "drawing/engine/draw_figure.h"
#include "drawing/engine/figure.h"
#include "drawing/engine/navigation.h"
#include "drawing/explanation/tekening_style.h"
#include "drawing/graphs/graph_drawing.h"
#include "formula/surface.h"
#include "util/number_settings.h"

namespace {

using namespace cifrala;

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
