// The score keeping of the judged topics: a value that drops by a factor,
// right answers with their percentage rounded down, and the clock.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "practice/common/score.h"
#include "support/number_settings_fixture.h"

namespace cifrala {
namespace {

class Score : public testing::DefaultNumberSettings {};

TEST_F(Score, TheValueDropsByItsFactorAndReadsAsAPercentage) {
    ValueScore v;
    EXPECT_EQ(v.text(), "100%");
    v.lower(3);
    EXPECT_NEAR(v.value(), 0.729, 1e-12);
    EXPECT_EQ(v.text(), "72,9%");
    v.reset();
    EXPECT_EQ(v.value(), 1.0);
    ValueScore half(0.5);
    half.lower();
    EXPECT_EQ(half.text(), "50%");
}

TEST_F(Score, ThePercentageOfRightAnswersIsRoundedDown) {
    Tally t;
    EXPECT_EQ(t.percent(), 0);
    t.add(true);
    t.add(true);
    t.add(false);
    EXPECT_EQ(t.attempts(), 3);
    EXPECT_EQ(t.correct(), 2);
    EXPECT_EQ(t.percent(), 66);
    for (int i = 0; i < 97; ++i)
        t.add(true);
    EXPECT_EQ(t.percent(), 99);  // 99 of 100
    t.reset();
    EXPECT_EQ(t.attempts(), 0);
}

TEST_F(Score, TheClockTicksDownAndExpiresOnce) {
    Countdown c;
    QSignalSpy ticks(&c, &Countdown::ticked);
    QSignalSpy expired(&c, &Countdown::expired);
    c.start(1000, 100);
    EXPECT_TRUE(c.running());
    EXPECT_NEAR(c.fraction_left(), 1.0, 0.05);
    c.advance(450);
    EXPECT_GE(ticks.count(), 4);
    EXPECT_LE(c.remaining_ms(), 550);
    EXPECT_EQ(expired.count(), 0);
    c.advance(5000);
    EXPECT_EQ(expired.count(), 1);
    EXPECT_FALSE(c.running());
    EXPECT_EQ(c.remaining_ms(), 0);
    EXPECT_EQ(c.fraction_left(), 0.0);
    c.advance(1000);  // nothing more after the time is up
    EXPECT_EQ(expired.count(), 1);
}

TEST_F(Score, TheClockRunsOnItsTimerAndCanBeStopped) {
    Countdown c;
    QSignalSpy expired(&c, &Countdown::expired);
    c.start(60, 10);
    QTRY_COMPARE_WITH_TIMEOUT(expired.count(), 1, 2000);
    c.start(10000, 10);
    c.stop();
    QTest::qWait(50);
    EXPECT_FALSE(c.running());
    EXPECT_EQ(expired.count(), 1);
}

}  // namespace
}  // namespace cifrala
