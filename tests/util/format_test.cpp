// Turning reals into text: fixed and general mode, the zero limit, no
// exponent notation, the locale separator.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>

#include "support/number_settings_fixture.h"
#include "util/format.h"
#include "util/number_settings.h"
#include "util/round15.h"

namespace cifrala {
namespace {

using FormatTest = testing::DefaultNumberSettings;

TEST_F(FormatTest, FixedModeRoundsToTheDecimals) {
    number_settings.fixed_decimals = true;
    number_settings.decimals = 2;
    EXPECT_EQ(format_real(3.14159), "3,14");
    EXPECT_EQ(format_real(2.5), "2,5");
    EXPECT_EQ(format_real(7), "7");
    EXPECT_EQ(format_real(0.004), "0");
    EXPECT_EQ(format_real(1.0 / 3), "0,33");
    EXPECT_EQ(format_real(2), "2");
    EXPECT_EQ(format_real(2.999), "3");
    EXPECT_EQ(format_real(-2.999), "-3");
    EXPECT_EQ(format_real(9.995), "10");    // the carry reaches a new digit
    EXPECT_EQ(format_real(0.125), "0,13");  // halves round away from zero
    EXPECT_EQ(format_real(2.675), "2,68");  // the 15-digit value is 2,675
}

TEST_F(FormatTest, FixedModeNeverShowsMinusZero) {
    number_settings.decimals = 2;
    EXPECT_EQ(format_real(-0.004), "0");
}

TEST_F(FormatTest, FixedModeWithOtherDecimals) {
    number_settings.decimals = 5;
    EXPECT_EQ(format_real(1.0 / 3), "0,33333");
    number_settings.decimals = 0;
    EXPECT_EQ(format_real(2.5), "3");
    EXPECT_EQ(format_real(1234.4), "1234");
}

TEST_F(FormatTest, FixedModeKeepsAtMostFifteenSignificantDigits) {
    number_settings.decimals = 10;
    EXPECT_EQ(format_real(123456789.123456789), "123456789,123457");
    EXPECT_EQ(format_real(1e20), "100000000000000000000");
}

TEST_F(FormatTest, GeneralModeWritesFifteenDigitsWithoutExponent) {
    number_settings.fixed_decimals = false;
    number_settings.significant_digits = 15;
    EXPECT_EQ(format_real(1e20), "100000000000000000000");
    EXPECT_EQ(format_real(1.5e-7), "0,00000015");
    EXPECT_EQ(format_real(-1.5e-7), "-0,00000015");
    EXPECT_EQ(format_real(1.5e20), "150000000000000000000");
    EXPECT_EQ(format_real(0.1 + 0.2), "0,3");
    EXPECT_EQ(format_real(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(format_real(2.0 / 3), "0,666666666666667");
    EXPECT_EQ(format_real(123456789012345678.0), "123456789012346000");
}

TEST_F(FormatTest, GeneralModeWithFewerDigits) {
    number_settings.fixed_decimals = false;
    number_settings.significant_digits = 3;
    EXPECT_EQ(format_real(3.14159), "3,14");
    EXPECT_EQ(format_real(123456), "123000");
    EXPECT_EQ(format_real(0.000123456), "0,000123");
}

TEST_F(FormatTest, ZeroLimitDependsOnTinyMode) {
    number_settings.fixed_decimals = false;
    EXPECT_EQ(format_real(1e-15), "0");
    EXPECT_EQ(format_real(9.9e-15), "0");
    EXPECT_EQ(format_real(1e-14), "0,00000000000001");
    number_settings.tiny_mode = true;
    EXPECT_EQ(format_real(1e-15), "0,000000000000001");
    EXPECT_EQ(format_real(1e-31), "0");
    EXPECT_EQ(format_real(1e-30), "0," + QString(29, '0') + "1");
}

TEST_F(FormatTest, UsesTheLocaleSeparator) {
    number_settings.decimal_separator = QLatin1Char('.');
    EXPECT_EQ(format_real(2.5), "2.5");
    EXPECT_EQ(format_real_full(0.25), "0.25");
}

TEST_F(FormatTest, NonFiniteValuesGiveZero) {
    EXPECT_EQ(format_real(INFINITY), "0");
    EXPECT_EQ(format_real(NAN), "0");
}

TEST_F(FormatTest, FullFormatIsGeneralWithFifteenDigitsAndRestoresTheSettings) {
    number_settings.fixed_decimals = true;
    number_settings.decimals = 2;
    number_settings.significant_digits = 4;
    EXPECT_EQ(format_real_full(M_PI), "3,14159265358979");
    EXPECT_EQ(format_real_full(1e-15), "0");
    EXPECT_TRUE(number_settings.fixed_decimals);
    EXPECT_EQ(number_settings.significant_digits, 4);
}

TEST_F(FormatTest, FixedFifteen) {
    EXPECT_EQ(format_fixed15(2.5), "2,5");
    EXPECT_EQ(format_fixed15(3), "3");
    EXPECT_EQ(format_fixed15(0.1), "0,1");
    EXPECT_EQ(format_fixed15(-1e-20), "0");
    EXPECT_EQ(format_fixed15(1.0 / 3), "0,333333333333333");
}

TEST_F(FormatTest, StripTrailingZerosOnlyAfterTheSeparator) {
    EXPECT_EQ(strip_trailing_zeros("100"), "100");
    EXPECT_EQ(strip_trailing_zeros("1050"), "1050");
    EXPECT_EQ(strip_trailing_zeros("10,50"), "10,5");
    EXPECT_EQ(strip_trailing_zeros("7,000"), "7");
    EXPECT_EQ(strip_trailing_zeros("0,0"), "0");
    // A point is not the separator here.
    EXPECT_EQ(strip_trailing_zeros("7.000"), "7.000");
}

TEST_F(FormatTest, ZerosAndIntegers) {
    EXPECT_EQ(zeros_text(3), "000");
    EXPECT_EQ(zeros_text(0), "");
    EXPECT_EQ(zeros_text(-2), "");
    EXPECT_EQ(int_to_text(-1234), "-1234");
    EXPECT_EQ(int_to_text(0), "0");
    EXPECT_EQ(int_to_text(std::numeric_limits<int>::min()), "-2147483648");
}

TEST_F(FormatTest, MagnitudeWordsAndGroups) {
    MagnitudeText m = format_with_magnitude(999999);
    EXPECT_EQ(m.text, "999 999");
    EXPECT_EQ(m.exponent, 0);
    EXPECT_EQ(m.unit_message, 0);
    m = format_with_magnitude(1e6);
    EXPECT_EQ(m.text, "1");
    EXPECT_EQ(m.unit_message, 1990);
    EXPECT_EQ(m.exponent, 6);
    m = format_with_magnitude(2.5e9);
    EXPECT_EQ(m.text, "2,5");
    EXPECT_EQ(m.unit_message, 1991);
    EXPECT_EQ(m.exponent, 9);
    m = format_with_magnitude(3e12);
    EXPECT_EQ(m.text, "3");
    EXPECT_EQ(m.unit_message, 1992);
    EXPECT_EQ(m.exponent, 12);
    EXPECT_EQ(format_with_magnitude(1234).text, "1 234");
    EXPECT_EQ(format_with_magnitude(-1234).text, "-1 234");
    EXPECT_EQ(format_with_magnitude(123456).text, "123 456");
    EXPECT_EQ(format_with_magnitude(123).text, "123");
    EXPECT_EQ(format_with_magnitude(1234.5).text, "1 234,5");
}

// The value the 15-digit text of x reads back as, the slow way.
double reference_round(double x) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    double v = 0;
    std::from_chars(buf, r.ptr, v);
    return v;
}

TEST_F(FormatTest, RoundingToFifteenDigitsMatchesTheDecimalText) {
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-12, 40);
    for (int i = 0; i < 200000; ++i) {
        const double x = mantissa(gen) * std::pow(10.0, exponent(gen)) * (i % 2 ? -1 : 1);
        ASSERT_EQ(round_to_15_digits(x), reference_round(x)) << x;
    }
}

TEST_F(FormatTest, RoundingToFifteenDigitsOnTiesAndPowersOfTen) {
    const double cases[] = {100000000000000.5,
                            100000000000001.5,
                            0.5,
                            1,
                            10,
                            1e15,
                            1e22,
                            1e-8,
                            999999999999999.5,
                            9.999999999999999,
                            0.30000000000000004,
                            1.7976931348623157e308,
                            4.9e-324};
    for (double x : cases) {
        const double expected =
            std::isfinite(reference_round(x)) && reference_round(x) != 0 ? reference_round(x) : x;
        if (x == 1.7976931348623157e308) {
            EXPECT_TRUE(std::isinf(round_to_15_digits(x)));  // 1,79769313486232e308 is too large
        } else {
            EXPECT_EQ(round_to_15_digits(x), expected) << x;
        }
    }
}

}  // namespace
}  // namespace cifrala

