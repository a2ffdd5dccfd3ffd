#pragma once
// How the exponential-equations window writes at its worksheet's Formula
// cursor: superscripts made of texts and small fractions, small fractions
// on the line, roots with their index, and a factor of powers and roots of
// g in the form of a stage of the solution (toonbreukvorm). Every
// operation honours the surface's measure-only flag and records what it
// wrote so that the worksheet reads as the pupil reads it ("2^(x - 3)",
// "V3(25)", "(V(8))/4").
#include <QString>
#include <functional>
#include <vector>

#include "practice/exponential/exp_exercise.h"

namespace cifrala {

class Surface;

// A piece of an exponent: a text, or a small fraction p/q (a sign in front
// when p/q is negative).
struct ExponentPiece {
    QString text;
    bool fraction = false;
    long long p = 0, q = 1;
};
inline ExponentPiece piece(const QString& text) {
    return {text, false, 0, 1};
}
inline ExponentPiece piece(long long p, long long q) {
    return {QString(), true, p, q};
}

class ExpWriter {
public:
    ExpWriter(Surface& s, int phase) : s_(s), phase_(phase) {}

    void text(const QString& t);
    // A superscript after the cursor (5 points smaller, 9 pixels up).
    void superscript(const std::vector<ExponentPiece>& pieces);
    // "g" with a superscript.
    void power(int g, const std::vector<ExponentPiece>& exponent);
    void power(int g, long long n) { power(g, {piece(QString::number(n))}); }
    // A small stacked fraction on the line ("-" in front when negative);
    // `magnitude` writes |p|/|q| without a sign.
    void fraction(long long p, long long q, bool magnitude = false);
    // The mixed number of p/q (|p| > |q|): sign, whole number, small fraction.
    void mixed(long long p, long long q);
    // The root with index r (2: no index written) over what `radicand`
    // writes; `reading` is how the radicand reads.
    template <typename F>
    void root(int r, const QString& reading, F radicand);

    // The factor (record, coefficient) in the stage's form: phases 1 .. 4
    // as a fraction of its numerator and denominator rows, phase 5 as one
    // power of g. The coefficient is the number in front (phases 1, 2) or
    // the power g^c in front (phases 3, 4, 5; c = 0: none).
    void factor(int g, const ExponentRecord& r, long long coefficient, int coefficient_power);
    // The exponent of the phase-5 form of a record (with g^c in front).
    static std::vector<ExponentPiece> one_power(const ExponentRecord& r, int coefficient_power);

    // How a superscript's pieces read.
    static QString reading(const std::vector<ExponentPiece>& pieces);

private:
    // One row (numerator or denominator) in the form of phases 1 .. 4.
    QString row(int g, int a, int r, long long coefficient, int coefficient_power);
    void root_over(int r, const QString& reading, const std::function<void()>& radicand);

    Surface& s_;
    int phase_;
};

template <typename F>
void ExpWriter::root(int r, const QString& reading, F radicand) {
    root_over(r, reading, std::function<void()>(radicand));
}

}  // namespace cifrala
