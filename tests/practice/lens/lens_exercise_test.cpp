// The lens exercises over many seeds of every level: whole-number
// distances within the drawn ranges, and the asked one makes 1/v + 1/b =
// 1/f hold exactly (checked with fractions computed here); the numbers of
// the worked solution: the least common denominator, the numerator over it
// and the reduced fraction.
#include <gtest/gtest.h>

#include <cmath>

#include "practice/lens/lens_exercise.h"
#include "practice/lens/lens_fixture.h"
#include "util/random.h"

namespace cifrala {
namespace {

using testing::Fraction;

constexpr int kSeeds = 400;

TEST(LensExercise, GeneratedDistancesAreWholeAndSatisfyTheFormula) {
    int kinds[4] = {0, 0, 0, 0};
    for (int level = 0; level < 3; ++level) {
        const int limit = level == 0 ? 30 : level == 1 ? 50 : 100;
        for (int seed = 1; seed <= kSeeds; ++seed) {
            seed_random(static_cast<quint32>(seed));
            const LensExercise e = generate_lens(level);
            ASSERT_GE(e.kind, 1);
            ASSERT_LE(e.kind, 3);
            ++kinds[e.kind];
            SCOPED_TRACE(::testing::Message()
                         << "kind " << e.kind << " v " << e.v << " b " << e.b << " f " << e.f);
            ASSERT_GT(e.v, 0);
            ASSERT_GT(e.b, 0);
            ASSERT_GT(e.f, 0);
            // 1/v + 1/b = 1/f exactly.
            EXPECT_EQ(Fraction::of(1, e.v) + Fraction::of(1, e.b), Fraction::of(1, e.f));
            if (e.kind == 1) {
                EXPECT_GT(e.b, e.f);
                EXPECT_LE(e.f, 20);
                EXPECT_LE(e.b, e.f + limit);
            } else if (e.kind == 2) {
                EXPECT_GT(e.v, e.f);
                EXPECT_LE(e.f, 20);
                EXPECT_LE(e.v, e.f + limit);
            } else {
                EXPECT_LE(e.v, 20);
                EXPECT_LE(e.b, limit);
                EXPECT_NE(e.v, e.b);
            }
            EXPECT_DOUBLE_EQ(e.f_real, static_cast<double>(e.v * e.b) / (e.v + e.b));
        }
    }
    EXPECT_GT(kinds[1], 100);
    EXPECT_GT(kinds[2], 100);
    EXPECT_GT(kinds[3], 100);
}

TEST(LensExercise, AForcedKindIsTheAskedOne) {
    for (int kind = 1; kind <= 3; ++kind)
        for (int seed = 1; seed <= 50; ++seed) {
            seed_random(static_cast<quint32>(seed));
            EXPECT_EQ(generate_lens(2, kind).kind, kind);
        }
}

TEST(LensExercise, StepsKeepTheValueOfTheUnknownReciprocal) {
    for (int seed = 1; seed <= kSeeds; ++seed) {
        seed_random(static_cast<quint32>(seed));
        const LensExercise e = generate_lens(seed % 3);
        const LensSteps s = lens_steps(e);
        const long long asked = e.kind == 1 ? e.v : e.kind == 2 ? e.b : e.f;
        SCOPED_TRACE(::testing::Message() << "kind " << e.kind << " L " << s.L << " N " << s.N);
        // N/L is 1/asked; L is the least common multiple of the two known
        // distances; the reduced fraction is in lowest terms.
        EXPECT_EQ(Fraction::of(s.N, s.L), Fraction::of(1, asked));
        EXPECT_EQ(s.L, std::lcm(s.first, s.second));
        EXPECT_EQ(Fraction::of(s.n, s.l), Fraction::of(s.N, s.L));
        EXPECT_EQ(std::gcd(s.n, s.l), 1);
        EXPECT_EQ(Fraction::of(s.l, s.n), Fraction::of(asked, 1));
        EXPECT_EQ(s.add, e.kind == 3);
    }
}

TEST(LensExercise, KindThreeWithSixAndThree) {
    const LensSteps s = lens_steps(lens_exercise(3, 6, 3, 0));
    EXPECT_EQ(s.L, 6);
    EXPECT_EQ(s.N, 3);
    EXPECT_EQ(s.n, 1);
    EXPECT_EQ(s.l, 2);
    EXPECT_TRUE(s.reduces());
}

TEST(LensExercise, ObjectInTheFocalPointHasNoImage) {
    const LensExercise e = lens_exercise(2, 6, 0, 6, true);
    EXPECT_TRUE(std::isinf(e.b_real));
    const LensSteps s = lens_steps(e);
    EXPECT_EQ(s.N, 0);
    EXPECT_FALSE(s.has_answer());
}

TEST(LensExercise, ObjectInsideTheFocalPointGivesANegativeImageDistance) {
    for (long long f = 2; f <= 30; ++f)
        for (long long v = 1; v < f; ++v) {
            const LensExercise e = lens_exercise(2, v, 0, f, true);
            const LensSteps s = lens_steps(e);
            ASSERT_TRUE(s.has_answer());
            const Fraction b = Fraction::of(s.n, s.l).inverse();
            EXPECT_LT(b.p, 0);
            EXPECT_EQ(Fraction::of(1, v) + b.inverse(), Fraction::of(1, f)) << v << " " << f;
            EXPECT_LT(e.b_real, 0);
        }
}

TEST(LensOwn, TheKindFollowsTheEmptyField) {
    EXPECT_EQ(read_own_lens("", "12", "4").kind, 1);
    EXPECT_EQ(read_own_lens("12", "", "4").kind, 2);
    EXPECT_EQ(read_own_lens("12", "6", "").kind, 3);
}

TEST(LensOwn, Refusals) {
    using namespace lens_messages;
    struct Case {
        const char *v, *b, *f;
        int message, field;
    };
    const Case cases[] = {
        {"", "x", "4", kBUnreadable, 1},    {"", "12", "y", kFUnreadable, 2},
        {"", "1,5", "4", kBUnreadable, 1},  {"", "4", "4", kFNotBelowB, 1},
        {"", "3", "4", kFNotBelowB, 1},     {"", "0", "4", kBZero, 1},
        {"", "12", "0", kFNotPositive, 2},  {"", "12", "-3", kFNotPositive, 2},
        {"q", "", "4", kVUnreadable, 0},    {"12", "", "2/0", kFUnreadable, 2},
        {"0", "", "4", kVNotPositive, 0},   {"-5", "", "4", kVNotPositive, 0},
        {"12", "", "-1", kFNotPositive, 2}, {"6", "6", "", kVEqualsB, 1},
        {"6", "-6", "", kNoFocalLength, 1}, {"6", "-3", "", kDivergingLens, 1},
        {"6", "0", "", kBZero, 1},          {"-1", "3", "", kVNotPositive, 0},
        {"20000", "", "3", kTooLarge, 0},   {"", "12", "2^40", kTooLarge, 2},
    };
    for (const Case& c : cases) {
        const LensOwnResult r = read_own_lens(c.v, c.b, c.f);
        EXPECT_EQ(r.message, c.message) << c.v << " | " << c.b << " | " << c.f;
        EXPECT_EQ(r.field, c.field) << c.v << " | " << c.b << " | " << c.f;
    }
}

TEST(LensOwn, AcceptedExercisesSatisfyTheFormulaExactly) {
    // Every accepted pair of distances up to 40 (negative image distances
    // included) gives an asked distance with 1/v + 1/b = 1/f.
    int accepted = 0;
    for (long long a = -40; a <= 40; ++a)
        for (long long c = -40; c <= 40; ++c)
            for (int kind = 1; kind <= 3; ++kind) {
                const QString A = QString::number(a), C = QString::number(c);
                const LensOwnResult r = kind == 1   ? read_own_lens("", A, C)
                                        : kind == 2 ? read_own_lens(A, "", C)
                                                    : read_own_lens(A, C, "");
                if (r.message != 0) continue;
                const LensSteps s = lens_steps(r.exercise);
                if (!s.has_answer()) {
                    EXPECT_EQ(kind, 2);
                    EXPECT_EQ(a, c) << "only the object in the focal point has no image";
                    continue;
                }
                ++accepted;
                const Fraction asked = Fraction::of(s.n, s.l).inverse();
                Fraction v, b, f;
                if (kind == 1) {
                    v = asked, b = Fraction::of(a, 1), f = Fraction::of(c, 1);
                } else if (kind == 2) {
                    v = Fraction::of(a, 1), b = asked, f = Fraction::of(c, 1);
                } else {
                    v = Fraction::of(a, 1), b = Fraction::of(c, 1), f = asked;
                }
                ASSERT_EQ(v.inverse() + b.inverse(), f.inverse()) << kind << ": " << a << ", " << c;
                EXPECT_GT(v.p, 0) << "the object stands in front of the lens";
                EXPECT_GT(f.p, 0) << "a converging lens";
            }
    EXPECT_GT(accepted, 3000);
}

}  // namespace
}  // namespace cifrala
