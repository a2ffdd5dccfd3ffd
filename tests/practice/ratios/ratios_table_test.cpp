// The ratio tables: generated tables, judging, the base column, own tables
// and what a table field may hold.
#include <gtest/gtest.h>

#include <set>

#include "practice/ratios/ratios_drawing.h"
#include "practice/ratios/ratios_table.h"
#include "util/integer_math.h"
#include "util/number_settings.h"
#include "util/random.h"

namespace cifrala {
namespace {

TEST(RatioTableTest, GeneratedTablesOverManySeeds) {
    for (int level = 0; level < 3; ++level) {
        const RatioLevel r = ratio_level(level);
        for (quint32 seed = 1; seed <= 3000; ++seed) {
            seed_random(seed * 7919u + static_cast<quint32>(level));
            const RatioTable t = generate_ratio_table(level);
            SCOPED_TRACE(testing::Message() << "level " << level << " seed " << seed);
            ASSERT_GE(t.given, 0);
            ASSERT_LE(t.given, 2);
            // One ratio in all columns: u_i * l_j == u_j * l_i.
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j) {
                    EXPECT_EQ(qint64(t.upper[i]) * t.lower[j], qint64(t.upper[j]) * t.lower[i]);
                }
            }
            // The base numbers differ, so the columns differ.
            const std::set<int> uppers(t.upper.begin(), t.upper.end());
            const std::set<int> lowers(t.lower.begin(), t.lower.end());
            EXPECT_EQ(uppers.size(), 3u);
            EXPECT_EQ(lowers.size(), 3u);
            // Every lower number is a positive whole number, and the answer
            // itself is judged right, one more or less wrong.
            for (int i = 0; i < 3; ++i) {
                EXPECT_GT(t.lower[i], 0);
                EXPECT_NE(t.upper[i], t.lower[i]);
                EXPECT_TRUE(t.right(i, t.lower[i]));
                EXPECT_FALSE(t.right(i, t.lower[i] + 1));
                EXPECT_FALSE(t.right(i, t.lower[i] - 1));
            }
            // The given pair always has a common divisor above 1.
            EXPECT_GT(gcd(t.upper[t.given], t.lower[t.given]), 1);
            // Within the level: numbers are base * factor, at most doubled.
            const int largest = 2 * r.max_base * (r.k_count + 1);
            for (int i = 0; i < 3; ++i) {
                EXPECT_LE(t.upper[i], largest);
                EXPECT_LE(t.lower[i], largest);
            }
            // The factors from the base column are whole.
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(t.factor_from_base(i) * t.base_upper(), t.upper[i]);
        }
    }
}

TEST(RatioTableTest, LevelsUseTheirRanges) {
    // The largest base number of "Eenvoudig" is 9 and its factors are 2 .. 6.
    std::set<int> factors;
    for (quint32 seed = 1; seed <= 2000; ++seed) {
        seed_random(seed);
        const RatioTable t = generate_ratio_table(0);
        factors.insert(t.k1);
        factors.insert(t.k2);
        EXPECT_NE(t.k1, t.k2);
    }
    EXPECT_EQ(*factors.begin(), 2);
    EXPECT_EQ(*factors.rbegin(), 6);
    EXPECT_EQ(ratio_level(1).max_base, 19);
    EXPECT_EQ(ratio_level(2).max_base, 59);
}

TEST(RatioTableTest, JudgingUsesTheRatio) {
    RatioTable t;
    t.upper = {6, 9, 15};
    t.lower = {4, 6, 10};
    t.k1 = 2;
    t.k2 = 3;
    EXPECT_TRUE(t.right(1, 6));
    EXPECT_FALSE(t.right(1, 7));
    EXPECT_TRUE(t.right(2, 10));
    EXPECT_FALSE(t.right(2, 9));
    EXPECT_FALSE(t.right(3, 10));  // no such column
}

TEST(RatioTableTest, BaseColumn) {
    RatioTable t;
    t.upper = {12, 18, 30};
    t.lower = {8, 12, 20};
    t.given = 0;
    t.k1 = 2;
    t.k2 = 3;
    EXPECT_EQ(t.base_divisor(), 4);
    EXPECT_EQ(t.base_upper(), 3);
    EXPECT_EQ(t.base_lower(), 2);
    EXPECT_EQ(t.factor_from_base(0), 4);
    EXPECT_EQ(t.factor_from_base(1), 6);
    EXPECT_EQ(t.factor_from_base(2), 10);
}

