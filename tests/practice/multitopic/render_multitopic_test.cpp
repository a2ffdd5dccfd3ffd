// The render mode works every differentiation topic to its end, as a
// picture and as the worksheet's description.
#include <gtest/gtest.h>

#include <QJsonArray>

#include "practice/common/render_registry.h"
#include "util/number_settings.h"
#include "util/selection.h"

namespace cifrala {
namespace {

RenderRequest request(const QStringList& args) {
    RenderRequest r;
    QString error;
    EXPECT_TRUE(parse_render_request(
        args + QStringList{QStringLiteral("--out"), QStringLiteral("x.json")}, r, &error))
        << error.toStdString();
    return r;
}

TEST(RenderMultitopic, EveryTopicAndLevelEndsWithTheDerivative) {
    const SelectionValues saved = selection;
    for (int topic = 9; topic <= 16; ++topic) {
        for (int level = 1; level <= 3; ++level) {
            SCOPED_TRACE(::testing::Message() << "topic " << topic << " level " << level);
            const RenderRequest r =
                request({QStringLiteral("multitopic"), QStringLiteral("--topic"),
                         QString::number(topic), QStringLiteral("--level"), QString::number(level),
                         QStringLiteral("--seed"), QStringLiteral("3")});
            QString error;
            const QJsonObject o = render_exercise_json(r, &error);
            ASSERT_TRUE(error.isEmpty()) << error.toStdString();
            EXPECT_TRUE(
                o.value(QStringLiteral("answer")).toString().startsWith(QLatin1String("f'(x)")))
                << o.value(QStringLiteral("answer")).toString().toStdString();
            EXPECT_GE(o.value(QStringLiteral("lines")).toArray().size(), 2);
            EXPECT_FALSE(render_exercise(r, &error).isNull());
        }
    }
    selection = saved;
}

TEST(RenderMultitopic, ACategoryChoosesItsTopicAndSixDrawsAVariant) {
    const SelectionValues saved = selection;
    QString error;
    const QJsonObject power = render_exercise_json(
        request({QStringLiteral("multitopic"), QStringLiteral("--category"), QStringLiteral("7")}),
        &error);
    EXPECT_TRUE(power.value(QStringLiteral("lines"))
                    .toArray()
                    .at(0)
                    .toString()
                    .startsWith(QLatin1String("f(x) =")));
    const QJsonObject all = render_exercise_json(
        request({QStringLiteral("multitopic"), QStringLiteral("--category"), QStringLiteral("6"),
                 QStringLiteral("--steps"), QStringLiteral("0")}),
        &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(all.value(QStringLiteral("lines")).toArray().size(), 1);
    RenderRequest bad =
        request({QStringLiteral("multitopic"), QStringLiteral("--topic"), QStringLiteral("23")});
    EXPECT_TRUE(render_exercise_json(bad, &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    selection = saved;
}

}  // namespace
}  // namespace cifrala
