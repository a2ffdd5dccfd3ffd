// The cards of the algebra windows: the lens-formula picture in the
// language of the moment (or, when its file is missing, a line that names
// it), the graph check's card that draws what the inequalities window
// ticked, and the render topics of the two windows.
#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>

#include "drawing/cards/algebra_window_cards.h"
#include "drawing/cards/explanation_cards.h"
#include "drawing/cards/lens_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "formula/display_reader.h"
#include "practice/common/render_registry.h"
#include "support/temp_data_dir.h"
#include "text/language.h"
#include "text/messages.h"
#include "util/selection.h"

namespace cifrala {
namespace {

class AlgebraCards : public ::testing::Test {
protected:
    void TearDown() override {
        language_index = 0;
        hide_explanation_window();
    }
};

TEST_F(AlgebraCards, TheLensPictureFollowsTheLanguage) {
    testing::TempDataDir dir;
    for (int language : {0, 1}) {
        language_index = language;
        const QSize size = language == 0 ? QSize(320, 200) : QSize(300, 180);
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::white);
        ASSERT_TRUE(picture.save(dir.path() + QLatin1Char('/') + lens_picture_name(language_index), "BMP"));
        selection.topic_code = 6;
        explanation_window()->show_for(nullptr, [] { return QVariantMap{}; });
        const Surface& s = explanation_window()->surface();
        EXPECT_EQ(s.width(), size.width() + TtekeningForm::kCopyButtonRoom);
        EXPECT_EQ(s.height(), size.height());
        ASSERT_EQ(s.display().images().size(), 1u);
        EXPECT_EQ(s.display().images()[0].name, lens_picture_name(language_index));
    }
    EXPECT_EQ(lens_picture_name(language_index), QStringLiteral("alensformula.bmp"));
    language_index = 0;
    EXPECT_EQ(lens_picture_name(language_index), QStringLiteral("alenzenformule.bmp"));
}

TEST_F(AlgebraCards, AMissingLensPictureIsNamed) {
    testing::TempDataDir empty;
    empty.copy_shipped(QStringLiteral("anederlands.msg"));
    selection.topic_code = 6;
    explanation_window()->show_for(nullptr, [] { return QVariantMap{}; });
    const QString text = read_line_texts(explanation_window()->surface().display()).join(' ');
    EXPECT_TRUE(text.contains(QStringLiteral("alenzenformule.bmp"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("msg error")));
}

TEST_F(AlgebraCards, TheGraphCheckCardIsEmptyWithoutAnExercise) {
    selection.topic_code = 7;
    explanation_window()->show_for(nullptr, [] { return QVariantMap{}; });
    EXPECT_EQ(explanation_window()->surface().width(), 400);
    EXPECT_EQ(explanation_window()->surface().height(), 300);
    EXPECT_EQ(explanation_window()->graph(), nullptr);
    EXPECT_TRUE(explanation_window()->surface().display().items().empty());
}

TEST_F(AlgebraCards, TheValuesOfTheGraphCheckGoThereAndBack) {
    QuadraticInequalityGraph g;
    g.x1 = -3;
    g.y1 = 16;
    g.x2 = 5;
    g.y2 = -8;
    g.b = -5;
    g.c = -8;
    g.s = -3;
    g.n = 7;
    g.less = false;
    g.vertex_y = -14.25;
    g.graph_top = 19.2;
    g.first = false;
    g.colour = true;
    g.vertex = true;
    const QuadraticInequalityGraph back = inequality_graph_from(inequality_graph_values(g));
    EXPECT_EQ(back.x1, g.x1);
    EXPECT_EQ(back.y2, g.y2);
    EXPECT_EQ(back.c, g.c);
    EXPECT_EQ(back.n, g.n);
    EXPECT_EQ(back.less, g.less);
    EXPECT_DOUBLE_EQ(back.vertex_y, g.vertex_y);
    EXPECT_DOUBLE_EQ(back.graph_top, g.graph_top);
    EXPECT_EQ(back.first, g.first);
    EXPECT_EQ(back.second, g.second);
    EXPECT_EQ(back.colour, g.colour);
    EXPECT_EQ(back.vertex, g.vertex);
}

TEST(AlgebraRender, TheInequalityTopicWritesItsSolution) {
    for (const char* relation : {"less", "greater"}) {
        RenderRequest r;
        r.topic = QStringLiteral("inequalities");
        r.seed = 3;
        r.out = QStringLiteral("x.json");
        r.options.insert(QStringLiteral("relation"), QString::fromLatin1(relation));
        QString error;
        const QJsonObject o = render_exercise_json(r, &error);
        ASSERT_FALSE(o.isEmpty()) << error.toStdString();
        const bool less = QLatin1String(relation) == QLatin1String("less");
        EXPECT_EQ(o.value(QStringLiteral("relation")).toString(),
                  less ? QStringLiteral("<") : QStringLiteral(">"));
        EXPECT_EQ(o.value(QStringLiteral("solution")).toArray().size(), less ? 1 : 2);
        EXPECT_EQ(o.value(QStringLiteral("answer")).toString(), msg(1540));
    }
    RenderRequest r;
    r.topic = QStringLiteral("inequalities");
    r.out = QStringLiteral("x.png");
    QString error;
    const QImage plain = render_exercise(r, &error);
    r.options.insert(QStringLiteral("graph"), QStringLiteral("1"));
    const QImage with_graph = render_exercise(r, &error);
    EXPECT_EQ(plain.size(), QSize(1014, 678));
    EXPECT_GT(with_graph.width(), plain.width());
    r.options.insert(QStringLiteral("relation"), QStringLiteral("sideways"));
    EXPECT_TRUE(render_exercise(r, &error).isNull());
}

TEST(AlgebraRender, TheExponentialTopicWorksToTheEndOnEveryLevel) {
    for (const char* level : {"1", "2", "3"}) {
        RenderRequest r;
        r.topic = QStringLiteral("exponential");
        r.seed = 11;
        r.out = QStringLiteral("x.json");
        r.options.insert(QStringLiteral("level"), QString::fromLatin1(level));
        QString error;
        const QJsonObject o = render_exercise_json(r, &error);
        ASSERT_FALSE(o.isEmpty()) << error.toStdString();
        EXPECT_TRUE(o.value(QStringLiteral("answer")).toString().startsWith(QStringLiteral("x =")))
            << o.value(QStringLiteral("answer")).toString().toStdString();
        EXPECT_EQ(o.value(QStringLiteral("hint")).toString(), msg(1540));
    }
    RenderRequest r;
    r.topic = QStringLiteral("exponential");
    r.steps = 0;
    r.out = QStringLiteral("x.json");
    QString error;
    const QJsonObject first = render_exercise_json(r, &error);
    EXPECT_EQ(first.value(QStringLiteral("lines")).toArray().size(), 1);
}

}  // namespace
}  // namespace cifrala
