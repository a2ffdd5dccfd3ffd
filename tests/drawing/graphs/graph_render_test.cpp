// Graphs drawn offscreen from option values, and the figure items as JSON.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <random>

#include "drawing/graphs/graph_render.h"
#include "formula/display_json.h"
#include "support/number_settings_fixture.h"
#include "text/messages.h"

namespace cifrala::testing {
namespace {

class GraphRender : public DefaultNumberSettings {};

TEST_F(GraphRender, EveryKindDrawsWithItsDefaults) {
    for (const GraphRenderKind& kind : graph_render_kinds()) {
        SCOPED_TRACE(kind.name.toStdString());
        QString error;
        DisplayList items;
        const QImage image = render_graph({{QStringLiteral("kind"), kind.name}}, &error, &items);
        ASSERT_FALSE(image.isNull()) << error.toStdString();
        EXPECT_EQ(image.size(), QSize(kind.width, kind.height));
        EXPECT_FALSE(items.curves().empty());
        EXPECT_FALSE(items.texts().empty());
        // Not a blank picture: some red (or magenta) curve pixels.
        int red = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 180 && c.green() < 80) ++red;
            }
        EXPECT_GT(red, 20);
    }
}

TEST_F(GraphRender, TheParabolaOfTheUsageExample) {
    QString error;
    DisplayList items;
    ASSERT_FALSE(render_graph({{QStringLiteral("kind"), QStringLiteral("parabola")},
                               {QStringLiteral("a"), QStringLiteral("1")},
                               {QStringLiteral("b"), QStringLiteral("-2")},
                               {QStringLiteral("c"), QStringLiteral("-3")}},
                              &error, &items)
                     .isNull())
        << error.toStdString();
    // The vertex (1, -4) is marked.
    bool vertex = false;
    for (const DrawnPoint& p : items.points())
        if (p.name == QLatin1String("T")) vertex = true;
    EXPECT_TRUE(vertex);
}

TEST_F(GraphRender, ValuesAndSizeFromTheOptions) {
    QString error;
    DisplayList items;
    const QImage image = render_graph({{QStringLiteral("kind"), QStringLiteral("vertex-parabola")},
                                       {QStringLiteral("p"), QStringLiteral("-1")},
                                       {QStringLiteral("r"), QStringLiteral("1/2")},
                                       {QStringLiteral("s"), QStringLiteral("3")},
                                       {QStringLiteral("width"), QStringLiteral("300")},
                                       {QStringLiteral("height"), QStringLiteral("200")}},
                                      &error, &items);
    ASSERT_FALSE(image.isNull()) << error.toStdString();
    EXPECT_EQ(image.size(), QSize(300, 200));
    const QJsonArray json = figure_items_json(items);
    bool vertex = false;
    for (const QJsonValue& v : json) {
        const QJsonObject o = v.toObject();
        if (o.value(QStringLiteral("kind")).toString() == QLatin1String("point") &&
            o.value(QStringLiteral("name")).toString() == QLatin1String("T"))
            vertex = true;
    }
    EXPECT_TRUE(vertex);
    EXPECT_EQ(json.first().toObject().value(QStringLiteral("kind")).toString(),
              QStringLiteral("curve"));
    EXPECT_GT(json.first().toObject().value(QStringLiteral("points")).toArray().size(), 10);
}

TEST_F(GraphRender, WrongOptionsAreRefusedWithTheirName) {
    const QMap<QString, QString> wrong[] = {
        {{QStringLiteral("kind"), QStringLiteral("spiral")}},
        {{QStringLiteral("kind"), QStringLiteral("line")},
         {QStringLiteral("x1"), QStringLiteral("1,5")}},
        {{QStringLiteral("kind"), QStringLiteral("line")},
         {QStringLiteral("a"), QStringLiteral("1")}},
        {{QStringLiteral("kind"), QStringLiteral("root-inequality")},
         {QStringLiteral("relation"), QStringLiteral("<")}},
        {{QStringLiteral("kind"), QStringLiteral("cubic")},
         {QStringLiteral("a"), QStringLiteral("2x3")}},
        {{QStringLiteral("width"), QStringLiteral("1000000")}},
        {{QStringLiteral("height"), QStringLiteral("-5")}},
    };
    for (const auto& options : wrong) {
        QString error;
        EXPECT_TRUE(render_graph(options, &error).isNull());
        EXPECT_TRUE(error.startsWith(msg(1362))) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral(" --"))) << error.toStdString();
    }
}

