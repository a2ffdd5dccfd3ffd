// The render mode: reading its arguments and working exercises offscreen.
#include <gtest/gtest.h>

#include <QJsonArray>

#include "formula/display_reader.h"
#include "practice/common/practice_window.h"
#include "practice/common/render_registry.h"
#include "practice/common/surface_reader.h"
#include "practice/fractions/fractions_fixture.h"

namespace cifrala {
namespace {

RenderRequest parsed(const QStringList& args) {
    RenderRequest r;
    QString error;
    EXPECT_TRUE(parse_render_request(args, r, &error)) << error.toStdString();
    return r;
}

TEST(RenderArguments, ReadsSeedStepsOutAndTopicOptions) {
    const RenderRequest r =
        parsed({"fractions", "--seed", "42", "--steps", "3", "--out", "a.png", "--kind", "4"});
    EXPECT_EQ(r.topic, "fractions");
    EXPECT_EQ(r.seed, 42u);
    EXPECT_EQ(r.steps, 3);
    EXPECT_EQ(r.out, "a.png");
    EXPECT_EQ(r.options.value("kind"), "4");
    EXPECT_EQ(parsed({"fractions", "--steps", "all", "--out", "b.png"}).steps, -1);
}

TEST(RenderArguments, RefusesWhatItDoesNotUnderstand) {
    RenderRequest r;
    QString error;
    EXPECT_FALSE(parse_render_request({}, r, &error));
    EXPECT_EQ(error, msg(1367));
    EXPECT_FALSE(parse_render_request({"fractions", "--steps", "-2", "--out", "a.png"}, r, &error));
    EXPECT_TRUE(error.startsWith(msg(1362)));
    EXPECT_FALSE(parse_render_request({"fractions", "--seed", "x", "--out", "a.png"}, r, &error));
    EXPECT_FALSE(parse_render_request({"fractions", "--seed"}, r, &error));
    EXPECT_TRUE(error.startsWith(msg(1363)));
    EXPECT_FALSE(parse_render_request({"fractions", "--seed", "1"}, r, &error));  // no --out
    EXPECT_FALSE(parse_render_request({"fractions", "stray", "--out", "a.png"}, r, &error));
}

TEST(RenderTopics, FractionsIsRegisteredAndListed) {
    ASSERT_NE(find_render_topic("fractions"), nullptr);
    const QStringList usage = render_usage();
    EXPECT_EQ(usage.front(), msg(1364));
    EXPECT_TRUE(usage.join('\n').contains("fractions"));
}

TEST(RenderTopics, UnknownTopicAndBadOptionsAreRefused) {
    QString error;
    RenderRequest r = parsed({"nothing", "--out", "a.png"});
    EXPECT_TRUE(render_exercise(r, &error).isNull());
    EXPECT_EQ(error, msg(1361) + " nothing");
    r = parsed({"fractions", "--kind", "9", "--out", "a.png"});
    EXPECT_TRUE(render_exercise(r, &error).isNull());
    r = parsed({"fractions", "--colour", "red", "--out", "a.png"});
    EXPECT_TRUE(render_exercise(r, &error).isNull());
    EXPECT_TRUE(error.contains("--colour"));
}

TEST(RenderTopics, TheSameSeedGivesTheSamePicture) {
    QString error;
    const RenderRequest a = parsed({"fractions", "--seed", "7", "--steps", "2", "--out", "x.png"});
    const QImage first = render_exercise(a, &error);
    ASSERT_FALSE(first.isNull()) << error.toStdString();
    EXPECT_EQ(first.size(), QSize(1014, 678));
    EXPECT_EQ(render_exercise(a, &error), first);
    const RenderRequest b = parsed({"fractions", "--seed", "8", "--steps", "2", "--out", "x.png"});
    EXPECT_NE(render_exercise(b, &error), first);
}

// The picture equals what the window shows after the same presses.
class RenderMatchesWindow : public testing::FractionsFixture {};

TEST_F(RenderMatchesWindow, StepsAndAll) {
    QString error;
    for (const char* kind : {"1", "3", "6"}) {
        const RenderRequest some = parsed({"fractions", "--seed", "5", "--steps", "2", "--kind",
                                           kind, "--level", "2", "--out", "x.png"});
        const RenderRequest all = parsed({"fractions", "--seed", "5", "--steps", "all", "--kind",
                                          kind, "--level", "2", "--out", "x.png"});
        start(QLatin1Char(kind[0]), 1, 5);
        w.Button2Click();
        w.Button2Click();
        EXPECT_EQ(render_exercise(some, &error), w.surface().image());
        work_to_end();
        EXPECT_EQ(testing::hint_text(w.surface()), msg(1540));
        EXPECT_EQ(render_exercise(all, &error), w.surface().image());
    }
}

}  // namespace
}  // namespace cifrala

