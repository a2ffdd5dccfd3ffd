#include "drawing/graphs/graph_render.h"

#include <algorithm>
#include <functional>

#include "drawing/explanation/tekening_style.h"
#include "drawing/graphs/graph_operations.h"
#include "expr/eval_text.h"
#include "text/messages.h"

namespace cifrala {

namespace {

constexpr int kBadValue = 1362;  // "wrong value:" of the render mode
constexpr int kMinSide = 50, kMaxSide = 2000;

GraphRenderOption number(const char* name, const char* value) {
    return {QString::fromLatin1(name), QString::fromLatin1(value), {}, false};
}
GraphRenderOption whole(const char* name, const char* value) {
    return {QString::fromLatin1(name), QString::fromLatin1(value), {}, true};
}
GraphRenderOption choice(const char* name, const char* value, QStringList allowed) {
    return {QString::fromLatin1(name), QString::fromLatin1(value), std::move(allowed), false};
}
GraphRenderOption flag(const char* name, const char* value) {
    return choice(name, value, {QStringLiteral("0"), QStringLiteral("1")});
}
const QStringList kRelations{QStringLiteral("lt"), QStringLiteral("le"), QStringLiteral("gt"),
                             QStringLiteral("ge")};

// The values of one request, read and checked.
class Values {
public:
    Values(const QMap<QString, QString>& options, const GraphRenderKind& kind)
        : options_(options), kind_(kind) {}

    bool read(QString* error) {
        for (auto it = options_.begin(); it != options_.end(); ++it) {
            const QString& name = it.key();
            if (name == QLatin1String("kind") || name == QLatin1String("width") ||
                name == QLatin1String("height"))
                continue;
            if (!find(name)) return fail(error, name, it.value());
        }
        for (const GraphRenderOption& o : kind_.options) {
            const QString text = options_.value(o.name, o.default_value);
            if (!o.allowed.isEmpty()) {
                if (!o.allowed.contains(text)) return fail(error, o.name, text);
                choices_[o.name] = text;
                continue;
            }
            double v = 0;
            if (!eval_text(text, v) || (o.whole && (v != std::nearbyint(v) || std::fabs(v) > 1e6)))
                return fail(error, o.name, text);
            numbers_[o.name] = v;
        }
        return true;
    }

    double operator[](const char* name) const { return numbers_.value(QString::fromLatin1(name)); }
    int whole_number(const char* name) const { return static_cast<int>((*this)[name]); }
    bool flag(const char* name) const {
        return choices_.value(QString::fromLatin1(name)) == QLatin1String("1");
    }
    QString choice(const char* name) const { return choices_.value(QString::fromLatin1(name)); }
    Relation relation() const {
        return static_cast<Relation>(kRelations.indexOf(choice("relation")) + 1);
    }

private:
    const GraphRenderOption* find(const QString& name) const {
        for (const GraphRenderOption& o : kind_.options)
            if (o.name == name) return &o;
        return nullptr;
    }
    static bool fail(QString* error, const QString& name, const QString& value) {
        if (error)
            *error = msg(kBadValue) + QStringLiteral(" --") + name + QLatin1Char(' ') + value;
        return false;
    }

