// Integer and fraction arithmetic, without overflow into undefined
// behaviour.
#include <gtest/gtest.h>

#include <limits>
#include <numeric>

#include "util/integer_math.h"

namespace cifrala {
namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(Gcd, SmallCases) {
    EXPECT_EQ(gcd(0, 0), 0);
    EXPECT_EQ(gcd(-12, 18), 6);
    EXPECT_EQ(gcd(12, -18), 6);
    EXPECT_EQ(gcd(7, 0), 7);
    EXPECT_EQ(gcd(0, -7), 7);
    EXPECT_EQ(gcd(2, 1000001), 1);
    EXPECT_EQ(gcd(17 * 19 * 4, 17 * 23 * 6), 17 * 2);
}

TEST(Gcd, ExtremeOperands) {
    EXPECT_EQ(gcd(kMax, kMax - 1), 1);
    EXPECT_EQ(gcd(kMin, 6), 2);
    EXPECT_EQ(gcd(kMin, 0), kMax);  // 2^31 saturates
    EXPECT_EQ(gcd64(std::numeric_limits<qint64>::min(), 0), std::numeric_limits<qint64>::max());
    EXPECT_EQ(gcd64(1000000007LL * 998244353LL, 998244353LL * 3), 998244353LL);
}

TEST(Gcd, AgreesWithTheStandardLibrary) {
    for (int a = -60; a <= 60; ++a) {
        for (int b = -60; b <= 60; ++b)
            EXPECT_EQ(gcd(a, b), std::gcd(a, b)) << a << " " << b;
    }
}

TEST(Lcm, SignAndSaturation) {
    EXPECT_EQ(lcm(4, 6), 12);
    EXPECT_EQ(lcm(-4, 6), -12);
    EXPECT_EQ(lcm(-4, -6), 12);
    EXPECT_EQ(lcm(0, 5), 0);
    EXPECT_EQ(lcm(0, 0), 0);
    EXPECT_EQ(lcm(65536, 65537), kMax);
    EXPECT_EQ(lcm(-65536, 65537), kMin);
}

TEST(Fractions, Reduce) {
    int p = 12, q = -18;
    reduce_fraction(p, q);
    EXPECT_EQ(p, 2);
    EXPECT_EQ(q, -3);
    p = 0, q = 0;
    reduce_fraction(p, q);
    EXPECT_EQ(p, 0);
    EXPECT_EQ(q, 0);
    p = kMin, q = kMin;
    reduce_fraction(p, q);
    EXPECT_EQ(p, -1);
    EXPECT_EQ(q, -1);
}

TEST(Fractions, AddAndSubtract) {
    int p, q;
    EXPECT_TRUE(add_fractions(1, 2, 1, 3, p, q));
    EXPECT_EQ(p, 5);
    EXPECT_EQ(q, 6);
    EXPECT_TRUE(add_fractions(1, 2, -1, 2, p, q));
    EXPECT_EQ(p, 0);
    EXPECT_EQ(q, 1);
    EXPECT_TRUE(subtract_fractions(3, 4, 3, 4, p, q));
    EXPECT_EQ(p, 0);
    EXPECT_EQ(q, 1);
    EXPECT_TRUE(subtract_fractions(1, 6, 1, 3, p, q));
    EXPECT_EQ(p, -1);
    EXPECT_EQ(q, 6);
    EXPECT_TRUE(add_fractions(1, -2, 1, 3, p, q));  // the sign moves to the numerator
    EXPECT_EQ(p, -1);
    EXPECT_EQ(q, 6);
}

TEST(Fractions, OverflowAndZeroDenominatorAreReported) {
    int p, q;
    EXPECT_FALSE(add_fractions(1, 0, 1, 2, p, q));
    EXPECT_FALSE(add_fractions(1, 65537, 1, 65539, p, q));
    EXPECT_EQ(p, 0);
    EXPECT_EQ(q, 1);
    // Large operands whose result is small are fine.
    EXPECT_TRUE(add_fractions(kMax, kMax, kMax, kMax, p, q));
    EXPECT_EQ(p, 2);
    EXPECT_EQ(q, 1);
}

TEST(OtherFactor, ByPrimeFactors) {
    EXPECT_TRUE(has_other_factor(12, 2));  // 3
    EXPECT_FALSE(has_other_factor(8, 2));
    EXPECT_FALSE(has_other_factor(40, 10));  // 2 and 5 only
    EXPECT_TRUE(has_other_factor(30, 10));
    EXPECT_FALSE(has_other_factor(1, 7));
    EXPECT_TRUE(has_other_factor(7, 1));
    EXPECT_FALSE(has_other_factor(0, 3));
    EXPECT_TRUE(has_other_factor(-9, 2));
}

TEST(Powers, IntPowerSaturates) {
    EXPECT_EQ(int_power(2, 10), 1024);
    EXPECT_EQ(int_power(-3, 3), -27);
    EXPECT_EQ(int_power(5, 0), 1);
    EXPECT_EQ(int_power(5, -2), 1);
    EXPECT_EQ(int_power(2, 31), kMax);
    EXPECT_EQ(int_power(-2, 31), kMin);
    EXPECT_EQ(int_power(-2, 32), kMax);
    EXPECT_EQ(int_power(-1, kMax), -1);
    EXPECT_EQ(int_power(3, kMax), kMax);
}

TEST(Powers, RealPowers) {
    EXPECT_DOUBLE_EQ(power(2, 0.5), std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(power(10, 3), 1000);
    EXPECT_DOUBLE_EQ(pow10(-2), 0.01);
    EXPECT_DOUBLE_EQ(power(-2, 3), -8);
    EXPECT_EQ(power(-2, 0.5), 0);
    EXPECT_EQ(power(10, 400), 0);
}

TEST(Roots, RoundSqrtAndSplitSquare) {
    EXPECT_EQ(round_sqrt(16), 4);
    EXPECT_EQ(round_sqrt(20), 4);
    EXPECT_EQ(round_sqrt(21), 5);
    EXPECT_EQ(round_sqrt(-4), 0);
    EXPECT_EQ(round_sqrt(kMax), 46341);
    int s, r;
    split_square(72, s, r);
    EXPECT_EQ(s, 36);
    EXPECT_EQ(r, 2);
    split_square(16, s, r);
    EXPECT_EQ(s, 16);
    EXPECT_EQ(r, 1);
    split_square(12, s, r);
    EXPECT_EQ(s, 4);
    EXPECT_EQ(r, 3);
    split_square(50, s, r);
    EXPECT_EQ(s, 25);
    EXPECT_EQ(r, 2);
    split_square(7, s, r);
    EXPECT_EQ(s, 1);
    EXPECT_EQ(r, 7);
    split_square(0, s, r);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(r, 1);
    split_square(-12, s, r);
    EXPECT_EQ(s, 4);
    EXPECT_EQ(r, -3);
    split_square(kMax, s, r);  // 2^31 - 1 is prime
    EXPECT_EQ(s, 1);
    EXPECT_EQ(r, kMax);
}

TEST(Roots, SplitSquareAgreesWithFactorisation) {
    for (int n = 1; n <= 3000; ++n) {
        int s, r;
        split_square(n, s, r);
        ASSERT_EQ(s * r, n);
        // r has no square factor left
        for (int k = 2; k * k <= r; ++k)
            ASSERT_NE(r % (k * k), 0) << n;
    }
}

TEST(Rounding, RoundToIntTiesToEvenAndSaturates) {
    EXPECT_EQ(round_to_int(2.5), 2);
    EXPECT_EQ(round_to_int(3.5), 4);
    EXPECT_EQ(round_to_int(-2.5), -2);
    EXPECT_EQ(round_to_int(1e12), kMax);
    EXPECT_EQ(round_to_int(-1e12), kMin);
    EXPECT_EQ(round_to_int(NAN), 0);
}

}  // namespace
}  // namespace cifrala
