#pragma once
// The functions written with a parenthesised argument list: distributions,
// counting, logarithm to a base, n-th root, maximum and minimum, gcd and lcm,
// normally distributed random numbers and the normal distribution.
#include <vector>

namespace cifrala::expr {

// How the argument text of a list function is split.
struct ArgumentShape {
    int count = 0;                  // fixed number of arguments; 0 for max and min (any)
    bool optional_first = false;    // log and prt: the first may be left out
    double default_first = 0;       // its value then
    bool no_comma_in_last = false;  // the last argument may not hold a comma
    int missing_message = 0;        // fewer arguments than needed
};
ArgumentShape argument_shape(int code);
// The message when argument `index` (0-based) fails to evaluate.
int argument_message(int code, int index);
// The message when the name is not followed by a parenthesised list.
int no_list_message(int code);
// The order in which the list pass processes the functions (lower first);
// -1 for a code that is no list function.
int list_order(int code);

struct ListResult {
    int message = 0;  // 0: ok; else the function message number
    double value = 0;
};
ListResult compute_list_function(int code, const std::vector<double>& args);

// Messages of the list functions beyond their own tables.
inline constexpr int kMsgListOverflow = 1401;
inline constexpr int kMsgTooMuchWork = 1410;

}  // namespace cifrala::expr
