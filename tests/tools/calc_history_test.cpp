// The recall of earlier sums with Up and Down.
#include <gtest/gtest.h>

#include "tools/calc_history.h"

namespace cifrala {
namespace {

TEST(CalcHistoryTest, NothingToRecallAtFirst) {
    CalcHistory h;
    EXPECT_FALSE(h.older(QStringLiteral("2+")).has_value());
    EXPECT_FALSE(h.newer().has_value());
}

TEST(CalcHistoryTest, RecallWalksBackAndForth) {
    CalcHistory h;
    h.add(QStringLiteral("1+1"), QStringLiteral("2"));
    h.add(QStringLiteral("2+2"), QStringLiteral("4"));
    EXPECT_EQ(h.older(QStringLiteral("draft")).value(), QStringLiteral("2+2"));
    EXPECT_EQ(h.older(QStringLiteral("ignored")).value(), QStringLiteral("1+1"));
    EXPECT_FALSE(h.older(QString()).has_value());
    EXPECT_EQ(h.newer().value(), QStringLiteral("2+2"));
    EXPECT_EQ(h.newer().value(), QStringLiteral("draft"));
    EXPECT_FALSE(h.newer().has_value());
}

TEST(CalcHistoryTest, TheSameSumTwiceIsKeptOnce) {
    CalcHistory h;
    h.add(QStringLiteral("random(6)"), QStringLiteral("3"));
    h.add(QStringLiteral("random(6)"), QStringLiteral("5"));
    ASSERT_EQ(h.entries().size(), 1u);
    EXPECT_EQ(h.entries().back().result, QStringLiteral("5"));
}

TEST(CalcHistoryTest, AddingEndsARecall) {
    CalcHistory h;
    h.add(QStringLiteral("1"), QStringLiteral("1"));
    h.add(QStringLiteral("2"), QStringLiteral("2"));
    h.older(QString());
    h.older(QString());
    h.add(QStringLiteral("3"), QStringLiteral("3"));
    EXPECT_EQ(h.older(QString()).value(), QStringLiteral("3"));
}

TEST(CalcHistoryTest, TheOldestFallOff) {
    CalcHistory h;
    for (int i = 0; i < CalcHistory::kMaxEntries + 3; ++i)
        h.add(QString::number(i), QString::number(i));
    EXPECT_EQ(static_cast<int>(h.entries().size()), CalcHistory::kMaxEntries);
    EXPECT_EQ(h.entries().front().expression, QStringLiteral("3"));
}

}  // namespace
}  // namespace cifrala
