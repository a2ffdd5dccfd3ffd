#pragma once
// The program-wide number-display settings. The formatting operations read
// them; a window that needs another display changes a field when it is shown
// and restores it when it closes.
#include <QChar>

namespace cifrala {

struct NumberSettings {
    // true: reals are shown with at most `decimals` digits after the
    // separator; false: with `significant_digits` significant digits.
    bool fixed_decimals = true;
    int decimals = 2;
    int significant_digits = 15;
    // false: magnitudes below 10^-14 are shown as "0"; true: below 10^-30.
    bool tiny_mode = false;
    // format_exact writes fractions, mixed numbers, square roots.
    bool exact_fractions = false;
    bool mixed_numbers = true;
    bool exact_roots = false;
    bool root_coefficients = false;
    // Angles of the trigonometric functions in radians (false: degrees).
    bool radians = false;
    // The decimal separator of the user's locale, read once at start-up.
    QChar decimal_separator = QLatin1Char(',');
};

extern NumberSettings number_settings;

// Puts the start-up values into number_settings and reads the decimal
// separator from the default locale (QLocale()).
void init_number_settings();

}  // namespace cifrala
