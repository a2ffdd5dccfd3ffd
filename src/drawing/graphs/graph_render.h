#pragma once
// Drawing a graph of the explanation window offscreen from values given as
// options, for `cifrala --render graph --kind parabola --a 1 --b -2 --c -3
// --out p.png`.
//
// Options (all values are texts; numbers are read as the program reads a
// typed answer, so "-3", "2,5", "1/2" and "pi/4" are accepted):
//   kind    line | exponential | sinusoid | vertex-parabola | root |
//           hyperbola | cubic | parabola | roots-parabola |
//           sinusoid-equation | fraction-inequality | root-inequality
//           (default parabola)
//   width, height   the surface size in pixels, 50 to 2000
//                   (default 600 x 450; 800 x 600 for sinusoid-equation,
//                   fraction-inequality and root-inequality; 400 x 600 for
//                   roots-parabola)
// and per kind, with the graph operation that draws it (defaults in
// brackets; "whole" values must be whole numbers from -10^6 to 10^6, flags
// are 0 or 1):
//   line                 teken_lijnformule: x1 [-2] y1 [-1] x2 [3] y2 [2] (whole)
//   exponential          teken_expformule: b [2] g [1,5] ta [0] tb [2]
//   sinusoid             teken_sinusoide: a [2] p [1] q [1] r [1] s [4] (whole)
//                        pi [1] d [1] cosine [0]
//   vertex-parabola      teken_parabool: p [1] q [2] (whole) r [1] s [-2]
//   root                 teken_wortelfie: p [2] q [1] (whole) r [-1] s [1] mirrored [0]
//   hyperbola            teken_hyperbola: a [2] p [1] q [-1]
//   cubic                teken_puntsymmetrie_derdegraadsfunctie: a [1] b [-3] c [0] d [2]
//   parabola             teken_lijnsymmetrie_parabool: a [1] b [-2] c [-3]
//   roots-parabola       teken_de_parabool: a [1] b [-2] c [-3] (whole) xtop [1]
//                        xmin [-3] xmax [5]
//   sinusoid-equation    teken_sinusoide_grafiek: a [2] b [1] c [0] d [0] rhs [1]
//                        cosine [0] labels [pi|exact, pi]
//   fraction-inequality  teken_breukongelijkheid: a [1] b [2] c [1] p [1] q [2]
//                        r [-1] s [1] (p..s whole) relation [lt|le|gt|ge, lt]
//   quadratic-inequality the graph check of a quadratic inequality (400 x 300):
//                        x1 [-3] x2 [2] (whole; equal: touching) s [1] n [2]
//                        (the line, whole) relation [lt|gt, lt] first [1]
//                        second [1] colour [1] vertex [1]
//   root-inequality      teken_wortelongelijkheid: a [2] b [1] c [4] d [1] e [-1]
//                        relation [lt|le|gt|ge, le]
// An unknown kind or option, or a value that is not accepted, gives a null
// image and an error text: message 1362 followed by the option and value.
#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

#include "formula/display_list.h"

namespace cifrala {

struct GraphRenderOption {
    QString name;
    QString default_value;
    QStringList allowed;  // empty: a number (whole with `whole`)
    bool whole = false;
};

struct GraphRenderKind {
    QString name;
    int width = 600, height = 450;
    std::vector<GraphRenderOption> options;
};

// Every kind with its options, in the order of the list above.
const std::vector<GraphRenderKind>& graph_render_kinds();

// Draws the graph; `items`, when given, receives what was drawn.
QImage render_graph(const QMap<QString, QString>& options, QString* error,
                    DisplayList* items = nullptr);

}  // namespace cifrala
