// The simplest fraction within a distance of a real.
#include <gtest/gtest.h>

#include <cmath>

#include "util/rational_search.h"

namespace cifrala {
namespace {

struct Found {
    bool ok;
    qint64 p, q;
};

Found search(double x, double tolerance, qint64 max_q = 100000000) {
    Found f{false, -1, -1};
    f.ok = simplest_fraction_within(x, tolerance, max_q, f.p, f.q);
    return f;
}

// The smallest denominator by trying every one: the reference.
Found by_trying(double x, double tolerance, qint64 max_q) {
    for (qint64 q = 1; q <= max_q; ++q) {
        const double p = std::nearbyint(x * q);
        if (std::fabs(x - p / q) <= tolerance) return {true, static_cast<qint64>(p), q};
    }
    return {false, 0, 1};
}

TEST(RationalSearch, WholeNumbersAndZero) {
    EXPECT_EQ(search(0.0, 0.0).q, 1);
    EXPECT_EQ(search(0.0, 0.0).p, 0);
    const Found three = search(3.0, 0.0);
    EXPECT_TRUE(three.ok);
    EXPECT_EQ(three.p, 3);
    EXPECT_EQ(three.q, 1);
    // 2.6 with a wide tolerance: the nearer whole number.
    const Found near = search(2.6, 0.5);
    EXPECT_EQ(near.p, 3);
    EXPECT_EQ(near.q, 1);
}

TEST(RationalSearch, TheSmallestDenominatorWithinTheTolerance) {
    const Found pi = search(M_PI, 1e-6 * M_PI);
    EXPECT_EQ(pi.p, 355);
    EXPECT_EQ(pi.q, 113);
    const Found pi_coarse = search(M_PI, 0.002);
    EXPECT_EQ(pi_coarse.p, 22);
    EXPECT_EQ(pi_coarse.q, 7);
    const Found third = search(0.3333333, 1e-6 * 0.3333333);
    EXPECT_EQ(third.p, 1);
    EXPECT_EQ(third.q, 3);
}

TEST(RationalSearch, AgreesWithTryingEveryDenominator) {
    // Semiconvergents included: values whose answer is not a convergent.
    const double values[] = {M_PI,     M_E,   std::sqrt(2.0), 0.8660254037844386, 0.123456,
                             7.0 / 13, 0.999, 1234.5678,      0.0012345,          0.61803398875};
    const double tolerances[] = {1e-2, 3e-3, 1e-4, 1e-5, 3e-7};
    for (double x : values) {
        for (double t : tolerances) {
            const Found fast = search(x, t, 20000);
            const Found slow = by_trying(x, t, 20000);
            EXPECT_EQ(fast.ok, slow.ok) << x << " " << t;
            EXPECT_EQ(fast.q, slow.q) << x << " " << t;
            EXPECT_EQ(fast.p, slow.p) << x << " " << t;
        }
    }
}

TEST(RationalSearch, TheDenominatorLimitHolds) {
    EXPECT_FALSE(search(M_PI, 1e-12, 1000).ok);
    const Found limited = search(1.0 / 998, 0.0, 997);
    EXPECT_FALSE(limited.ok);
    const Found exact = search(1.0 / 998, 1e-18, 998);
    EXPECT_TRUE(exact.ok);
    EXPECT_EQ(exact.q, 998);
}

TEST(RationalSearch, BadInputIsRefused) {
    EXPECT_FALSE(search(-1.0, 0.1).ok);
    EXPECT_FALSE(search(std::nan(""), 0.1).ok);
    EXPECT_FALSE(search(INFINITY, 0.1).ok);
    EXPECT_FALSE(search(1e12, 0.1).ok);
    EXPECT_FALSE(search(0.5, -1.0).ok);
    EXPECT_FALSE(search(0.5, 0.1, 0).ok);
    // Tiny values: only 0 can be near enough.
    EXPECT_TRUE(search(1e-15, 1e-14).ok);
    EXPECT_FALSE(search(1e-15, 1e-16).ok);
}

}  // namespace
}  // namespace cifrala
