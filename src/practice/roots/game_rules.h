#pragma once
// The rules of "Maak kloppend": three numbers a, b, c and a result d with
// two hidden operators, a ? b ? c = d, with multiplication and division
// before addition and subtraction and only exact divisions; how a choice of
// operators is judged; the clock's length and colours.
#include <QColor>
#include <QString>
#include <optional>

namespace cifrala {

// The operators in the order of the buttons.
enum GameOperator { kPlus = 0, kMinus = 1, kTimes = 2, kDivide = 3 };
inline constexpr int kNoOperator = -1;

struct GameSum {
    int a = 1, b = 1, c = 1;
    int op1 = kPlus, op2 = kPlus;  // the hidden operators
    int d = 3;
};

// The largest number of a level: 12 ("Eenvoudig"), 24, 36 ("Expert").
int game_range(int level);
// d for these numbers and operators when they make an acceptable exercise
// (exact divisions, no negative result or difference on the way),
// otherwise nothing.
std::optional<int> acceptable_result(int a, int b, int c, int op1, int op2);
// Draws the hidden operators, then numbers until they are acceptable.
GameSum draw_game_sum(int level);

// What a place shows for an operator: "+", "-", "x", ":".
QString game_operator_text(int op);
// "7/7+3": the sum as the expression engine reads it.
QString game_expression_text(int a, int op1, int b, int op2, int c);
// "7 : 7 + 3": the sum as the pupil reads it.
QString game_display_text(int a, int op1, int b, int op2, int c);
// "7 : 7 + 3 = 4".
QString game_solution_text(const GameSum& sum);

struct GameVerdict {
    bool right = false;
    bool timed_out = false;
    double value = 0;  // the value of the pupil's sum
    QString feedback;  // what the feedback label shows, lines split by '\n'
};
// The pupil's operators judged: right when their sum's value, rounded to
// the nearest whole number (halves to the even one), equals d. After a
// time-out the solution is shown and the answer counts as wrong.
GameVerdict judge_game(const GameSum& sum, int chosen1, int chosen2, bool timed_out);

// The clock: ticks of 100 milliseconds by level and choice (0 "Geen",
// 1 "Kort", 2 "Lang"); 0 without a clock.
int clock_ticks(int level, int clock);
// Green up to 40 % of the time, magenta up to 60 %, red after that.
QColor clock_colour(int progress, int maximum);

// "Aantal: 3", "Goed: 2 ( = 66 %)".
QString attempts_text(int attempts);
QString correct_text(int correct, int attempts, int percent);

}  // namespace cifrala
