// "Bereken functiewaarde": every choice and level over many seeds, each
// written stage checked against a·u² + b·u + c computed here with exact
// fractions; the steps that are left out, the mixed numbers, the options
// panel, the menu's preset and the card of each step.
#include <QRadioButton>

#include "practice/common/floating_panel.h"
#include "practice/roots/roots_functions_fixture.h"
#include "util/random.h"

namespace cifrala::testing {
namespace {

// p/q reduced, q > 0, from 64-bit integers; the test's own arithmetic.
struct Exact {
    long long p = 0, q = 1;
};
long long g(long long a, long long b) {
    a = a < 0 ? -a : a;
    while (b != 0) {
        const long long t = a % b;
        a = b;
        b = t;
    }
    return a;
}
Exact exact(long long p, long long q) {
    if (q < 0) {
        p = -p;
        q = -q;
    }
    const long long d = g(p, q);
    return {p / d, q / d};
}

// f(u/v) = (p1 u² q2 q3 + p2 u v q1 q3 + p3 v² q1 q2) / (q1 q2 q3 v²).
Exact exact_value(const FunctionValueExercise& e) {
    const long long p1 = e.a.n, q1 = e.a.d, p2 = e.b.n, q2 = e.b.d, p3 = e.c.n, q3 = e.c.d;
    const long long u = e.x.n, v = e.x.d;
    return exact(p1 * u * u * q2 * q3 + p2 * u * v * q1 * q3 + p3 * v * v * q1 * q2,
                 q1 * q2 * q3 * v * v);
}

class FunctionValueTest : public RootsFunctionsFixture {
protected:
    FunctionValueTest() : RootsFunctionsFixture(57) {}