// The quick whole-number rounding agrees with the library's, halves
// included, over the whole range where a double still has a fraction.
TEST(NearestWhole, AgreesWithNearbyint) {
    const double cases[] = {0.5,
                            1.5,
                            2.5,
                            -0.5,
                            -1.5,
                            -2.5,
                            -0.0,
                            0.0,
                            0.49999999999999994,
                            4503599627370495.5,
                            -4503599627370495.5,
                            4503599627370496.0,
                            9007199254740993.0,
                            1e300,
                            -1e300,
                            3.0000000001,
                            -2.9999999};
    for (double x : cases) {
        EXPECT_EQ(cifrala::nearest_whole(x), std::nearbyint(x)) << x;
        EXPECT_EQ(std::signbit(cifrala::nearest_whole(x)), std::signbit(std::nearbyint(x))) << x;
    }
    EXPECT_TRUE(std::isnan(cifrala::nearest_whole(std::nan(""))));
    EXPECT_TRUE(std::isinf(cifrala::nearest_whole(-INFINITY)));
    std::mt19937_64 gen(11);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-3, 17);
    for (int i = 0; i < 100000; ++i) {
        const double x = mantissa(gen) * std::pow(10.0, exponent(gen));
        ASSERT_EQ(cifrala::nearest_whole(x), std::nearbyint(x)) << x;
        const double half = std::floor(x) + 0.5;  // ties go to the even neighbour
        ASSERT_EQ(cifrala::nearest_whole(half), std::nearbyint(half)) << half;
    }
}
