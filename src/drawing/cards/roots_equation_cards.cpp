#include "drawing/cards/roots_equation_cards.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "text/messages.h"
#include "util/format.h"

namespace cifrala {

namespace {

namespace m {
constexpr int kPowerAlone = 2030;
constexpr int kTimesMinusOne = 2032;
constexpr int kTakeRoot = 2033;
constexpr int kEvenTwoSolutions = 2034;
constexpr int kTimesX = 2035;
constexpr int kProductSum = 2036;
constexpr int kTurnRound = 2037;
constexpr int kSquare = 1598;
constexpr int kProductZero = 1853;
constexpr int kSubtract = 5279;         // subtract # on both sides
constexpr int kDivide = 5280;           // divide both sides by #
constexpr int kReduce = 5281;           // divide top and bottom by #
constexpr int kAdd = 5282;              // add # on both sides
constexpr int kRootNotNegative = 5420;  // # is the right-hand side
constexpr int kAllToTheLeft = 5421;     // # is 0
constexpr int kFactorOutX = 5422;       // the constant # is 0
}  // namespace m

constexpr int kMinWidth = 400;
constexpr int kMaxWidth = 700;
constexpr int kLeft = 10;
constexpr int kTop = 8;
constexpr int kBodySize = 14;
constexpr int kSmallest = 8;
constexpr double kTextLine = 0.9;
constexpr double kFormulaLine = 1.3;

QString num(long long n) {
    return int_to_text(static_cast<qint64>(n));
}

QString signed_term(long long v) {
    return (v < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) + num(std::llabs(v));
}

QString coefficient_x(long long k) {
    if (k == 1) return QStringLiteral("x");
    if (k == -1) return QStringLiteral("-x");
    return num(k) + QStringLiteral("x");
}

// Taking the value v to the other side: subtract it, or add -v.
void move_term(EquationCardText& t, long long v) {
    t.messages.push_back(v < 0 ? m::kAdd : m::kSubtract);
    t.parameters.push_back(num(std::llabs(v)));
}

void text(EquationCardText& t, int message, const QString& parameter = {}) {
    t.messages.push_back(message);
    t.parameters.push_back(parameter);
}

int value(const QVariantMap& e, const char* key) {
    return e.value(QString::fromLatin1(key)).toInt();
}

EquationCardText powers_card(const QVariantMap& e) {
    EquationCardText t;
    const long long a = value(e, "a"), b = value(e, "b"), c = value(e, "c");
    const int n = value(e, "n");
    switch (value(e, "step")) {
        case 1:
            text(t, m::kPowerAlone);
            break;
        case 2:
        case 3:
            move_term(t, a);
            t.formula = num(c) + signed_term(-a) + QStringLiteral(" = ") + num(c - a);
            break;
        case 4:
        case 5:
        case 6:
            text(t, m::kDivide, num(b));
            t.formula = num(c - a) + QStringLiteral(" : ") + (b < 0 ? "(" + num(b) + ")" : num(b));
            break;
        case 7:
            text(t, m::kTakeRoot);
            if (n % 2 == 0) text(t, m::kEvenTwoSolutions);
            break;
        case 98:
            text(t, m::kTimesMinusOne);
            break;
        default:
            break;
    }
    return t;
}

EquationCardText fractions_card(const QVariantMap& e) {
    EquationCardText t;
    const long long p = value(e, "p"), q = value(e, "q"), mm = value(e, "m"), r = value(e, "r"),
                    s = value(e, "s");
    const int step = value(e, "step");
    if (value(e, "kind") == 1) {
        switch (step) {
            case 1:
                text(t, m::kTimesX);
                break;
            case 2:
                text(t, m::kTimesX);
                t.formula = QStringLiteral("x · ") + coefficient_x(p) + QStringLiteral(" = ") +
                            coefficient_x(p) + QStringLiteral("²,  x · ") + num(std::llabs(mm)) +
                            QStringLiteral("/x = ") + num(std::llabs(mm));
                break;
            case 4:
                text(t, m::kDivide, num(p));
                break;
            case 6:
                text(t, m::kProductSum);
                t.formula = QStringLiteral("? × ? = ") + num(r * s) +
                            QStringLiteral("     ? + ? = ") + num(-r - s);
                break;
            case 7:
                text(t, m::kProductSum);
                t.formula = num(-r) + QStringLiteral(" × ") + num(-s) + QStringLiteral(" = ") +
                            num(r * s) + QStringLiteral("     ") + num(-r) + QStringLiteral(" + ") +
                            num(-s) + QStringLiteral(" = ") + num(-r - s);
                text(t, m::kProductZero);
                break;
            default:
                break;
        }
        return t;
    }
    const QString denominator = coefficient_x(mm) + (r != 0 ? signed_term(r) : QString());
    switch (step) {
        case 0:
            move_term(t, p);
            break;
        case 1:
        case 2:
            move_term(t, p);
            t.formula = num(s) + signed_term(-p) + QStringLiteral(" = ") + num(s - p);
            break;
        case 3:
            text(t, m::kTurnRound);
            t.formula = num(q) + QStringLiteral(" / (") + denominator + QStringLiteral(") = ") +
                        num(s - p) + QStringLiteral("   →   ") + denominator +
                        QStringLiteral(" = ") + num(q) + QStringLiteral(" / ") + num(s - p);
            break;
        case 4: {
            const long long g = std::gcd(q, s - p);
            if (g > 1) {
                text(t, m::kReduce, num(g));
            } else {
                text(t, m::kTurnRound);
            }
            t.formula = denominator + QStringLiteral(" = ") + num(value(e, "top")) +
                        QStringLiteral(" / ") + num(value(e, "bottom"));
            break;
        }
        default:
            break;
    }
    return t;
}

EquationCardText roots_card(const QVariantMap& e) {
    EquationCardText t;
    const long long p = value(e, "p"), q = value(e, "q"), mm = value(e, "m"), r = value(e, "r");
    const QString radicand = mm != 0 ? QStringLiteral("x") + signed_term(mm) : QStringLiteral("x");
    switch (value(e, "step")) {
        case 0:
        case 1:
            move_term(t, p);
            t.formula = num(r) + signed_term(-p) + QStringLiteral(" = ") + num(r - p);
            break;
        case 3:
        case 4:
            text(t, m::kDivide, num(q));
            break;
        case 5:
        case 7:
            text(t, m::kSquare);
            t.formula = QStringLiteral("(V(") + radicand + QStringLiteral("))² = ") + radicand;
            break;
        case 6: {
            // The number the root equals once it stands alone.
            long long top = r - p, bottom = q;
            if (bottom < 0) {
                top = -top;
                bottom = -bottom;
            }
            const long long g = std::gcd(top, bottom);
            if (g > 1) {
                top /= g;
                bottom /= g;
            }
            text(t, m::kRootNotNegative,
                 bottom == 1 ? num(top) : num(top) + QLatin1Char('/') + num(bottom));
            break;
        }
        default:
            break;
    }
    return t;
}

EquationCardText quadratic_card(const QVariantMap& e) {
    EquationCardText t;
    switch (value(e, "step")) {
        case 1:
        case 2:
            text(t, m::kAllToTheLeft, QStringLiteral("0"));
            break;
        case 4:
        case 5:
            text(t, m::kDivide, num(value(e, "a")));
            break;
        case 6:
            if (value(e, "c") == 0) {
                // Without a constant x is factored out.
                text(t, m::kFactorOutX, QStringLiteral("0"));
                t.formula = QStringLiteral("x") + QChar(178) + signed_term(value(e, "b")) +
                            QStringLiteral("x = x(x") + signed_term(value(e, "b")) +
                            QStringLiteral(")");
                break;
            }
            text(t, m::kProductSum);
            t.formula = QStringLiteral("? × ? = ") + num(value(e, "c")) +
                        QStringLiteral("     ? + ? = ") + num(value(e, "b"));
            break;
        default:
            break;
    }
    return t;
}

// A line of text, a point smaller while it is wider than the card allows.
int fitted_width(Surface& s, const QString& line, int room) {
    while (s.font_size() > kSmallest && s.text_width(line) > room)
        s.set_font_size(s.font_size() - 1);
    return s.text_width(line);
}

void paint_equation_card(TtekeningForm& w, const CardRequest& r) {
    const EquationCardText t = equation_card_text(r.topic, r.exercise);
    QStringList lines;
    for (size_t i = 0; i < t.messages.size(); ++i) {
        if (!t.parameters[i].isEmpty()) msg_param1 = t.parameters[i];
        lines << msg(t.messages[i]);
    }
    w.init(kMinWidth, 50);
    Surface& s = w.surface();
    s.set_font_size(kBodySize);
    const int room = kMaxWidth - 2 * kLeft - TtekeningForm::kCopyButtonRoom;
    int widest = 0;
    for (const QString& line : lines + QStringList{t.formula})
        widest = std::max(widest, fitted_width(s, line, room));
    const int size = s.font_size();
    const int width =
        std::clamp(widest + 2 * kLeft + TtekeningForm::kCopyButtonRoom, kMinWidth, kMaxWidth);
    const int line_height = s.line_step(1.0);
    int height = kTop + static_cast<int>(lines.size()) * static_cast<int>(line_height * kTextLine);
    if (!t.formula.isEmpty()) height += static_cast<int>(line_height * kFormulaLine);
    height = std::clamp(height + kTop, 50, 170);
    w.init(width, height);
    s.set_font_size(size);
    s.cursor = {kLeft, kTop};
    for (const QString& line : lines) {
        w.my_textout_2(line);
        w.newline(kTextLine);
        s.cursor.x = kLeft;
    }
    if (!t.formula.isEmpty()) {
        s.cursor.y += 6;
        s.set_font_colour(Qt::blue);
        w.my_textout_2(t.formula);
        s.set_font_colour(Qt::black);
    }
}

}  // namespace

EquationCardText equation_card_text(int topic, const QVariantMap& exercise) {
    switch (topic) {
        case 58:
            return powers_card(exercise);
        case 59:
            return fractions_card(exercise);
        case 60:
            return roots_card(exercise);
        case 61:
            return quadratic_card(exercise);
        default:
            return {};
    }
}

void register_roots_equation_cards() {
    for (int topic : {58, 59, 60, 61})
        register_explanation_card(topic, {paint_equation_card, CardPlacement::Keep});
}

}  // namespace cifrala
