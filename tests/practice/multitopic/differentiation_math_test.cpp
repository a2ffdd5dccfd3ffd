// The differentiation topics checked as mathematics: for every category and
// level over many exercises, every line the worksheet states, read back from
// the worksheet as an expression, is the exercise's function or its
// derivative. The function is built from the exercise's numbers on its own
// (exercise_functions.h), and the derivative lines are compared at several
// points with a central difference quotient of that function; the worksheet
// ends with the derivative, and nothing leaves the worksheet.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "formula/display_reader.h"
#include "practice/multitopic/exercise_functions.h"
#include "practice/multitopic/multitopic_fixture.h"
#include "practice/multitopic/topics/chain_rule.h"
#include "practice/multitopic/worksheet_expressions.h"
#include "text/messages.h"
#include "util/random.h"

namespace cifrala {
namespace {

using testing::kDifferentiation;
using testing::MultiTopicTest;
using testing::StatedExpression;
using testing::value_at;

constexpr int kSeeds = 120;
constexpr int kHintBand = 40;

// Where the function and its forms can be compared: a spread of points, and
// points inside the domain of the exercise's inner piece.
std::vector<double> points_for(const TopicWorker& w) {
    std::vector<double> xs{-2.73, -1.91, -1.37, -0.71, -0.33, 0.29, 0.63, 1.17, 1.73, 2.41, 3.37};
    const auto* chain = dynamic_cast<const ChainRuleWorker*>(&w);
    if (!chain) return xs;
    const ChainExercise& e = chain->exercise;
    if (e.category <= 2) {
        const double d = std::sqrt(double(e.B) * e.B - 4.0 * e.A * e.C);
        const double r1 = (-e.B - d) / (2.0 * e.A), r2 = (-e.B + d) / (2.0 * e.A);
        const double lo = std::min(r1, r2), hi = std::max(r1, r2);
        for (double t : {0.2, 0.4, 0.6, 0.8})
            xs.push_back(lo + t * (hi - lo));
        for (double t : {0.3, 1.1})
            xs.insert(xs.end(), {lo - t, hi + t});
    } else if (e.category == 3 || e.category == 4) {
        for (double k : {-1.3, 0.3, 0.8, 1.7, 3.1})
            xs.push_back((k - e.D) / double(e.C));
    } else if (e.category == 5) {
        for (int k = 1; k <= 12; ++k)
            xs.push_back(0.041 * k);
    }
    return xs;
}

struct Comparison {
    int points = 0;  // points at which every stated form could be compared
    QString fault;
};

// `f` is the exercise's function; every stated form of f(x) must give its
// value, every stated form of f'(x) its difference quotient.
Comparison compare(const QString& f, const std::vector<StatedExpression>& stated,
                   const std::vector<double>& xs) {
    Comparison c;
    for (double x : xs) {
        const double h = 1e-5 * std::max(1.0, std::fabs(x));
        const auto f0 = value_at(f, x);
        const auto fp = value_at(f, x + h), fm = value_at(f, x - h);
        const auto fp2 = value_at(f, x + 2 * h), fm2 = value_at(f, x - 2 * h);
        if (!f0 || !fp || !fm || !fp2 || !fm2 || std::fabs(*f0) > 1e100) continue;
        const double d1 = (*fp - *fm) / (2 * h);
        const double d2 = (*fp2 - *fm2) / (4 * h);
        // Too close to a pole for a difference quotient.
        if (std::fabs(d1 - d2) > 1e-3 * (1 + std::fabs(d1))) continue;
        // Richardson's extrapolation, and how far the quotient may still be off.
        const double derivative = (4 * d1 - d2) / 3;
        const double uncertainty = std::fabs(d1 - d2);
        std::vector<double> values;
        for (const StatedExpression& s : stated) {
            const auto v = value_at(s.text, x);
            if (!v) break;
            values.push_back(*v);
        }
        if (values.size() != stated.size()) continue;
        ++c.points;
        for (size_t i = 0; i < stated.size(); ++i) {
            const double expected = stated[i].derivative ? derivative : *f0;
            const double tolerance =
                stated[i].derivative
                    ? 1e-6 * (1 + std::fabs(derivative) + std::fabs(*f0)) + uncertainty
                    : 1e-9 * (1 + std::fabs(*f0));
            if (std::fabs(values[i] - expected) > tolerance && c.fault.isEmpty()) {
                c.fault = QStringLiteral("line %1 \"%2\" at x = %3 gives %4, expected %5")
                              .arg(stated[i].line)
                              .arg(stated[i].shown)
                              .arg(x)
                              .arg(values[i], 0, 'g', 12)
                              .arg(expected, 0, 'g', 12);
            }
        }
    }
    return c;
}

class DifferentiationMath : public MultiTopicTest {
protected:
    void SetUp() override {
        MultiTopicTest::SetUp();
        number_settings.radians = true;
    }
};

TEST_F(DifferentiationMath, EveryStatedLineIsTheFunctionOrItsDerivative) {
    for (const auto& code : kDifferentiation) {
        for (int level = 0; level <= 2; ++level) {
            open(code.topic, code.category, level);
            for (int seed = 1; seed <= kSeeds; ++seed) {
                SCOPED_TRACE(::testing::Message() << "category " << code.category << " level "
                                                  << level << " seed " << seed);
                seed_random(static_cast<quint32>(seed));
                work();
                ASSERT_TRUE(worker().finished);
                const auto stated = testing::stated_expressions(window->surface().display());
                ASSERT_GE(stated.size(), 2u);
                EXPECT_FALSE(stated.front().derivative) << "the first line is not f(x)";
                EXPECT_TRUE(stated.back().derivative) << "the last line is not f'(x)";
                const QString f = testing::exercise_function(worker());
                ASSERT_FALSE(f.isEmpty());
                const Comparison c = compare(f, stated, points_for(worker()));
                EXPECT_GE(c.points, 2)
                    << "too few points to compare " << stated.front().shown.toStdString();
                EXPECT_TRUE(c.fault.isEmpty()) << c.fault.toStdString();
                EXPECT_EQ(read_hint(window->surface().display()), msg(1613));
            }
        }
    }
}

TEST_F(DifferentiationMath, NoLineLeavesTheWorksheet) {
    for (const auto& code : kDifferentiation) {
        for (int level = 0; level <= 2; ++level) {
            open(code.topic, code.category, level);
            for (int seed = 1; seed <= kSeeds; ++seed) {
                SCOPED_TRACE(::testing::Message() << "category " << code.category << " level "
                                                  << level << " seed " << seed);
                seed_random(static_cast<quint32>(seed));
                work();
                const Surface& s = window->surface();
                const QRect sheet(0, 0, s.width(), s.height() - kHintBand);
                for (const DrawnItem& item : s.display().items()) {
                    if (std::holds_alternative<DrawnHint>(item)) continue;
                    const QRect r = bounding_rect(item);
                    if (const auto* t = std::get_if<DrawnText>(&item);
                        t && t->pos.y() >= s.height() - kHintBand)
                        continue;  // the hint's own run
                    EXPECT_TRUE(sheet.contains(r)) << "item at " << r.x() << "," << r.y()
                                                   << " size " << r.width() << "x" << r.height();
                }
            }
        }
    }
}

TEST_F(DifferentiationMath, EveryPressWritesSomethingAndTheExerciseEnds) {
    for (const auto& code : kDifferentiation) {
        open(code.topic, code.category, 2);
        for (int seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE(::testing::Message() << "category " << code.category << " seed " << seed);
            seed_random(static_cast<quint32>(seed));
            window->Button1Click();
            int presses = 0;
            while (window->step_available() && presses < 30) {
                const size_t before = window->surface().display().size();
                window->Button2Click();
                ++presses;
                EXPECT_GT(window->surface().display().size(), before) << "press " << presses;
            }
            EXPECT_LT(presses, 30);
            EXPECT_TRUE(window->next_available());
        }
    }
}

}  // namespace
}  // namespace cifrala
