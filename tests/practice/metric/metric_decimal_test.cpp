// The texts of exact decimals: the grouping of the answer and the standard
// form, read back with the test's own reader over many values.
#include <gtest/gtest.h>

#include <random>

#include "practice/metric/metric_decimal.h"
#include "practice/metric/metric_reader.h"

namespace cifrala::testing {
namespace {

const QChar kComma(QLatin1Char(','));

QString grouped(qint64 m, int e) {
    return grouped_decimal_text(make_exact_decimal(m, e), kComma);
}

TEST(MetricDecimal, TheAnswersOfTheWorkedExamples) {
    EXPECT_EQ(grouped(45000, 0), QStringLiteral("45 000 "));
    EXPECT_EQ(grouped(45, -3), QStringLiteral("0,045 "));
    EXPECT_EQ(grouped(45, -4), QStringLiteral("0,0 045 "));
    EXPECT_EQ(grouped(45, -6), QStringLiteral("0,000 045 "));
    EXPECT_EQ(grouped(45, -9), QStringLiteral("0,000 000 045 "));
    EXPECT_EQ(grouped(45, -18), QStringLiteral("0,000 000 000 000 000 045 "));
    EXPECT_EQ(grouped(45, -17), QStringLiteral("0,00 000 000 000 000 045 "));
}

TEST(MetricDecimal, AboveOneBothSidesOfTheSeparatorAreGrouped) {
    EXPECT_EQ(grouped(123456789, -5), QStringLiteral("1 234,567 89 "));
    EXPECT_EQ(grouped(15, -1), QStringLiteral("1,5 "));
    EXPECT_EQ(grouped(1, 0), QStringLiteral("1 "));
    EXPECT_EQ(grouped(1000, -3), QStringLiteral("1 "));
}

TEST(MetricDecimal, StandardFormHasOneDigitBeforeTheSeparator) {
    const StandardForm a = standard_form(make_exact_decimal(45, -4), kComma);
    EXPECT_EQ(a.coefficient, QStringLiteral("4,5"));
    EXPECT_EQ(a.power, -3);
    const StandardForm b = standard_form(make_exact_decimal(7000, 2), kComma);
    EXPECT_EQ(b.coefficient, QStringLiteral("7"));
    EXPECT_EQ(b.power, 5);
}

// Every grouped text reads back as its value, its groups have three digits
// (the first may have fewer) and it ends in one blank; its standard form
// has the same value.
TEST(MetricDecimal, ManyValuesReadBackExactly) {
    std::mt19937_64 random(17);
    for (int i = 0; i < 20000; ++i) {
        const qint64 m = static_cast<qint64>(random() % 2147483647) + 1;
        const int e = static_cast<int>(random() % 50) - 30;
        SCOPED_TRACE(::testing::Message() << m << "e" << e);
        const ExactDecimal d = make_exact_decimal(m, e);
        const Decimal expected = normalised(std::to_string(m), e);
        const QString text = grouped_decimal_text(d, kComma);
        const auto read = read_decimal(text);
        ASSERT_TRUE(read.has_value()) << text.toStdString();
        EXPECT_EQ(*read, expected);
        ASSERT_TRUE(text.endsWith(QLatin1Char(' ')));
        QStringList pieces = text.trimmed().split(QLatin1Char(' '));
        const bool below_one = text.startsWith(QStringLiteral("0,"));
        if (below_one) pieces.first().remove(0, 2);
        for (qsizetype k = 0; k < pieces.size(); ++k) {
            QString p = pieces[k];
            if (!below_one && p.contains(kComma)) {
                // The piece around the separator: three digits on each side at most.
                const QStringList sides = p.split(kComma);
                EXPECT_LE(sides[0].size(), 3);
                EXPECT_LE(sides[1].size(), 3);
                continue;
            }
            const bool may_be_short = below_one ? k == 0 : (k == 0 || k == pieces.size() - 1);
            if (may_be_short)
                EXPECT_TRUE(p.size() >= 1 && p.size() <= 3) << p.toStdString();
            else
                EXPECT_EQ(p.size(), 3) << p.toStdString();
        }
        const StandardForm f = standard_form(d, kComma);
        const auto value =
            standard_form_value(f.coefficient + QStringLiteral(" × 10"), QString::number(f.power));
        ASSERT_TRUE(value.has_value()) << f.coefficient.toStdString();
        EXPECT_EQ(*value, expected);
        EXPECT_EQ(plain_decimal_text(d, kComma).count(kComma), expected.power < 0 ? 1 : 0);
    }
}

}  // namespace
}  // namespace cifrala::testing
