#include "drawing/engine/function_evaluator.h"

#include <cmath>

#include "util/number_settings.h"

namespace cifrala {

namespace {

bool function_slot(int slot) {
    return slot >= 1 && slot <= kMaxFigureFunctions;
}

// How many of a function's texts its kind reads.
int texts_read(int kind) {
    return kind == FigureFunction::Parametric ? 3 : 1;
}

}  // namespace

FunctionEvaluator::FunctionEvaluator(const Figure& f)
    : f_(f), previous_(set_curve_provider(this)) {}

FunctionEvaluator::~FunctionEvaluator() {
    set_curve_provider(previous_);
}

bool FunctionEvaluator::prepare(int slot) {
    if (!function_slot(slot)) return false;
    const FigureFunction& fn = f_.functions[static_cast<size_t>(slot)];
    if (!fn.used) return false;
    Figure::Compiled& c = f_.compiled[static_cast<size_t>(slot)];
    for (int i = 0; i < texts_read(fn.kind); ++i) {
        const QString& text = fn.texts[static_cast<size_t>(i)];
        CompiledExpression& e = c.texts[static_cast<size_t>(i)];
        if (!e.reads(text, fn.var1, fn.var2)) e = CompiledExpression(text, fn.var1, fn.var2);
    }
    return true;
}

bool FunctionEvaluator::evaluate_prepared(int slot, double t, WorldPoint& out) {
    const FigureFunction& fn = f_.functions[static_cast<size_t>(slot)];
    const Figure::Compiled& c = f_.compiled[static_cast<size_t>(slot)];
    const int outer = current_;
    current_ = slot;
    bool ok = true;
    switch (fn.kind) {
        case FigureFunction::Parametric: {
            const Evaluation x = c.texts[0].evaluate(t);
            const Evaluation y = x.ok() ? c.texts[1].evaluate(t) : x;
            const Evaluation z = y.ok() ? c.texts[2].evaluate(t) : y;
            ok = z.ok();
            out = {x.value, y.value, z.value};
            break;
        }
        case FigureFunction::Polar: {
            const Evaluation r = c.texts[0].evaluate(t);
            ok = r.ok();
            const double theta = number_settings.radians ? t : t * M_PI / 180;
            out = {r.value * std::cos(theta), r.value * std::sin(theta), 0};
            break;
        }
        case FigureFunction::Graph: {
            const Evaluation y = c.texts[0].evaluate(t);
            ok = y.ok();
            out = {t, y.value, 0};
            break;
        }
        default:
            ok = false;
    }
    current_ = outer;
    return ok;
}

void FunctionEvaluator::evaluate_many(int slot, const double* t, size_t n, WorldPoint* out,
                                      bool* ok) {
    const FigureFunction& fn = f_.functions[static_cast<size_t>(slot)];
    const Figure::Compiled& c = f_.compiled[static_cast<size_t>(slot)];
    const int outer = current_;
    current_ = slot;
    const int texts = texts_read(fn.kind);
    for (int k = 0; k < texts; ++k) {
        scratch_[k].resize(n);
        c.texts[static_cast<size_t>(k)].evaluate_many(t, n, scratch_[k].data());
    }
    const bool radians = number_settings.radians;
    for (size_t i = 0; i < n; ++i) {
        const Evaluation& e0 = scratch_[0][i];
        switch (fn.kind) {
            case FigureFunction::Parametric:
                ok[i] = e0.ok() && scratch_[1][i].ok() && scratch_[2][i].ok();
                out[i] = {e0.value, scratch_[1][i].value, scratch_[2][i].value};
                break;
            case FigureFunction::Polar: {
                const double theta = radians ? t[i] : t[i] * M_PI / 180;
                ok[i] = e0.ok();
                out[i] = {e0.value * std::cos(theta), e0.value * std::sin(theta), 0};
                break;
            }
            case FigureFunction::Graph:
                ok[i] = e0.ok();
                out[i] = {t[i], e0.value, 0};
                break;
            default:
                ok[i] = false;
        }
    }
    current_ = outer;
}

QChar FunctionEvaluator::curve_variable(int k) const {
    return function_slot(k) ? f_.functions[static_cast<size_t>(k)].var1 : QLatin1Char('x');
}

bool FunctionEvaluator::evaluate_curve(int k, double t, double& value) {
    if (!function_slot(k) || !f_.functions[static_cast<size_t>(k)].used) return false;
    WorldPoint p;
    if (!evaluate(k, t, p)) return false;
    value = p.y;
    return true;
}

bool evaluate_function(const Figure& f, int slot, double t, WorldPoint& out) {
    FunctionEvaluator evaluator(f);
    return evaluator.evaluate(slot, t, out);
}

}  // namespace cifrala
