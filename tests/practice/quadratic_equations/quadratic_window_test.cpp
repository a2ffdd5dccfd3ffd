// The quadratic-equations window: the worked examples the window is known
// by, and for many generated exercises of every level and option that every
// root it states satisfies the equation in the strip (substituted with the
// expression engine), that the number of roots follows the discriminant,
// that the roots are simplified and the approximations agree with them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QToolButton>
#include <cmath>
#include <numeric>

#include "practice/quadratic_equations/factor_pair_panel.h"
#include "practice/quadratic_equations/quadratic_fixture.h"
#include "util/random.h"

namespace cifrala {
namespace {

using namespace quadratic_messages;
using testing::QuadraticFixture;

class QuadraticWindow : public QuadraticFixture {};

QString word_or() {
    return msg(kOr);
}

TEST_F(QuadraticWindow, ShowingStartsAnExerciseWithTheFirstThinkingStep) {
    EXPECT_FALSE(equation().isEmpty());
    EXPECT_TRUE(w.Button2->isVisibleTo(&w));
    EXPECT_FALSE(w.TweedeDenkstap->isVisibleTo(&w));
    EXPECT_FALSE(w.GroupBox3->isVisibleTo(&w));
    EXPECT_FALSE(w.SpeedButton5->isVisibleTo(&w)) << "no undo for the first exercise";
    EXPECT_EQ(w.surface().cursor.x, 4);
    EXPECT_EQ(w.surface().cursor.y, 10);
    EXPECT_EQ(w.surface().height(), 620);
    EXPECT_EQ(number_settings.decimals, 2);
}

TEST_F(QuadraticWindow, ProductSumWithTheSearchInTheSidePanel) {
    begin(1, -5, 6);
    EXPECT_EQ(equation(), compact(QStringLiteral("x^2 - 5x + 6 = 0")));
    EXPECT_EQ(hint(), msg(kProductSumFirst));
    EXPECT_EQ(work_to_end(), 1) << "without a common factor the first step is the second";
    EXPECT_TRUE(w.GroupBox2->isVisibleTo(&w));
    EXPECT_EQ(panel(), (QStringList{compact(QStringLiteral("6 =")),
                                    compact(QStringLiteral("-6 × -1  (-6+-1=-7)")),
                                    compact(QStringLiteral("-3 × -2  (-3+-2=-5)")),
                                    compact(QStringLiteral("-3 + -2 = -5"))}));
    const auto red = w.Image4->surface().display().find_texts(QStringLiteral("-3 + -2 = -5"));
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].colour, QColor(Qt::red));
    EXPECT_EQ(sheet(), (QStringList{compact(QStringLiteral("(x - 3)(x - 2) = 0")),
                                    compact(QStringLiteral("x = 3")) + word_or() +
                                        compact(QStringLiteral("x = 2"))}));
    EXPECT_EQ(hint(), msg(kFinished));
}

TEST_F(QuadraticWindow, ASumOfMinusBIsTurnedRound) {
    begin(1, 5, 6);
    work_to_end();
    const QStringList p = panel();
    ASSERT_GE(p.size(), 2);
    EXPECT_EQ(p[p.size() - 2], compact(QStringLiteral("3 × 2  (3+2=5)")));
    EXPECT_EQ(p.last(), compact(QStringLiteral("3 + 2 = 5")));
    EXPECT_EQ(sheet(), (QStringList{compact(QStringLiteral("(x + 3)(x + 2) = 0")),
                                    compact(QStringLiteral("x = -3")) + word_or() +
                                        compact(QStringLiteral("x = -2"))}));
}

TEST_F(QuadraticWindow, ACommonFactorIsTakenOutFirst) {
    begin(2, 4, -6);
    w.Button2Click();
    EXPECT_EQ(sheet(), (QStringList{compact(QStringLiteral("2(x^2 + 2x - 3) = 0")),
                                    compact(QStringLiteral("x^2 + 2x - 3 = 0"))}));
    EXPECT_EQ(hint(), msg(kDivideByFactor));
    EXPECT_TRUE(w.TweedeDenkstap->isVisibleTo(&w));
    EXPECT_FALSE(w.Button2->isVisibleTo(&w));
    w.Button2Click();  // Page Down now takes the second step
    EXPECT_TRUE(sheet_text().contains(compact(QStringLiteral("x = 1")) + word_or() +
                                      compact(QStringLiteral("x = -3"))))
        << sheet_text().toStdString();
    EXPECT_FALSE(w.step_available());
}

