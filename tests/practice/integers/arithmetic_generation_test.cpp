// Generated exercises of integer arithmetic over many seeds and every
// combination of options: each step is exactly one rewriting and keeps the
// value (every line evaluated by the expression engine), the exercise ends
// on one number in a bounded number of steps, the options shape what is
// generated, and at primary-school level no number of the worked solution
// is negative.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cmath>

#include "expr/eval_text.h"
#include "formula/surface.h"
#include "practice/integers/arithmetic_expression.h"
#include "practice/integers/arithmetic_generator.h"
#include "practice/integers/arithmetic_worker.h"
#include "practice/integers/integers_style.h"
#include "util/random.h"

namespace cifrala {
namespace {

constexpr int kSeeds = 1000;
// No generated exercise takes more steps than this.
constexpr int kMostSteps = 20;

std::vector<ArithmeticOptions> every_combination() {
    std::vector<ArithmeticOptions> out;
    for (int level = 0; level < 4; ++level)
        for (int bits = 0; bits < 8; ++bits) {
            ArithmeticOptions o;
            o.operators = static_cast<ArithmeticOptions::Operators>(level);
            o.brackets = bits & 1;
            o.larger = bits & 2;
            o.primary = bits & 4;
            out.push_back(o);
        }
    return out;
}

std::string describe(const ArithmeticOptions& o) {
    return "level " + std::to_string(static_cast<int>(o.operators)) + " brackets " +
           std::to_string(o.brackets) + " larger " + std::to_string(o.larger) + " primary " +
           std::to_string(o.primary);
}

bool number_char(QChar c) {
    return c.isDigit() || c == QLatin1Char('.');
}

const QRegularExpression kNumber(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
// number, operator, number; the left one may carry a sign or the
// negative-base marker, the right one a sign.
const QRegularExpression kOperation(
    QStringLiteral("^[-\\x{00C8}]?\\d+(\\.\\d+)?[-+*/^]-?\\d+(\\.\\d+)?$"));
// A bracket around one number, possibly with its power.
const QRegularExpression kBracket(
    QStringLiteral("^\\([-\\x{00C8}]?\\d+(\\.\\d+)?\\)(\\^-?\\d+)?$"));

// b arises from a by replacing sign pairs: "--" or "++" by "+", "+-" by "-".
bool only_signs_simplified(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    int changes = 0;
    while (i < a.size() && j < b.size()) {
        const QString pair = a.mid(i, 2);
        const QChar into = pair == QLatin1String("+-") ? QLatin1Char('-') : QLatin1Char('+');
        const bool sign_pair = pair == QLatin1String("--") || pair == QLatin1String("++") ||
                               pair == QLatin1String("+-");
        if (sign_pair && b[j] == into && b.mid(j, 2) != pair) {
            i += 2;
            ++j;
            ++changes;
        } else if (a[i] == b[j]) {
            ++i;
            ++j;
        } else {
            return false;
        }
    }
    return changes > 0 && i == a.size() && j == b.size();
}

// One operation, or one bracket around a number removed (with its power,
// for a negative base): some piece of a, cut at the edges of numbers, is
// replaced by one number, and the rest is as it was.
bool one_part_replaced(const QString& a, const QString& b) {
    qsizetype common_front = 0;
    while (common_front < a.size() && common_front < b.size() && a[common_front] == b[common_front])
        ++common_front;
    qsizetype common_back = 0;
    while (common_back < a.size() && common_back < b.size() &&
           a[a.size() - 1 - common_back] == b[b.size() - 1 - common_back])
        ++common_back;
    for (qsizetype p = 0; p <= common_front; ++p) {
        if (p > 0 && number_char(a[p - 1])) continue;
        for (qsizetype s = 0; s <= common_back && p + s <= std::min(a.size(), b.size()); ++s) {
            if (s > 0 && number_char(a[a.size() - s])) continue;
            const QString before = a.mid(p, a.size() - p - s);
            const QString after = b.mid(p, b.size() - p - s);
            if (kNumber.match(after).hasMatch() &&
                (kOperation.match(before).hasMatch() || kBracket.match(before).hasMatch()))
                return true;
        }
    }
    return false;
}

// "One rewriting": signs simplified, or one piece replaced by its value.
::testing::AssertionResult one_rewriting(const QString& a, const QString& b) {
    if (only_signs_simplified(a, b) || one_part_replaced(a, b))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << a.toStdString() << " -> " << b.toStdString();
}

double value(const QString& line) {
    double v = 0;
    EXPECT_TRUE(eval_text(engine_text(line), v)) << line.toStdString();
    return v;
}

bool negative_number_in(const QString& e) {
    for (qsizetype i = 0; i < e.size(); ++i) {
        if (e[i] == kNegativeBase) return true;
        if (e[i] == QLatin1Char('-') && (i == 0 || QStringLiteral("+-*/(^").contains(e[i - 1])))
            return true;
    }
    return false;
}

// The numbers the pupil is given, with their signs.
std::vector<int> given_numbers(const QString& e) {
    std::vector<int> out;
    QString t = engine_text(e);
    const QRegularExpression number(QStringLiteral("(^|[-+*/(])(-?\\d+)"));
    auto it = number.globalMatch(t.remove(QStringLiteral("^2")));
    while (it.hasNext())
        out.push_back(it.next().captured(2).toInt());
    return out;
}

TEST(GeneratedArithmetic, EveryStepIsOneRewritingThatKeepsTheValue) {
    int most = 0;
    for (const ArithmeticOptions& o : every_combination()) {
        SCOPED_TRACE(describe(o));
        for (int seed = 1; seed <= kSeeds; ++seed) {
            seed_random(static_cast<quint32>(seed));
            const QString e = generate_expression(o);
            SCOPED_TRACE(e.toStdString());
            const WorkedLines w = work_out(e, 100);
            ASSERT_FALSE(w.stuck && !w.division_by_zero);
            most = std::max(most, static_cast<int>(w.lines.size()) - 1);
            if (w.division_by_zero) {
                // Only a bracket can bring a divisor to 0.
                EXPECT_TRUE(o.brackets && o.operators >= ArithmeticOptions::Divide);
                continue;
            }
            EXPECT_TRUE(is_one_number(w.lines.back()));
            const double first = value(w.lines.front());
            for (size_t i = 1; i < w.lines.size(); ++i) {
                EXPECT_TRUE(one_rewriting(w.lines[i - 1], w.lines[i]));
                EXPECT_NEAR(value(w.lines[i]), first, 1e-9 * std::max(1.0, std::fabs(first)))
                    << w.lines[i].toStdString();
            }
        }
    }
    EXPECT_LE(most, kMostSteps);
}

TEST(GeneratedArithmetic, TheOptionsShapeTheExpression) {
    const QRegularExpression squared_negative(QStringLiteral("\\(\\x{00C8}\\d+\\)"));
    for (const ArithmeticOptions& o : every_combination()) {
        SCOPED_TRACE(describe(o));
        const int range = o.larger ? 30 : 10;
        // "Ook machten" at primary-school level works as "Ook vermenigvuldigen".
        const ArithmeticOptions::Operators operators =
            o.primary && o.operators == ArithmeticOptions::Powers ? ArithmeticOptions::Multiply
                                                                  : o.operators;
        const bool powers = operators == ArithmeticOptions::Powers;
        const bool multiply = operators >= ArithmeticOptions::Multiply;
        const bool divide = operators >= ArithmeticOptions::Divide;
        // How many of the expressions show each option at work.
        int products = 0, divisions = 0, squares = 0, brackets = 0, beyond_ten = 0;
        for (int seed = 1; seed <= kSeeds; ++seed) {
            seed_random(static_cast<quint32>(seed));
            const QString e = generate_expression(o);
            SCOPED_TRACE(e.toStdString());
            const bool bracket = QString(e).remove(squared_negative).contains('(');
            products += e.contains('*');
            divisions += e.contains('/');
            squares += e.contains('^');
            brackets += bracket;
            if (!multiply) {
                EXPECT_FALSE(e.contains('*'));
            }
            if (!divide) {
                EXPECT_FALSE(e.contains('/'));
            }
            if (!powers) {
                EXPECT_FALSE(e.contains('^'));
            }
            // Brackets only with "Ook haakjes", besides those of a squared negative number.
            if (!o.brackets) {
                EXPECT_FALSE(bracket);
            }
            const std::vector<int> numbers = given_numbers(e);
            EXPECT_GE(numbers.size(), 3u);
            EXPECT_LE(numbers.size(), 5u);
            for (size_t i = 0; i < numbers.size(); ++i) {
                const int n = numbers[i];
                EXPECT_NE(n, 0);
                if (std::abs(n) > 10) ++beyond_ten;
                if (o.primary) {
                    EXPECT_GE(n, 1);
                    EXPECT_LE(n, i == 0 ? range + 5 : range);
                } else {
                    EXPECT_GE(n, -range);
                    EXPECT_LT(n, range);
                }
            }
        }
        // Every option chosen is seen at work in many of the exercises.
        if (multiply) {
            EXPECT_GT(products, kSeeds / 10);
        }
        if (divide) {
            EXPECT_GT(divisions, kSeeds / 10);
        }
        if (powers) {
            EXPECT_GT(squares, kSeeds / 10);
        }
        if (o.brackets) {
            EXPECT_GT(brackets, kSeeds / 5);
        }
        if (o.larger) {
            EXPECT_GT(beyond_ten, kSeeds / 2);
        }
    }
}

TEST(GeneratedArithmetic, PrimarySchoolLevelNeverWritesANegativeNumber) {
    for (const ArithmeticOptions& base : every_combination()) {
        if (!base.primary) continue;
        SCOPED_TRACE(describe(base));
        for (int seed = 1; seed <= 4 * kSeeds; ++seed) {
            seed_random(static_cast<quint32>(seed));
            const WorkedLines w = work_out(generate_expression(base), 100);
            for (const QString& line : w.lines)
                EXPECT_FALSE(negative_number_in(line)) << line.toStdString();
        }
    }
}

TEST(GeneratedArithmetic, PrimarySchoolLevelSubtractsOnlySmallerNumbersAndHasNoPowers) {
    ArithmeticOptions o;
    o.operators = ArithmeticOptions::Powers;
    o.primary = true;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        seed_random(static_cast<quint32>(seed));
        const QString e = generate_expression(o);
        EXPECT_FALSE(e.contains('^')) << e.toStdString();
        EXPECT_FALSE(e.contains(QStringLiteral("-("))) << e.toStdString();
    }
}

TEST(GeneratedArithmetic, EveryWorkedSolutionFitsOnTheSheet) {
    Surface sheet(1014, 658, gehele_getallen_style(-1, 24));
    sheet.set_font(sheet.style().font);
    int redrawn = 0, drawn = 0;
    for (const ArithmeticOptions& o : every_combination()) {
        SCOPED_TRACE(describe(o));
        for (bool mixed : {true, false}) {
            const ExpressionLayout layout{mixed, o.primary};
            for (int seed = 1; seed <= kSeeds; ++seed) {
                seed_random(static_cast<quint32>(seed));
                const QString e = ArithmeticWorker::new_expression(sheet, o, layout);
                EXPECT_TRUE(ArithmeticWorker::fits(sheet, e, layout)) << e.toStdString();
                seed_random(static_cast<quint32>(seed));
                redrawn += generate_expression(o) != e;
                ++drawn;
            }
        }
    }
    // A second draw is rare: the options decide what is asked, not the sheet.
    EXPECT_LT(redrawn, drawn / 100);
}

TEST(GeneratedArithmetic, TheSameSeedGivesTheSameExpression) {
    ArithmeticOptions o;
    o.operators = ArithmeticOptions::Powers;
    o.brackets = true;
    seed_random(7);
    const QString a = generate_expression(o);
    seed_random(7);
    EXPECT_EQ(generate_expression(o), a);
}

}  // namespace
}  // namespace cifrala
