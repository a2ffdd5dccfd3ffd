#pragma once
// The ratio table ("verhoudingstabel") of the ratios window: two rows and
// three columns with one ratio between upper and lower number in every
// column. The program gives the upper row and one lower number; the pupil
// fills in the other two.
#include <QString>
#include <array>

#include "practice/common/score.h"

namespace cifrala {

struct RatioTable {
    std::array<int, 3> upper{};
    std::array<int, 3> lower{};
    int given = 0;  // the column whose lower number is given
    // Every column: lower = t * k1, upper = t * k2 for a base number t.
    int k1 = 1;
    int k2 = 1;

    // x is right for column i when x * k2 / k1 lies within 0.00001 of the
    // upper number.
    bool right(int column, double x) const;

    // The base column: the given column divided by b = gcd(upper, lower).
    int base_divisor() const;
    int base_upper() const;
    int base_lower() const;
    // The factor from the base column to column i (upper_i / base_upper).
    int factor_from_base(int column) const;
};

// The ranges of a level (0 "Eenvoudig", 1 "Gevorderd", 2 "Expert"): base
// numbers 1 .. max_base, factors 2 .. k_count + 1.
struct RatioLevel {
    int max_base;
    int k_count;
};
RatioLevel ratio_level(int level);

// A new table from the shared random source: three different base numbers,
// two different factors, a random given column; when the given pair has no
// common divisor above 1, all six numbers are doubled.
RatioTable generate_ratio_table(int level);

// The pupil's own table: the upper row and the lower number of column
// `given`. The missing lower numbers are upper_j * lower_g / upper_g.
enum class OwnTableResult {
    Ok,
    NotWhole,  // a missing lower number would not be whole
    TooLarge,  // a missing lower number would not fit
    NotPositive,
};
OwnTableResult complete_own_table(const std::array<int, 3>& upper, int given, int given_lower,
                                  RatioTable& table);

// What a table field holds.
enum class TableNumber {
    Empty,
    NotWhole,     // letters, signs, decimals, an expression
    TooLarge,     // more than nine digits
    NotPositive,  // 0 or negative
    Ok,
};
TableNumber read_table_number(const QString& text, int& value);

// The value of the table: 1 at the start, times 0.9 for every step.
inline constexpr double kValueStep = 0.9;

}  // namespace cifrala
