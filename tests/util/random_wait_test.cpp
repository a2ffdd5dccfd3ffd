// The program's random source and its waits.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>
#include <vector>

#include "util/number_settings.h"
#include "util/random.h"
#include "util/wait.h"

namespace cifrala {
namespace {

TEST(Random, SameSeedSameSequence) {
    seed_random(99);
    std::vector<int> first;
    for (int i = 0; i < 20; ++i)
        first.push_back(random(1000));
    seed_random(99);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(random(1000), first[i]);
    seed_random(100);
    int same = 0;
    for (int i = 0; i < 20; ++i)
        same += random(1000) == first[i];
    EXPECT_LT(same, 5);
}

TEST(Random, StaysInRangeAndCoversIt) {
    seed_random(1);
    std::vector<int> seen(6, 0);
    for (int i = 0; i < 6000; ++i) {
        const int r = random(6);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 6);
        ++seen[r];
    }
    for (int c : seen)
        EXPECT_GT(c, 850);  // expected 1000 each
    EXPECT_EQ(random(0), 0);
    EXPECT_EQ(random(-5), 0);
    EXPECT_EQ(random(1), 0);
}

TEST(Random, LargeBoundsAndReals) {
    seed_random(2);
    for (int i = 0; i < 1000; ++i) {
        const qint64 r = random64(5000000000LL);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 5000000000LL);
        const double u = random_real();
        ASSERT_GE(u, 0);
        ASSERT_LT(u, 1);
    }
    EXPECT_EQ(random64(0), 0);
}

TEST(Wait, WaitsAtLeastTheTime) {
    QElapsedTimer t;
    t.start();
    wait_ms(30);
    EXPECT_GE(t.elapsed(), 30);
    wait_ms(0);
    wait_ms(-5);
}

TEST(Wait, ResponsiveWaitProcessesEvents) {
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    wait_ms(20);
    EXPECT_FALSE(fired);  // the plain wait leaves events alone
    wait_ms_responsive(20);
    EXPECT_TRUE(fired);
}

TEST(NumberSettings, StartUpValues) {
    const NumberSettings saved = number_settings;
    number_settings.decimals = 7;
    number_settings.radians = true;
    init_number_settings();
    EXPECT_TRUE(number_settings.fixed_decimals);
    EXPECT_EQ(number_settings.decimals, 2);
    EXPECT_TRUE(number_settings.mixed_numbers);
    EXPECT_FALSE(number_settings.radians);
    EXPECT_FALSE(number_settings.tiny_mode);
    EXPECT_FALSE(number_settings.exact_fractions);
    EXPECT_EQ(number_settings.decimal_separator, QLatin1Char(','));  // the tests run in Dutch
    number_settings = saved;
}

}  // namespace
}  // namespace cifrala
