#include "expr/distributions.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace cifrala::expr {
namespace {

constexpr double kLnSqrt2Pi = 0.918938533204672741780329736406;  // ln sqrt(2 pi)
constexpr double kLn2Pi = 1.837877066409345483560659472811;
constexpr double kMaxVariance = 1e10;
// Terms this far below the running sum no longer change it.
constexpr double kNegligible = 1e-17;
// Every this many terms of a recurrence the term is computed afresh, so that
// rounding errors cannot accumulate.
constexpr int kAnchor = 32;

// ln(n!) - ln(sqrt(2 pi n) (n/e)^n), the error of Stirling's formula.
double stirling_error(double n) {
    constexpr double s0 = 1.0 / 12, s1 = 1.0 / 360, s2 = 1.0 / 1260, s3 = 1.0 / 1680,
                     s4 = 1.0 / 1188;
    if (n <= 0) return 0;
    if (n <= 15) {
        double log_fact;
        if (n == std::floor(n)) {
            double f = 1;  // exact up to 15!
            for (int i = 2; i <= static_cast<int>(n); ++i)
                f *= i;
            log_fact = std::log(f);
        } else {
            log_fact = std::lgamma(n + 1);
        }
        return log_fact - (n + 0.5) * std::log(n) + n - kLnSqrt2Pi;
    }
    const double nn = n * n;
    if (n > 500) return (s0 - s1 / nn) / n;
    if (n > 80) return (s0 - (s1 - s2 / nn) / nn) / n;
    if (n > 35) return (s0 - (s1 - (s2 - s3 / nn) / nn) / nn) / n;
    return (s0 - (s1 - (s2 - (s3 - s4 / nn) / nn) / nn) / nn) / n;
}

// x ln(x / np) + np - x, without cancellation when x is near np.
double deviance(double x, double np) {
    if (std::fabs(x - np) < 0.1 * (x + np)) {
        double v = (x - np) / (x + np);
        double s = (x - np) * v;
        if (std::fabs(s) < DBL_MIN) return s;
        double ej = 2 * x * v;
        v *= v;
        for (int j = 1; j < 1000; ++j) {
            ej *= v;
            const double s1 = s + ej / (2 * j + 1);
            if (s1 == s) return s1;
            s = s1;
        }
    }
    return x * std::log(x / np) + np - x;
}

// Sums a unimodal sequence of terms from `start` away from the mode, one
// step at a time, until the rest cannot matter. next(i, t) gives the term
// after the one at i, exact(i) a term afresh; step is -1 or +1; `stop` is
// the last index.
template <typename Ratio, typename Exact>
Tail sum_tail(double start, double stop, int step, Ratio ratio, Exact exact) {
    Tail tail;
    double i = start;
    if ((step < 0 && i < stop) || (step > 0 && i > stop)) return tail;
    double t = exact(i);
    double sum = t;
    for (long count = 1; i != stop; ++count) {
        const double r = ratio(i);
        i += step;
        t = count % kAnchor == 0 ? exact(i) : t * r;
        sum += t;
        const double next_r = i != stop ? ratio(i) : 0;
        if (next_r < 1 && t * next_r / (1 - next_r) < sum * kNegligible) break;
        if (count > 50000000) break;  // never reached within the variance limit
    }
    tail.value = sum;
    return tail;
}

// C(n, k) exactly, when it and every intermediate product stay below 2^53.
bool exact_binomial(double n, double k, double& out) {
    k = std::min(k, n - k);
    if (k < 0) return false;
    double c = 1;
    for (double i = 0; i < k; ++i) {
        const double product = c * (n - i);
        if (product >= 9007199254740992.0) return false;
        c = product / (i + 1);  // C(n, i + 1), a whole number
    }
    out = c;
    return true;
}

}  // namespace

double binomial_pdf(double x, double n, double p, double q) {
    if (p == 0) return x == 0 ? 1 : 0;
    if (q == 0) return x == n ? 1 : 0;
    if (x < 0 || x > n) return 0;
    if (x == 0) {
        if (n == 0) return 1;
        const double lc = p < 0.1 ? -deviance(n, n * q) - n * p : n * std::log(q);
        return std::exp(lc);
    }
    if (x == n) {
        const double lc = q < 0.1 ? -deviance(n, n * p) - n * q : n * std::log(p);
        return std::exp(lc);
    }
    double c;
    if (exact_binomial(n, x, c)) return c * std::pow(p, x) * std::pow(q, n - x);
    const double lc = stirling_error(n) - stirling_error(x) - stirling_error(n - x) -
                      deviance(x, n * p) - deviance(n - x, n * q);
    const double lf = kLn2Pi + std::log(x) + std::log1p(-x / n);
    return std::exp(lc - 0.5 * lf);
}

double poisson_pdf(double x, double lambda) {
    if (lambda == 0) return x == 0 ? 1 : 0;
    if (x < 0) return 0;
    if (x == 0) return std::exp(-lambda);
    return std::exp(-stirling_error(x) - deviance(x, lambda)) / std::sqrt(2 * M_PI * x);
}