TEST(RatioTableTest, OwnTableIsCompleted) {
    RatioTable t;
    ASSERT_EQ(complete_own_table({4, 6, 10}, 0, 2, t), OwnTableResult::Ok);
    EXPECT_EQ(t.lower[0], 2);
    EXPECT_EQ(t.lower[1], 3);
    EXPECT_EQ(t.lower[2], 5);
    EXPECT_EQ(t.given, 0);
    // k2 = 2 is the smallest with 2 * k2 divisible by 4; k1 = 2 * 2 / 4.
    EXPECT_EQ(t.k2, 2);
    EXPECT_EQ(t.k1, 1);
    EXPECT_TRUE(t.right(1, 3));
    EXPECT_TRUE(t.right(2, 5));
    EXPECT_FALSE(t.right(2, 4));
}

TEST(RatioTableTest, OwnTableGivenInAnotherColumn) {
    RatioTable t;
    ASSERT_EQ(complete_own_table({10, 4, 6}, 2, 9, t), OwnTableResult::Ok);
    EXPECT_EQ(t.lower[0], 15);
    EXPECT_EQ(t.lower[1], 6);
    EXPECT_EQ(t.lower[2], 9);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(t.right(i, t.lower[i]));
}

TEST(RatioTableTest, OwnTableRefusals) {
    RatioTable t;
    t.upper = {1, 1, 1};
    EXPECT_EQ(complete_own_table({4, 6, 9}, 0, 2, t), OwnTableResult::NotWhole);
    EXPECT_EQ(t.upper[0], 1);  // unchanged
    EXPECT_EQ(complete_own_table({1, 2000000000, 3}, 0, 2, t), OwnTableResult::TooLarge);
    EXPECT_EQ(complete_own_table({0, 6, 9}, 1, 2, t), OwnTableResult::NotPositive);
    EXPECT_EQ(complete_own_table({4, 6, 9}, 1, 0, t), OwnTableResult::NotPositive);
    EXPECT_EQ(complete_own_table({4, -6, 8}, 0, 2, t), OwnTableResult::NotPositive);
}

TEST(RatioTableTest, WhatAFieldHolds) {
    int v = -1;
    EXPECT_EQ(read_table_number(QStringLiteral(" 42 "), v), TableNumber::Ok);
    EXPECT_EQ(v, 42);
    EXPECT_EQ(read_table_number(QStringLiteral("007"), v), TableNumber::Ok);
    EXPECT_EQ(v, 7);
    EXPECT_EQ(read_table_number(QString(), v), TableNumber::Empty);
    EXPECT_EQ(read_table_number(QStringLiteral("   "), v), TableNumber::Empty);
    EXPECT_EQ(read_table_number(QStringLiteral("abc"), v), TableNumber::NotWhole);
    EXPECT_EQ(read_table_number(QStringLiteral("1e999"), v), TableNumber::NotWhole);
    EXPECT_EQ(read_table_number(QStringLiteral("2,5"), v), TableNumber::NotWhole);
    EXPECT_EQ(read_table_number(QStringLiteral("3+4"), v), TableNumber::NotWhole);
    EXPECT_EQ(read_table_number(QStringLiteral("$10"), v), TableNumber::NotWhole);
    EXPECT_EQ(read_table_number(QStringLiteral("-"), v), TableNumber::NotWhole);
    EXPECT_EQ(read_table_number(QStringLiteral("0"), v), TableNumber::NotPositive);
    EXPECT_EQ(read_table_number(QStringLiteral("-5"), v), TableNumber::NotPositive);
    EXPECT_EQ(read_table_number(QStringLiteral("999999999"), v), TableNumber::Ok);
    EXPECT_EQ(read_table_number(QStringLiteral("1234567890"), v), TableNumber::TooLarge);
    EXPECT_EQ(read_table_number(QString(10000, QLatin1Char('9')), v), TableNumber::TooLarge);
    QString binary = QStringLiteral("1");
    binary += QChar(0);
    binary += QChar(0x07);
    EXPECT_EQ(read_table_number(binary, v), TableNumber::NotWhole);
}

TEST(RatioTableTest, ValueText) {
    const NumberSettings saved = number_settings;
    number_settings = NumberSettings{};
    number_settings.decimal_separator = QLatin1Char(',');
    EXPECT_EQ(value_text(1.0), QStringLiteral("100%"));
    EXPECT_EQ(value_text(0.9 * 0.9 * 0.9), QStringLiteral("72,9%"));
    EXPECT_EQ(value_text(0.9 * 0.9 * 0.9 * 0.9), QStringLiteral("65,61%"));
    number_settings = saved;
}

TEST(RatioTableTest, ReducedFactor) {
    EXPECT_EQ(reduced_factor(6, 4).numerator, 3);
    EXPECT_EQ(reduced_factor(6, 4).denominator, 2);
    EXPECT_EQ(reduced_factor(12, 4).denominator, 1);
    EXPECT_EQ(reduced_factor(12, 4).numerator, 3);
}

}  // namespace
}  // namespace cifrala
