#pragma once
// The figure record of the drawing engine: named points, segments between
// them, circles and up to six function curves, in a world window with axes,
// grid lines and tick labels, and the plane transform that maps the world
// onto a drawing surface (first coordinate to the right, second upwards).
//
// Points, segments, circles and functions are numbered from 1, as the
// figures of the graphs refer to them; slot 0 is never used.
#include <QColor>
#include <QPointF>
#include <QString>
#include <Qt>
#include <array>
#include <functional>

#include "expr/compiled_expression.h"

namespace cifrala {

inline constexpr int kMaxFigurePoints = 26;
inline constexpr int kMaxFigureSegments = 51;
inline constexpr int kMaxFigureCircles = 11;
inline constexpr int kMaxFigureFunctions = 6;

// A name of a single space: the point or segment has no name.
inline const QString kNoName = QStringLiteral(" ");

struct WorldPoint {
    double x = 0, y = 0, z = 0;
};

struct FigurePoint {
    enum Kind {
        Free,      // may be dragged
        Computed,  // follows the figure's definition (Figure::recompute)
    };
    Kind kind = Free;
    double x = 0, y = 0, z = 0;  // world
    QPointF surface;             // computed by place_point
    QPointF initial;             // the surface position when it was added
    QString name = kNoName;
    QString text2;  // written after the name (coordinates, for example)
    QColor colour;
    int dot_size = 3;  // radius in pixels; below 0 no dot
    bool valid = false;
    bool not_drawn = false;
    bool grey = false;
    bool highlight = false;
    bool name_shown = true;  // false: a plain dot
    int on_function = 0;     // the curve it lies on (0: none)
    bool glides = false;     // dragged along curve on_function (y follows from x)
    bool used = false;
};

struct FigureSegment {
    int a = 0, b = 0;  // point numbers
    QColor colour;
    int width = 1;
    Qt::PenStyle style = Qt::SolidLine;
    QString label = kNoName;
    bool hidden = false;
    bool arrow = false;  // an arrowhead at end b
    bool used = false;
};

struct FigureCircle {
    int centre = 0;     // point number
    double radius = 1;  // world units along the first axis
    QColor colour;
    int width = 1;
    bool visible = true;
    bool used = false;
};

struct FigureFunction {
    enum Kind {
        Graph = 1,       // y = f(x)
        Parametric = 2,  // x = f1(t), y = f2(t), z = f3(t)
        Polar = 4,       // r = f(theta), degrees unless radians are on
        OwnPicture = 5,  // draws its own picture (Figure::own_picture)
    };
    int kind = Graph;
    std::array<QString, 3> texts{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    QChar var1 = QLatin1Char('x'), var2 = QLatin1Char('x');
    double t_min = -10, t_max = 10;
    QColor colour;
    int width = 1;
    bool visible = false;
    bool used = false;
};

struct FigureAxis {
    double lo = 0, hi = 10;
    double major = 5, minor = 1;
    QString name;
    double scale = 1;
    bool logarithmic = false;
};

class Surface;

struct Figure {
    Figure();

    QString title;
    std::array<FigurePoint, kMaxFigurePoints + 1> points;
    std::array<FigureSegment, kMaxFigureSegments + 1> segments;
    std::array<FigureCircle, kMaxFigureCircles + 1> circles;
    std::array<FigureFunction, kMaxFigureFunctions + 1> functions;
    int point_count = 0, segment_count = 0, circle_count = 0, function_count = 0;

    // Display flags.
    bool coordinate_system = true;  // axes, grid, tick labels, clipping to the window
    bool pi_labels = false;         // first-axis labels as multiples of pi
    bool exact_labels = false;      // first-axis labels with exact fractions and mixed numbers
    bool zero_label = true;
    bool shading = false;  // a grey cross-hatched triangle on three points
    std::array<int, 3> shaded{0, 0, 0};

    std::array<FigureAxis, 3> axes;

    // The plane transform.
    int surface_width = 800, surface_height = 600;
    QPointF origin{400, 300};
    double pixels_per_unit = 40;

    QColor highlight_colour{255, 0, 255};
    QColor drawing_colour{Qt::black};
    QColor background{Qt::white};
    int default_dot_size = 3;

    // Places the computed points after a point has moved.
    std::function<void(Figure&)> recompute;
    // Draws a function of kind OwnPicture.
    std::function<void(const Figure&, Surface&, int slot)> own_picture;
    // The labels of a window's own figure (the lens window's names of the
    // object, the image and the distances), written after the curves,
    // segments and circles and before the tick labels and the dots.
    std::function<void(const Figure&, Surface&, int label_size)> own_labels;

    // The compiled texts of the functions, read again only when a text
    // changes.
    struct Compiled {
        std::array<CompiledExpression, 3> texts;
    };
    mutable std::array<Compiled, kMaxFigureFunctions + 1> compiled;
};

// The engine's defaults: both windows 0 to 10, steps 5 and 1, scale 1, names
// x, y, z, no logarithmic axes, every function reset, origin at the surface
// centre, magenta highlight, black drawing colour, white background, and no
// points, segments or circles.
void reset_figure(Figure& f);
// The program-wide figure (reset when first used).
Figure& shared_figure();

void add_point(Figure& f, int slot, const QString& name, double x, double y);
void add_segment(Figure& f, int slot, int a, int b);
void add_circle(Figure& f, int slot, int centre, double radius);
void reset_function(Figure& f, int slot);
// A visible graph y = text(x) in function `slot`; the text as
// normalise_expression leaves it.
void set_graph(Figure& f, int slot, const QString& text, const QColor& colour, int width = 2);

// Shows the world window of the first two axes on the whole surface of
// w x h pixels; with `margin` above 1 the window fills 1/margin of it,
// centred.
void fit_window(Figure& f, int w, int h, double margin = 1.0);

}  // namespace cifrala
