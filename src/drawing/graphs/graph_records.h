#pragma once
// The values of an exercise that each graph of the explanation window
// draws. The practice window that shows the graph fills the record; the
// graph reads nothing else.
namespace cifrala {

// The relation of an inequality.
enum class Relation { Less = 1, LessOrEqual = 2, Greater = 3, GreaterOrEqual = 4 };

// teken_lijnformule: the line through A and B.
struct LineGraph {
    int x1 = 0, y1 = 0;  // A
    int x2 = 1, y2 = 1;  // B
};

// teken_expformule: f(t) = b * g^t with the points A and B on it.
struct ExponentialGraph {
    double b = 1, g = 2;
    double t_a = 0, t_b = 1;
};

// teken_sinusoide: a * sin(p/q * (x - r/s)) + d (cos with `cosine`); the
// shift r/s is a multiple of pi with `shift_in_pi`.
struct SinusoidGraph {
    double a = 1;
    int p = 1, q = 1;
    int r = 0, s = 1;
    bool shift_in_pi = true;
    double d = 0;
    bool cosine = false;
};

// teken_parabool: p/q * (x - r)^2 + s with its vertex T = (r, s).
struct ParabolaGraph {
    int p = 1, q = 1;
    double r = 0, s = 0;
};

// teken_wortelfie: p/q * (x - r)^0.5 + s, or p/q * (-x - r)^0.5 + s when
// mirrored.
struct RootFunctionGraph {
    int p = 1, q = 1;
    double r = 0, s = 0;
    bool mirrored = false;
};

// teken_hyperbola: a * (x - p) / (x - q).
struct HyperbolaGraph {
    double a = 1, p = 0, q = 1;
};

// teken_puntsymmetrie_derdegraadsfunctie: a x^3 + b x^2 + c x + d.
struct CubicGraph {
    double a = 1, b = 0, c = -3, d = 0;
};

// teken_lijnsymmetrie_parabool: a x^2 + b x + c.
struct QuadraticGraph {
    double a = 1, b = 0, c = 0;
};

// teken_de_parabool: the roots window's a x^2 + b x + c over the engine's
// first window; y_top is computed and written back for the window.
struct RootsParabolaGraph {
    int a = 1, b = 0, c = 0;
    double x_top = 0;
    double x_min = 0, x_max = 10;
    double y_top = 0;  // out
};

// teken_sinusoide_grafiek: a * sin(b * (x - c)) + d = rhs (cos with
// `cosine`); the first axis in multiples of pi or in exact values.
struct SinusoidEquationGraph {
    double a = 1, b = 1, c = 0, d = 0;
    bool cosine = false;
    double rhs = 0.5;
    enum Labels { PiMultiples = 0, ExactValues = 1 };
    int kind = PiMultiples;
};

// teken_breukongelijkheid: (a x + b) / (x - c) relation p/q x + r/s.
struct FractionInequalityGraph {
    double a = 1, b = 0, c = 1;
    int p = 0, q = 1, r = 0, s = 1;
    Relation relation = Relation::Less;
};

// teken_wortelongelijkheid: a V(b x + c) relation d x - e.
struct RootInequalityGraph {
    double a = 1, b = 1, c = 0, d = 1, e = 0;
    Relation relation = Relation::Less;
};

// The graph check of the quadratic-inequalities window: the parabola
// x² + b x + c and the line s x + n meeting at A = (x1, y1) and
// B = (x2, y2); what the pupil ticked decides what is drawn.
struct QuadraticInequalityGraph {
    int x1 = -2, y1 = 0, x2 = 2, y2 = 0;
    int b = 0, c = -4, s = 0, n = 0;
    bool less = true;      // parabola < line
    double vertex_y = -4;  // the parabola's value at -b / 2
    double graph_top = 0;  // 1.2 times the larger height of A and B
    bool first = true;     // "Eerste grafiek": the parabola
    bool second = true;    // "Tweede grafiek": the line
    bool colour = false;   // "Kleur oplossing": the solution in colour
    bool vertex = false;   // the vertex and its projections
};

}  // namespace cifrala
