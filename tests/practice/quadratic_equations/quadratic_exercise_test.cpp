// The quadratic equation's arithmetic: the factor-pair search, the stages
// of a root, square factors, and the exercises every level and option draws.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>

#include "practice/quadratic_equations/quadratic_exercise.h"
#include "util/random.h"

namespace cifrala {
namespace {

using namespace quadratic_form;

std::vector<std::pair<long long, long long>> pairs(const FactorPairSearch& f) {
    std::vector<std::pair<long long, long long>> out;
    for (const FactorPairLine& l : f.lines)
        out.emplace_back(l.first, l.second);
    return out;
}

TEST(FactorPairSearch, XSquaredMinus5xPlus6ListsTwoPairsAndEndsWithTheRedOne) {
    const FactorPairSearch f = search_factor_pair(-5, 6);
    ASSERT_TRUE(f.found);
    using P = std::pair<long long, long long>;
    EXPECT_EQ(pairs(f), (std::vector<P>{{-6, -1}, {-3, -2}, {-3, -2}}));
    EXPECT_TRUE(f.lines.back().red);
    EXPECT_EQ(f.b, -3);
    EXPECT_EQ(f.c, -2);
}

TEST(FactorPairSearch, ASumOfMinusBIsNegatedOnALineOfItsOwn) {
    const FactorPairSearch f = search_factor_pair(5, 6);
    using P = std::pair<long long, long long>;
    EXPECT_EQ(pairs(f), (std::vector<P>{{-6, -1}, {-3, -2}, {3, 2}, {3, 2}}));
    EXPECT_FALSE(f.lines[2].red);
    EXPECT_TRUE(f.lines[3].red);
    EXPECT_EQ(f.b + f.c, 5);
}

TEST(FactorPairSearch, FindsThePairWheneverTheRootsAreWholeNumbers) {
    for (long long r1 = -30; r1 <= 30; ++r1) {
        for (long long r2 = -30; r2 <= 30; ++r2) {
            const long long B = -(r1 + r2), C = r1 * r2;
            if (C == 0) continue;
            const FactorPairSearch f = search_factor_pair(B, C);
            SCOPED_TRACE(testing::Message() << "roots " << r1 << ", " << r2);
            ASSERT_TRUE(f.found);
            EXPECT_EQ(f.b * f.c, C);
            EXPECT_EQ(f.b + f.c, B);
            EXPECT_EQ(std::set<long long>({-f.b, -f.c}), std::set<long long>({r1, r2}));
            EXPECT_EQ(f.double_root, r1 == r2);
            // Every line is a pair of divisors of C.
            for (const FactorPairLine& l : f.lines)
                EXPECT_EQ(l.first * l.second, C);
        }
    }
}

TEST(FactorPairSearch, WithoutWholeRootsEveryPairIsListedOnceAndNoneIsFound) {
    for (long long C : {-7LL, 7LL, 30LL, -11LL, 4LL, 12LL, -29LL}) {
        const FactorPairSearch f = search_factor_pair(1, C);  // x² + x + C: no whole roots
        SCOPED_TRACE(C);
        EXPECT_FALSE(f.found);
        std::set<std::pair<long long, long long>> seen;
        for (const FactorPairLine& l : f.lines) {
            EXPECT_EQ(l.first * l.second, C);
            EXPECT_FALSE(l.red);
            const auto key = std::minmax(l.first, l.second);
            EXPECT_TRUE(seen.insert(key).second) << "listed twice";
        }
        // The pairs of divisors with one sign and the other, each once.
        int expected = 0;
        for (long long d = 1; d * d <= std::llabs(C); ++d)
            if (C % d == 0) expected += C > 0 ? 2 : (d * d == -C ? 1 : 2);
        EXPECT_EQ(static_cast<int>(f.lines.size()), expected);
    }
}

// The value a stage stands for.
double stage_value(const RootStage& s) {
    double v = 0;
    switch (s.kind) {
        case RootStage::Whole:
            v = static_cast<double>(s.whole);
            break;
        case RootStage::Mixed:
            v = static_cast<double>(s.whole) + static_cast<double>(s.numerator) / s.denominator;
            break;
        case RootStage::Fraction:
            v = static_cast<double>(s.numerator) / static_cast<double>(s.denominator);
            break;
    }
    return s.negative ? -v : v;
}

TEST(RootStages, EveryStageKeepsTheValueAndTheLastIsInLowestTerms) {
    for (long long n = -40; n <= 40; ++n) {
        for (long long d = -12; d <= 12; ++d) {
            if (d == 0) continue;
            const auto stages = root_stages(n, d);
            ASSERT_FALSE(stages.empty());
            for (const RootStage& s : stages)
                EXPECT_NEAR(stage_value(s), static_cast<double>(n) / d, 1e-12) << n << "/" << d;
            const RootStage& last = stages.back();
            if (last.kind != RootStage::Whole) {
                EXPECT_EQ(std::gcd(last.numerator, last.denominator), 1) << n << "/" << d;
                EXPECT_GT(last.denominator, 1);
                EXPECT_GT(last.numerator, 0);
                EXPECT_LT(last.kind == RootStage::Mixed ? last.numerator : 0, last.denominator);
            }
        }
    }
}

TEST(RootStages, SixOverMinusFourGoesThroughEveryStage) {
    const auto s = root_stages(6, -4);
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[0].numerator, 6);
    EXPECT_EQ(s[0].denominator, -4);
    EXPECT_EQ(s[1].numerator, 3);  // reduced
    EXPECT_EQ(s[1].denominator, -2);
    EXPECT_TRUE(s[2].negative);  // the sign in front
    EXPECT_EQ(s[3].kind, RootStage::Mixed);
    EXPECT_EQ(s[3].whole, 1);
}

TEST(SplitSquare, TakesTheLargestSquareOut) {
    for (long long n = 1; n <= 3000; ++n) {
        long long k = 0, m = 0;
        split_square(n, k, m);
        EXPECT_EQ(k * k * m, n);
        for (long long t = 2; t * t <= m; ++t)
            EXPECT_NE(m % (t * t), 0) << n;
    }
}

// The roots of A·x² + B·x + C found by bisection on a fine grid, without
// the formula the window uses.
std::vector<double> roots_by_search(double A, double B, double C) {
    std::vector<double> out;
    auto f = [&](double x) { return (A * x + B) * x + C; };
    const double step = 1e-3;
    for (double x = -60; x < 60; x += step) {
        const double a = f(x), b = f(x + step);
        if (a == 0) out.push_back(x);
        if ((a < 0) != (b < 0) && b != 0) {
            double lo = x, hi = x + step;
            for (int i = 0; i < 60; ++i) {
                const double mid = (lo + hi) / 2;
                ((f(lo) < 0) == (f(mid) < 0) ? lo : hi) = mid;
            }
            out.push_back((lo + hi) / 2);
        }
    }
    return out;
}

TEST(Generation, WithoutTheAbcFormulaTheRootsAreWholeNumbers) {
    for (int level = 0; level < 3; ++level) {
        for (bool big : {false, true}) {
            seed_random(static_cast<quint32>(100 + level * 2 + big));
            for (int i = 0; i < 300; ++i) {
                const QuadraticExercise e = generate_standard({level, false, big});
                ASSERT_NE(e.A, 0);
                ASSERT_FALSE(e.B == 0 && e.C == 0);
                if (level == 0) {
                    EXPECT_EQ(e.A, 1);
                }
                for (double x : roots_by_search(e.A, e.B, e.C))
                    EXPECT_NEAR(x, std::round(x), 1e-6) << e.A << " " << e.B << " " << e.C;
                EXPECT_EQ(e.A0, e.A);
                EXPECT_EQ(e.B0, e.B);
                EXPECT_EQ(e.C0, e.C);
            }
        }
    }
}

TEST(Generation, WithTheAbcFormulaTheLeadingCoefficientIsASquare) {
    for (int level = 0; level < 3; ++level) {
        seed_random(static_cast<quint32>(7 + level));
        bool none = false, irrational = false;
        for (int i = 0; i < 400; ++i) {
            const QuadraticExercise e = generate_standard({level, true, level == 2});
            long long root = 0;
            EXPECT_TRUE(perfect_square(e.A, root)) << e.A;
            const long long D = discriminant(e.A, e.B, e.C);
            long long r = 0;
            none = none || D < 0;
            irrational = irrational || (D > 0 && !perfect_square(D, r));
            if (level == 0) EXPECT_GE(D, 0) << "the simple level draws squares";
        }
        if (level > 0) {
            EXPECT_TRUE(none);
            EXPECT_TRUE(irrational);
        }
    }
}

TEST(Generation, ProductFormsStandForTheirExpansion) {
    for (int level = 0; level < 3; ++level) {
        for (bool abc : {false, true}) {
            seed_random(static_cast<quint32>(31 + level * 2 + abc));
            std::set<int> forms;
            for (int i = 0; i < 300; ++i) {
                const QuadraticExercise e = generate_product({level, abc, false});
                forms.insert(e.form);
                // The product, evaluated at a few points, equals A x² + B x + C.
                for (double x : {-2.5, 0.0, 1.0, 3.25}) {
                    double left = 0;
                    if (e.form == kSquare) {
                        left = (e.p * x + e.q) * (e.p * x + e.q) - double(e.r) * e.r;
                    } else {
                        left = (e.p * x + e.q) * (e.r * x + e.s) - (e.form == kProduct ? e.t : 0);
                    }
                    EXPECT_NEAR(left, (e.A * x + e.B) * x + e.C, 1e-9);
                }
                if (e.form == kProduct && !abc) {
                    // The root test gave the equation a whole root.
                    bool whole = false;
                    for (long long x = -20; x <= 20; ++x)
                        whole = whole || (e.A * x + e.B) * x + e.C == 0;
                    EXPECT_TRUE(whole)
                        << e.p << " " << e.q << " " << e.r << " " << e.s << " " << e.t;
                }
                if (e.form == kProductZero) {
                    for (int v : {e.p, e.q, e.r, e.s})
                        EXPECT_GT(std::abs(v), 1);
                }
            }
            if (level == 2 && abc) {
                EXPECT_EQ(forms, (std::set<int>{kProduct, kSquare, kProductZero}));
            } else {
                EXPECT_EQ(forms, std::set<int>{kProduct});
            }
        }
    }
}

TEST(CommonFactor, HasTheSignOfTheLeadingCoefficient) {
    EXPECT_EQ(common_factor(2, 4, -6), 2);
    EXPECT_EQ(common_factor(-3, 6, 0), -3);
    EXPECT_EQ(common_factor(-1, 5, 6), -1);
    EXPECT_EQ(common_factor(3, 0, -12), 3);
}

}  // namespace
}  // namespace cifrala
