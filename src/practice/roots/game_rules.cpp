#include "practice/roots/game_rules.h"

#include "expr/eval_text.h"
#include "practice/roots/roots_texts.h"
#include "text/messages.h"
#include "util/format.h"
#include "util/integer_math.h"
#include "util/random.h"

namespace cifrala {

using namespace game_messages;

int game_range(int level) {
    return level >= 2 ? 36 : level == 1 ? 24 : 12;
}

std::optional<int> acceptable_result(int a, int b, int c, int op1, int op2) {
    // Multiplication and division come first.
    switch (op1 * 4 + op2) {
        case kPlus * 4 + kPlus:
            return a + b + c;
        case kPlus * 4 + kMinus:
            if (a + b - c >= 0) return a + b - c;
            break;
        case kPlus * 4 + kTimes:
            if (b >= 2 && c >= 2) return a + b * c;
            break;
        case kPlus * 4 + kDivide:
            if (c >= 2 && b % c == 0) return a + b / c;
            break;
        case kMinus * 4 + kPlus:
            if (a >= b) return a - b + c;
            break;
        case kMinus * 4 + kMinus:
            if (a - b >= 1 && a - b - c >= 0) return a - b - c;
            break;
        case kMinus * 4 + kTimes:
            if (b >= 2 && c >= 2 && a - b * c >= 0) return a - b * c;
            break;
        case kMinus * 4 + kDivide:
            if (b >= 2 && c >= 2 && b % c == 0 && a - b / c >= 0) return a - b / c;
            break;
        case kTimes * 4 + kPlus:
            if (a >= 2 && b >= 2) return a * b + c;
            break;
        case kTimes * 4 + kMinus:
            if (a >= 2 && b >= 2 && a * b - c >= 0) return a * b - c;
            break;
        case kTimes * 4 + kTimes:
            if (a >= 2 && b >= 2 && c >= 2) return a * b * c;
            break;
        case kTimes * 4 + kDivide:
            if (a >= 2 && b >= 2 && (a * b) % c == 0) return a * b / c;
            break;
        case kDivide * 4 + kPlus:
            if (a >= 2 && b >= 2 && a % b == 0) return a / b + c;
            break;
        case kDivide * 4 + kMinus:
            if (a >= 2 && b >= 2 && a % b == 0 && a / b - c >= 0) return a / b - c;
            break;
        case kDivide * 4 + kTimes:
            if (a >= 2 && b >= 2 && a % b == 0) return a / b * c;
            break;
        case kDivide * 4 + kDivide:
            if (a >= 2 && b >= 2 && a % b == 0 && (a / b) % c == 0) return a / b / c;
            break;
        default:
            break;
    }
    return std::nullopt;
}

GameSum draw_game_sum(int level) {
    GameSum s;
    s.op1 = random(4);
    s.op2 = random(4);
    const int range = game_range(level);
    for (;;) {
        s.a = random(range) + 1;
        s.b = random(range) + 1;
        s.c = random(range) + 1;
        if (const std::optional<int> d = acceptable_result(s.a, s.b, s.c, s.op1, s.op2)) {
            s.d = *d;
            return s;
        }
    }
}

namespace {

// The operators as the places show them and as the expression engine reads
// them, in the order of GameOperator.
constexpr const char* kShown[4] = {"+", "-", "x", ":"};
constexpr const char* kRead[4] = {"+", "-", "*", "/"};

bool valid_operator(int op) {
    return op >= kPlus && op <= kDivide;
}

QString engine_operator(int op) {
    return valid_operator(op) ? QString::fromLatin1(kRead[op]) : QString();
}

}  // namespace

QString game_operator_text(int op) {
    return valid_operator(op) ? QString::fromLatin1(kShown[op]) : QString();
}

namespace {

QString spaced(int op) {
    return QLatin1Char(' ') + game_operator_text(op) + QLatin1Char(' ');
}

}  // namespace

QString game_expression_text(int a, int op1, int b, int op2, int c) {
    return int_to_text(a) + engine_operator(op1) + int_to_text(b) + engine_operator(op2) +
           int_to_text(c);
}

QString game_display_text(int a, int op1, int b, int op2, int c) {
    return int_to_text(a) + spaced(op1) + int_to_text(b) + spaced(op2) + int_to_text(c);
}

QString game_solution_text(const GameSum& s) {
    return game_display_text(s.a, s.op1, s.b, s.op2, s.c) + QStringLiteral(" = ") +
           int_to_text(s.d);
}

GameVerdict judge_game(const GameSum& s, int chosen1, int chosen2, bool timed_out) {
    GameVerdict v;
    v.timed_out = timed_out;
    const QString nl = QStringLiteral("\n");
    const QString solution = msg(kSolution) + QLatin1Char(' ') + nl + game_solution_text(s);
    if (timed_out) {
        v.feedback = msg(kTimeUp) + nl + solution;
        return v;
    }
    const QString expression = game_expression_text(s.a, chosen1, s.b, chosen2, s.c);
    double value = 0;
    const bool read = eval_text(expression, value);
    v.value = value;
    v.right = read && round_to_int(value) == s.d;
    if (v.right) {
        v.feedback = msg(kRight) + QLatin1Char(' ') + nl +
                     game_display_text(s.a, chosen1, s.b, chosen2, s.c) + QStringLiteral(" = ") +
                     int_to_text(s.d);
    } else {
        v.feedback = msg(kWrong) + nl + expression + QStringLiteral(" = ") + format_real(value) +
                     nl + solution;
    }
    return v;
}

int clock_ticks(int level, int clock) {
    if (clock <= 0) return 0;
    const int level_ticks = level >= 2 ? 200 : level == 1 ? 150 : 100;
    return clock >= 2 ? 2 * level_ticks : level_ticks;
}

QColor clock_colour(int progress, int maximum) {
    const double used = maximum > 0 ? static_cast<double>(progress) / maximum : 1.0;
    if (used <= 0.4) return QColor(0, 128, 0);
    if (used <= 0.6) return QColor(255, 0, 255);
    return QColor(255, 0, 0);
}

QString attempts_text(int attempts) {
    return msg(kAttempts) + QLatin1Char(' ') + int_to_text(attempts);
}

QString correct_text(int correct, int attempts, int percent) {
    QString t = msg(kCorrect) + QLatin1Char(' ') + int_to_text(correct);
    if (attempts > 0) t += QStringLiteral(" ( = ") + int_to_text(percent) + QStringLiteral(" %)");
    return t;
}

}  // namespace cifrala
