// The worked solutions of many generated inequalities checked another way:
// every line the worksheet writes is read back as an expression and keeps
// the value of the first one, the roots it names make both sides equal,
// and the answer it reads from the graphs is exactly where the parabola
// lies below (or above) the line, tested at points inside and outside each
// interval with the expression engine.
#include "practice/inequalities/inequalities_fixture.h"
#include "practice/inequalities/inequality_exercise.h"
#include "util/random.h"

namespace cifrala {
namespace {

using testing::answer_intervals;
using testing::difference_text;
using testing::engine_text;
using testing::value_at;

class InequalityMath : public testing::InequalitiesFixture {};

constexpr int kSeeds = 600;

bool inside(const std::vector<testing::Interval>& set, double x) {
    for (const auto& i : set)
        if (x > i.lo && x < i.hi) return true;
    return false;
}

TEST_F(InequalityMath, EveryLineKeepsTheValueAndTheAnswerIsWhereTheRelationHolds) {
    int one_piece = 0, two_pieces = 0;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE(seed);
        seed_random(static_cast<quint32>(seed));
        w.Button1Click();
        ASSERT_EQ(work_to_end(), 4);
        const QStringList lines = sheet();
        SCOPED_TRACE(sheet_text().toStdString());
        ASSERT_GE(lines.size(), 12);
        // Line 0 is the inequality; the sides as the pupil reads them.
        const bool less = lines[0].contains(QStringLiteral(" < "));
        ASSERT_NE(less, lines[0].contains(QStringLiteral(" > ")));
        const QString sign = less ? QStringLiteral("<") : QStringLiteral(">");
        const QString first = difference_text(lines[0], sign);
        ASSERT_FALSE(first.isEmpty());
        const QString y1 = engine_text(lines[2].section(QLatin1Char('='), 1));
        const QString y2 = engine_text(lines[3].section(QLatin1Char('='), 1));
        // y1 - y2 is the inequality's left minus right side.
        for (double x : {-3.5, 0.25, 7.0}) {
            EXPECT_NEAR(*value_at(y1, x) - *value_at(y2, x), *value_at(first, x), 1e-7);
        }
        // The equation and its rewritings (lines 5 to 8) are the same
        // polynomial, whatever is on the right of "=".
        for (int i = 5; i <= 8; ++i) {
            const QString d = difference_text(lines[i], QStringLiteral("="));
            ASSERT_FALSE(d.isEmpty()) << lines[i].toStdString();
            for (double x : {-9.0, -1.5, 2.0, 11.0})
                EXPECT_NEAR(*value_at(d, x), *value_at(first, x), 1e-6) << lines[i].toStdString();
        }
        // "x = a of x = b": both make the two sides equal.
        const QStringList roots = lines[9].split(QLatin1Char(' ') + msg(-57) + QLatin1Char(' '));
        ASSERT_EQ(roots.size(), 2) << lines[9].toStdString();
        const double r1 = roots[0].section(QLatin1Char('='), 1).trimmed().toDouble();
        const double r2 = roots[1].section(QLatin1Char('='), 1).trimmed().toDouble();
        EXPECT_LT(r1, r2);
        EXPECT_GE(r2 - r1, 4);
        EXPECT_NEAR(*value_at(y1, r1), *value_at(y2, r1), 1e-9);
        EXPECT_NEAR(*value_at(y1, r2), *value_at(y2, r2), 1e-9);
        // The answer: test points in and out of every interval.
        const auto set = answer_intervals(lines);
        ASSERT_FALSE(set.empty());
        (set.size() == 1 ? one_piece : two_pieces)++;
        for (double x = -30; x <= 30; x += 0.37) {
            if (std::fabs(x - r1) < 1e-9 || std::fabs(x - r2) < 1e-9) continue;
            const double p = *value_at(y1, x), l = *value_at(y2, x);
            const bool holds = less ? p < l : p > l;
            EXPECT_EQ(holds, inside(set, x)) << "x = " << x;
        }
        // The ends themselves are no solution: there the sides are equal.
        EXPECT_FALSE(inside(set, r1));
        EXPECT_FALSE(inside(set, r2));
    }
    EXPECT_GT(one_piece, kSeeds / 4);
    EXPECT_GT(two_pieces, kSeeds / 4);
}

TEST(InequalityGeneration, EveryDrawKeepsItsAcceptanceRule) {
    for (int seed = 1; seed <= 3000; ++seed) {
        seed_random(static_cast<quint32>(seed));
        const InequalityExercise e = generate_inequality();
        SCOPED_TRACE(seed);
        ASSERT_LT(e.x1, e.x2);
        const int w = e.x2 - e.x1;
        EXPECT_GE(w, 4);
        const double reach = -e.b / (2.0 * w);
        EXPECT_GT(reach, -6);
        EXPECT_LT(reach, 6);
        EXPECT_EQ(e.a, 1);
        // A and B lie on the parabola and on the line (exact integers).
        for (auto [x, y] : {std::pair{e.x1, e.y1}, std::pair{e.x2, e.y2}}) {
            EXPECT_EQ(static_cast<long long>(x) * x + static_cast<long long>(e.b) * x + e.c, y);
            EXPECT_EQ(static_cast<long long>(e.s) * x + e.n, y);
        }
        // The heights were scaled by the width: both multiples of it.
        EXPECT_EQ(e.y1 % w, 0);
        EXPECT_EQ(e.y2 % w, 0);
        EXPECT_DOUBLE_EQ(e.graph_top, 1.2 * std::max(e.y1, e.y2));
        const double vx = -e.b / 2.0;
        EXPECT_NEAR(e.vertex_y, vx * vx + e.b * vx + e.c, 1e-9);
    }
}

TEST(InequalityGeneration, PointsThatMakeNoWholeCoefficientsAreRefused) {
    InequalityExercise e;
    EXPECT_FALSE(inequality_from_points(3, 0, 3, 4, true, e));  // x1 = x2
    EXPECT_FALSE(inequality_from_points(5, 0, 1, 4, true, e));  // x1 > x2
    EXPECT_FALSE(inequality_from_points(0, 0, 4, 1, true, e));  // slope 1/4
    ASSERT_TRUE(inequality_from_points(-2, 0, 3, 10, false, e));
    EXPECT_EQ(e.s, 2);
    EXPECT_EQ(e.n, 4);
    // x² + b x + c - (2x + 4) = (x + 2)(x - 3)
    EXPECT_EQ(e.b - e.s, -1);
    EXPECT_EQ(e.c - e.n, -6);
}

}  // namespace
}  // namespace cifrala
