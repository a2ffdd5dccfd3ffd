// The numbers of the graph check stay readable: the projections of the
// intersections and of the vertex lie close together on the first axis in
// many exercises, and their numbers must neither cover each other nor leave
// the picture. The graph render kind of the check draws what its options ask.
#include <gtest/gtest.h>

#include <QRect>

#include "drawing/explanation/tekening_style.h"
#include "drawing/graphs/graph_operations.h"
#include "drawing/graphs/graph_render.h"
#include "formula/surface.h"
#include "practice/inequalities/inequality_exercise.h"
#include "util/format.h"
#include "util/random.h"

namespace cifrala {
namespace {

constexpr int kWidth = 400, kHeight = 300;

QuadraticInequalityGraph record_of(const InequalityExercise& e) {
    QuadraticInequalityGraph g = graph_record_of(e);
    g.first = g.second = g.colour = g.vertex = true;
    return g;
}

// The cells of the magenta texts (the check's own labels, not the axes'
// numbers) written with exactly this content.
std::vector<QRect> cells_of(const DisplayList& d, const QStringList& texts) {
    std::vector<QRect> out;
    for (const DrawnItem& item : d.items()) {
        const auto* t = std::get_if<DrawnText>(&item);
        if (t && t->colour == QColor(255, 0, 255) && texts.contains(t->text))
            out.push_back(t->rect);
    }
    return out;
}

TEST(InequalityGraphLabels, TheProjectionNumbersNeverCoverEachOtherAndStayOnThePicture) {
    int close_pairs = 0;
    for (quint32 seed = 1; seed <= 300; ++seed) {
        seed_random(seed);
        const InequalityExercise e = generate_inequality();
        GraphDrawing g = quadratic_inequality_graph(record_of(e), QSize(kWidth, kHeight));
        Surface s(kWidth, kHeight, tekening_style());
        draw_graph(g, s);
        const QString vx = format_real_full(e.vertex_x());
        const QStringList numbers{format_real_full(e.x1), format_real_full(e.x2), vx,
                                  format_real_full(e.vertex_y)};
        const std::vector<QRect> cells = cells_of(s.display(), numbers);
        // Both intersections lie on the picture; the vertex may lie beside it.
        ASSERT_GE(cells.size(), 2u) << "seed " << seed;
        if (std::abs(e.vertex_x() - e.x1) < 1.5 || std::abs(e.vertex_x() - e.x2) < 1.5)
            ++close_pairs;
        for (size_t i = 0; i < cells.size(); ++i) {
            EXPECT_TRUE(QRect(0, 0, kWidth, kHeight).contains(cells[i])) << "seed " << seed;
            for (size_t j = i + 1; j < cells.size(); ++j)
                EXPECT_FALSE(cells[i].intersects(cells[j]))
                    << "seed " << seed << ": " << numbers.join(' ').toStdString();
        }
    }
    // The seeds include the crowded case the check is about.
    EXPECT_GT(close_pairs, 0);
}

TEST(InequalityGraphLabels, NeighbouringProjectionsGetSeparateCells) {
    // x1 = -3 and the vertex at x = -2.5: half a unit apart on the axis.
    QuadraticInequalityGraph g;
    g.x1 = -3;
    g.x2 = -2;
    g.s = 0;
    g.n = 0;
    g.y1 = g.y2 = 0;
    g.b = 5;
    g.c = 6;
    g.vertex_y = -0.25;
    g.colour = g.vertex = true;
    GraphDrawing d = quadratic_inequality_graph(g, QSize(kWidth, kHeight));
    Surface s(kWidth, kHeight, tekening_style());
    draw_graph(d, s);
    const std::vector<QRect> cells = cells_of(
        s.display(), {QStringLiteral("-3"), QStringLiteral("-2"), QStringLiteral("-2,5"),
                      QStringLiteral("-2.5"), QStringLiteral("-0,25"), QStringLiteral("-0.25")});
    ASSERT_EQ(cells.size(), 4u);
    for (size_t i = 0; i < cells.size(); ++i)
        for (size_t j = i + 1; j < cells.size(); ++j)
            EXPECT_FALSE(cells[i].intersects(cells[j]));
}

TEST(InequalityGraphRender, TheKindDrawsTheRequestedCheck) {
    QMap<QString, QString> options{{QStringLiteral("kind"), QStringLiteral("quadratic-inequality")},
                                   {QStringLiteral("x1"), QStringLiteral("4")},
                                   {QStringLiteral("x2"), QStringLiteral("-2")},
                                   {QStringLiteral("s"), QStringLiteral("1")},
                                   {QStringLiteral("n"), QStringLiteral("3")}};
    QString error;
    DisplayList items;
    const QImage image = render_graph(options, &error, &items);
    ASSERT_FALSE(image.isNull()) << error.toStdString();
    EXPECT_EQ(image.size(), QSize(400, 300));
    // The points given in either order: the numbers of both intersections
    // and the intersections' names.
    EXPECT_FALSE(cells_of(items, {QStringLiteral("-2")}).empty());
    EXPECT_FALSE(cells_of(items, {QStringLiteral("4")}).empty());
    EXPECT_FALSE(cells_of(items, {QStringLiteral("A")}).empty());
    EXPECT_FALSE(cells_of(items, {QStringLiteral("B")}).empty());
}

TEST(InequalityGraphRender, EqualOrFarPointsStillDrawWithTheirNumbersOnThePicture) {
    for (const auto& [x1, x2] : std::vector<std::pair<const char*, const char*>>{
             {"2", "2"}, {"-999999", "3"}, {"1", "999999"}, {"-5", "-5"}}) {
        QMap<QString, QString> options{
            {QStringLiteral("kind"), QStringLiteral("quadratic-inequality")},
            {QStringLiteral("x1"), QString::fromLatin1(x1)},
            {QStringLiteral("x2"), QString::fromLatin1(x2)},
            {QStringLiteral("s"), QStringLiteral("999999")}};
        QString error;
        DisplayList items;
        EXPECT_FALSE(render_graph(options, &error, &items).isNull()) << x1 << " " << x2;
        for (const DrawnText& t : items.texts())
            EXPECT_TRUE(QRect(0, 0, kWidth, kHeight).contains(t.rect)) << t.text.toStdString();
    }
    // A fractional intersection is refused.
    QString error;
    EXPECT_TRUE(render_graph({{QStringLiteral("kind"), QStringLiteral("quadratic-inequality")},
                              {QStringLiteral("x1"), QStringLiteral("0,5")}},
                             &error, nullptr)
                    .isNull());
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace cifrala