    const QMap<QString, QString>& options_;
    const GraphRenderKind& kind_;
    QMap<QString, double> numbers_;
    QMap<QString, QString> choices_;
};

using Builder = std::function<GraphDrawing(const Values&, QSize)>;

// The graph check of a quadratic inequality: the line y = s*x + n and the
// parabola that meets it at x1 and x2 (leading coefficient 1; touching it
// when x1 = x2). The first axis runs from -11 to 12 whatever the values, so
// intersections far beyond it are held at 1000 and the line's numbers at a
// million: off the picture either way, and every product stays in range.
const QString kQuadraticInequality = QStringLiteral("quadratic-inequality");
constexpr int kFarX = 1000, kFarLine = 1000000;

GraphDrawing quadratic_inequality_request(const Values& v, QSize size) {
    QuadraticInequalityGraph e;
    const int x1 = std::clamp(v.whole_number("x1"), -kFarX, kFarX);
    const int x2 = std::clamp(v.whole_number("x2"), -kFarX, kFarX);
    e.x1 = std::min(x1, x2);
    e.x2 = std::max(x1, x2);
    e.s = std::clamp(v.whole_number("s"), -kFarLine, kFarLine);
    e.n = std::clamp(v.whole_number("n"), -kFarLine, kFarLine);
    e.y1 = e.s * e.x1 + e.n;
    e.y2 = e.s * e.x2 + e.n;
    // (x - x1)(x - x2) + s*x + n
    e.b = e.s - (e.x1 + e.x2);
    e.c = e.n + e.x1 * e.x2;
    e.vertex_y = e.c - double(e.b) * e.b / 4.0;
    e.graph_top = 1.2 * std::max(e.y1, e.y2);
    e.less = v.choice("relation") == QLatin1String("lt");
    e.first = v.flag("first");
    e.second = v.flag("second");
    e.colour = v.flag("colour") && e.first && e.second;
    e.vertex = v.flag("vertex") && e.first;
    return quadratic_inequality_graph(e, size);
}

GraphDrawing build(const QString& kind, const Values& v, QSize size) {
    if (kind == QLatin1String("line"))
        return line_graph({v.whole_number("x1"), v.whole_number("y1"), v.whole_number("x2"),
                           v.whole_number("y2")},
                          size);
    if (kind == QLatin1String("exponential"))
        return exponential_graph({v["b"], v["g"], v["ta"], v["tb"]}, size);
    if (kind == QLatin1String("sinusoid"))
        return sinusoid_graph(
            {v["a"], v.whole_number("p"), v.whole_number("q"), v.whole_number("r"),
             v.whole_number("s"), v.flag("pi"), v["d"], v.flag("cosine")},
            size);
    if (kind == QLatin1String("vertex-parabola"))
        return parabola_graph({v.whole_number("p"), v.whole_number("q"), v["r"], v["s"]}, size);
    if (kind == QLatin1String("root"))
        return root_function_graph(
            {v.whole_number("p"), v.whole_number("q"), v["r"], v["s"], v.flag("mirrored")}, size);
    if (kind == QLatin1String("hyperbola")) return hyperbola_graph({v["a"], v["p"], v["q"]}, size);
    if (kind == QLatin1String("cubic"))
        return cubic_symmetry_graph({v["a"], v["b"], v["c"], v["d"]}, size);
    if (kind == QLatin1String("parabola"))
        return parabola_symmetry_graph({v["a"], v["b"], v["c"]}, size);
    if (kind == QLatin1String("roots-parabola")) {
        RootsParabolaGraph e{v.whole_number("a"), v.whole_number("b"), v.whole_number("c"),
                             v["xtop"],           v["xmin"],           v["xmax"]};
        return roots_parabola_graph(e, size);
    }
    if (kind == QLatin1String("sinusoid-equation")) {
        SinusoidEquationGraph e{v["a"], v["b"], v["c"], v["d"], v.flag("cosine"), v["rhs"]};
        e.kind = v.choice("labels") == QLatin1String("exact") ? SinusoidEquationGraph::ExactValues
                                                              : SinusoidEquationGraph::PiMultiples;
        return sinusoid_equation_graph(e, size);
    }
    if (kind == kQuadraticInequality) return quadratic_inequality_request(v, size);
    if (kind == QLatin1String("fraction-inequality"))
        return fraction_inequality_graph(
            {v["a"], v["b"], v["c"], v.whole_number("p"), v.whole_number("q"), v.whole_number("r"),
             v.whole_number("s"), v.relation()},
            size);
    return root_inequality_graph({v["a"], v["b"], v["c"], v["d"], v["e"], v.relation()}, size);
}

}  // namespace

const std::vector<GraphRenderKind>& graph_render_kinds() {
    static const std::vector<GraphRenderKind> kinds{
        {QStringLiteral("line"),
         600,
         450,
         {whole("x1", "-2"), whole("y1", "-1"), whole("x2", "3"), whole("y2", "2")}},
        {QStringLiteral("exponential"),
         600,
         450,
         {number("b", "2"), number("g", "1,5"), number("ta", "0"), number("tb", "2")}},
        {QStringLiteral("sinusoid"),
         600,
         450,
         {number("a", "2"), whole("p", "1"), whole("q", "1"), whole("r", "1"), whole("s", "4"),
          flag("pi", "1"), number("d", "1"), flag("cosine", "0")}},
        {QStringLiteral("vertex-parabola"),
         600,
         450,
         {whole("p", "1"), whole("q", "2"), number("r", "1"), number("s", "-2")}},
        {QStringLiteral("root"),
         600,
         450,
         {whole("p", "2"), whole("q", "1"), number("r", "-1"), number("s", "1"),
          flag("mirrored", "0")}},
        {QStringLiteral("hyperbola"),
         600,
         450,
         {number("a", "2"), number("p", "1"), number("q", "-1")}},
        {QStringLiteral("cubic"),
         600,
         450,
         {number("a", "1"), number("b", "-3"), number("c", "0"), number("d", "2")}},
        {QStringLiteral("parabola"),
         600,
         450,
         {number("a", "1"), number("b", "-2"), number("c", "-3")}},
        {QStringLiteral("roots-parabola"),
         400,
         600,
         {whole("a", "1"), whole("b", "-2"), whole("c", "-3"), number("xtop", "1"),
          number("xmin", "-3"), number("xmax", "5")}},
        {QStringLiteral("sinusoid-equation"),
         800,
         600,
         {number("a", "2"), number("b", "1"), number("c", "0"), number("d", "0"),
          number("rhs", "1"), flag("cosine", "0"),
          choice("labels", "pi", {QStringLiteral("pi"), QStringLiteral("exact")})}},
        {QStringLiteral("fraction-inequality"),
         800,
         600,
         {number("a", "1"), number("b", "2"), number("c", "1"), whole("p", "1"), whole("q", "2"),
          whole("r", "-1"), whole("s", "1"), choice("relation", "lt", kRelations)}},
        {kQuadraticInequality,
         400,
         300,
         {whole("x1", "-3"), whole("x2", "2"), whole("s", "1"), whole("n", "2"),
          choice("relation", "lt", {QStringLiteral("lt"), QStringLiteral("gt")}),
          flag("first", "1"), flag("second", "1"), flag("colour", "1"), flag("vertex", "1")}},
        {QStringLiteral("root-inequality"),
         800,
         600,
         {number("a", "2"), number("b", "1"), number("c", "4"), number("d", "1"), number("e", "-1"),
          choice("relation", "le", kRelations)}},
    };
    return kinds;
}

QImage render_graph(const QMap<QString, QString>& options, QString* error, DisplayList* items) {
    const QString kind_name = options.value(QStringLiteral("kind"), QStringLiteral("parabola"));
    const GraphRenderKind* kind = nullptr;
    for (const GraphRenderKind& k : graph_render_kinds())
        if (k.name == kind_name) kind = &k;
    auto fail = [&](const QString& option, const QString& value) {
        if (error)
            *error = msg(kBadValue) + QStringLiteral(" --") + option + QLatin1Char(' ') + value;
        return QImage();
    };
    if (!kind) return fail(QStringLiteral("kind"), kind_name);
    int side[2] = {kind->width, kind->height};
    const char* side_names[2] = {"width", "height"};
    for (int i = 0; i < 2; ++i) {
        const QString name = QString::fromLatin1(side_names[i]);
        if (!options.contains(name)) continue;
        int v = 0;
        if (!eval_text_int(options.value(name), v) || v < kMinSide || v > kMaxSide)
            return fail(name, options.value(name));
        side[i] = v;
    }
    Values values(options, *kind);
    if (!values.read(error)) return QImage();
    const QSize size(side[0], side[1]);
    GraphDrawing g = build(kind->name, values, size);
    Surface surface(size.width(), size.height(), tekening_style());
    draw_graph(g, surface);
    if (items) *items = surface.display();
    return surface.image();
}

}  // namespace cifrala
