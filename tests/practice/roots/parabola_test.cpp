// "Parabolen tekenen": generated parabolas of every level worked to the end
// with both methods, their crossings, axis, vertex and table checked with
// the expression engine; the card of each step; the question marks; the
// own function and its refusals.
#include <QLineEdit>
#include <QRegularExpression>
#include <map>

#include "practice/common/floating_panel.h"
#include "practice/roots/function_writing.h"
#include "practice/roots/roots_fixture.h"
#include "practice/roots/roots_function_texts.h"
#include "practice/roots/roots_functions_fixture.h"
#include "support/message_recorder.h"
#include "util/random.h"

namespace cifrala::testing {
namespace {

using namespace parabola_messages;

class ParabolaTest : public RootsFunctionsFixture {
protected:
    ParabolaTest() : RootsFunctionsFixture(56) {}

    void method(bool x_axis) {
        (x_axis ? parabola().RadioButton7 : parabola().RadioButton6)->setChecked(true);
    }

    // The table's two rows: column -> value, read from what the sheet shows.
    struct Table {
        std::map<int, double> x, f;
    };
    Table table() const {
        Table t;
        const std::vector<ReadLine> all = lines();
        int x_y = INT_MIN, f_y = INT_MIN, left = 0;
        for (const ReadLine& l : all) {
            if (l.tokens.empty() || l.tokens.front().kind != ReadToken::Text) continue;
            const QString first = l.tokens.front().text.trimmed();
            if (first == QLatin1String("x")) {
                x_y = l.y;
                left = l.tokens.front().x - 8;
            }
            if (first == QLatin1String("f(x)")) f_y = l.y;
        }
        if (x_y == INT_MIN || f_y == INT_MIN) return t;
        for (int row = 0; row < 2; ++row) {
            const int y = row == 0 ? x_y : f_y;
            std::map<int, std::vector<ReadToken>> cells;
            for (const ReadLine& l : all) {
                if (std::abs(l.y - y) > 14) continue;
                for (const ReadToken& k : l.tokens) {
                    const int column = (k.x - left) / 80;
                    if (column >= 1 && column <= 7) cells[column].push_back(k);
                }
            }
            for (auto& [column, tokens] : cells) {
                std::sort(tokens.begin(), tokens.end(),
                          [](const ReadToken& p, const ReadToken& q) { return p.x < q.x; });
                const auto v = value_of(expression_of(tokens));
                EXPECT_TRUE(v.has_value()) << expression_of(tokens).toStdString();
                if (v) (row == 0 ? t.x : t.f)[column] = *v;
            }
        }
        return t;
    }

    // "x = p  of  x = q" lines: the two numbers.
    std::vector<std::pair<int, int>> solution_pairs() const {
        std::vector<std::pair<int, int>> out;
        const QRegularExpression re(QStringLiteral("^x = (-?\\d+) ") + msg(kOr) +
                                    QStringLiteral(" x = (-?\\d+)$"));
        for (const QString& line : sheet()) {
            const auto m = re.match(line.simplified());
            if (m.hasMatch()) out.emplace_back(m.captured(1).toInt(), m.captured(2).toInt());
        }
        return out;
    }

