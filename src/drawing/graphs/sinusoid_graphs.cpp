// Sinusoids: the graph of a sinusoid with its extreme and axis points, and
// the sinusoid of a goniometric equation with the line of its right-hand
// side. Both switch the angle unit to radians, and leave it so.
#include <algorithm>
#include <cmath>

#include "drawing/graphs/graph_operations.h"
#include "util/format.h"
#include "util/number_settings.h"

namespace cifrala {

namespace {

const char* const kLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I"};

QString fraction_text(int p, int q) {
    return int_to_text(p) + QStringLiteral("/") + int_to_text(q == 0 ? 1 : q);
}

}  // namespace

GraphDrawing sinusoid_graph(const SinusoidGraph& e, QSize size) {
    number_settings.radians = true;
    GraphDrawing g;
    Figure& f = g.figure;
    const int q = e.q == 0 ? 1 : e.q;
    const int s = e.s == 0 ? 1 : e.s;
    const QString shift = e.shift_in_pi ? int_to_text(e.r) + QStringLiteral("*pi/") + int_to_text(s)
                                        : fraction_text(e.r, s);
    const QString text =
        curve_text(coefficient_text(e.a) + QStringLiteral("*") +
                   (e.cosine ? QStringLiteral("cos(") : QStringLiteral("sin(")) +
                   fraction_text(e.p, q) + QStringLiteral("*(x-(") + shift +
                   QStringLiteral(")))+(") + coefficient_text(e.d) + QStringLiteral(")"));
    const double x0 = static_cast<double>(e.r) / s * (e.shift_in_pi ? M_PI : 1);
    const double period = e.p == 0 ? 2 * M_PI : 2 * M_PI * std::fabs(static_cast<double>(q) / e.p);
    const double amplitude = std::fabs(e.a);
    f.pi_labels = true;
    set_window(f, size, std::min(0.0, x0) - period / 8, std::max(0.0, x0 + 2 * period) + period / 8,
               std::min(0.0, e.d - amplitude) - 1, std::max(0.0, e.d + amplitude) + 1);
    set_graph(f, 1, text, kCurveRed);
    // From the start of a period, every quarter period an extreme or an
    // axis point, over two periods.
    for (int k = 0; k <= 8; ++k)
        add_curve_point(f, k + 1, QString::fromLatin1(kLetters[k]), 1, x0 + k * period / 4);
    return g;
}

GraphDrawing sinusoid_equation_graph(const SinusoidEquationGraph& e, QSize size) {
    number_settings.radians = true;
    GraphDrawing g;
    Figure& f = g.figure;
    const QString text =
        curve_text(coefficient_text(e.a) + QStringLiteral("*") +
                   (e.cosine ? QStringLiteral("cos(") : QStringLiteral("sin(")) +
                   coefficient_text(e.b) + QStringLiteral("*(x-(") + coefficient_text(e.c) +
                   QStringLiteral(")))+(") + coefficient_text(e.d) + QStringLiteral(")"));
    const double period = std::fabs(e.b) < 1e-9 ? 2 * M_PI : 2 * M_PI / std::fabs(e.b);
    const double amplitude = std::fabs(e.a);
    f.pi_labels = e.kind == SinusoidEquationGraph::PiMultiples;
    f.exact_labels = !f.pi_labels;
    set_window(f, size, -period / 16, period + period / 16,
               std::min({0.0, e.d - amplitude, e.rhs}) - 1,
               std::max({0.0, e.d + amplitude, e.rhs}) + 1);
    set_graph(f, 1, text, kCurveRed);
    set_graph(f, 2,
              curve_text(QStringLiteral("0*x+(") + coefficient_text(e.rhs) + QStringLiteral(")")),
              kCurveBlue);
    // The solutions over one period from 0: where the curve meets the line.
    constexpr int kSteps = 720;
    int slot = 1;
    double x_prev = 0, d_prev = 0;
    bool have_prev = false;
    for (int i = 0; i <= kSteps && slot <= 5; ++i) {
        const double x = period * i / kSteps;
        double y = 0;
        if (!curve_value(text, x, y)) {
            have_prev = false;
            continue;
        }
        const double d = y - e.rhs;
        if (have_prev && ((d_prev < 0 && d >= 0) || (d_prev > 0 && d <= 0)) && i < kSteps) {
            double lo = x_prev, hi = x, dlo = d_prev;
            for (int k = 0; k < 60; ++k) {
                const double mid = (lo + hi) / 2;
                double ym = 0;
                curve_value(text, mid, ym);
                if ((ym - e.rhs < 0) == (dlo < 0)) {
                    lo = mid;
                    dlo = ym - e.rhs;
                } else {
                    hi = mid;
                }
            }
            add_curve_point(f, slot, QString::fromLatin1(kLetters[slot - 1]), 1, (lo + hi) / 2);
            f.points[static_cast<size_t>(slot)].glides = false;
            ++slot;
        }
        x_prev = x;
        d_prev = d;
        have_prev = true;
    }
    g.draggable = false;
    return g;
}

}  // namespace cifrala