double hypergeometric_pdf(double x, double r, double b, double n) {
    if (x < 0 || x > r || n - x < 0 || n - x > b) return 0;
    if (n == 0) return x == 0 ? 1 : 0;
    double c1, c2, c3;
    if (exact_binomial(r, x, c1) && exact_binomial(b, n - x, c2) && exact_binomial(r + b, n, c3) &&
        c1 * c2 < 9007199254740992.0) {
        return c1 * c2 / c3;  // one rounding
    }
    const double total = r + b;
    const double p = n / total;
    const double q = (total - n) / total;
    const double p1 = binomial_pdf(x, r, p, q);
    const double p2 = binomial_pdf(n - x, b, p, q);
    const double p3 = binomial_pdf(n, total, p, q);
    return p1 * p2 / p3;
}

Tail binomial_tail(double n, double k, double p, bool upper) {
    Tail t;
    const double q = 1 - p;
    if (k < 0) return {true, upper ? 1.0 : 0.0};
    if (k >= n) return {true, upper ? 0.0 : 1.0};
    if (p <= 0) return {true, upper ? 0.0 : 1.0};
    if (p >= 1) return {true, upper ? 1.0 : 0.0};
    if (n * p * q > kMaxVariance) return {false, 0};
    const double mode = std::floor((n + 1) * p);
    auto exact = [&](double i) { return binomial_pdf(i, n, p, q); };
    if (k < mode) {  // the lower tail is the small side
        t = sum_tail(
            k, 0, -1, [&](double i) { return i * q / ((n - i + 1) * p); }, exact);
        if (upper) t.value = 1 - t.value;
    } else {
        t = sum_tail(
            k + 1, n, +1, [&](double i) { return (n - i) * p / ((i + 1) * q); }, exact);
        if (!upper) t.value = 1 - t.value;
    }
    t.value = std::clamp(t.value, 0.0, 1.0);
    return t;
}

Tail poisson_cdf(double lambda, double k) {
    if (k < 0) return {true, 0};
    if (lambda <= 0) return {true, 1};
    if (lambda > kMaxVariance) return {false, 0};
    const double mode = std::floor(lambda);
    auto exact = [&](double i) { return poisson_pdf(i, lambda); };
    Tail t;
    if (k < mode) {
        t = sum_tail(
            k, 0, -1, [&](double i) { return i / lambda; }, exact);
    } else {
        // The upper tail has no last index; it ends when the terms vanish.
        t = sum_tail(
            k + 1, INFINITY, +1, [&](double i) { return lambda / (i + 1); }, exact);
        t.value = 1 - t.value;
    }
    t.value = std::clamp(t.value, 0.0, 1.0);
    return t;
}

Tail hypergeometric_cdf(double r, double b, double n, double k) {
    const double lo = std::max(0.0, n - b);
    const double hi = std::min(n, r);
    if (k < lo) return {true, 0};
    if (k >= hi) return {true, 1};
    const double total = r + b;
    const double variance = n * (r / total) * (b / total) * (total - n) / std::max(1.0, total - 1);
    if (variance > kMaxVariance) return {false, 0};
    const double mode = std::floor((n + 1) * (r + 1) / (total + 2));
    auto exact = [&](double i) { return hypergeometric_pdf(i, r, b, n); };
    Tail t;
    if (k < mode) {
        t = sum_tail(
            k, lo, -1, [&](double i) { return i * (b - n + i) / ((r - i + 1) * (n - i + 1)); },
            exact);
    } else {
        t = sum_tail(
            k + 1, hi, +1,
            [&](double i) { return (r - i) * (n - i) / ((i + 1) * (b - n + i + 1)); }, exact);
        t.value = 1 - t.value;
    }
    t.value = std::clamp(t.value, 0.0, 1.0);
    return t;
}

double normal_pdf(double z) {
    return std::exp(-0.5 * z * z) / std::sqrt(2 * M_PI);
}
double normal_lower(double z) {
    return 0.5 * std::erfc(-z / M_SQRT2);
}
double normal_upper(double z) {
    return 0.5 * std::erfc(z / M_SQRT2);
}

double normal_quantile(double p) {
    // A rational first guess, then Halley steps on the exact tail function.
    static const double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,
                               -2.759285104469687e+02, 1.383577518672690e+02,
                               -3.066479806614716e+01, 2.506628277459239e+00};
    static const double b[] = {-5.447609879822406e+01, 1.615858368580409e+02,
                               -1.556989798598866e+02, 6.680131188771972e+01,
                               -1.328068155288572e+01};
    static const double c[] = {-7.784894002430293e-03, -3.223964580411365e-01,
                               -2.400758277161838e+00, -2.549732539343734e+00,
                               4.374664141464968e+00,  2.938163982698783e+00};
    static const double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                               3.754408661907416e+00};
    constexpr double low = 0.02425;
    double x;
    if (p < low) {
        const double q = std::sqrt(-2 * std::log(p));
        x = (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
            ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
    } else if (p <= 1 - low) {
        const double q = p - 0.5;
        const double r = q * q;
        x = (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
            (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
    } else {
        const double q = std::sqrt(-2 * std::log1p(-p));
        x = -(((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
            ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
    }
    for (int step = 0; step < 3; ++step) {
        // Work on the smaller tail so that the error is relative.
        const double e = x < 0 ? normal_lower(x) - p : (1 - p) - normal_upper(x);
        const double u = e * std::sqrt(2 * M_PI) * std::exp(0.5 * x * x);
        if (!std::isfinite(u)) break;
        x -= u / (1 + 0.5 * x * u);
    }
    return x;
}

}  // namespace cifrala::expr
