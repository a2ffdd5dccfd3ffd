// The render mode: reading its arguments and working exercises offscreen.
#include <gtest/gtest.h>

#include "practice/common/render_registry.h"
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
