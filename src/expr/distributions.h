#pragma once
// Probability distributions computed accurately for large parameters.
// Probabilities are computed with the saddle-point method (relative error
// near 1e-15) and tail sums from the side where they are small.

namespace cifrala::expr {

// P(X = x) for X binomial(n, p), q = 1 - p; x and n whole, 0 <= x <= n.
double binomial_pdf(double x, double n, double p, double q);
// P(X = x) for X Poisson with mean lambda >= 0, x whole >= 0.
double poisson_pdf(double x, double lambda);
// P(X = x) for X hypergeometric: n drawn from r successes and b failures.
double hypergeometric_pdf(double x, double r, double b, double n);

// A tail probability, or false when the parameters need more work than the
// engine allows (a variance above 10^10).
struct Tail {
    bool ok = true;
    double value = 0;
};
// P(X <= k), or P(X > k) when `upper`, for X binomial(n, p); k, n whole.
Tail binomial_tail(double n, double k, double p, bool upper);
// P(X <= k) for X Poisson(lambda).
Tail poisson_cdf(double lambda, double k);
// P(X <= k) for X hypergeometric (n drawn from r successes, b failures).
Tail hypergeometric_cdf(double r, double b, double n, double k);

// The standard normal density, lower and upper tail and quantile.
double normal_pdf(double z);
double normal_lower(double z);     // P(Z <= z)
double normal_upper(double z);     // P(Z >= z)
double normal_quantile(double p);  // 0 < p < 1

}  // namespace cifrala::expr