TEST_F(QuadraticWindow, XIsTakenOutWhenTheConstantIsZero) {
    begin(3, -6, 0);
    w.Button2Click();
    EXPECT_EQ(sheet(), QStringList{compact(QStringLiteral("3x(x - 2) = 0"))});
    EXPECT_EQ(hint(), msg(kProductIsZero));
    w.Button2Click();
    EXPECT_EQ(sheet().last(),
              compact(QStringLiteral("x = 0")) + word_or() + compact(QStringLiteral("x = 2")));
    EXPECT_EQ(hint(), msg(kCannotSimplify));
}

TEST_F(QuadraticWindow, ANegativeDiscriminantHasNoSolutions) {
    begin(2, 3, 4);
    work_to_end();
    EXPECT_EQ(sheet().last(), compact(QStringLiteral("D = 3^2 - 4 × 2 × 4 = -23")));
    EXPECT_EQ(hint(), msg(kNoSolutions));
    EXPECT_TRUE(w.worker().solution.roots.empty());
}

TEST_F(QuadraticWindow, PureQuadratics) {
    begin(1, 0, 4);
    work_to_end();
    EXPECT_TRUE(sheet().contains(compact(msg(kRootOfNegative))));
    EXPECT_TRUE(sheet().contains(compact(msg(kNoSolutions))));
    begin(1, 0, -5);
    work_to_end();
    EXPECT_TRUE(w.GroupBox3->isVisibleTo(&w));
    EXPECT_TRUE(sheet().last().startsWith(compact(QStringLiteral("x ≈ 2,24"))) ||
                sheet().last().startsWith(compact(QStringLiteral("x ≈ 2.24"))))
        << sheet().last().toStdString();
    begin(1, 0, -8);
    work_to_end();
    EXPECT_TRUE(sheet_text().contains(compact(QStringLiteral("x = 2 V(2)"))))
        << sheet_text().toStdString();
    begin(4, 0, -9);
    work_to_end();
    EXPECT_TRUE(sheet().last().contains(compact(QStringLiteral("3/2"))))
        << sheet().last().toStdString();
    EXPECT_FALSE(w.GroupBox3->isVisibleTo(&w));
}

TEST_F(QuadraticWindow, AProductThatExpandsToXSquaredIsZeroHasZeroTwice) {
    begin_product(1, 1, 1, -1, -1);
    EXPECT_EQ(equation(), compact(QStringLiteral("(x + 1)(x - 1) = -1")));
    EXPECT_EQ(hint(), msg(kProductFirst));
    work_to_end();
    EXPECT_EQ(sheet().last(),
              compact(QStringLiteral("x = 0")) + word_or() + compact(QStringLiteral("x = 0")));
}

TEST_F(QuadraticWindow, TheFormsWithAProductThatIsZeroAndASquare) {
    begin_product(2, -3, 4, 5, 0, quadratic_form::kProductZero);
    EXPECT_EQ(equation(), compact(QStringLiteral("(2x - 3)(4x + 5) = 0")));
    w.Button2Click();
    EXPECT_EQ(sheet(), (QStringList{compact(QStringLiteral("2x - 3 = 0")) + word_or() +
                                        compact(QStringLiteral("4x + 5 = 0")),
                                    compact(QStringLiteral("2x = 3")) + word_or() +
                                        compact(QStringLiteral("4x = -5"))}));
    w.Button2Click();
    EXPECT_FALSE(w.step_available());
    QuadraticExercise e;
    e.form = e.generated_form = quadratic_form::kSquare;
    e.p = 2;
    e.q = -3;
    e.r = 5;
    w.begin(e);
    EXPECT_EQ(equation(), compact(QStringLiteral("(2x - 3)^2 = 25")));
    w.Button2Click();
    EXPECT_EQ(sheet().first(), compact(QStringLiteral("2x - 3 = 5")) + word_or() +
                                   compact(QStringLiteral("2x - 3 = -5")));
    w.Button2Click();
    EXPECT_TRUE(sheet_text().contains(compact(QStringLiteral("2x = 5 + 3 = 8"))))
        << sheet_text().toStdString();
    EXPECT_EQ(w.worker().solution.roots, (std::vector<double>{4, -1}));
}

TEST_F(QuadraticWindow, ChangingTheDecimalsWorksTheExerciseAgain) {
    begin(1, 3, 1);
    work_to_end();
    ASSERT_TRUE(w.GroupBox3->isVisibleTo(&w));
    EXPECT_TRUE(sheet().last().contains(compact(QStringLiteral("-0,38"))) ||
                sheet().last().contains(compact(QStringLiteral("-0.38"))));
    w.SpeedButton2Click();
    EXPECT_EQ(number_settings.decimals, 3);
    EXPECT_EQ(w.ComboBox1->currentText(), QStringLiteral("3"));
    EXPECT_TRUE(sheet().last().contains(compact(QStringLiteral("-0,382"))) ||
                sheet().last().contains(compact(QStringLiteral("-0.382"))))
        << sheet().last().toStdString();
    EXPECT_TRUE(w.GroupBox3->isVisibleTo(&w));
    EXPECT_FALSE(w.step_available());
    for (int i = 0; i < 12; ++i)
        w.SpeedButton3Click();
    EXPECT_EQ(number_settings.decimals, 0);
}