    // Every check of one worked parabola.
    void check_worked(const ParabolaExercise& e, bool x_axis) {
        const auto f = [&](double x) { return engine_value(e.a, e.b, e.c, x); };
        const std::string what = quadratic_text(e.a, e.b, e.c).toStdString();
        EXPECT_TRUE(w.Button1->isVisibleTo(&w)) << what;
        EXPECT_FALSE(w.step_available()) << what;
        // The crossings.
        const auto pairs = solution_pairs();
        if (x_axis) {
            ASSERT_EQ(pairs.size(), 1u) << what << "\n" << sheet_text().toStdString();
            EXPECT_TRUE(near(f(pairs[0].first), 0)) << what;
            EXPECT_TRUE(near(f(pairs[0].second), 0)) << what;
        } else {
            bool crossing = false;
            for (const ReadLine& l : lines()) {
                if (!l.text().startsWith(QLatin1String("f(0) ="))) continue;
                crossing = true;
                const auto stages = stages_of(l);
                for (size_t k = 1; k < stages.size(); ++k) {
                    const auto v = value_of(expression_of(stages[k]));
                    ASSERT_TRUE(v.has_value()) << what;
                    EXPECT_TRUE(near(*v, f(0))) << what;
                }
            }
            EXPECT_TRUE(crossing) << what;
            if (e.b != 0) {
                ASSERT_EQ(pairs.size(), 1u) << what << "\n" << sheet_text().toStdString();
                EXPECT_EQ(pairs[0].first, 0);
                EXPECT_TRUE(near(f(pairs[0].second), f(0))) << what;
                EXPECT_NE(pairs[0].second, 0) << what;
            }
        }
        // The axis and the vertex in the table.
        const Table t = table();
        ASSERT_EQ(t.x.size(), 7u) << what << "\n" << sheet_text().toStdString();
        ASSERT_EQ(t.f.size(), 7u) << what << "\n" << sheet_text().toStdString();
        const double v = t.x.at(4);
        for (double d : {0.5, 1.0, 2.5, 3.0})
            EXPECT_TRUE(near(f(v - d), f(v + d))) << what << " axis " << v;
        EXPECT_TRUE(near(t.f.at(4), f(v))) << what;
        for (double d : {0.25, 0.5, 1.0})
            EXPECT_TRUE(e.a > 0 ? f(v + d) > f(v) : f(v + d) < f(v)) << what;
        // The other columns: consecutive whole numbers, three on each side.
        for (int column : {1, 2, 3, 5, 6, 7}) {
            const double x = t.x.at(column);
            EXPECT_EQ(x, std::round(x)) << what;
            EXPECT_TRUE(near(t.f.at(column), f(x))) << what << " at " << x;
        }
        EXPECT_EQ(t.x.at(2) - t.x.at(1), 1);
        EXPECT_EQ(t.x.at(3) - t.x.at(2), 1);
        EXPECT_EQ(t.x.at(6) - t.x.at(5), 1);
        EXPECT_EQ(t.x.at(7) - t.x.at(6), 1);
        EXPECT_TRUE(t.x.at(3) < v && v < t.x.at(5)) << what;
        EXPECT_TRUE(near(v - t.x.at(3), t.x.at(5) - v)) << what;
        // The vertex line, when there is one: its stages all give the axis.
        for (const ReadLine& l : lines()) {
            if (!l.text().contains(QStringLiteral("x ="))) continue;
            const auto stages = stages_of(l);
            if (stages.size() != 3 || stages[1].empty() ||
                stages[1].front().kind != ReadToken::Fraction)
                continue;
            for (size_t k = 1; k < stages.size(); ++k) {
                const auto s = value_of(expression_of(stages[k]));
                ASSERT_TRUE(s.has_value());
                EXPECT_TRUE(near(*s, v)) << what;
            }
        }
    }
};

TEST_F(ParabolaTest, TheModeIsBuiltAndSetUp) {
    EXPECT_TRUE(w.serves(56, 0));
    EXPECT_EQ(w.mode_row()->name, "parabolas");
    EXPECT_EQ(w.help_page(), 728);
    EXPECT_EQ(w.windowTitle(), msg(kTitle));
    EXPECT_EQ(w.Image1->height(), kRootsFullWorksheet);
    EXPECT_FALSE(w.Image2->isVisibleTo(&w));
    EXPECT_FALSE(w.step_available());
    EXPECT_TRUE(w.surface().display().texts().empty());
}

TEST_F(ParabolaTest, GeneratedParabolasOfEveryLevelWithBothMethods) {
    int x_axis_worked = 0, halves = 0;
    for (int level = 0; level < 3; ++level) {
        w.set_level(level);
        for (quint32 seed = 1; seed <= 120; ++seed) {
            seed_random(seed * 7 + level);
            method(seed % 2 == 0);
            w.Button1Click();
            const ParabolaExercise e = parabola().parabola_worker().exercise;
            ASSERT_NE(e.a, 0);
            ASSERT_EQ(e.b % e.a, 0);
            if (level == 0) {
                EXPECT_FALSE(e.b == 0 && e.c == 0);
                EXPECT_EQ((e.b / e.a) % 2, 0) << "the vertex of an easy parabola is whole";
            }
            EXPECT_EQ(parabola().GroupBox3->isVisibleTo(&w), e.whole_roots);
            const bool x_axis = e.whole_roots && seed % 2 == 0;
            const int presses = work_to_end();
            EXPECT_LE(presses, 11);
            check_worked(e, x_axis);
            x_axis_worked += x_axis;
            halves += parabola_vertex(e).den == 2;
        }
    }
    EXPECT_GT(x_axis_worked, 30);
    EXPECT_GT(halves, 10);
}

TEST_F(ParabolaTest, OwnFunctionsCoverTheUnusualCases) {
    // Double root, a = -1, b = 0, c = 0, a half vertex, large values.
    const ParabolaExercise cases[] = {{1, -4, 4}, {-1, 2, 3}, {2, 0, -8},    {3, 6, 0},
                                      {1, 1, -2}, {-3, 3, 5}, {7, -70, 200}, {1, 0, 0}};
    for (const ParabolaExercise& c : cases) {
        for (bool x_axis : {false, true}) {
            ParabolaExercise e = c;
            find_whole_roots(e);
            method(x_axis);
            parabola().begin(e);
            work_to_end();
            check_worked(e, x_axis && e.whole_roots);
        }
    }
}

TEST_F(ParabolaTest, TheRootsAreFoundOnlyWhenWhole) {
    ParabolaExercise e{1, -5, 6};
    find_whole_roots(e);
    EXPECT_TRUE(e.whole_roots);
    EXPECT_EQ(std::min(e.r1, e.r2), 2);
    EXPECT_EQ(std::max(e.r1, e.r2), 3);
    e = {2, 2, -1};  // D = 12
    find_whole_roots(e);
    EXPECT_FALSE(e.whole_roots);
    e = {2, 4, 1};  // D = 8
    find_whole_roots(e);
    EXPECT_FALSE(e.whole_roots);
    e = {4, 4, -3};  // D = 64, roots 1/2 and -3/2
    find_whole_roots(e);
    EXPECT_FALSE(e.whole_roots);
    e = {1, 3, 0};  // r2 = 0 is swapped to r1
    find_whole_roots(e);
    EXPECT_TRUE(e.whole_roots);
    EXPECT_EQ(e.r1, 0);
    EXPECT_EQ(e.r2, -3);
}

TEST_F(ParabolaTest, WithBZeroTheYAxisMethodReachesTheVertexAfterStepThree) {
    parabola().begin(ParabolaExercise{2, 0, -8});
    method(false);
    press();
    press();
    press();
    EXPECT_TRUE(sheet().contains(QStringLiteral("x = 0")));
    EXPECT_EQ(w.step(), 5);
    press();
    EXPECT_EQ(w.step(), 6);
    EXPECT_TRUE(sheet_text().contains(msg(kAxisIsYAxis)));
    work_to_end();
    EXPECT_EQ(table().x.at(4), 0);
}

TEST_F(ParabolaTest, XAxisMethodWithAOneGivesTheProductSumHintFirst) {
    ParabolaExercise e{1, -5, 6};
    find_whole_roots(e);
    parabola().begin(e);
    ASSERT_TRUE(parabola().GroupBox3->isVisibleTo(&w));
    method(true);
    press();
    EXPECT_FALSE(parabola().GroupBox3->isVisibleTo(&w)) << "the method is read at the first step";
    msg_param1 = QStringLiteral("6");
    EXPECT_TRUE(sheet_text().contains(msg(kProductAndSum) + QStringLiteral(" -5")))
        << sheet_text().toStdString();
    EXPECT_EQ(w.step(), 2) << "the division step is skipped";
    press();
    msg_param1 = QStringLiteral("-2");
    QString numbers = msg(kTheNumbersAre);
    EXPECT_TRUE(sheet_text().contains(numbers + QStringLiteral(" -3")) ||
                sheet_text().contains(numbers.replace(QStringLiteral("-2"), QStringLiteral("-3")) +
                                      QStringLiteral(" -2")))
        << sheet_text().toStdString();
    press();
    EXPECT_TRUE(flat(sheet_text()).contains(QStringLiteral("(x-2)(x-3)=0")) ||
                flat(sheet_text()).contains(QStringLiteral("(x-3)(x-2)=0")))
        << sheet_text().toStdString();
}

TEST_F(ParabolaTest, XAxisMethodWithoutConstantFactorsOutX) {
    ParabolaExercise e{-2, 6, 0};
    find_whole_roots(e);
    parabola().begin(e);
    method(true);
    press();  // the equation
    press();  // divided by -2, then x outside the brackets
    EXPECT_TRUE(sheet_text().contains(msg(kDivideBy) + QStringLiteral(" -2:")));
    EXPECT_TRUE(sheet_text().contains(msg(kWriteAsProduct)));
    EXPECT_TRUE(flat(sheet_text()).contains(QStringLiteral("\nx^2-3x=0")))
        << sheet_text().toStdString();
    press();
    EXPECT_TRUE(flat(sheet_text()).contains(QStringLiteral("\nx(x-3)=0")))
        << sheet_text().toStdString();
    work_to_end();
    check_worked(e, true);
}

TEST_F(ParabolaTest, TheQuestionMarksRevealTheValuesOneByOne) {
    parabola().begin(ParabolaExercise{1, -2, -3});
    for (int k = 0; k < 9; ++k)
        press();
    EXPECT_EQ(w.step(), 9);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(parabola().question_mark_state(k), 1);
        EXPECT_TRUE(parabola().value_buttons[static_cast<size_t>(k)]->isVisibleTo(&w));
    }
    EXPECT_TRUE(table().f.size() == 1) << "only the vertex's value";
    // First click: the card of that value, the button red.
    parabola().question_mark_click(0);
    EXPECT_EQ(parabola().question_mark_state(0), 2);
    const int X = static_cast<int>(table().x.at(1));
    const QStringList c = card();
    EXPECT_EQ(card_size(), QSize(300, 300));
    EXPECT_EQ(c.first(), QStringLiteral("X = ") + QString::number(X));
    const auto last = value_of(c.last().mid(c.last().indexOf('=') + 1));
    ASSERT_TRUE(last.has_value());
    EXPECT_TRUE(near(*last, engine_value(1, -2, -3, X)));
    // Second click: the value in the table, the button gone.
    parabola().question_mark_click(0);
    EXPECT_EQ(parabola().question_mark_state(0), 0);
    EXPECT_FALSE(parabola().value_buttons[0]->isVisibleTo(&w));
    EXPECT_TRUE(near(table().f.at(1), engine_value(1, -2, -3, X)));
    card();
    EXPECT_EQ(card_size(), QSize(400, 600)) << "back to the graph";
    // Step 10 writes the rest.
    press();
    EXPECT_EQ(table().f.size(), 7u);
    for (int k = 1; k < 6; ++k)
        EXPECT_EQ(parabola().question_mark_state(k), 0);
    EXPECT_TRUE(w.step_available());
    press();
    EXPECT_FALSE(w.step_available());
}

TEST_F(ParabolaTest, RevealingAllSixValuesEndsTheExerciseAtStepTen) {
    parabola().begin(ParabolaExercise{-1, 4, 1});
    for (int k = 0; k < 9; ++k)
        press();
    for (int k = 0; k < 6; ++k) {
        parabola().question_mark_click(k);
        parabola().question_mark_click(k);
    }
    EXPECT_EQ(table().f.size(), 7u);
    press();
    EXPECT_FALSE(w.step_available());
    EXPECT_TRUE(w.Button1->isVisibleTo(&w));
    EXPECT_TRUE(parabola().parabola_worker().parabola_shown);
    const Table t = table();
    for (int column : {1, 2, 3, 5, 6, 7})
        EXPECT_TRUE(near(t.f.at(column), engine_value(-1, 4, 1, t.x.at(column))));
}

TEST_F(ParabolaTest, TheCardOfEachStep) {
    for (bool x_axis : {false, true}) {
        ParabolaExercise e{2, -8, 6};  // roots 1 and 3, vertex (2, -2)
        find_whole_roots(e);
        parabola().begin(e);
        method(x_axis);
        std::vector<QSize> sizes;
        card();
        sizes.push_back(card_size());
        EXPECT_TRUE(card_text().contains(msg(1998)));
        for (int k = 1; k <= 11; ++k) {
            press();
            const QString text = card_text();
            const QSize size = card_size();
            const int step = w.step();
            if (step == 5 && !x_axis) {
                EXPECT_EQ(size, QSize(190, 180));
                EXPECT_TRUE(card().last().simplified() == QStringLiteral("x = 4"))
                    << text.toStdString();
            } else if (step == 8) {
                EXPECT_EQ(size, QSize(400, 440));
                const QStringList c = card();
                const auto y = value_of(c.last().mid(c.last().lastIndexOf('=') + 1));
                ASSERT_TRUE(y.has_value()) << text.toStdString();
                EXPECT_TRUE(near(*y, engine_value(2, -8, 6, 2)));
            } else if (step >= 9) {
                EXPECT_EQ(size, QSize(400, 600));
                ASSERT_NE(explanation_window()->graph(), nullptr);
            } else {
                EXPECT_EQ(size, QSize(700, 200)) << step;
                EXPECT_TRUE(text.contains(msg(step <= 5 ? 1999 : 2000).left(20))) << step;
            }
            if (!w.step_available()) break;
        }
        EXPECT_FALSE(w.step_available());
    }
}

TEST_F(ParabolaTest, TheVertexCardWorksAHalfOutWithFractions) {
    parabola().begin(ParabolaExercise{1, 3, -1});  // vertex -3/2, y = -13/4
    for (int k = 0; k < 8; ++k)
        press();
    ASSERT_EQ(w.step(), 8);
    const QStringList c = card();
    bool x_top = false;
    for (const QString& line : c)
        if (line.startsWith(QStringLiteral("X"))) {
            const auto v = value_of(line.mid(line.lastIndexOf('=') + 1));
            ASSERT_TRUE(v.has_value()) << line.toStdString();
            EXPECT_DOUBLE_EQ(*v, -1.5);
            x_top = true;
        }
    EXPECT_TRUE(x_top);
    const QString last = c.last();
    const auto y = value_of(last.mid(last.lastIndexOf('=') + 1)
                                .replace(QStringLiteral("3 1/4"), QStringLiteral("(3+1/4)")));
    ASSERT_TRUE(y.has_value()) << last.toStdString();
    EXPECT_DOUBLE_EQ(*y, engine_value(1, 3, -1, -1.5));
}

TEST_F(ParabolaTest, TheOwnFunctionIsRefusedWithItsReason) {
    MessageRecorder messages;
    w.Button1Click();
    ASSERT_TRUE(parabola().Panel3->isVisibleTo(&w));
    EXPECT_FALSE(parabola().SpeedButton13->isEnabled());
    const auto type = [&](const QString& a, const QString& b, const QString& c) {
        parabola().Edit1->setText(a);
        parabola().Edit2->setText(b);
        parabola().Edit3->setText(c);
    };
    type("2", "3", "");
    EXPECT_FALSE(parabola().SpeedButton13->isEnabled()) << "a field is empty";
    type("2", "3", "1");
    EXPECT_TRUE(parabola().SpeedButton13->isEnabled());
    const QStringList before = sheet();
    parabola().SpeedButton13Click();
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.texts()[0],
              msg(kRefused) + QStringLiteral("\n3 ") + msg(kNotDivisible) + QStringLiteral(" 2"));
    EXPECT_FALSE(parabola().SpeedButton13->isEnabled());
    EXPECT_EQ(sheet(), before) << "a refusal changes nothing";
    type("1", "0", "-");
    parabola().SpeedButton13Click();
    ASSERT_EQ(messages.count(), 2);
    EXPECT_EQ(messages.texts()[1], msg(kRefused) + QStringLiteral("\n") + msg(kBothZero));
    type("0", "4", "1");
    parabola().SpeedButton13Click();
    EXPECT_EQ(messages.texts().last(), msg(kRefused) + QStringLiteral("\n") + msg(kZeroA));
    type("99", "0", "9999");
    parabola().SpeedButton13Click();
    EXPECT_TRUE(messages.texts().last().startsWith(msg(kRefused))) << "the table would overflow";
    EXPECT_EQ(messages.count(), 4);
    type("99999999999", "1", "1");
    EXPECT_FALSE(parabola().SpeedButton13->isEnabled()) << "no 32-bit number";
    type("2147483647", "2147483647", "2147483647");
    parabola().SpeedButton13Click();
    EXPECT_EQ(messages.count(), 5);
    EXPECT_EQ(sheet(), before);
    type("x", "1", "1");
    EXPECT_FALSE(parabola().SpeedButton13->isEnabled());
}

