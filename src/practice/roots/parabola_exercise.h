#pragma once
// The parabola f(x) = a x² + b x + c of "Parabolen tekenen": its drawing by
// level, the own function the pupil types and why one is refused, the
// whole roots when there are any, the vertex (exact: its x a whole number
// or a half, since a divides b; its y in quarters) and the table of seven
// points around the vertex.
#include <QtGlobal>
#include <array>

#include "util/rational.h"

namespace cifrala {

struct ParabolaExercise {
    int a = 1, b = 0, c = 0;
    // The roots are whole numbers (the x-axis method can be offered); r2 is
    // never 0 unless both are.
    bool whole_roots = false;
    int r1 = 0, r2 = 0;
};

// Level 0 "Eenvoudig", 1 "Gevorderd", 2 "Expert".
ParabolaExercise generate_parabola(int level);
// Sets whole_roots, r1 and r2 from a, b and c: √D whole and (√D - b)/(2a)
// whole, r2 = (-b - √D)/(2a), swapped when r2 is 0. x² alone (b = c = 0)
// offers no two crossings and counts as without.
void find_whole_roots(ParabolaExercise& e);

// Why an own function is refused.
enum class OwnParabolaFault {
    None,
    ZeroA,         // no x² term: no parabola
    TooLarge,      // the table values would not fit in their columns
    BothZero,      // b and c both 0
    NotDivisible,  // a does not divide b
};
OwnParabolaFault check_own_parabola(qint64 a, qint64 b, qint64 c);
// The largest magnitude of a coefficient, a table value or the vertex's y
// that the worksheet's columns hold.
inline constexpr qint64 kLargestTableValue = 9999;

// f(x) for whole x.
qint64 parabola_value(const ParabolaExercise& e, qint64 x);
// The vertex: x = -b/(2a) as num/den (den = |2a/g|, num = |b/g|, g =
// gcd(2a, b)), negative when a·b > 0; y exactly.
struct ParabolaVertex {
    int num = 0, den = 1;
    bool negative = false;
    Rational x() const { return Rational(negative ? -num : num, den); }
};
ParabolaVertex parabola_vertex(const ParabolaExercise& e);
Rational vertex_y(const ParabolaExercise& e);

// The table: t0 and the x of the columns 1 to 7 (column 4 is the vertex).
int table_start(const ParabolaVertex& v);
// The six whole x of the columns 1, 2, 3, 5, 6, 7.
std::array<int, 6> table_xs(const ParabolaVertex& v);
// The last x of the explanation window's range after the table: t0 + 7, or
// t0 + 6 when the vertex x is a half.
int table_range_end(const ParabolaVertex& v);

}  // namespace cifrala