    // Every stage of every line after the first two equals the value.
    void check_worked(const FunctionValueExercise& e) {
        const Exact value = exact_value(e);
        const double expected = static_cast<double>(value.p) / static_cast<double>(value.q);
        const std::vector<ReadLine> all = lines();
        ASSERT_GE(all.size(), 4u) << sheet_text().toStdString();
        int checked = 0;
        for (size_t k = 2; k < all.size(); ++k) {
            const auto stages = stages_of(all[k]);
            ASSERT_GE(stages.size(), 2u) << all[k].text().toStdString();
            for (size_t s = 1; s < stages.size(); ++s) {
                const QString text = expression_of(stages[s]);
                const auto v = value_of(text);
                ASSERT_TRUE(v.has_value()) << text.toStdString() << "\n"
                                           << sheet_text().toStdString();
                EXPECT_TRUE(near(*v, expected))
                    << all[k].text().toStdString() << " ≠ " << value.p << "/" << value.q;
                ++checked;
            }
        }
        EXPECT_GE(checked, 3);
        // The answer: the reduced fraction or whole number, last as a mixed
        // number when it is improper.
        const auto last = stages_of(all.back());
        const QString answer = expression_of(last.back());
        if (value.q == 1) {
            EXPECT_EQ(answer.trimmed(), QString::number(value.p)) << sheet_text().toStdString();
        } else {
            const long long m = value.p < 0 ? -value.p : value.p;
            const QString read = all.back().text();
            const QString fraction =
                QString::number(m % value.q) + QStringLiteral("/") + QString::number(value.q);
            if (m > value.q)
                EXPECT_TRUE(
                    read.endsWith(QString::number(m / value.q) + QStringLiteral(" ") + fraction))
                    << read.toStdString();
            else
                EXPECT_TRUE(read.endsWith(fraction)) << read.toStdString();
        }
        // The first line of the working is the exercise with the value put in.
        EXPECT_TRUE(all[1].text().startsWith(QStringLiteral("f("))) << all[1].text().toStdString();
        EXPECT_TRUE(all[1].text().endsWith(QStringLiteral("="))) << all[1].text().toStdString();
    }
};

TEST_F(FunctionValueTest, TheModeIsBuiltAndShowsItsOptions) {
    EXPECT_TRUE(w.serves(57, 0));
    EXPECT_EQ(w.mode_row()->name, "function_value");
    EXPECT_EQ(w.help_page(), 203);
    EXPECT_EQ(w.windowTitle(), msg(2019));
    EXPECT_TRUE(function_value().Panel4->isVisibleTo(&w));
    EXPECT_TRUE(function_value().value_buttons[0]->isChecked());
    EXPECT_TRUE(function_value().coefficient_buttons[0]->isChecked());
    w.Button1Click();
    EXPECT_FALSE(function_value().Panel4->isVisibleTo(&w));
    work_to_end();
    EXPECT_TRUE(function_value().Panel4->isVisibleTo(&w)) << "the last step shows it again";
}

TEST_F(FunctionValueTest, TheMenuPresetShowsThePanel) {
    w.Button1Click();
    QWidget* panel = function_value().Panel4;
    ASSERT_FALSE(panel->isVisibleTo(&w));
    w.apply_preset(Preset::ShowPanel4);
    EXPECT_TRUE(panel->isVisibleTo(&w));
    // Another mode hides it again.
    selection.topic_code = 56;
    w.start_showing();
    EXPECT_FALSE(panel->isVisibleTo(&w));
}

TEST_F(FunctionValueTest, EveryChoiceAndLevelOverManySeeds) {
    int mixed = 0, whole_answers = 0;
    for (int level = 0; level < 3; ++level) {
        w.set_level(level);
        const int L = function_value_limit(level);
        for (int value = 0; value < 3; ++value) {
            for (int coefficients = 0; coefficients < 3; ++coefficients) {
                function_value().set_choices(static_cast<NumberKind>(value),
                                             static_cast<NumberKind>(coefficients));
                for (quint32 seed = 1; seed <= 25; ++seed) {
                    seed_random(seed * 131 + level * 17 + value * 5 + coefficients);
                    w.Button1Click();
                    const FunctionValueExercise e = function_value().value_worker().exercise;
                    // The drawing's ranges.
                    for (const Rational& r : {e.a, e.b, e.c}) {
                        EXPECT_LT(std::llabs(r.n), L);
                        EXPECT_LT(r.d, L);
                        if (coefficients < 2) EXPECT_EQ(r.d, 1);
                        if (coefficients == 0) EXPECT_GE(r.n, 0);
                    }
                    EXPECT_NE(e.a.n, 0) << "a is never 0";
                    EXPECT_FALSE(e.b.n == 0 && e.c.n == 0);
                    EXPECT_LT(std::llabs(e.x.n), L);
                    if (value < 2) EXPECT_EQ(e.x.d, 1);
                    if (value == 0) EXPECT_GE(e.x.n, 0);
                    if (value == 1) EXPECT_NE(e.x.n, 0);
                    const int presses = work_to_end();
                    EXPECT_GE(presses, 3);
                    EXPECT_LE(presses, 6);
                    EXPECT_FALSE(w.step_available());
                    check_worked(e);
                    mixed += has_mixed_numbers(e);
                    whole_answers += exact_value(e).q == 1;
                }
            }
        }
    }
    EXPECT_GT(mixed, 30);
    EXPECT_GT(whole_answers, 30);
}

TEST_F(FunctionValueTest, WholeNumbersSkipTheMixedNumberLine) {
    function_value().begin(
        FunctionValueExercise{Rational(2), Rational(5), Rational(1), Rational(3)});
    press();
    EXPECT_EQ(flat(sheet().last()), flat(QStringLiteral("f(3) = 2·(3)^2 + 5·3 + 1")));
    press();  // step 2 has nothing to write: the powers at once
    EXPECT_EQ(w.step(), 3);
    EXPECT_EQ(flat(sheet().last()), flat(QStringLiteral("f(3) = 2·9 + 5·3 + 1")));
    press();
    EXPECT_EQ(flat(sheet().last()), flat(QStringLiteral("f(3) = 18 + 15 + 1")));
    EXPECT_EQ(w.step(), 5) << "no common denominator to write";
    press();
    EXPECT_EQ(flat(sheet().last()), flat(QStringLiteral("f(3) = 34")));
    EXPECT_FALSE(w.step_available());
    EXPECT_EQ(sheet().size(), 6);
}

TEST_F(FunctionValueTest, CoefficientsOneSkipThePowersToo) {
    function_value().begin(
        FunctionValueExercise{Rational(-1), Rational(1), Rational(4), Rational(-2)});
    press();
    press();
    EXPECT_EQ(w.step(), 5) << "the products at once, and no common denominator";
    EXPECT_EQ(flat(sheet().last()), flat(QStringLiteral("f(-2) = -4 - 2 + 4")));
    press();
    EXPECT_EQ(flat(sheet().last()), flat(QStringLiteral("f(-2) = -2")));
}

TEST_F(FunctionValueTest, MixedNumbersBecomeFractions) {
    const FunctionValueExercise e{Rational(7, 3), Rational(-1, 2), Rational(5, 4), Rational(-3, 2)};
    function_value().begin(e);
    press();
    EXPECT_TRUE(
        flat(sheet().last()).startsWith(flat(QStringLiteral("f(-1 1/2) = 2 1/3·(-1 1/2)^2"))))
        << sheet().last().toStdString();
    press();
    EXPECT_EQ(w.step(), 2);
    EXPECT_TRUE(flat(sheet().last()).startsWith(flat(QStringLiteral("f(-1 1/2) = 7/3·(-3/2)^2"))))
        << sheet().last().toStdString();
    work_to_end();
    check_worked(e);
}

TEST_F(FunctionValueTest, TheCardOfEachStep) {
    const FunctionValueExercise e{Rational(3, 4), Rational(-2, 3), Rational(2), Rational(2, 3)};
    function_value().begin(e);
    const auto has = [this](int m) { return card_text().contains(msg(m).left(25)); };
    EXPECT_EQ((card(), card_size()), QSize(700, 90));
    EXPECT_TRUE(has(2021));
    press();
    EXPECT_EQ((card(), card_size()), QSize(700, 90));
    EXPECT_TRUE(has(2025)) << "a fraction is put in";
    press();  // no mixed numbers: on with the powers
    EXPECT_EQ(w.step(), 3);
    EXPECT_EQ((card(), card_size()), QSize(500, 130));
    EXPECT_TRUE(has(2026));
    press();
    EXPECT_EQ(w.step(), 4);
    EXPECT_EQ((card(), card_size()), QSize(700, 210));
    EXPECT_TRUE(has(2027));
    // a·x² = 3/4 · 4/9 = 12/36 = 1/3 with the gcd step; b·x = -4/9.
    const QStringList c = card();
    const auto final_value = [](const QString& line) {
        return value_of(line.mid(line.lastIndexOf('=') + 1));
    };
    ASSERT_GE(c.size(), 2);
    EXPECT_TRUE(flat(c[0]).contains(QStringLiteral("12/36"))) << c[0].toStdString();
    const auto first = final_value(c[0]);
    ASSERT_TRUE(first.has_value()) << c[0].toStdString();
    EXPECT_TRUE(near(*first, 1.0 / 3));
    const auto second = final_value(c[1]);
    ASSERT_TRUE(second.has_value()) << c[1].toStdString();
    EXPECT_TRUE(near(*second, -4.0 / 9));
    press();
    EXPECT_EQ((card(), card_size()), QSize(700, 90));
    EXPECT_TRUE(has(2028));
    press();
    EXPECT_FALSE(w.step_available());
}

TEST_F(FunctionValueTest, TheCardsOfTheValueKindsAndWholeProducts) {
    function_value().begin(
        FunctionValueExercise{Rational(2), Rational(3), Rational(1), Rational(-4)});
    press();
    EXPECT_TRUE(card_text().contains(msg(2024).left(25)));
    function_value().begin(
        FunctionValueExercise{Rational(2), Rational(3), Rational(1), Rational(4)});
    press();
    EXPECT_TRUE(card_text().contains(msg(2023).left(25)));
    press();
    press();
    EXPECT_EQ(w.step(), 5);
    // At step 4 the products were whole: the card says there is nothing to
    // convert.
    function_value().begin(
        FunctionValueExercise{Rational(5, 2), Rational(3), Rational(1), Rational(2)});
    press();
    press();
    EXPECT_EQ(w.step(), 2) << "5/2 is a mixed number";
    EXPECT_EQ((card(), card_size()), QSize(500, 300));
    EXPECT_TRUE(flat(card_text()).contains(flat(QStringLiteral("2 1/2 = (2·2 + 1)/2 = 5/2"))))
        << card_text().toStdString();
    press();
    press();
    EXPECT_EQ(w.step(), 5) << "whole products: no common denominator to write";
    EXPECT_EQ((card(), card_size()), QSize(700, 210)) << "the card of the products";
    EXPECT_TRUE(card_text().contains(msg(1764).left(25))) << card_text().toStdString();
}

TEST_F(FunctionValueTest, TheLargestNumbersStayExact) {
    // Expert fractions at their limits: the common denominator and the
    // numerators grow, nothing overflows.
    const FunctionValueExercise e{Rational(-19, 17), Rational(18, 19), Rational(-17, 18),
                                  Rational(-19, 18)};
    function_value().begin(e);
    work_to_end();
    check_worked(e);
}

}  // namespace
}  // namespace cifrala::testing

namespace cifrala::testing {
namespace {

TEST_F(FunctionValueTest, TheCardsFollowTheTheoryWindowsOption) {
    w.show();  // the cards come only for a window on the screen
    program_options.show_theory_windows = false;
    hide_explanation_window();
    w.Button1Click();
    bool seen = explanation_window_visible();
    while (w.step_available()) {
        press();
        seen = seen || explanation_window_visible();
    }
    program_options.show_theory_windows = true;
    EXPECT_FALSE(seen);
    EXPECT_TRUE(w.Button1->isVisibleTo(&w)) << "the exercise still ends";
    w.Button1Click();
    EXPECT_TRUE(explanation_window_visible());
}

}  // namespace
}  // namespace cifrala::testing