TEST_F(ParabolaTest, AnAcceptedOwnFunctionReplacesTheGeneratedOne) {
    MessageRecorder messages;
    w.Button1Click();
    parabola().Edit1->setText("1");
    parabola().Edit2->setText("-4");
    parabola().Edit3->setText("3");
    parabola().SpeedButton13Click();
    EXPECT_EQ(messages.count(), 0);
    EXPECT_FALSE(parabola().Panel3->isVisibleTo(&w));
    EXPECT_EQ(w.step(), 0);
    EXPECT_TRUE(flat(sheet().first()).endsWith(QStringLiteral("f(x)=x^2-4x+3")))
        << sheet().first().toStdString();
    EXPECT_TRUE(parabola().GroupBox3->isVisibleTo(&w)) << "the roots 1 and 3 are whole";
    method(true);
    work_to_end();
    check_worked(parabola().parabola_worker().exercise, true);
    // A lone minus is 0 in a field that may be 0.
    w.Button1Click();
    parabola().Edit1->setText("-1");
    parabola().Edit2->setText("2");
    parabola().Edit3->setText("-");
    parabola().SpeedButton13Click();
    EXPECT_EQ(messages.count(), 0);
    EXPECT_TRUE(flat(sheet().first()).endsWith(QStringLiteral("f(x)=-x^2+2x")))
        << sheet().first().toStdString();
}

