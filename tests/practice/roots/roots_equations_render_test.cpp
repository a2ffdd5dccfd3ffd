// `cifrala --render roots --topic 58..61`: the factor-pair panel of topic 61
// stands beside the worksheet in the picture and its lines are in the JSON;
// the other equation topics have no side panel. The usage line names every
// roots topic.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <cstdlib>

#include "practice/common/render_registry.h"
#include "practice/roots/roots_form.h"
#include "util/number_settings.h"

namespace cifrala::testing {
namespace {

RenderRequest request(int topic, int level, quint32 seed) {
    RenderRequest r;
    r.topic = QStringLiteral("roots");
    r.seed = seed;
    r.options.insert(QStringLiteral("topic"), QString::number(topic));
    r.options.insert(QStringLiteral("level"), QString::number(level));
    return r;
}

// The pairs d × f of x counted by trying every d from -|x| to |x|: for
// x > 0 the pairs with |d| <= |f|, for x < 0 those with d > 0.
int pairs_of(long long x) {
    int count = 0;
    for (long long d = -std::llabs(x); d <= std::llabs(x); ++d) {
        if (d == 0 || x % d != 0) continue;
        const long long f = x / d;
        if (x > 0 ? (std::llabs(d) <= std::llabs(f) && (d > 0) == (f > 0)) : d > 0) ++count;
    }
    return count;
}

TEST(RootsEquationsRender, TheFactorPairPanelStandsBesideTheWorksheet) {
    init_number_settings();
    QString error;
    // The worksheet alone: a topic without a card or a panel.
    const int sheet_width = render_exercise(request(59, 1, 1), &error).width();
    ASSERT_GT(sheet_width, 0) << error.toStdString();
    int panels = 0;
    for (int level = 1; level <= 3; ++level) {
        for (quint32 seed = 1; seed <= 12; ++seed) {
            const RenderRequest r = request(61, level, seed);
            const QJsonObject o = render_exercise_json(r, &error);
            ASSERT_TRUE(error.isEmpty()) << error.toStdString();
            const QImage picture = render_exercise(r, &error);
            ASSERT_FALSE(picture.isNull()) << error.toStdString();
            if (!o.contains(QStringLiteral("side_panel"))) {
                // x is factored out instead: no listing.
                EXPECT_EQ(picture.width(), sheet_width);
                continue;
            }
            ++panels;
            const QJsonObject panel = o.value(QStringLiteral("side_panel")).toObject();
            const QString caption = panel.value(QStringLiteral("caption")).toString();
            bool ok = false;
            const long long x = caption.section(QLatin1Char(' '), -1).toLongLong(&ok);
            ASSERT_TRUE(ok) << caption.toStdString();
            ASSERT_NE(x, 0);
            const QJsonArray lines = panel.value(QStringLiteral("lines")).toArray();
            // The header, then a line per pair.
            EXPECT_EQ(lines.size(), 1 + pairs_of(x)) << "x = " << x;
            for (int i = 1; i < lines.size(); ++i)
                EXPECT_TRUE(lines[i].toString().contains(QChar(0x00D7))) << i;
            EXPECT_GT(picture.width(), sheet_width + 300) << "the panel stands beside it";
        }
    }
    EXPECT_GT(panels, 10) << "most exercises list factor pairs";
}

TEST(RootsEquationsRender, TheOtherEquationTopicsHaveNoSidePanel) {
    init_number_settings();
    for (int topic : {58, 59, 60}) {
        for (quint32 seed = 1; seed <= 4; ++seed) {
            QString error;
            const QJsonObject o = render_exercise_json(request(topic, 3, seed), &error);
            ASSERT_TRUE(error.isEmpty()) << error.toStdString();
            EXPECT_FALSE(o.contains(QStringLiteral("side_panel"))) << topic;
        }
    }
}

TEST(RootsEquationsRender, TheUsageLineNamesEveryTopicOfTheWindow) {
    QString roots;
    for (const QString& line : render_usage())
        if (line.startsWith(QStringLiteral("  roots "))) roots = line;
    ASSERT_FALSE(roots.isEmpty());
    for (const char* word :
         {"--render roots", "56", "57", "58", "59", "60", "61", "--crossings", "--coefficients"})
        EXPECT_TRUE(roots.contains(QLatin1String(word))) << word << ": " << roots.toStdString();
    EXPECT_FALSE(roots.contains(QLatin1Char('#')));
}

}  // namespace
}  // namespace cifrala::testing
