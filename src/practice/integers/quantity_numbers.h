#pragma once
// The numbers of the quantities topics: exact decimals (a whole number times
// a power of ten, so converting between metric prefixes never rounds), the
// metric prefixes as positions on a scale where the unit itself is 4 and
// each step is a factor 10, and the standard form t x 10^k with 1 <= t < 10.
#include <QString>
#include <QtGlobal>

namespace cifrala {

class ExactDecimal {
public:
    ExactDecimal() = default;
    // digits x 10^exponent.
    ExactDecimal(qint64 digits, int exponent = 0);

    qint64 digits() const { return digits_; }
    int exponent() const { return exponent_; }
    bool is_zero() const { return digits_ == 0; }

    ExactDecimal times_ten_to(int k) const { return {digits_, exponent_ + k}; }
    ExactDecimal operator*(const ExactDecimal& o) const;
    bool operator==(const ExactDecimal& o) const = default;

    // The position of the leading digit: 0 for 1 <= |x| < 10, 1 for 10..99, -1 for 0.1..0.99.
    int order() const;
    // 1 <= x < 10.
    bool below_ten_from_one() const { return !is_zero() && order() == 0; }
    // Written out in full with the locale's separator, never in exponent
    // notation, without trailing zeros after the separator.
    QString text() const;
    double to_double() const;

private:
    void normalise();
    qint64 digits_ = 0;
    int exponent_ = 0;
};

// t x 10^k with 1 <= t < 10, t exact.
struct StandardForm {
    ExactDecimal mantissa;
    int exponent = 0;
};
StandardForm standard_form(const ExactDecimal& x);

// A value of the topics: `base` divided or multiplied by 10 a random number
// of times (Random(3)), with equal chance.
ExactDecimal random_value(int base);

// Metric prefix positions: the unit is 4, "m" 1, "k" 7, "n" -5, "T" 16.
namespace prefix {
inline constexpr int kUnit = 4;
// The prefix's letters ("" for the unit itself; "µ" is character 181).
QString text(int position);
// Random(7) + 1: "m" to "k".
int plain_draw();
// Random(12) mapped to n, µ, m .. k, M, G, T.
int extended_draw();
// A position from the tables above.
bool known(int position);
}  // namespace prefix

}  // namespace cifrala
