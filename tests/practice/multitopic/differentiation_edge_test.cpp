// The edge cases of the differentiation topics: the ranges of the power
// rule at "Eenvoudig", the pre-steps of the quotient variant, a product
// whose first factor is a single term, the chain rule with a positive
// exponent, and the category drawn anew for every exercise of "Kettingregel
// (alle varianten)" with its hints and the unchanged title.
#include <gtest/gtest.h>

#include <set>

#include "formula/display_reader.h"
#include "practice/multitopic/multitopic_fixture.h"
#include "practice/multitopic/topics/chain_rule.h"
#include "practice/multitopic/topics/power_rule.h"
#include "practice/multitopic/topics/two_quadratics.h"
#include "text/messages.h"
#include "util/random.h"

namespace cifrala {
namespace {

using testing::MultiTopicTest;

bool in(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

TEST(PowerRule, EasyExercisesStayInTheirRanges) {
    for (quint32 seed = 1; seed <= 300; ++seed) {
        seed_random(seed);
        const PowerRuleExercise e = generate_power_rule(0);
        EXPECT_FALSE(e.quotient);
        std::set<std::pair<int, int>> exponents;
        for (const PowerTerm& t : e.terms) {
            EXPECT_TRUE(in(std::abs(t.coefficient.p), 2, 4)) << t.coefficient.p;
            EXPECT_TRUE(t.coefficient.q == 1 || in(t.coefficient.q, 2, 6)) << t.coefficient.q;
            EXPECT_TRUE(in(std::abs(t.exponent.p), 2, 4)) << t.exponent.p;
            EXPECT_TRUE(t.exponent.q == 1 || in(t.exponent.q, 2, 6)) << t.exponent.q;
            exponents.insert({t.exponent.p, t.exponent.q});
        }
        EXPECT_EQ(exponents.size(), 3u) << "two terms with the same exponent";
    }
}

TEST(PowerRule, OnlyExpertHasTheQuotientVariant) {
    int quotients[3] = {0, 0, 0};
    for (int level = 0; level <= 2; ++level) {
        for (quint32 seed = 1; seed <= 300; ++seed) {
            seed_random(seed);
            if (generate_power_rule(level).quotient) ++quotients[level];
        }
    }
    EXPECT_EQ(quotients[0], 0);
    EXPECT_EQ(quotients[1], 0);
    EXPECT_GT(quotients[2], 60);  // about a third
    EXPECT_LT(quotients[2], 140);
}

class Edges : public MultiTopicTest {};

TEST_F(Edges, AfterDifferentiatingNoExponentIsZero) {
    open(9, 7, 0);
    for (quint32 seed = 1; seed <= 100; ++seed) {
        seed_random(seed);
        window->Button1Click();
        window->Button2Click();  // power notation
        window->Button2Click();  // differentiated
        for (const PowerTerm& t : worker_as<PowerRuleWorker>().terms)
            EXPECT_NE(t.exponent.p, 0) << "seed " << seed;
    }
}

TEST_F(Edges, TheQuotientVariantRunsFromMinusFourThroughTheOrdinarySteps) {
    open(9, 7, 2);
    int found = 0;
    for (quint32 seed = 1; seed <= 60 && found < 10; ++seed) {
        seed_random(seed);
        window->Button1Click();
        auto& w = worker_as<PowerRuleWorker>();
        if (!w.exercise.quotient) continue;
        ++found;
        std::vector<int> steps{w.step};
        while (window->step_available()) {
            window->Button2Click();
            steps.push_back(w.step);
        }
        EXPECT_EQ(steps, (std::vector<int>{-4, -3, -2, 0, 1, 2, 3, 4})) << "seed " << seed;
    }
    EXPECT_GT(found, 3);
}

TEST_F(Edges, AProductOfASingleTermIsWrittenWithoutBrackets) {
    open(10, 8, 0);
    int found = 0;
    for (quint32 seed = 1; seed <= 400; ++seed) {
        seed_random(seed);
        window->Button1Click();
        const TwoQuadratics& q = worker_as<ProductRuleWorker>().exercise;
        const QString first = read_line_texts(window->surface().display()).value(0);
        const bool single = q.b == 0 && q.c == 0;
        EXPECT_EQ(first.startsWith(QLatin1String("f(x) = (")), !single)
            << first.toStdString() << " seed " << seed;
        if (single) ++found;
    }
    EXPECT_GT(found, 5);
}

TEST_F(Edges, AChainWithAPositiveExponentNeedsNoRewriting) {
    open(12, 1, 1);
    int found = 0;
    for (quint32 seed = 1; seed <= 100; ++seed) {
        seed_random(seed);
        const int presses = work();
        const ChainExercise& e = worker_as<ChainRuleWorker>().exercise;
        const int lines = static_cast<int>(read_lines(window->surface().display()).size());
        if (e.n > 0) {
            ++found;
            EXPECT_EQ(presses, 1) << "seed " << seed;
            EXPECT_EQ(lines, 2) << "seed " << seed;
        } else {
            EXPECT_EQ(presses, 3) << "seed " << seed;  // as a power, the chain rule, a fraction
        }
    }
    EXPECT_GT(found, 10);
}

TEST_F(Edges, AllVariantsDrawACategoryForEveryExerciseWithItsOwnHints) {
    open(-1, 6, 1);
    const QString title = window->windowTitle();
    EXPECT_EQ(title, msg(1639));
    std::set<int> seen;
    int changes = 0;
    int previous = 0;
    for (int i = 0; i < 40; ++i) {
        window->Button1Click();
        const ChainExercise& e = worker_as<ChainRuleWorker>().exercise;
        ASSERT_TRUE(e.category >= 1 && e.category <= 5);
        seen.insert(e.category);
        if (previous != 0 && e.category != previous) ++changes;
        previous = e.category;
        EXPECT_EQ(selection.topic_code, 11 + e.category);
        EXPECT_EQ(selection.category_code, 6);
        const int hint = e.category >= 3 ? 1632 : e.n > 0 ? 1620 : 1618;
        EXPECT_EQ(read_hint(window->surface().display()), msg(hint)) << "category " << e.category;
        while (window->step_available())
            window->Button2Click();
        EXPECT_EQ(window->windowTitle(), title);
    }
    EXPECT_GE(seen.size(), 4u);
    EXPECT_GE(changes, 10);
}

}  // namespace
}  // namespace cifrala
