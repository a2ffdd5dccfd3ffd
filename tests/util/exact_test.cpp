// Exact display: fractions, roots, multiples of pi; the fraction search; the
// round values of axes.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "support/number_settings_fixture.h"
#include "util/exact.h"
#include "util/number_settings.h"

namespace cifrala {
namespace {

using ExactTest = testing::DefaultNumberSettings;

// The fraction search done literally: q = 2, 3, ... with a bisection for p.
void reference_fraction(double x, double tol, qint64& p, qint64& q) {
    const double a = std::fabs(x);
    const double w = std::trunc(a);
    const double f = a - w;
    if (f < tol) {
        p = 0;
        q = 1;
    } else {
        for (q = 2;; ++q) {
            qint64 lo = 0, hi = q;
            while (lo < hi - 1) {
                const qint64 mid = (lo + hi) / 2;
                if (f < double(mid) / double(q) + tol)
                    hi = mid;
                else
                    lo = mid;
            }
            p = hi;
            if (double(p) / double(q) - f < tol || q == 2000001) break;
        }
    }
    p += static_cast<qint64>(w) * q;
    qint64 g = std::gcd(p, q);
    p /= g;
    q /= g;
}

TEST_F(ExactTest, ApproximateFractionExamples) {
    qint64 p, q;
    approximate_fraction(0.5, 1e-6, p, q);
    EXPECT_EQ(p, 1);
    EXPECT_EQ(q, 2);
    approximate_fraction(2.75, 1e-6, p, q);
    EXPECT_EQ(p, 11);
    EXPECT_EQ(q, 4);
    approximate_fraction(3.0000001, 1e-6, p, q);
    EXPECT_EQ(p, 3);
    EXPECT_EQ(q, 1);
    approximate_fraction(-0.75, 1e-6, p, q);  // the sign is dropped
    EXPECT_EQ(p, 3);
    EXPECT_EQ(q, 4);
    approximate_fraction(2.9999999, 1e-6, p, q);
    EXPECT_EQ(p, 3);
    EXPECT_EQ(q, 1);
    approximate_fraction(1.0 / 7, 1e-6, p, q);
    EXPECT_EQ(p, 1);
    EXPECT_EQ(q, 7);
    approximate_fraction(355.0 / 113, 1e-9, p, q);
    EXPECT_EQ(p, 355);
    EXPECT_EQ(q, 113);
}

TEST_F(ExactTest, ApproximateFractionAgreesWithTheLiteralSearch) {
    std::mt19937_64 gen(3);
    std::uniform_int_distribution<int> den(1, 3000);
    std::uniform_real_distribution<double> any(0, 50);
    for (int i = 0; i < 300; ++i) {
        // Fractions with moderate denominators, and arbitrary reals.
        const int d = den(gen);
        const double x =
            i % 2 ? double(std::uniform_int_distribution<int>(0, 20 * d)(gen)) / d : any(gen);
        qint64 p, q, rp, rq;
        approximate_fraction(x, 1e-6, p, q);
        reference_fraction(x, 1e-6, rp, rq);
        ASSERT_EQ(p, rp) << x;
        ASSERT_EQ(q, rq) << x;
        EXPECT_LT(std::fabs(double(p) / double(q) - x), 1e-6);
    }
}

TEST_F(ExactTest, ApproximateFractionGivesUpAfterTwoMillion) {
    qint64 p, q, rp, rq;
    approximate_fraction(M_PI, 1e-13, p, q);
    reference_fraction(M_PI, 1e-13, rp, rq);
    EXPECT_EQ(q, rq);
    EXPECT_EQ(p, rp);
    EXPECT_LE(q, 2000001);
}

TEST_F(ExactTest, FormatExactFractionsAndMixedNumbers) {
    number_settings.exact_fractions = true;
    number_settings.mixed_numbers = true;
    EXPECT_EQ(format_exact(2.5), "2  1/2");
    EXPECT_EQ(format_exact(-0.75), "-3/4");
    EXPECT_EQ(format_exact(1), "1");
    EXPECT_EQ(format_exact(4), "4");
    EXPECT_EQ(format_exact(0.000001), "0");
    EXPECT_EQ(format_exact(-7.0 / 3), "-2  1/3");
    number_settings.mixed_numbers = false;
    EXPECT_EQ(format_exact(2.5), "5/2");
    EXPECT_EQ(format_exact(0.75), "3/4");
}

TEST_F(ExactTest, FormatExactWithoutExactModesIsFormatReal) {
    number_settings.decimals = 2;
    EXPECT_EQ(format_exact(2.5), "2,5");
    EXPECT_EQ(format_exact(-1.0 / 3), "-0,33");
}

TEST_F(ExactTest, FormatExactRoots) {
    number_settings.exact_roots = true;
    number_settings.root_coefficients = false;
    EXPECT_EQ(format_exact(std::sqrt(12.0)), "V12");
    EXPECT_EQ(format_exact(std::sqrt(3.0) / 2), "V(3/4)");  // sin 60
    EXPECT_EQ(format_exact(0.5), "1/2");
    EXPECT_EQ(format_exact(3), "3");
    EXPECT_EQ(format_exact(-std::sqrt(2.0)), "-V2");
    EXPECT_EQ(format_exact(std::sqrt(2.0) / 2), "V(1/2)");
    EXPECT_EQ(format_exact(std::sqrt(10007.0) / 2), "V(10007/4)");
    number_settings.root_coefficients = true;
    EXPECT_EQ(format_exact(std::sqrt(12.0)), "2V3");
    EXPECT_EQ(format_exact(std::sqrt(3.0) / 2), "(1/2) V3");
    EXPECT_EQ(format_exact(std::sqrt(2.0) / 2), "(1/2) V2");
    // A square-free root that fills the six digits of the search.
    EXPECT_EQ(format_exact(std::sqrt(10007.0) / 2), "1/2 V10007");
    EXPECT_EQ(format_exact(std::sqrt(5.0)), "V5");
    EXPECT_EQ(format_exact(0.3), "3/10");
}

TEST_F(ExactTest, FormatExactRootLeavesFixedModeAsItWas) {
    number_settings.exact_roots = true;
    number_settings.fixed_decimals = false;
    (void)format_exact(3);
    EXPECT_FALSE(number_settings.fixed_decimals);
}

TEST_F(ExactTest, RootText) {
    EXPECT_EQ(root_text(4, 3), "2V3");
    EXPECT_EQ(root_text(1, 5), "V5");
    EXPECT_EQ(root_text(9, 1), "3");
    EXPECT_EQ(root_text(36, 2), "6V2");
    EXPECT_EQ(root_text(1, 1), "1");
}

TEST_F(ExactTest, PiMultiples) {
    EXPECT_EQ(pi_multiple_text(M_PI / 2, true), "pi/2");
    EXPECT_EQ(pi_multiple_text(3 * M_PI / 4, true), "3pi/4");
    EXPECT_EQ(pi_multiple_text(2 * M_PI, true), "2pi");
    EXPECT_EQ(pi_multiple_text(M_PI, true), "pi");
    EXPECT_EQ(pi_multiple_text(-M_PI / 3, true), "-pi/3");
    EXPECT_EQ(pi_multiple_text(0, true), "0");
    EXPECT_EQ(pi_multiple_text(M_PI / 6, false), QString(QChar(kPiSign)) + "/6");
    number_settings.decimals = 2;
    EXPECT_EQ(pi_multiple_text(1, true), "1");  // 1/pi has no small denominator
    EXPECT_EQ(pi_multiple_text(-2.5, true), "-2,5");
}

TEST_F(ExactTest, RoundLeadingDigit) {
    auto rounded = [](double x) {
        round_leading_digit(x);
        return x;
    };
    EXPECT_DOUBLE_EQ(rounded(37), 40);
    EXPECT_DOUBLE_EQ(rounded(20), 30);
    EXPECT_DOUBLE_EQ(rounded(99), 100);
    EXPECT_DOUBLE_EQ(rounded(-37), -40);
    EXPECT_DOUBLE_EQ(rounded(3.2), 4);
    EXPECT_DOUBLE_EQ(rounded(3), 3);
    EXPECT_DOUBLE_EQ(rounded(0.37), 0.4);
    EXPECT_DOUBLE_EQ(rounded(0.034), 0.03);
    EXPECT_DOUBLE_EQ(rounded(0.000001), 0.000001);  // zero stays as it is
    EXPECT_DOUBLE_EQ(rounded(370), 400);
}

TEST_F(ExactTest, RoundUpLeading) {
    EXPECT_DOUBLE_EQ(round_up_leading(37), 40);
    EXPECT_DOUBLE_EQ(round_up_leading(40), 50);
    EXPECT_DOUBLE_EQ(round_up_leading(1000), 2000);
    EXPECT_DOUBLE_EQ(round_up_leading(999), 1000);
    EXPECT_DOUBLE_EQ(round_up_leading(0.37), 1);
}

}  // namespace
}  // namespace cifrala
