#include "expr/list_functions.h"

#include <array>
#include <cmath>

#include "expr/distributions.h"
#include "expr/function_table.h"
#include "util/format.h"
#include "util/random.h"
#include "util/tolerance.h"

namespace cifrala::expr {
namespace {

// Messages of the normal-distribution functions.
constexpr int kMsgNormArg1 = 1402, kMsgNormArg2 = 1403, kMsgNormArg3 = 1404, kMsgNormArg4 = 1405;
constexpr int kMsgNormMissing3 = 1406, kMsgNormMissing4 = 1407;
constexpr int kMsgNormSpread = 1408, kMsgNormProbability = 1409;
constexpr int kMsgGaussMean = 1412;

struct Signature {
    int code;
    ArgumentShape shape;
    std::array<int, 4> arg_messages;
};

// In the order of the list pass.
const Signature kSignatures[] = {
    {code::kBinomPdf, {3, false, 0, true, 744}, {718, 719, 720, 0}},
    {code::kBinomCdf, {3, false, 0, true, 744}, {722, 723, 724, 0}},
    {code::kHypPdf, {4, false, 0, false, 729}, {725, 726, 727, 728}},
    {code::kHypCdf, {4, false, 0, false, 729}, {730, 731, 732, 733}},
    {code::kLog, {2, true, 10, false, 0}, {699, 700, 0, 0}},
    {code::kPrt, {2, true, 2, false, 0}, {1205, 1206, 0, 0}},
    {code::kMax, {0, false, 0, false, 0}, {1247, 1247, 1247, 1247}},
    {code::kMin, {0, false, 0, false, 0}, {1247, 1247, 1247, 1247}},
    {code::kPoissonPdf, {2, false, 0, false, 735}, {736, 737, 0, 0}},
    {code::kGcd, {2, false, 0, false, 1396}, {1394, 1395, 0, 0}},
    {code::kGgd, {2, false, 0, false, 1396}, {1394, 1395, 0, 0}},
    {code::kLcm, {2, false, 0, false, 1399}, {1397, 1398, 0, 0}},
    {code::kKgv, {2, false, 0, false, 1399}, {1397, 1398, 0, 0}},
    {code::kPoissonCdf, {2, false, 0, false, 735}, {738, 739, 0, 0}},
    {code::kGeometPdf, {2, false, 0, false, 735}, {740, 741, 0, 0}},
    {code::kGeometCdf, {2, false, 0, false, 735}, {742, 743, 0, 0}},
    {code::kNegBinPdf, {3, false, 0, true, 744}, {745, 746, 747, 0}},
    {code::kNegBinCdf, {3, false, 0, true, 744}, {748, 749, 750, 0}},
    {code::kNpr, {2, false, 0, false, 735}, {751, 752, 0, 0}},
    {code::kNcr, {2, false, 0, false, 735}, {754, 755, 0, 0}},
    {code::kGauss, {2, false, 0, false, 735}, {kMsgGaussMean, 757, 0, 0}},
    {code::kNormPdf,
     {3, false, 0, false, kMsgNormMissing3},
     {kMsgNormArg1, kMsgNormArg2, kMsgNormArg3, 0}},
    {code::kNormLft,
     {3, false, 0, false, kMsgNormMissing3},
     {kMsgNormArg1, kMsgNormArg2, kMsgNormArg3, 0}},
    {code::kNormRght,
     {3, false, 0, false, kMsgNormMissing3},
     {kMsgNormArg1, kMsgNormArg2, kMsgNormArg3, 0}},
    {code::kNormBtwn,
     {4, false, 0, false, kMsgNormMissing4},
     {kMsgNormArg1, kMsgNormArg2, kMsgNormArg3, kMsgNormArg4}},
    {code::kInvNorm,
     {3, false, 0, false, kMsgNormMissing3},
     {kMsgNormArg1, kMsgNormArg2, kMsgNormArg3, 0}},
};

const Signature* find_signature(int code) {
    for (const Signature& s : kSignatures) {
        if (s.code == code) return &s;
    }
    return nullptr;
}

// trunc, as the counting functions take their whole arguments.
double whole(double x) {
    return std::trunc(x);
}

ListResult value(double v) {
    if (!std::isfinite(v)) return {kMsgListOverflow, 0};
    return {0, v};
}

ListResult tail_value(const Tail& t) {
    return t.ok ? value(t.value) : ListResult{kMsgTooMuchWork, 0};
}

bool probability_in_range(double p) {
    return is_positive(p) && is_negative(p - 1);
}

ListResult binompdf(double n, double p, double k) {
    const double N = whole(n), K = whole(k);
    if (!(K >= 0 && N >= K && N > 0 && probability_in_range(p))) return {0, 0};
    return value(binomial_pdf(K, N, p, 1 - p));
}

ListResult binomcdf(double n, double p, double k) {
    const double K = whole(k), N = whole(n);
    if (K < 0 || p < 0 || p > 1) return {0, 0};
    if (N <= 0) return {0, 0};
    if (N < K) return {0, 1};
    // The sum of binompdf, which is 0 for p outside [10^-5, 1 - 10^-5].
    if (!probability_in_range(p)) return {0, 0};
    return tail_value(binomial_tail(N, K, p, false));
}

// Whole arguments of the hypergeometric functions; false when it is 0.
bool hyp_in_domain(double P, double Q, double n, double x) {
    return !(x < 0 || P < x || n < x || Q < n - x || n < 0 || P + Q < n);
}

ListResult hyppdf(double P, double Q, double n, double x) {
    P = whole(P), Q = whole(Q), n = whole(n), x = whole(x);
    if (!hyp_in_domain(P, Q, n, x)) return {0, 0};
    return value(hypergeometric_pdf(x, P, Q, n));
}

ListResult hypcdf(double P, double Q, double n, double x) {
    P = whole(P), Q = whole(Q), n = whole(n), x = whole(x);
    if (P + Q < n) return {734, 0};
    if (x < 0 || n < 0 || P < 0 || Q < 0) return {0, 0};
    return tail_value(hypergeometric_cdf(P, Q, n, x));
}

ListResult poissonpdf(double L, double x) {
    if (is_negative(x) || L < 0) return {0, 0};
    return value(poisson_pdf(whole(x), L));
}

ListResult poissoncdf(double L, double x) {
    if (is_negative(x) || L < 0) return {0, 0};
    return tail_value(poisson_cdf(L, whole(x)));
}

ListResult geometpdf(double p, double x) {
    const double K = whole(x);
    if (is_negative(x - 1) || K < 1 || p < 0 || p > 1) return {0, 0};
    return value(p * std::pow(1 - p, K - 1));
}

ListResult geometcdf(double p, double x) {
    const double K = whole(x);
    if (is_negative(x - 1) || K < 1 || p <= 0 || p > 1) return {0, 0};
    return value(-std::expm1(K * std::log1p(-p)));
}

ListResult negbinpdf(double p, double i, double x) {
    const double R = std::nearbyint(i), X = std::nearbyint(x);
    if (R <= 0 || X < R || p < 0 || p > 1) return {0, 0};
    return value(p * binomial_pdf(R - 1, X - 1, p, 1 - p));
}

ListResult negbincdf(double p, double i, double x) {
    const double R = std::nearbyint(i), X = std::nearbyint(x);
    if (X < 1 || R <= 0 || X < R || p <= 0 || p > 1) return {0, 0};
    // The R-th success comes at trial X or before: at least R successes in X.
    return tail_value(binomial_tail(X, R - 1, p, true));
}

ListResult npr(double n, double k) {
    const double N = whole(n), K = whole(k);
    if (N < 0) return {753, 0};
    if (N < K) return {0, 0};
    if (K <= 0) return {0, 1};
    if (K > 171) return {kMsgListOverflow, 0};  // at least K! > 10^308
    double r = 1;
    for (double i = 0; i < K; ++i)
        r *= N - i;
    return value(r);
}

ListResult ncr(double n, double k) {
    const double N = whole(n), K = whole(k);
    if (N < 0) return {756, 0};
    if (N < K) return {0, 0};
    const double g = std::min(K, N - K);
    if (g <= 0) return {0, 1};
    // Every factor is at least 2, so the loop ends within about 1030 steps.
    double r = 1;
    for (double i = 0; i < g; ++i) {
        r = r * (N - i) / (i + 1);
        if (!std::isfinite(r)) return {kMsgListOverflow, 0};
    }
    return value(r < 9e15 ? std::nearbyint(r) : r);  // whole, free of rounding noise
}

ListResult gauss(double m, double s) {
    if (s < 0) return {758, 0};
    double u = 0, w = 0;
    for (int tries = 0; tries < 1000; ++tries) {
        u = 2 * random_real() - 1;
        const double v = 2 * random_real() - 1;  // one draw, squared
        w = v * v + u * u;
        if (w > 0 && w < 1) break;
    }
    if (!(w > 0 && w < 1)) return value(m);
    return value(m + s * u * std::sqrt(-2 * std::log(w) / w));
}

ListResult log_base(double g, double x) {
    if (std::fabs(g - 1) < 1e-5) return {701, 0};
    if (g < 1e-5) return {702, 0};
    if (x < 1e-5) return {703, 0};
    return value(std::log10(x) / std::log10(g));
}

// The n-th root, computed as the engine computes exp(ln(x)/n): each step
// rounded to 15 digits.
ListResult nth_root(double n, double x) {
    if (std::fabs(n - 1) < 1e-5) return {1207, 0};
    if (n < 1e-5) return {1208, 0};
    const double whole_n = std::nearbyint(n);
    const bool odd = std::fabs(n - whole_n) < 1e-5 && std::fmod(whole_n, 2) != 0;
    double sign;
    if (is_negative(x) && odd)
        sign = -1;
    else if (is_positive(x))
        sign = 1;
    else
        return {703, 0};
    const double ln = round_to_15_digits(std::log(round_to_15_digits(sign * x)));
    const double q = round_to_15_digits(ln / round_to_15_digits(n));
    const double r = round_to_15_digits(std::exp(q));
    return value(sign * r);
}

ListResult extreme(const std::vector<double>& args, bool largest) {
    double r = args.front();
    for (double a : args)
        r = largest ? std::max(r, a) : std::min(r, a);
    return value(r);
}

// Exact for all whole reals: the remainder method on doubles.
double gcd_real(double a, double b) {
    while (b != 0) {
        const double t = std::fmod(a, b);
        a = b;
        b = t;
    }
    return a;
}

ListResult gcd_of(double a, double b) {
    return value(gcd_real(std::fabs(std::nearbyint(a)), std::fabs(std::nearbyint(b))));
}

ListResult lcm_of(double a, double b) {
    const double A = std::fabs(std::nearbyint(a)), B = std::fabs(std::nearbyint(b));
    if (A == 0 || B == 0) return {0, 0};
    const double r = A / gcd_real(A, B) * B;
    if (!(r < 9007199254740992.0)) return {kMsgListOverflow, 0};  // no longer exact
    return value(r);
}

ListResult normal(int c, const std::vector<double>& a) {
    if (c == code::kInvNorm) {
        if (!(a[0] > 0 && a[0] < 1)) return {kMsgNormProbability, 0};
        if (!(a[2] > 0)) return {kMsgNormSpread, 0};
        return value(a[1] + a[2] * normal_quantile(a[0]));
    }
    const double m = a[a.size() - 2], s = a.back();
    if (!(s > 0)) return {kMsgNormSpread, 0};
    const double z = (a[0] - m) / s;
    switch (c) {
        case code::kNormPdf:
            return value(normal_pdf(z) / s);
        case code::kNormLft:
            return value(normal_lower(z));
        case code::kNormRght:
            return value(normal_upper(z));
        default: {  // between g1 and g2
            const double z2 = (a[1] - m) / s;
            if (z2 < z) return {0, 0};
            // Subtract the tails on the side where they are small.
            if (z > 0) return value(normal_upper(z) - normal_upper(z2));
            return value(normal_lower(z2) - normal_lower(z));
        }
    }
}

}  // namespace

ArgumentShape argument_shape(int code) {
    const Signature* s = find_signature(code);
    return s ? s->shape : ArgumentShape{};
}

int argument_message(int code, int index) {
    const Signature* s = find_signature(code);
    if (!s) return 0;
    if (s->shape.count == 0) return s->arg_messages[0];
    return index >= 0 && index < 4 ? s->arg_messages[index] : 0;
}

int no_list_message(int code) {
    return code == code::kMax || code == code::kMin ? 1244 : 721;
}

int list_order(int code) {
    for (int i = 0; i < static_cast<int>(std::size(kSignatures)); ++i) {
        if (kSignatures[i].code == code) return i;
    }
    return -1;
}

ListResult compute_list_function(int c, const std::vector<double>& a) {
    switch (c) {
        case code::kBinomPdf:
            return binompdf(a[0], a[1], a[2]);
        case code::kBinomCdf:
            return binomcdf(a[0], a[1], a[2]);
        case code::kHypPdf:
            return hyppdf(a[0], a[1], a[2], a[3]);
        case code::kHypCdf:
            return hypcdf(a[0], a[1], a[2], a[3]);
        case code::kLog:
            return log_base(a[0], a[1]);
        case code::kPrt:
            return nth_root(a[0], a[1]);
        case code::kMax:
            return extreme(a, true);
        case code::kMin:
            return extreme(a, false);
        case code::kPoissonPdf:
            return poissonpdf(a[0], a[1]);
        case code::kPoissonCdf:
            return poissoncdf(a[0], a[1]);
        case code::kGcd:
        case code::kGgd:
            return gcd_of(a[0], a[1]);
        case code::kLcm:
        case code::kKgv:
            return lcm_of(a[0], a[1]);
        case code::kGeometPdf:
            return geometpdf(a[0], a[1]);
        case code::kGeometCdf:
            return geometcdf(a[0], a[1]);
        case code::kNegBinPdf:
            return negbinpdf(a[0], a[1], a[2]);
        case code::kNegBinCdf:
            return negbincdf(a[0], a[1], a[2]);
        case code::kNpr:
            return npr(a[0], a[1]);
        case code::kNcr:
            return ncr(a[0], a[1]);
        case code::kGauss:
            return gauss(a[0], a[1]);
        case code::kNormPdf:
        case code::kNormLft:
        case code::kNormRght:
        case code::kNormBtwn:
        case code::kInvNorm:
            return normal(c, a);
        default:
            return {721, 0};
    }
}

}  // namespace cifrala::expr
