#pragma once
// A quadratic inequality x² + b·x + c < s·x + n (or >) whose parabola and
// line meet at two whole-number points A = (x1, y1) and B = (x2, y2), and
// what the worked solution and the graph check read from it: the texts of
// both functions for the expression engine, the vertex, the top of the
// graph and the pieces of the first axis where the inequality holds.
#include <QString>
#include <vector>

#include "drawing/graphs/graph_records.h"

namespace cifrala {

struct InequalityExercise {
    bool less = true;    // parabola < line; else parabola > line
    int x1 = 0, y1 = 0;  // A, the left intersection
    int x2 = 4, y2 = 0;  // B, the right one; x1 < x2
    int a = 1, b = 0, c = 0;
    int s = 0, n = 0;  // the line s·x + n
    double vertex_y = 0;
    double graph_top = 0;

    double vertex_x() const { return -b / (2.0 * a); }
};

// The first axis of the graph check and of the answer runs over this range.
inline constexpr double kLeftEnd = -11;
inline constexpr double kRightEnd = 12;

// Draws an exercise as the window does (the relation, then the two points
// until the draw is accepted).
InequalityExercise generate_inequality();
// The exercise of these two points (x1 < x2, whole heights, already scaled)
// and relation, with the line through them and the parabola through both
// points; false when the points do not make one (x1 >= x2, or heights that
// leave the coefficients fractional).
bool inequality_from_points(int x1, int y1, int x2, int y2, bool less, InequalityExercise& e);
// The draw of the points is kept: x2 - x1 > 3 and -b / (2 (x2 - x1))
// strictly between -6 and 6.
bool acceptable(const InequalityExercise& e);

// The graph check's record of the exercise, every graph box unticked.
QuadraticInequalityGraph graph_record_of(const InequalityExercise& e);

// "1*x^2+(b)*x+(c)" and "(s)*x+(n)" for the expression engine.
QString parabola_text(const InequalityExercise& e);
QString line_text(const InequalityExercise& e);

// One piece of the first axis: [lo, hi].
struct AxisPiece {
    double lo = 0, hi = 0;
};
// Of the pieces kLeftEnd..x1, x1..x2 and x2..kRightEnd those at whose
// midpoint the inequality holds, both functions evaluated with the
// expression engine.
std::vector<AxisPiece> solution_pieces(const InequalityExercise& e);

}  // namespace cifrala
