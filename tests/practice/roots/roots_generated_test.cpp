// Many generated exercises of every level with both factoring methods:
// each ends in the simplest form of its root, s times the root of a
// square-free r, whose value is the root of the radicand; and nothing is
// written past the edges of the worksheet or the hint area.
#include <cmath>

#include "practice/roots/roots_fixture.h"
#include "practice/roots/roots_texts.h"
#include "util/random.h"

namespace cifrala::testing {
namespace {

constexpr int kSeeds = 120;

// Every item but the hint lies wholly on the surface.
void expect_inside(const Surface& s, const char* which) {
    const QRect area(0, 0, s.width(), s.height());
    for (const DrawnItem& item : s.display().items()) {
        if (std::holds_alternative<DrawnHint>(item)) continue;
        const QRect r = bounding_rect(item);
        EXPECT_TRUE(area.contains(r)) << which << ": item at " << r.x() << "," << r.y() << " "
                                      << r.width() << "x" << r.height();
    }
}

// With prime factors the second line starts with the root of the squares
// and the rest: V(F1 × F2 × ... × R) with every F a square above 1, their
// product n, and R without a square factor.
void expect_square_factors(const std::vector<ReadLine>& lines, int n) {
    ASSERT_GE(lines.size(), 2u);
    ASSERT_FALSE(lines[1].tokens.empty());
    const ReadToken& first = lines[1].tokens.front();
    ASSERT_EQ(first.kind, ReadToken::Root);
    long long product = 1;
    const QStringList factors = first.text.split(QStringLiteral(" × "));
    for (qsizetype i = 0; i < factors.size(); ++i) {
        const long long f = factors[i].toLongLong();
        ASSERT_GT(f, 1) << first.text.toStdString();
        product *= f;
        const long long root = static_cast<long long>(std::llround(std::sqrt(double(f))));
        if (i + 1 < factors.size() || root * root == f) {
            EXPECT_EQ(root * root, f) << first.text.toStdString();
        } else {
            EXPECT_TRUE(square_free(f)) << first.text.toStdString();
        }
    }
    EXPECT_EQ(product, n) << first.text.toStdString();
}

QString radicand_text(const RootsExercise& e) {
    return QStringLiteral("kind %1, %2/%3").arg(e.kind).arg(e.P).arg(e.Q);
}

TEST_F(RootsFixture, EveryExerciseEndsInTheSimplestFormOfItsRoot) {
    int worked = 0, no_square = 0;
    for (int level = 0; level < 3; ++level) {
        for (bool by_primes : {false, true}) {
            w.set_level(level);
            primes(by_primes);
            for (int seed = 1; seed <= kSeeds; ++seed) {
                seed_random(static_cast<quint32>(seed * 7 + level * 1000 + (by_primes ? 500 : 0)));
                w.Button1Click();
                const RootsExercise e = w.roots_mode().roots_worker().exercise;
                SCOPED_TRACE(radicand_text(e).toStdString() + (by_primes ? " primes" : " squares"));
                const int presses = work_to_end();
                ASSERT_LT(presses, 50);
                ASSERT_FALSE(w.step_available());
                ASSERT_TRUE(w.next_available());
                expect_inside(w.surface(), "worksheet");
                expect_inside(w.hint_area(), "hint area");
                ++worked;
                const bool whole = e.kind == 1 || e.kind == 2 || e.kind == 4;
                if (whole && square_free(e.P)) {
                    // Nothing to take out: the sheet says so.
                    EXPECT_EQ(sheet().last(), msg(roots_messages::kSimplest));
                    EXPECT_EQ(presses, 1);
                    ++no_square;
                    continue;
                }
                if (whole && by_primes)
                    expect_square_factors(read_lines(w.surface().display()), e.P);
                const std::optional<RootValue> v = last_value(w.surface().display());
                ASSERT_TRUE(v.has_value()) << sheet_text().toStdString();
                // (p/q)^2 * r = P/Q, as integers.
                const long long q_radicand = whole ? 1 : e.Q;
                EXPECT_EQ(v->p * v->p * v->r * q_radicand,
                          static_cast<long long>(e.P) * v->q * v->q)
                    << sheet_text().toStdString();
                EXPECT_TRUE(square_free(v->r)) << sheet_text().toStdString();
                EXPECT_EQ(gcd_ll(v->p, v->q), 1) << sheet_text().toStdString();
                EXPECT_GT(v->p, 0);
            }
        }
    }
    EXPECT_EQ(worked, 3 * 2 * kSeeds);
    EXPECT_GT(no_square, 0);
}

TEST_F(RootsFixture, EveryExerciseOfEveryKindIsWorkedInFewSteps) {
    std::map<int, int> most;
    seed_random(99);
    for (int i = 0; i < 400; ++i) {
        w.set_level(i % 3);
        primes(i % 2 == 1);
        w.Button1Click();
        const int kind = w.roots_mode().roots_worker().exercise.kind;
        most[kind] = std::max(most[kind], work_to_end());
    }
    EXPECT_EQ(most.size(), 6u);
    EXPECT_LE(most[1], 5);
    EXPECT_EQ(most[3], 5);
    EXPECT_LE(most[5], 4);
    EXPECT_LE(most[6], 4);
}

}  // namespace
}  // namespace cifrala::testing
