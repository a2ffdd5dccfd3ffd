#pragma once
// A line of the multi-topic worksheet as the workers build it before it is
// written: runs of text, superscripts (whose content may hold a small
// fraction), stacked fractions whose pieces are themselves formulas, and
// roots with an index. The writer (formula_writer.h) measures and draws it;
// plain_text gives the line as it reads ("2x^2 -3x", "(x+1)/(2V(x))").
#include <QString>
#include <utility>
#include <vector>

namespace cifrala {

struct Piece;
using Formula = std::vector<Piece>;

struct Piece {
    enum Kind { Text, Power, Fraction, Root };
    Kind kind = Text;
    QString text;    // Text
    Formula first;   // Power: the exponent; Fraction: the top; Root: the radicand
    Formula second;  // Fraction: the bottom
    int index = 2;   // Root: 2 for the square root
};

Piece text_piece(const QString& text);
Piece power_piece(Formula exponent);
Piece fraction_piece(Formula top, Formula bottom);
Piece root_piece(Formula radicand, int index = 2);

// Appends a text (joined to a text at the end) or a piece.
Formula& operator<<(Formula& f, const QString& text);
Formula& operator<<(Formula& f, const char* text);
Formula& operator<<(Formula& f, Piece piece);
Formula& operator<<(Formula& f, const Formula& more);
// The same on a formula just made: "bracketed(q) << power_piece(n)".
template <typename T>
Formula operator<<(Formula&& f, T&& more) {
    f << std::forward<T>(more);
    return std::move(f);
}

// The formula of one text, and of a text followed by a formula.
Formula formula(const QString& text);
Formula formula(const QString& text, const Formula& rest);
bool is_empty(const Formula& f);

// As the worksheet reader reads the formula: superscripts as "^3" or, when
// more than a whole number, "^(-1/2)"; fractions as "(top)/(bottom)"; roots
// as "V(...)" or "V3(...)".
QString plain_text(const Formula& f);
// The text of a superscript as the reader shows it.
QString exponent_text(const Formula& exponent);

}  // namespace cifrala
