#pragma once
// The hint area under the roots window's worksheet: the factorization of
// the number under the root sign in its top lines (ontbindenhelp) and the
// hint for the next step at (10, 70) (toonhelp).
#include <QString>

namespace cifrala {

class Surface;

// Messages of the hint area.
namespace roots_hint_messages {
constexpr int kIsASquare = 1546;       // "n is a square:"
constexpr int kNoSquareFactor = 1519;  // "n has no square factor"
constexpr int kNoPairOfPrimes = 1557;  // prime factors: no prime occurs twice
}  // namespace roots_hint_messages

// Clears the area (all of it, unless `keep_factorization`), then writes
// message n (n > 0) in the area's size, made smaller until it fits. With
// "Toon hint" unticked (the area's hint gate) only the clearing is done.
void toonhelp(Surface& area, int n, bool keep_factorization);

// Writes the factorization of n into the top lines of the area (what was
// there before is replaced): into prime factors, their powers, the squares
// and the squares as numbers; or n as one square times the rest.
void ontbindenhelp(Surface& area, int n, bool prime_factors);

// The hint alone, the factorization staying (n <= 0 clears it).
void redraw_hint(Surface& area, int n);

}  // namespace cifrala