TEST_F(QuadraticWindow, UndoGivesThePreviousEquationBack) {
    begin(1, -5, 6);
    const QString first = equation();
    w.Button1Click();
    EXPECT_TRUE(w.SpeedButton5->isVisibleTo(&w));
    w.SpeedButton5Click();
    EXPECT_EQ(equation(), first);
    EXPECT_FALSE(w.SpeedButton5->isVisibleTo(&w));
    EXPECT_TRUE(w.Button2->isVisibleTo(&w));
    EXPECT_TRUE(w.surface().display().texts().empty());
}

// Every statement on the worksheet, checked against the strip's equation.
void check_solution(const QuadraticFixture& f, const TkwadrverglForm& w, const QString& label) {
    SCOPED_TRACE(label.toStdString());
    const QString eq = testing::equation_expression(
        read_line_texts(w.EquationStrip->surface().display()).join(' '));
    ASSERT_FALSE(eq.isEmpty());
    // The coefficients of the equation from its values at -1, 0 and 1.
    const double f0 = *testing::value_at(eq, 0), f1 = *testing::value_at(eq, 1),
                 fm = *testing::value_at(eq, -1);
    const double a = (f1 + fm) / 2 - f0, b = (f1 - fm) / 2, c = f0;
    const double D = b * b - 4 * a * c;
    const double scale = std::fabs(a) + std::fabs(b) + std::fabs(c) + 1;
    const QuadraticSolution& s = w.worker().solution;
    ASSERT_TRUE(s.done);
    // Distinct roots.
    std::vector<double> roots;
    for (double r : s.roots)
        if (std::none_of(roots.begin(), roots.end(),
                         [&](double q) { return std::fabs(q - r) < 1e-9; }))
            roots.push_back(r);
    for (double r : roots) {
        const auto v = testing::value_at(eq, r);
        ASSERT_TRUE(v.has_value());
        EXPECT_NEAR(*v, 0, 1e-6 * scale * (1 + r * r)) << "root " << r;
    }
    const size_t expected = D < -1e-9 ? 0 : (std::fabs(D) <= 1e-9 ? 1 : 2);
    EXPECT_EQ(roots.size(), expected) << "D = " << D;
    // What the worksheet states.
    const std::vector<testing::Statement> st = testing::statements(w.surface().display());
    if (expected == 0) {
        EXPECT_TRUE(st.empty());
        return;
    }
    const double half_unit = 0.5 * std::pow(10.0, -number_settings.decimals) + 1e-9;
    for (const testing::Statement& x : st) {
        // Each stage keeps the value of the first.
        for (double v : x.values)
            EXPECT_NEAR(v, x.values.front(), 1e-7 * (1 + std::fabs(v))) << x.line.toStdString();
        const double v = x.values.back();
        const double tol = x.approximate ? half_unit : 1e-7 * (1 + std::fabs(v));
        EXPECT_TRUE(std::any_of(roots.begin(), roots.end(),
                                [&](double r) { return std::fabs(r - v) <= tol; }))
            << "stated " << v << " in " << x.line.toStdString();
    }
    // Every root is stated exactly, or as a simplified root with its
    // approximation.
    for (double r : roots) {
        EXPECT_TRUE(std::any_of(st.begin(), st.end(),
                                [&](const testing::Statement& x) {
                                    return std::fabs(x.values.back() - r) <=
                                           (x.approximate ? half_unit : 1e-7 * (1 + std::fabs(r)));
                                }))
            << "root " << r << " not stated: " << f.sheet_text().toStdString();
    }
    // The last statement of each root, when it is exact, is simplified:
    // fractions in lowest terms, no square left under a root.
    for (double r : roots) {
        const testing::Statement* last = nullptr;
        for (const testing::Statement& x : st)
            if (!x.approximate && std::fabs(x.values.back() - r) <= 1e-7 * (1 + std::fabs(r)))
                last = &x;
        if (!last) continue;
        const QString stage = last->stages.back().trimmed();
        static const QRegularExpression fraction(
            QStringLiteral("^-?\\s*(?:\\d+ )?\\(?(-?\\d+)\\)?/(\\d+)$"));
        static const QRegularExpression root(QStringLiteral("V\\((\\d+)\\)"));
        const auto m = fraction.match(stage);
        if (m.hasMatch()) {
            const long long n = m.captured(1).toLongLong(), d = m.captured(2).toLongLong();
            EXPECT_EQ(std::gcd(n, d), 1) << stage.toStdString();
            EXPECT_GT(d, 1) << stage.toStdString();
        }
        auto it = root.globalMatch(stage);
        while (it.hasNext()) {
            const long long q = it.next().captured(1).toLongLong();
            EXPECT_TRUE(testing::square_free(q)) << stage.toStdString();
        }
    }
    if (s.approximated) EXPECT_TRUE(w.GroupBox3->isVisibleTo(&w));
}

