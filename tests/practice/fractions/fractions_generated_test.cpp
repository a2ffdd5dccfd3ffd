// Generated exercises of every kind and level over many seeds: the numbers
// keep to the level's ranges, the steps always finish, and the value at the
// end is the exact value of the exercise.
#include <numeric>
#include <set>

#include "practice/fractions/fractions_fixture.h"

namespace cifrala {
namespace {

using testing::FractionsFixture;
using testing::Rational;
using testing::reduce;

constexpr int kSeeds = 40;

Rational expected_value(const FractionExercise& e) {
    const long long a1 = e.a1, b1 = e.b1, a2 = e.a2, b2 = e.b2;
    switch (e.kind) {
        case 0:
            return reduce(a1 * b2 + a2 * b1, b1 * b2);
        case 1:
            return reduce(a1 * b2 - a2 * b1, b1 * b2);
        case 2:
            return reduce(a1 * a2, b1 * b2);
        case 3:
            return reduce(a1 * b2, b1 * a2);
        default:
            return reduce(a1, a2);
    }
}

bool in(long long v, long long lo, long long hi) {
    return v >= lo && v <= hi;
}

// Multiplication and division: a1 and b2 share one prime of the table, b1
// and a2 another, each times a number from the level's range.
bool crosswise_factors(int a1, int b1, int a2, int b2, int level) {
    const int primes[] = {2, 3, 5, 7, 11};
    const int count = level == 0 ? 4 : 5;
    const int u = level == 0 ? 10 : 30, w = level == 0 ? 7 : 15;
    for (int i = 0; i < count; ++i) {
        for (int j = 0; j < count; ++j) {
            const int p = primes[i], q = primes[j];
            if (p == q) continue;
            if (a1 % p || b2 % p || b1 % q || a2 % q) continue;
            if (in(a1 / p, 2, u + 1) && in(b2 / p, 2, w + 1) && in(b1 / q, 2, w + 1) &&
                in(a2 / q, 2, u + 1))
                return true;
        }
    }
    return false;
}

void expect_in_range(const FractionExercise& e, int level) {
    const int r = level == 2 ? 50 : level == 1 ? 10 : 5;
    switch (e.kind) {
        case 0:
        case 1:
            for (int v : {e.a1, e.b1, e.a2, e.b2})
                EXPECT_TRUE(in(v, 2, r + 1)) << v;
            EXPECT_EQ(std::gcd(e.a1, e.b1), 1);
            EXPECT_EQ(std::gcd(e.a2, e.b2), 1);
            break;
        case 2:
            EXPECT_TRUE(crosswise_factors(e.a1, e.b1, e.a2, e.b2, level));
            EXPECT_EQ(std::gcd(e.a1, e.b1), 1);
            EXPECT_EQ(std::gcd(e.a2, e.b2), 1);
            break;
        case 3:  // the divisor is the turned-round second fraction
            EXPECT_TRUE(crosswise_factors(e.a1, e.b1, e.b2, e.a2, level));
            break;
        case 6: {
            const int f = e.b1;
            bool product = false;
            for (int i = 2; i <= 6; ++i)
                for (int j = 2; j <= 6; ++j)
                    product = product || i * j == f;
            EXPECT_TRUE(product) << f;
            ASSERT_EQ(e.a1 % f, 0);
            ASSERT_EQ(e.a2 % f, 0);
            const int p = std::min(e.a1, e.a2) / f, q = std::max(e.a1, e.a2) / f;
            EXPECT_TRUE(in(p, 2, r + 1) && in(q, 2, r + 1) && p < q);
            EXPECT_EQ(std::gcd(p, q), 1);
            break;
        }
        default:
            ADD_FAILURE() << "kind " << e.kind;
    }
}

class EveryKindAndLevel : public FractionsFixture,
                          public ::testing::WithParamInterface<std::tuple<char, int>> {};

TEST_P(EveryKindAndLevel, StepsFinishWithTheExactValue) {
    const auto [digit, level] = GetParam();
    for (quint32 seed = 1; seed <= kSeeds; ++seed) {
        hints.clear();
        if (seed == 1) {
            start(QLatin1Char(digit), level, seed);
        } else {
            seed_random(seed);
            w.Button1Click();
        }
        const FractionExercise e = w.initial_exercise();
        SCOPED_TRACE(::testing::Message() << "seed " << seed << ": " << e.a1 << "/" << e.b1
                                          << " kind " << e.kind << " " << e.a2 << "/" << e.b2);
        expect_in_range(e, level);
        const int presses = work_to_end();
        EXPECT_LT(presses, 20);
        EXPECT_FALSE(w.step_available());
        EXPECT_TRUE(w.next_available());
        EXPECT_EQ(testing::hint_text(w.surface()), msg(1540));
        const auto value = testing::final_value(w.surface());
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, expected_value(e));
        // The worked solution stays inside the frame, above its bottom line.
        const int frame_bottom = w.surface().height() - 50 - 5;
        for (const DrawnText& t : w.surface().display().texts()) {
            if (t.pos.y() >= w.surface().height() - 40) continue;  // the hint line
            EXPECT_LE(t.rect.right(), w.surface().width() - 10) << t.text.toStdString();
            EXPECT_LE(t.rect.bottom(), frame_bottom) << t.text.toStdString();
        }
    }
}

TEST_P(EveryKindAndLevel, TheKindListDecidesTheKind) {
    const auto [digit, level] = GetParam();
    start(QLatin1Char(digit), level, 7);
    for (quint32 seed = 1; seed <= 20; ++seed) {
        seed_random(seed);
        w.Button1Click();
        const int kind = w.initial_exercise().kind;
        switch (digit) {
            case '1':
                EXPECT_EQ(kind, 0);
                break;
            case '2':
                EXPECT_TRUE(kind == 0 || kind == 1);
                break;
            case '3':
                EXPECT_EQ(kind, 2);
                break;
            case '4':
                EXPECT_EQ(kind, 3);
                break;
            case '5':
                EXPECT_TRUE(kind >= 0 && kind <= 3);
                break;
            case '6':
                EXPECT_EQ(kind, 6);
                break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fractions, EveryKindAndLevel,
                         ::testing::Combine(::testing::Values('1', '2', '3', '4', '5', '6'),
                                            ::testing::Values(0, 1, 2)));

TEST_F(FractionsFixture, TheSameSeedGivesTheSameExercise) {
    start('5', 1, 99);
    const FractionExercise first = w.initial_exercise();
    const QStringList first_lines = line_texts();
    seed_random(99);
    w.Button1Click();
    EXPECT_EQ(w.initial_exercise(), first);
    EXPECT_EQ(line_texts(), first_lines);
}

TEST_F(FractionsFixture, PresetSubtractionIsAlwaysSubtraction) {
    w.set_preset_kind('2');
    for (quint32 seed = 1; seed <= 20; ++seed) {
        seed_random(seed);
        w.start_showing();
        EXPECT_EQ(w.initial_exercise().kind, 1);
    }
}

TEST_F(FractionsFixture, MixedKindsUseAllFourOperations) {
    start('5', 0, 1);
    std::set<int> kinds;
    for (quint32 seed = 1; seed <= 60; ++seed) {
        seed_random(seed);
        w.Button1Click();
        kinds.insert(w.initial_exercise().kind);
    }
    EXPECT_EQ(kinds, (std::set<int>{0, 1, 2, 3}));
}

}  // namespace
}  // namespace cifrala
