// Reading numbers from text.
#include <gtest/gtest.h>

#include "util/text_utils.h"

namespace cifrala {
namespace {

TEST(TextUtils, ParseRealAcceptsCommaOrPoint) {
    EXPECT_DOUBLE_EQ(parse_real("2,5"), 2.5);
    EXPECT_DOUBLE_EQ(parse_real("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(parse_real("-0,25"), -0.25);
    EXPECT_DOUBLE_EQ(parse_real(" 3 "), 3);
    EXPECT_DOUBLE_EQ(parse_real("1,000,5"), 0);  // only the first comma counts
    EXPECT_DOUBLE_EQ(parse_real("abc"), 0);
    EXPECT_DOUBLE_EQ(parse_real("inf"), 0);
    EXPECT_DOUBLE_EQ(parse_real(""), 0);
    EXPECT_DOUBLE_EQ(parse_real("1e400"), 0);
    EXPECT_DOUBLE_EQ(parse_real("+4"), 4);
}

TEST(TextUtils, ParseIntReadsThePrefix) {
    EXPECT_EQ(parse_int("42"), 42);
    EXPECT_EQ(parse_int(" -17  "), -17);
    EXPECT_EQ(parse_int("12abc"), 12);
    EXPECT_EQ(parse_int("$ff"), 255);
    EXPECT_EQ(parse_int("0x10"), 16);
    EXPECT_EQ(parse_int("99999999999"), 2147483647);
    EXPECT_EQ(parse_int("-99999999999"), -2147483647 - 1);
}

TEST(TextUtils, IntegerText) {
    EXPECT_TRUE(is_integer_text("12"));
    EXPECT_TRUE(is_integer_text("-"));
    EXPECT_FALSE(is_integer_text(""));
    EXPECT_FALSE(is_integer_text(" "));
    EXPECT_FALSE(is_integer_text("1,5"));
}

TEST(TextUtils, CaseChangesAreAsciiOnly) {
    EXPECT_EQ(to_upper_ascii(QString::fromUtf8("sin ë")), QString::fromUtf8("SIN ë"));
    // The Kelvin sign would become "k" under a full Unicode lower-casing.
    EXPECT_EQ(to_lower_ascii(QString::fromUtf8("SIN Ë \u212A")), QString::fromUtf8("sin Ë \u212A"));
    QString t = " 1 + 2 ";
    remove_spaces(t);
    EXPECT_EQ(t, "1+2");
}

}  // namespace
}  // namespace cifrala
