// Many generated exponential equations on every level, worked to the end
// and checked another way: the solution the worksheet ends with makes both
// sides of the equation as it was written equal, every intermediate stage
// has that same solution (and is not simply true everywhere), and the
// stages of one line are the same number.
#include "practice/exponential/exponential_fixture.h"
#include "util/random.h"

namespace cifrala {
namespace {

using testing::engine_text;
using testing::stages;
using testing::value_at;

class ExponentialMath : public testing::ExponentialFixture {};

constexpr int kSeeds = 300;

bool equal_sides(const QString& left, const QString& right, double x) {
    const auto l = value_at(left, x), r = value_at(right, x);
    if (!l || !r) return false;
    return std::fabs(*l - *r) <= 1e-9 * std::max({1.0, std::fabs(*l), std::fabs(*r)});
}

TEST_F(ExponentialMath, TheSolutionMakesEveryStageTrue) {
    for (int level = 0; level < 3; ++level) {
        w.set_level(level);
        for (int seed = 1; seed <= kSeeds; ++seed) {
            SCOPED_TRACE(level);
            SCOPED_TRACE(seed);
            seed_random(static_cast<quint32>(seed * 7 + level));
            w.Button1Click();
            work_to_end();
            ASSERT_FALSE(w.step_available());
            const QStringList lines = sheet();
            SCOPED_TRACE(sheet_text().toStdString());
            // The last line: "x = a = b": every stage the same value.
            const QStringList last = stages(lines.last());
            ASSERT_GE(last.size(), 2);
            ASSERT_EQ(last[0], QStringLiteral("x"));
            std::optional<double> x;
            for (int i = 1; i < last.size(); ++i) {
                const auto v = value_at(engine_text(last[i]), 0);
                ASSERT_TRUE(v) << last[i].toStdString();
                if (x) {
                    EXPECT_NEAR(*v, *x, 1e-12) << last[i].toStdString();
                }
                x = v;
            }
            // Every line before it: left = right holds at x and not at x + 1.
            for (int i = 0; i + 1 < lines.size(); ++i) {
                const QStringList s = stages(lines[i]);
                ASSERT_GE(s.size(), 2) << lines[i].toStdString();
                const QString left = engine_text(s[0]);
                for (int j = 1; j < s.size(); ++j) {
                    const QString right = engine_text(s[j]);
                    EXPECT_TRUE(equal_sides(left, right, *x)) << lines[i].toStdString();
                    EXPECT_FALSE(equal_sides(left, right, *x + 1)) << lines[i].toStdString();
                }
            }
        }
    }
}

TEST_F(ExponentialMath, TheLevelsKeepTheirShapes) {
    for (int level = 0; level < 3; ++level) {
        for (int seed = 1; seed <= 2000; ++seed) {
            seed_random(static_cast<quint32>(seed));
            const ExpExercise x = generate_exponential(level);
            SCOPED_TRACE(level);
            SCOPED_TRACE(seed);
            EXPECT_NE(x.L.a0, x.R.a0);
            EXPECT_NE(x.L.a0, x.L.a1);
            EXPECT_NE(x.R.a0, x.R.a1);
            EXPECT_TRUE(x.g == 2 || x.g == 3 || x.g == 5);
            EXPECT_NE(x.k, 0);
            EXPECT_GE(x.k, -3);
            EXPECT_LE(x.k, 2);
            EXPECT_GE(x.d, -5);
            EXPECT_LE(x.d, 4);
            EXPECT_GE(x.e, 1);
            EXPECT_LE(x.e, 4);
            EXPECT_GE(x.m, 1);
            EXPECT_EQ(x.first_phase, x.m == 1 ? 2 : 1);
            if (x.m == 1) {
                EXPECT_EQ(x.c3, 0);
            }
            if (level == 0) {
                EXPECT_EQ(x.m, 1);
                EXPECT_FALSE(x.roots);
                EXPECT_FALSE(x.L.has_denominator());
                EXPECT_FALSE(x.R.has_denominator());
            } else {
                EXPECT_TRUE(x.L.has_denominator());
                EXPECT_TRUE(x.R.has_denominator());
            }
            if (level == 1) {
                // One of the two pieces of each factor is a square root.
                for (const ExponentRecord& r : {x.L, x.R})
                    EXPECT_EQ(r.r0 + r.r1, 3);
            }
            if (level == 2) {
                for (const ExponentRecord& r : {x.L, x.R}) {
                    EXPECT_EQ(std::gcd(r.a0, r.r0), 1);
                    EXPECT_EQ(std::gcd(r.a1, r.r1), 1);
                    EXPECT_LE(r.r0, 5);
                    EXPECT_LE(r.r1, 5);
                }
            }
        }
    }
}

TEST_F(ExponentialMath, EasyStartsWithoutACommonFactorAndWritesNoRoots) {
    w.set_level(0);
    for (int seed = 1; seed <= 100; ++seed) {
        seed_random(static_cast<quint32>(seed));
        w.Button1Click();
        EXPECT_EQ(hint(), msg(exponential_messages::kPowersOfG)
                              .replace('#', QString::number(w.worker().exercise.g)));
        // Phases 2, 3, 5, 6, 7, 8, 9.
        EXPECT_EQ(work_to_end(), 6);
        EXPECT_EQ(sheet().size(), 7) << sheet_text().toStdString();
        EXPECT_FALSE(sheet_text().contains(QLatin1Char('V')));
    }
}

}  // namespace
}  // namespace cifrala
