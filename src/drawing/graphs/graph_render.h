#pragma once
// Drawing a graph of the explanation window offscreen from values given as
// options, for `cifrala --render graph --kind parabola --p 1 --q 2 --out p.png`.
//
// Options (all values are texts; numbers are read as the program reads a
// typed answer, so "-3", "2,5", "1/2" and "pi/4" are accepted):
//   kind    line | exponential | sinusoid | parabola | root | hyperbola | cubic |
//           parabola-symmetry | roots-parabola | sinusoid-equation |
//           fraction-inequality | root-inequality              (default parabola)
//   width, height   the surface size in pixels, 50 to 2000
//                   (default 600 x 450; 800 x 600 for sinusoid-equation,
//                   fraction-inequality and root-inequality; 400 x 600 for
//                   roots-parabola)
// and per kind (defaults in brackets; "int" values must be whole numbers,
// flags are 0 or 1):
//   line                 x1 [-2] y1 [-1] x2 [3] y2 [2]                      (int)
//   exponential          b [2] g [1,5] ta [0] tb [2]
//   sinusoid             a [2] p [1] q [1] r [1] s [4] (int) pi [1] d [1] cosine [0]
//   parabola             p [1] q [2] (int) r [1] s [-2]
//   root                 p [2] q [1] (int) r [-1] s [1] mirrored [0]
//   hyperbola            a [2] p [1] q [-1]
//   cubic                a [1] b [-3] c [0] d [2]
//   parabola-symmetry    a [1] b [-2] c [-3]
//   roots-parabola       a [1] b [-2] c [-3] (int) xtop [1] xmin [-3] xmax [5]
//   sinusoid-equation    a [2] b [1] c [0] d [0] rhs [1] cosine [0] labels [pi|exact, pi]
//   fraction-inequality  a [1] b [2] c [1] (real) p [1] q [2] r [-1] s [1] (int)
//                        relation [lt|le|gt|ge, lt]
//   root-inequality      a [2] b [1] c [4] d [1] e [-1] relation [lt|le|gt|ge, le]
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