TEST_F(ParabolaTest, LeavingAFieldWithoutAWholeNumberSaysWhy) {
    MessageRecorder messages;
    w.Button1Click();
    parabola().Edit2->setText("-");
    EXPECT_FALSE(parabola().field_left(parabola().Edit2));
    EXPECT_EQ(messages.texts().last(), msg(kLoneMinus));
    parabola().Edit2->setText("1,5");
    EXPECT_FALSE(parabola().field_left(parabola().Edit2));
    EXPECT_EQ(messages.texts().last(), msg(kNotWhole));
    parabola().Edit2->setText("-7");
    EXPECT_TRUE(parabola().field_left(parabola().Edit2));
    parabola().Edit2->clear();
    EXPECT_TRUE(parabola().field_left(parabola().Edit2));
    EXPECT_EQ(messages.count(), 2);
}

TEST_F(ParabolaTest, OwnFunctionChecksAreExact) {
    EXPECT_EQ(check_own_parabola(2, 3, 1), OwnParabolaFault::NotDivisible);
    EXPECT_EQ(check_own_parabola(1, 0, 0), OwnParabolaFault::BothZero);
    EXPECT_EQ(check_own_parabola(0, 0, 5), OwnParabolaFault::ZeroA);
    EXPECT_EQ(check_own_parabola(1, -4, 3), OwnParabolaFault::None);
    EXPECT_EQ(check_own_parabola(-3, 3, 5), OwnParabolaFault::None);
    EXPECT_EQ(check_own_parabola(2147483647LL, 2147483647LL, 1), OwnParabolaFault::TooLarge);
    EXPECT_EQ(check_own_parabola(1, 200, 0), OwnParabolaFault::TooLarge);  // vertex y -10000
    EXPECT_EQ(check_own_parabola(1, 198, 0), OwnParabolaFault::None);      // vertex y -9801
}

