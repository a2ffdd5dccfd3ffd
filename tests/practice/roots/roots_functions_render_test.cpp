// `cifrala --render roots --topic 56|57`: every level and option worked to
// the end, with the explanation card beside the worksheet in the picture
// and its lines in the JSON.
#include <gtest/gtest.h>

#include <QJsonArray>

#include "practice/common/render_registry.h"
#include "practice/roots/roots_form.h"
#include "util/number_settings.h"

namespace cifrala::testing {
namespace {

RenderRequest request(const QString& topic, int level, quint32 seed) {
    RenderRequest r;
    r.topic = QStringLiteral("roots");
    r.seed = seed;
    r.options.insert(QStringLiteral("topic"), topic);
    r.options.insert(QStringLiteral("level"), QString::number(level));
    return r;
}

TEST(RootsFunctionsRender, EveryLevelOfBothTopicsEndsWithItsCard) {
    init_number_settings();
    for (const QString& topic : {QStringLiteral("56"), QStringLiteral("57")}) {
        for (int level = 1; level <= 3; ++level) {
            for (quint32 seed = 1; seed <= 3; ++seed) {
                RenderRequest r = request(topic, level, seed);
                if (topic == QLatin1String("56"))
                    r.options.insert(QStringLiteral("crossings"),
                                     seed % 2 ? QStringLiteral("x") : QStringLiteral("y"));
                else
                    r.options.insert(QStringLiteral("value"), QStringLiteral("fraction"));
                QString error;
                const QJsonObject o = render_exercise_json(r, &error);
                ASSERT_TRUE(error.isEmpty()) << error.toStdString();
                EXPECT_EQ(o.value(QStringLiteral("card_topic")).toInt(), topic.toInt());
                EXPECT_FALSE(o.value(QStringLiteral("card")).toArray().isEmpty());
                EXPECT_FALSE(o.value(QStringLiteral("lines")).toArray().isEmpty());
                if (topic == QLatin1String("56")) {
                    EXPECT_EQ(o.value(QStringLiteral("card_width")).toInt(), 400) << "the graph";
                    EXPECT_EQ(o.value(QStringLiteral("card_height")).toInt(), 600);
                }
                const QImage picture = render_exercise(r, &error);
                ASSERT_FALSE(picture.isNull()) << error.toStdString();
                EXPECT_GT(picture.width(), kRootsFullWorksheet) << "the card stands beside it";
                EXPECT_EQ(picture, render_exercise(r, &error)) << "the same seed, the same picture";
            }
        }
    }
}

TEST(RootsFunctionsRender, UnknownValuesAreRefused) {
    RenderRequest r = request(QStringLiteral("99"), 1, 1);
    QString error;
    EXPECT_TRUE(render_exercise_json(r, &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    r = request(QStringLiteral("56"), 1, 1);
    r.options.insert(QStringLiteral("crossings"), QStringLiteral("z"));
    error.clear();
    EXPECT_TRUE(render_exercise(r, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
}

TEST(RootsFunctionsRender, TheRootsTopicIsUnchangedByDefault) {
    RenderRequest r;
    r.topic = QStringLiteral("roots");
    QString error;
    const QJsonObject o = render_exercise_json(r, &error);
    EXPECT_FALSE(o.contains(QStringLiteral("card")));
    EXPECT_EQ(render_exercise(r, &error).width(), 1014);
}

}  // namespace
}  // namespace cifrala::testing
