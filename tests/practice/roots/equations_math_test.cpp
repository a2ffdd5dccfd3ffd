// The equation topics of the roots window over many seeds and every level:
// every solution written satisfies the equation on the first line (read
// back and evaluated by the expression engine), none is missing (compared
// with the solutions found another way: the abc formula, the n-th root of
// the quotient taken in floating point, squaring), and every line in x
// holds at every solution (the lines are equivalent equations).
#include <gtest/gtest.h>

#include <QPushButton>
#include <cmath>
#include <set>

#include "practice/roots/equation_reading.h"
#include "practice/roots/equations/equation_modes.h"
#include "practice/roots/equations/fraction_equation.h"
#include "practice/roots/equations/power_equation.h"
#include "practice/roots/equations/quadratic_elementary.h"
#include "practice/roots/equations/root_equation.h"
#include "practice/roots/roots_form.h"
#include "util/number_settings.h"
#include "util/random.h"
#include "util/selection.h"

namespace cifrala::testing {
namespace {

constexpr int kSeeds = 300;

class EquationTopics : public ::testing::TestWithParam<int> {
protected:
    void open(int topic) {
        selection = SelectionValues{};
        selection.topic_code = topic;
        init_number_settings();
        w.sequence().instant = true;
        w.start_showing();
    }
    int work_to_end() {
        int n = 0;
        while (w.step_available() && n < 30) {
            w.Button2Click();
            ++n;
        }
        return n;
    }
    TwortelsherleidenForm w;
};

// Solutions found without the window's steps.
std::vector<double> quadratic_roots(double a, double b, double c) {
    const double D = b * b - 4 * a * c;
    if (D < -1e-9) return {};
    if (std::fabs(D) < 1e-9) return {-b / (2 * a)};
    const double r = std::sqrt(D);
    return {(-b - r) / (2 * a), (-b + r) / (2 * a)};
}

std::vector<double> power_solutions(const PowerEquation& e) {
    const double y = static_cast<double>(e.c - e.a) / e.b;
    std::vector<double> roots;
    if (e.n % 2 == 0) {
        if (y < 0) return {};
        const double r = std::pow(y, 1.0 / e.n);
        roots = {r, -r};
    } else {
        roots = {std::copysign(std::pow(std::fabs(y), 1.0 / e.n), y)};
    }
    for (double& r : roots)
        r = (r - e.t) / e.s;
    return roots;
}

std::vector<double> fraction_solutions(const FractionEquation& e) {
    if (e.kind == 1) {
        // p·x² + q·x + m = 0 without the root x = 0 (m ≠ 0).
        return quadratic_roots(e.p, e.q, e.m);
    }
    // q/(m·x + r) = s - p.
    return {(static_cast<double>(e.q) / (e.s - e.p) - e.r) / e.m};
}

std::vector<double> root_solutions(const RootEquation& e) {
    const double y = static_cast<double>(e.r - e.p) / e.q;
    if (y < 0) return {};
    return {y * y - e.m};
}

std::vector<double> quadratic_solutions(const ElementaryQuadratic& e) {
    // a·x² + (b - B)·x + (c + r) = r - B·x, everything to the left.
    return quadratic_roots(e.a, (e.b - e.B) + e.B, (e.c + e.r) - e.r);
}

std::vector<double> distinct(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    std::vector<double> out;
    for (double x : v)
        if (out.empty() || std::fabs(x - out.back()) > 1e-7) out.push_back(x);
    return out;
}

void check_sheet(const DisplayList& display, const std::vector<double>& expected) {
    const std::vector<EquationLine> lines = equation_lines(display);
    ASSERT_FALSE(lines.empty());
    ASSERT_TRUE(lines.front().has_x) << lines.front().shown.toStdString();
    ASSERT_EQ(lines.front().clauses.size(), 1u);
    const EquationClause& equation = lines.front().clauses.front();
    // The expected solutions satisfy the equation as the sheet shows it.
    for (double x : expected)
        EXPECT_TRUE(clause_holds(equation, x)) << equation.shown.toStdString() << " at " << x;
    std::vector<double> written;
    for (const EquationLine& line : lines) {
        if (!line.has_x) continue;
        // Every line holds at every solution: one of its clauses does.
        for (double x : expected) {
            bool holds = false;
            for (const EquationClause& c : line.clauses)
                holds = holds || clause_holds(c, x);
            EXPECT_TRUE(holds) << line.shown.toStdString() << " at x = " << x;
        }
        // ... and nowhere else: the line has no solution of its own.
        for (double x : {-7.31, -1.13, 0.61, 2.93, 11.71}) {
            const bool near_solution = std::any_of(expected.begin(), expected.end(), [x](double e) {
                return std::fabs(e - x) < 1e-3;
            });
            if (near_solution) continue;
            for (const EquationClause& c : line.clauses)
                EXPECT_FALSE(clause_holds(c, x) && c.shown.contains('x') &&
                             !solution_of(c).has_value())
                    << line.shown.toStdString() << " holds at x = " << x;
        }
        // A clause that gives x its value: the value and every form of it
        // after further "=" are one number.
        for (const EquationClause& c : line.clauses) {
            const auto s = solution_of(c);
            if (!s) continue;
            EXPECT_TRUE(clause_holds(c, *s)) << c.shown.toStdString();
            written.push_back(*s);
            const auto at = sides_at(equation, *s);
            ASSERT_TRUE(at.has_value()) << c.shown.toStdString();
            EXPECT_NEAR((*at)[0], (*at)[1], 1e-6 * std::max(1.0, std::fabs((*at)[1])))
                << equation.shown.toStdString() << " at " << *s;
        }
    }
    // Nothing missed, nothing extra.
    const std::vector<double> w = distinct(written);
    const std::vector<double> e = distinct(expected);
    ASSERT_EQ(w.size(), e.size()) << lines.front().shown.toStdString();
    for (size_t i = 0; i < w.size(); ++i)
        EXPECT_NEAR(w[i], e[i], 1e-7 * std::max(1.0, std::fabs(e[i])));
}

TEST_P(EquationTopics, EveryLevelAndSeedSolvesItsEquation) {
    const int topic = GetParam();
    open(topic);
    EquationControls& eq = w.equations();
    for (int level = 0; level < 3; ++level) {
        w.set_level(level);
        for (int seed = 1; seed <= kSeeds; ++seed) {
            SCOPED_TRACE(::testing::Message() << "level " << level << " seed " << seed);
            seed_random(static_cast<quint32>(seed * 7919 + level));
            w.Button1Click();
            std::vector<double> expected;
            switch (topic) {
                case 58:
                    expected = power_solutions(eq.powers().e);
                    break;
                case 59:
                    expected = fraction_solutions(eq.fractions().e);
                    break;
                case 60:
                    expected = root_solutions(eq.roots().e);
                    break;
                default:
                    expected = quadratic_solutions(eq.quadratic().e);
                    break;
            }
            const int presses = work_to_end();
            EXPECT_LT(presses, 30);
            EXPECT_TRUE(w.next_available());
            check_sheet(w.surface().display(), expected);
            if (::testing::Test::HasFailure()) return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Topics, EquationTopics, ::testing::Values(58, 59, 60, 61));

}  // namespace
}  // namespace cifrala::testing
