// The render topic "quadratic": both forms at every level, the same seed
// giving the same worked exercise, the strip's equation in the JSON.
#include <gtest/gtest.h>

#include <QJsonArray>

#include "practice/common/practice_window.h"
#include "practice/common/render_registry.h"
#include "text/messages.h"

namespace cifrala {
namespace {

RenderRequest request(const QString& level, const QString& form, quint32 seed,
                      const QString& abc = QStringLiteral("0")) {
    RenderRequest r;
    QString error;
    EXPECT_TRUE(parse_render_request({"quadratic", "--seed", QString::number(seed), "--level",
                                      level, "--form", form, "--abc", abc, "--out", "q.json"},
                                     r, &error))
        << error.toStdString();
    return r;
}

TEST(RenderQuadratic, IsRegisteredWithItsOptions) {
    const RenderTopic* t = find_render_topic(QStringLiteral("quadratic"));
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(render_usage().join('\n').contains(QStringLiteral("--form")));
    QString error;
    RenderRequest r;
    ASSERT_TRUE(
        parse_render_request({"quadratic", "--form", "round", "--out", "q.png"}, r, &error));
    EXPECT_TRUE(render_exercise(r, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
}

TEST(RenderQuadratic, WorksBothFormsToTheEnd) {
    for (const QString form : {QStringLiteral("standard"), QStringLiteral("product")}) {
        for (const QString level :
             {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}) {
            for (const QString abc : {QStringLiteral("0"), QStringLiteral("1")}) {
                for (quint32 seed = 1; seed <= 6; ++seed) {
                    SCOPED_TRACE((form + " " + level + " " + abc).toStdString() + " seed " +
                                 std::to_string(seed));
                    QString error;
                    const QJsonObject o =
                        render_exercise_json(request(level, form, seed, abc), &error);
                    ASSERT_FALSE(o.isEmpty()) << error.toStdString();
                    const QString equation = o.value(QStringLiteral("equation")).toString();
                    EXPECT_TRUE(equation.contains(QStringLiteral(" = "))) << equation.toStdString();
                    if (form == QLatin1String("product")) {
                        EXPECT_TRUE(equation.contains('(')) << equation.toStdString();
                    } else {
                        EXPECT_TRUE(equation.endsWith(QStringLiteral(" = 0")));
                        EXPECT_FALSE(equation.contains('('));
                    }
                    EXPECT_FALSE(o.value(QStringLiteral("lines")).toArray().isEmpty());
                    const QString hint = o.value(QStringLiteral("hint")).toString();
                    EXPECT_FALSE(hint.isEmpty());
                }
            }
        }
    }
}

TEST(RenderQuadratic, TheSameSeedGivesTheSamePicture) {
    QString error;
    const QImage a = render_exercise(request("2", "product", 9), &error);
    const QImage b = render_exercise(request("2", "product", 9), &error);
    ASSERT_FALSE(a.isNull());
    EXPECT_EQ(a, b);
    // The strip stands above the worksheet.
    EXPECT_GE(a.height(), 620 + 56);
}

}  // namespace
}  // namespace cifrala
