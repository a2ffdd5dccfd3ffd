// The fixed tolerances at their boundaries.
#include <gtest/gtest.h>

#include "util/tolerance.h"

namespace cifrala {
namespace {

TEST(Tolerance, TinyBelowNineTimesTenToTheMinusTen) {
    EXPECT_TRUE(is_tiny(8.99e-10));
    EXPECT_TRUE(is_tiny(-8.99e-10));
    EXPECT_FALSE(is_tiny(9e-10));
    EXPECT_FALSE(is_tiny(-9.01e-10));
}

TEST(Tolerance, ZeroBelowTenToTheMinusFive) {
    EXPECT_FALSE(is_zero(0.00001));
    EXPECT_TRUE(is_zero(0.0000099));
    EXPECT_TRUE(is_zero(-0.0000099));
    EXPECT_FALSE(is_zero(-0.00001));
    EXPECT_TRUE(is_zero(0));
}

TEST(Tolerance, PositiveAndNegativeStartAtTheZeroLimit) {
    EXPECT_TRUE(is_positive(0.00001));
    EXPECT_FALSE(is_positive(0.0000099));
    EXPECT_FALSE(is_positive(-1));
    EXPECT_TRUE(is_negative(-0.00001));
    EXPECT_FALSE(is_negative(-0.0000099));
    EXPECT_FALSE(is_negative(1));
    EXPECT_FALSE(is_negative(0));
    EXPECT_FALSE(is_positive(0));
}

TEST(Tolerance, BetweenWithinTheTolerance) {
    EXPECT_TRUE(is_between(5, 1, 3));
    EXPECT_TRUE(is_between(5, 1, 5.000009));  // above a, but not by 10^-5
    EXPECT_FALSE(is_between(5, 1, 5.00002));
    EXPECT_TRUE(is_between(5, 1, 0.999991));
    EXPECT_FALSE(is_between(5, 1, 0.99998));
    EXPECT_FALSE(is_between(1, 5, 3));  // the upper end comes first
}

TEST(Tolerance, NearIntegerIsRelative) {
    int n = -1;
    EXPECT_TRUE(near_integer(5.000004, n));
    EXPECT_EQ(n, 5);
    EXPECT_FALSE(near_integer(5.00001, n));
    EXPECT_TRUE(near_integer(1000000.5, n));  // 0.5 / 10^6 is below 10^-6 relative
    EXPECT_EQ(n, 1000000);                    // the tie goes to the even neighbour
    EXPECT_FALSE(near_integer(100000.5, n));
    EXPECT_TRUE(near_integer(-2.9999999, n));
    EXPECT_EQ(n, -3);
    EXPECT_TRUE(near_integer(9e-7, n));
    EXPECT_EQ(n, 0);
    EXPECT_FALSE(near_integer(0.4));
}

TEST(Tolerance, NearIntegerOutsideTheIntRangeIsNoInteger) {
    int n = 7;
    EXPECT_FALSE(near_integer(1e12, n));
    EXPECT_EQ(n, 0);
    EXPECT_FALSE(near_integer(INFINITY, n));
    EXPECT_FALSE(near_integer(NAN, n));
    EXPECT_TRUE(near_integer(2147483647.0, n));
    EXPECT_EQ(n, 2147483647);
}

}  // namespace
}  // namespace cifrala
