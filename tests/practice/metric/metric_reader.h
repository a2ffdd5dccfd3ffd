#pragma once
// Reads an exercise of the metric window back from what its surfaces show,
// and checks it with arithmetic of its own: the units as powers of ten of
// the base unit, the values as decimal digit strings.
#include <gtest/gtest.h>

#include <QString>
#include <optional>
#include <string>

#include "formula/display_list.h"

namespace cifrala::testing {

// A positive decimal as digits and a power of ten, normalised: no leading
// and no trailing zeros in the digits.
struct Decimal {
    std::string digits;  // empty: 0
    int power = 0;       // value = digits x 10^power
    bool operator==(const Decimal&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Decimal& d);
Decimal normalised(std::string digits, int power);
// "45 000", "0,0 045", "12,5" (blanks between the groups allowed); nullopt
// for anything else.
std::optional<Decimal> read_decimal(const QString& text);
// The value times 10^n.
Decimal times_ten_to(Decimal d, int n);

// A unit as written: "km", "dm" and "3", "mL".
struct WrittenUnit {
    QString letters;
    QString power;
};
// The unit's size as a power of ten of the metre, the square metre, the
// cubic metre or the gram (a litre is 10^-3 cubic metre); nullopt when the
// text is not a unit of the window.
std::optional<int> unit_power_of_ten(const WrittenUnit& u);

// The exercise line of the worksheet.
struct ReadExercise {
    QString value;  // the given value as written
    WrittenUnit given, asked;
    QString blank;         // " = ____ "
    QString answer;        // as written in the blank (empty: not yet)
    QString answer_power;  // the superscript of an answer in standard form
    QRect answer_rect, asked_rect, blank_rect;
};
std::optional<ReadExercise> read_exercise(const DisplayList& sheet);

// The answer the line asks for, worked out from the value and the units.
std::optional<Decimal> expected_answer(const ReadExercise& e);
// The value of a written answer: grouped digits, or c × 10 with a power.
std::optional<Decimal> answer_value(const QString& answer, const QString& power);
// A standard form "c × 10" and its power: one non-zero digit before the
// separator; nullopt when it is not of that form.
std::optional<Decimal> standard_form_value(const QString& text, const QString& power);

// Every line, polygon and arrow lies on a surface of this size, and every
// text's ink does.
::testing::AssertionResult all_on_surface(const DisplayList& d, QSize size);

}  // namespace cifrala::testing