namespace cifrala {
namespace {

TEST(RenderOptions, DeclaredOptionsGetTheirDefaultsAndOthersAreRefused) {
    const RenderTopic* t = find_render_topic("division");
    ASSERT_NE(t, nullptr);
    RenderOptions complete;
    QString error;
    ASSERT_TRUE(complete_render_options(*t, {{"level", "2"}}, complete, &error));
    EXPECT_EQ(complete.value("level"), "2");
    EXPECT_EQ(complete.value("method"), "classic");
    EXPECT_EQ(complete.value("decimals"), "0");
    EXPECT_FALSE(complete_render_options(*t, {{"level", "4"}}, complete, &error));
    EXPECT_EQ(error, msg(1362) + " --level 4");
    EXPECT_FALSE(complete_render_options(*t, {{"kind", "1"}}, complete, &error));
    EXPECT_EQ(error, msg(1362) + " --kind");
    // An option without a default is left to the topic.
    const RenderTopic* e = find_render_topic("employment");
    ASSERT_NE(e, nullptr);
    ASSERT_TRUE(complete_render_options(*e, {}, complete, &error));
    EXPECT_FALSE(complete.contains("variant"));
}

TEST(RenderOptions, TheUsageListsEveryTopicWithItsValuesAndDefaults) {
    const QString usage = render_usage().join('\n');
    for (const RenderTopic* t : render_topics()) {
        EXPECT_TRUE(usage.contains("  " + t->name)) << t->name.toStdString();
        for (const RenderOption& o : t->options) {
            QString shown = "[--" + o.name + " " + (o.values.isEmpty() ? "N" : o.values.join('|'));
            if (!o.default_value.isEmpty()) shown += " (" + o.default_value + ")";
            EXPECT_TRUE(usage.contains(shown + "]")) << shown.toStdString();
        }
    }
    EXPECT_TRUE(usage.contains("[--method classic|chunks|both (classic)]"));
}

TEST(RenderJson, TheWorksheetOfEveryTopicReadsAsItsPicture) {
    for (const RenderTopic* t : render_topics()) {
        SCOPED_TRACE(t->name.toStdString());
        RenderRequest r;
        QString error;
        ASSERT_TRUE(parse_render_request({t->name, "--seed", "11", "--out", "x.json"}, r, &error));
        const QJsonObject json = render_exercise_json(r, &error);
        ASSERT_FALSE(json.isEmpty()) << error.toStdString();
        EXPECT_EQ(json["topic"].toString(), t->name);
        if (t->draw) {  // a figure: no worksheet, but a picture of the same size
            const QImage picture = render_exercise(r, &error);
            EXPECT_EQ(json["width"].toInt(), picture.width());
            EXPECT_FALSE(json["items"].toArray().isEmpty());
            continue;
        }
        const std::unique_ptr<PracticeWindow> w = work_exercise(r, &error);
        ASSERT_NE(w, nullptr);
        const QStringList lines = read_line_texts(w->surface().display());
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(json["answer"].toString(), lines.back());
        EXPECT_EQ(json["lines"].toArray().size(), lines.size());
        EXPECT_EQ(json["width"].toInt(), w->surface().width());
        EXPECT_EQ(json["items"].toArray().size(),
                  static_cast<qsizetype>(w->surface().display().size()));
        EXPECT_EQ(json["topic"].toString(), t->name);
    }
}

TEST(RenderJson, AFractionExerciseEndsOnItsValue) {
    RenderRequest r;
    QString error;
    ASSERT_TRUE(parse_render_request({"fractions", "--kind", "1", "--seed", "3", "--out", "x.json"},
                                     r, &error));
    const QJsonObject json = render_exercise_json(r, &error);
    const std::unique_ptr<PracticeWindow> w = work_exercise(r, &error);
    const std::optional<testing::Rational> v = testing::final_value(w->surface());
    ASSERT_TRUE(v.has_value());
    // The answer line ends with the mixed number or fraction of that value.
    const QString answer = json["answer"].toString();
    const long long whole = v->p / v->q, rest = v->p % v->q;
    QString expected = rest == 0 ? QString::number(whole)
                                 : (whole != 0 ? QString::number(whole) + " " : QString()) +
                                       QString::number(rest) + "/" + QString::number(v->q);
    EXPECT_TRUE(answer.endsWith(expected))
        << answer.toStdString() << " / " << expected.toStdString();
}

}  // namespace
}  // namespace cifrala
