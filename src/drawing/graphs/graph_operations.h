#pragma once
// The graphs of the explanation window, one per graph type, each built from
// its exercise record for a surface of the given size. What the window's
// teken_... operations draw.
#include <QSize>

#include "drawing/graphs/graph_drawing.h"
#include "drawing/graphs/graph_records.h"

namespace cifrala {

// teken_lijnformule: A, B, the slope triangle and its two differences.
GraphDrawing line_graph(const LineGraph& e, QSize size);
// teken_expformule
GraphDrawing exponential_graph(const ExponentialGraph& e, QSize size);
// teken_sinusoide (switches radians on)
GraphDrawing sinusoid_graph(const SinusoidGraph& e, QSize size);
// teken_parabool
GraphDrawing parabola_graph(const ParabolaGraph& e, QSize size);
// teken_wortelfie
GraphDrawing root_function_graph(const RootFunctionGraph& e, QSize size);
// teken_hyperbola
GraphDrawing hyperbola_graph(const HyperbolaGraph& e, QSize size);
// teken_puntsymmetrie_derdegraadsfunctie
GraphDrawing cubic_symmetry_graph(const CubicGraph& e, QSize size);
// teken_lijnsymmetrie_parabool
GraphDrawing parabola_symmetry_graph(const QuadraticGraph& e, QSize size);
// teken_de_parabool; writes the vertex's y_top into the record.
GraphDrawing roots_parabola_graph(RootsParabolaGraph& e, QSize size);
// teken_sinusoide_grafiek (switches radians on)
GraphDrawing sinusoid_equation_graph(const SinusoidEquationGraph& e, QSize size);
// teken_breukongelijkheid
GraphDrawing fraction_inequality_graph(const FractionInequalityGraph& e, QSize size);
// teken_wortelongelijkheid
GraphDrawing root_inequality_graph(const RootInequalityGraph& e, QSize size);
// The graph check of a quadratic inequality (the explanation window's card
// for the inequalities window); the first axis runs from -11 to 12.
GraphDrawing quadratic_inequality_graph(const QuadraticInequalityGraph& e, QSize size);

// Messages of the root-inequality graph.
namespace graph_messages {
constexpr int kStartPoint = 2222;     // R
constexpr int kIntersections = 2223;  // S1, S2
constexpr int kSolution = 2224;       // the solution on the first axis
constexpr int kNoIntersection = 1714;
}  // namespace graph_messages

}  // namespace cifrala
