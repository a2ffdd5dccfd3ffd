// Expression engine: parse and evaluate typical calculator inputs, and sample
// one formula in x at 1000 points, side by side with muparser when present.
#include <benchmark/benchmark.h>

#include <QString>
#include <cmath>
#include <memory>
#include <vector>

#include "drawing/engine/figure.h"
#include "drawing/engine/function_evaluator.h"
#include "drawing/graphs/graph_drawing.h"
#include "expr/eval_text.h"
#include "expr/expression.h"
#include "expr/program.h"
#include "util/number_settings.h"

#ifdef CIFRALA_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

// Ten inputs as a pupil types them into the calculator; both engines read
// them in this form (decimal comma, ";" between arguments).
const char* const kInputs[] = {
    "2+3*4",
    "2,5*sin(30)+binompdf(10;0,5;3)",
    "(1+2)*(3+4)/5",
    "sqr(16)+3^2",
    "3/4-1/6",
    "ln(10)*log(100)",
    "max(3;7;5)-min(2;8)",
    "12,5*1,08^10",
    "abs(-3,75)+cos(60)^2",
    "ncr(10;3)*0,5^10",
};
constexpr int kInputCount = 10;

const char* const kGraph = "0,5*x^3-2*x^2+sin(x)+3";
constexpr int kSamples = 1000;

// Everything eval_text does, without the program cache: remove spaces,
// normalise, read the text and reduce it.
double cifrala_parse_and_evaluate(const QString& typed) {
    QString text = typed;
    text.remove(QLatin1Char(' '));
    cifrala::normalise_expression(text);
    const auto program = cifrala::expr::compile(text, QChar(), QChar());
    return cifrala::expr::run(*program, 0, 0).value;
}

void BM_Calculator_Cifrala(benchmark::State& state) {
    const QString text = QString::fromLatin1(kInputs[state.range(0)]);
    for (auto _ : state)
        benchmark::DoNotOptimize(cifrala_parse_and_evaluate(text));
    state.SetLabel(kInputs[state.range(0)]);
}
BENCHMARK(BM_Calculator_Cifrala)->DenseRange(0, kInputCount - 1);

// The reader as the practice windows call it (with the program cache).
void BM_Calculator_Cifrala_EvalText(benchmark::State& state) {
    const QString text = QString::fromLatin1(kInputs[state.range(0)]);
    double v = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(cifrala::eval_text(text, v));
    state.SetLabel(kInputs[state.range(0)]);
}
BENCHMARK(BM_Calculator_Cifrala_EvalText)->DenseRange(0, kInputCount - 1);

void BM_Graph_Cifrala(benchmark::State& state) {
    QString text = QString::fromLatin1(kGraph);
    cifrala::normalise_expression(text, QLatin1Char('x'), QLatin1Char('x'));
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < kSamples; ++i) {
            const double x = -5 + 10.0 * i / (kSamples - 1);
            sum +=
                cifrala::evaluate_expression(QLatin1Char('x'), QLatin1Char('x'), text, x, x).value;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetLabel("1000 samples");
}
BENCHMARK(BM_Graph_Cifrala)->Unit(benchmark::kMicrosecond);

// The drawing engine's way: the figure's curve read once and run at all
// samples together.
void BM_Graph_Cifrala_Curve(benchmark::State& state) {
    cifrala::Figure f;
    cifrala::set_graph(f, 1, cifrala::curve_text(QString::fromLatin1(kGraph)), Qt::red);
    cifrala::FunctionEvaluator evaluator(f);
    evaluator.prepare(1);
    std::vector<double> xs(kSamples);
    for (int i = 0; i < kSamples; ++i)
        xs[static_cast<size_t>(i)] = -5 + 10.0 * i / (kSamples - 1);
    std::vector<cifrala::WorldPoint> points(kSamples);
    std::unique_ptr<bool[]> ok(new bool[kSamples]);
    for (auto _ : state) {
        evaluator.evaluate_many(1, xs.data(), xs.size(), points.data(), ok.get());
        double sum = 0;
        for (int i = 0; i < kSamples; ++i)
            if (ok[i]) sum += points[static_cast<size_t>(i)].y;
        benchmark::DoNotOptimize(sum);
    }
    state.SetLabel("1000 samples");
}
BENCHMARK(BM_Graph_Cifrala_Curve)->Unit(benchmark::kMicrosecond);

#ifdef CIFRALA_HAVE_MUPARSER

double binompdf(double n, double p, double k) {
    double c = 1;
    for (int i = 0; i < k; ++i)
        c = c * (n - i) / (i + 1);
    return c * std::pow(p, k) * std::pow(1 - p, n - k);
}
double ncr(double n, double k) {
    double c = 1;
    for (int i = 0; i < k; ++i)
        c = c * (n - i) / (i + 1);
    return c;
}

void setup(mu::Parser& p) {
    p.SetDecSep(',');
    p.SetArgSep(';');
    p.DefineConst("pi", M_PI);
    p.DefineFun("sqr", static_cast<double (*)(double)>(std::sqrt));
    p.DefineFun("binompdf", binompdf);
    p.DefineFun("ncr", ncr);
}

void BM_Calculator_Muparser(benchmark::State& state) {
    mu::Parser p;
    setup(p);
    const std::string text = kInputs[state.range(0)];
    for (auto _ : state) {
        p.SetExpr(text);
        benchmark::DoNotOptimize(p.Eval());
    }
    state.SetLabel(kInputs[state.range(0)]);
}
BENCHMARK(BM_Calculator_Muparser)->DenseRange(0, kInputCount - 1);

void BM_Graph_Muparser(benchmark::State& state) {
    mu::Parser p;
    setup(p);
    double x = 0;
    p.DefineVar("x", &x);
    p.SetExpr(kGraph);
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < kSamples; ++i) {
            x = -5 + 10.0 * i / (kSamples - 1);
            sum += p.Eval();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetLabel("1000 samples");
}
BENCHMARK(BM_Graph_Muparser)->Unit(benchmark::kMicrosecond);

#endif

}  // namespace

int main(int argc, char** argv) {
    cifrala::init_number_settings();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