TEST_F(ParabolaTest, TheVertexIsExact) {
    for (int a = -5; a <= 5; ++a) {
        if (a == 0) continue;
        for (int k = -6; k <= 6; ++k) {
            const ParabolaExercise e{a, a * k, 3};
            const ParabolaVertex v = parabola_vertex(e);
            // -b/(2a) = -k/2.
            EXPECT_EQ(v.x(), Rational(-k, 2));
            EXPECT_EQ(std::gcd(v.num, v.den), 1);
            const Rational y = vertex_y(e);
            EXPECT_TRUE(near(y.value(), engine_value(a, a * k, 3, -k / 2.0)));
        }
    }
}

}  // namespace
}  // namespace cifrala::testing

namespace cifrala::testing {
namespace {

// With "Toon theorievensters" unticked the explaining cards stay away; the
// graph, from the x row of the table on, still comes.
TEST_F(ParabolaTest, WithoutTheoryWindowsOnlyTheGraphIsShown) {
    w.show();  // the cards come only for a window on the screen
    program_options.show_theory_windows = false;
    hide_explanation_window();
    parabola().begin(ParabolaExercise{1, -2, -3});
    int shown_at = 0;
    for (int n = 1; n <= 11 && w.step_available(); ++n) {
        press();
        if (explanation_window_visible() && shown_at == 0)
            shown_at = parabola().parabola_worker().performed;
    }
    program_options.show_theory_windows = true;
    EXPECT_EQ(shown_at, 9) << "the first card with the graph";
    hide_explanation_window();
    parabola().begin(ParabolaExercise{1, -2, -3});
    press();
    EXPECT_TRUE(explanation_window_visible()) << "ticked: every step's card";
}

}  // namespace
}  // namespace cifrala::testing