TEST_F(QuadraticWindow, EveryGeneratedExerciseIsSolvedRight) {
    int count = 0;
    for (int level = 0; level < 3; ++level) {
        for (int option = 0; option < 4; ++option) {
            w.set_level(level);
            w.CheckBox2->setChecked(option & 1);
            w.CheckBox3->setChecked(option & 2);
            for (bool product : {false, true}) {
                w.set_forced_form(product);
                seed_random(static_cast<quint32>(1000 + level * 10 + option * 2 + product));
                for (int i = 0; i < 60; ++i) {
                    w.Button1Click();
                    const QString label = QStringLiteral("level %1 option %2: %3")
                                              .arg(level)
                                              .arg(option)
                                              .arg(equation());
                    ASSERT_TRUE(w.step_available()) << label.toStdString();
                    const int presses = work_to_end();
                    EXPECT_LE(presses, 2);
                    EXPECT_FALSE(w.step_available()) << label.toStdString();
                    EXPECT_FALSE(w.Button2->isVisibleTo(&w));
                    EXPECT_FALSE(w.TweedeDenkstap->isVisibleTo(&w));
                    check_solution(*this, w, label);
                    if (HasFatalFailure()) return;
                    ++count;
                }
            }
        }
    }
    EXPECT_EQ(count, 3 * 4 * 2 * 60);
}

TEST_F(QuadraticWindow, ApproximationsFollowTheDecimals) {
    for (int d = 0; d <= 8; ++d) {
        begin(3, 2, -7);
        work_to_end();
        w.ComboBox1->setCurrentIndex(d);
        w.ComboBox1Change();
        EXPECT_EQ(number_settings.decimals, d);
        check_solution(*this, w, QStringLiteral("3x^2 + 2x - 7 with %1 decimals").arg(d));
    }
}

TEST_F(QuadraticWindow, LargeCoefficientsFromAFileAreSolved) {
    for (auto [A, B, C] : std::vector<std::tuple<int, int, int>>{{1, 1000000, 1},
                                                                 {1000000, -1000000, -1000000},
                                                                 {1, 0, -999999},
                                                                 {-1000000, 3, 1000000},
                                                                 {1, -2, -960000}}) {
        begin(A, B, C);
        work_to_end();
        check_solution(*this, w, QStringLiteral("%1 %2 %3").arg(A).arg(B).arg(C));
    }
}

}  // namespace
}  // namespace cifrala

namespace cifrala {
namespace {

class QuadraticStrip : public testing::QuadraticFixture {};

TEST_F(QuadraticStrip, ABareFactorWithAMinusAfterABracketKeepsItsOwnBracket) {
    begin_product(-4, 1, -2, 0, 36);
    EXPECT_EQ(equation(), compact(QStringLiteral("(-4x + 1)(-2x) = 36")));
    begin_product(3, 0, 1, -2, 5);
    EXPECT_EQ(equation(), compact(QStringLiteral("3x(x - 2) = 5")));
    begin_product(1, 0, -1, 0, -4);
    EXPECT_EQ(equation(), compact(QStringLiteral("x · (-x) = -4")));
}

}  // namespace
}  // namespace cifrala

namespace cifrala {
namespace {

class QuadraticPanel : public testing::QuadraticFixture {};

TEST_F(QuadraticPanel, ALongListingIsWrittenSmallerUntilItFits) {
    for (auto [B, C] :
         std::vector<std::pair<int, int>>{{16, 63}, {1, -720720}, {2000, 720720}, {0, 0}}) {
        if (C == 0) continue;
        SCOPED_TRACE(C);
        begin(1, B, C);
        work_to_end();
        ASSERT_TRUE(w.GroupBox2->isVisibleTo(&w));
        const Surface& p = w.Image4->surface();
        const auto texts = p.display().texts();
        ASSERT_FALSE(texts.empty());
        int size = texts.front().point_size;
        for (const DrawnText& t : texts) {
            EXPECT_EQ(t.point_size, size);
            if (size > kFactorPanelSmallestFont) {
                EXPECT_LE(t.rect.right(), p.width()) << t.text.toStdString();
                EXPECT_LE(t.rect.bottom(), p.height()) << t.text.toStdString();
            }
        }
        EXPECT_LE(size, kFactorPanelFontSize);
    }
}

}  // namespace
}  // namespace cifrala
