#pragma once
// Reads the worked solution back from a practice-window surface: its lines
// from top to bottom, each as texts and stacked fractions from left to
// right, as the pupil sees them (red corrections and the hint line left out),
// and the value a line ends with.
#include <QString>
#include <optional>
#include <vector>

#include "formula/surface.h"

namespace cifrala::testing {

struct Token {
    bool fraction = false;
    QString text;         // a text run
    QString top, bottom;  // a fraction
    int x = 0;
};

struct Line {
    int y = 0;
    std::vector<Token> tokens;
    // "5/6 + 1 1/2 =": texts trimmed, fractions as top/bottom, one blank between.
    QString text() const;
};

std::vector<Line> read_lines(const Surface& s);

struct Rational {
    long long p = 0, q = 1;
    bool operator==(const Rational&) const = default;
};
Rational reduce(long long p, long long q);

// The value written after the last "=" of the last line (the whole line
// when it has none): an optional sign, a whole number, a fraction.
std::optional<Rational> final_value(const Surface& s);

// The text of the hint line.
QString hint_text(const Surface& s);

}  // namespace cifrala::testing
