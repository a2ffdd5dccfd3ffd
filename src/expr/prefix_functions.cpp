#include "expr/prefix_functions.h"

#include <cmath>

#include "expr/expression.h"
#include "expr/function_table.h"
#include "util/number_settings.h"
#include "util/random.h"

namespace cifrala::expr {
namespace {

double to_radians(double x) {
    return number_settings.radians ? x : x / 180 * M_PI;
}
double from_radians(double x) {
    return number_settings.radians ? x : x * 180 / M_PI;
}

// n! for whole n >= 0, Gamma(h + 1) for half numbers h; infinite beyond the
// range of reals (the loop ends there, at most 171 factors).
double factorial(double h) {
    double r = h == std::floor(h) ? 1.0 : std::sqrt(M_PI);
    for (double f = h; f > 0; f -= 1) {
        r *= f;
        if (!std::isfinite(r)) break;
    }
    return r;
}

double random_integer(double x) {
    const double bound = std::nearbyint(x);
    if (bound <= 0) return 1;
    if (bound <= 4.0e18) return 1 + static_cast<double>(random64(static_cast<qint64>(bound)));
    return 1 + std::floor(random_real() * bound);
}

double entier(double x) {
    if (x >= 0) return std::trunc(x);
    if (std::fabs(x - std::trunc(x)) < 1e-5) return -std::trunc(-x);
    return -std::trunc(1 - x);
}

}  // namespace

PrefixResult apply_prefix_function(int c, double x) {
    using namespace expr_error;
    double v = 0;
    switch (c) {
        case code::kSin:
            v = std::sin(to_radians(x));
            break;
        case code::kCos:
            v = std::cos(to_radians(x));
            break;
        case code::kTan: {
            const double r = to_radians(x);
            const double cs = std::cos(r);
            if (std::fabs(cs) < 1e-5) return {kTangentUndefined, 0};
            v = std::sin(r) / cs;
            break;
        }
        case code::kArcsin:
            if (x < -1 || x > 1) return {kArcsinDomain, 0};
            v = from_radians(std::asin(x));
            break;
        case code::kArccos:
            if (x < -1 || x > 1) return {kArccosDomain, 0};
            v = from_radians(std::acos(x));
            break;
        case code::kArctan:
            v = from_radians(std::atan(x));
            break;
        case code::kSinh:
            v = std::sinh(x);
            break;
        case code::kCosh:
            v = std::cosh(x);
            break;
        case code::kTanh:
            v = std::tanh(x);
            break;
        case code::kExp:
            v = std::exp(x);
            break;
        case code::kLn:
            if (x < 1e-5) return {kLnOfNonPositive, 0};
            v = std::log(x);
            break;
        case code::kLog:
            if (x < 1e-5) return {kLogOfNonPositive, 0};
            v = std::log10(x);
            break;
        case code::kSqr:
            if (x < 0) return {kRootOfNegative, 0};
            v = std::sqrt(x);
            break;
        case code::kAbs:
            v = std::fabs(x);
            break;
        case code::kEntier:
            v = entier(x);
            break;
        case code::kFac:
            if (x < 0) return {kFactorialOfNegative, 0};
            v = factorial(std::nearbyint(2 * x) / 2);
            break;
        case code::kRandom:
            if (x < 0) return {kRandomNegative, 0};
            v = random_integer(x);
            break;
        default:
            return {kNotANumber, 0};
    }
    if (!std::isfinite(v)) return {kOutOfRange, 0};
    return {0, v};
}

}  // namespace cifrala::expr