TEST_F(GraphRender, DegenerateExercisesDrawWithoutFailing) {
    const QMap<QString, QString> odd[] = {
        {{QStringLiteral("kind"), QStringLiteral("hyperbola")},
         {QStringLiteral("p"), QStringLiteral("2")},
         {QStringLiteral("q"), QStringLiteral("2")}},
        {{QStringLiteral("kind"), QStringLiteral("line")},
         {QStringLiteral("x1"), QStringLiteral("3")},
         {QStringLiteral("x2"), QStringLiteral("3")}},
        {{QStringLiteral("kind"), QStringLiteral("exponential")},
         {QStringLiteral("g"), QStringLiteral("-2")}},
        {{QStringLiteral("kind"), QStringLiteral("cubic")},
         {QStringLiteral("a"), QStringLiteral("0")}},
        {{QStringLiteral("kind"), QStringLiteral("sinusoid")},
         {QStringLiteral("p"), QStringLiteral("0")},
         {QStringLiteral("q"), QStringLiteral("0")}},
        {{QStringLiteral("kind"), QStringLiteral("root-inequality")},
         {QStringLiteral("b"), QStringLiteral("0")}},
        {{QStringLiteral("kind"), QStringLiteral("fraction-inequality")},
         {QStringLiteral("q"), QStringLiteral("0")},
         {QStringLiteral("s"), QStringLiteral("0")}},
        {{QStringLiteral("kind"), QStringLiteral("roots-parabola")},
         {QStringLiteral("xmin"), QStringLiteral("5")},
         {QStringLiteral("xmax"), QStringLiteral("-5")}},
        {{QStringLiteral("kind"), QStringLiteral("vertex-parabola")},
         {QStringLiteral("r"), QStringLiteral("10^25")}},
    };
    for (const auto& options : odd) {
        QString error;
        EXPECT_FALSE(render_graph(options, &error).isNull()) << error.toStdString();
    }
}

// Values far from any exercise: every kind still draws, in bounded time.
TEST_F(GraphRender, WildValuesNeverFail) {
    std::mt19937 gen(5);
    const char* values[] = {"0", "-1", "1e9", "-1e9", "0,000001", "123456789", "-7", "1/3"};
    const char* whole_values[] = {"0", "-1", "999999", "-999999", "2", "-7"};
    std::uniform_int_distribution<int> pick(0, 7), pick_whole(0, 5);
    for (const GraphRenderKind& kind : graph_render_kinds()) {
        for (int round = 0; round < 6; ++round) {
            QMap<QString, QString> options{{QStringLiteral("kind"), kind.name},
                                           {QStringLiteral("width"), QStringLiteral("200")},
                                           {QStringLiteral("height"), QStringLiteral("150")}};
            for (const GraphRenderOption& o : kind.options) {
                if (!o.allowed.isEmpty()) continue;
                options[o.name] = QString::fromLatin1(o.whole ? whole_values[pick_whole(gen)]
                                                              : values[pick(gen)]);
            }
            QString error;
            DisplayList items;
            const QImage image = render_graph(options, &error, &items);
            EXPECT_FALSE(image.isNull()) << kind.name.toStdString() << " " << error.toStdString();
            for (const DrawnText& t : items.texts())
                EXPECT_TRUE(QRect(0, 0, 200, 150).contains(t.rect))
                    << kind.name.toStdString() << " " << t.text.toStdString();
        }
    }
}

}  // namespace
}  // namespace cifrala::testing
