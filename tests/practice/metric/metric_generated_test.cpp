// Generated exercises of every quantity over many seeds, checked with
// arithmetic of the test's own: the answer in the blank equals the given
// value times the power of ten between the two units (read from the unit
// names on the worksheet), the factor labels of the ladder multiply to that
// power, the arrows run from the given unit's column to the asked unit's,
// the standard form has one non-zero digit before the separator and the
// same value, and nothing leaves its surface.
#include <gtest/gtest.h>

#include <QToolButton>

#include "practice/metric/metric_fixture.h"

namespace cifrala::testing {
namespace {

constexpr int kSeeds = 120;

class MetricGenerated : public MetricFixture {
protected:
    // One exercise worked to its end, press by press.
    void check_exercise(Quantity q, bool standard, quint32 seed) {
        SCOPED_TRACE(::testing::Message() << "quantity " << static_cast<int>(q) << " seed " << seed
                                          << " standard " << standard);
        start(q, standard, seed);
        const auto line = read_exercise(sheet().display());
        ASSERT_TRUE(line.has_value());
        ASSERT_TRUE(line->answer.isEmpty());
        const auto expected = expected_answer(*line);
        ASSERT_TRUE(expected.has_value())
            << line->given.letters.toStdString() << " " << line->asked.letters.toStdString();
        const int given = *unit_power_of_ten(line->given);
        const int asked = *unit_power_of_ten(line->asked);
        // A unit and itself, and the litre and the cubic decimetre, are never asked
        // (millilitres in cubic centimetres are: the ladder takes two steps).
        const QString g = line->given.letters + line->given.power;
        const QString a = line->asked.letters + line->asked.power;
        EXPECT_NE(g, a);
        EXPECT_FALSE((g == QStringLiteral("L") && a == QStringLiteral("dm3")) ||
                     (g == QStringLiteral("dm3") && a == QStringLiteral("L")));
        if (line->given.letters.endsWith(QLatin1Char('L')) ==
            line->asked.letters.endsWith(QLatin1Char('L'))) {
            EXPECT_NE(given, asked);
        }
        // The given value: 11 to 99 times a power of ten from -3 to 3.
        const auto value = read_decimal(line->value);
        ASSERT_TRUE(value.has_value());
        const long long digits = std::stoll(value->digits);
        EXPECT_TRUE((digits >= 11 && digits <= 99) || (digits >= 1 && digits <= 9))
            << line->value.toStdString();

        // The arrows in the order of the presses, each with its ladder.
        std::vector<LadderStep> arrows;
        size_t upper = 0, lower = 0;
        int presses = 0;
        while (w.step_available() && presses < 10) {
            w.Button2Click();
            ++presses;
            const auto up = blue_arrows(ladder());
            const auto down = blue_arrows(litres());
            if (q != Quantity::Volume) {
                EXPECT_TRUE(down.empty());
            }
            for (size_t i = upper; i < up.size(); ++i)
                arrows.push_back({false, up[i].from, up[i].to});
            if (q == Quantity::Volume)
                for (size_t i = lower; i < down.size(); ++i)
                    arrows.push_back({true, down[i].from, down[i].to});
            upper = up.size();
            lower = q == Quantity::Volume ? down.size() : 0;
        }
        EXPECT_FALSE(w.step_available());
        EXPECT_TRUE(w.next_available());
        EXPECT_TRUE(w.SpeedButton4->isVisibleTo(&w));

        // The answer.
        const auto done = read_exercise(sheet().display());
        ASSERT_TRUE(done.has_value());
        const auto answer = answer_value(done->answer, done->answer_power);
        ASSERT_TRUE(answer.has_value()) << done->answer.toStdString();
        EXPECT_EQ(*answer, *expected) << done->answer.toStdString();
        // It ends in one blank after its last group of three.
        if (done->answer_power.isEmpty()) {
            EXPECT_TRUE(done->answer.endsWith(QLatin1Char(' ')));
            EXPECT_FALSE(done->answer.endsWith(QStringLiteral("  ")));
        }
        // It stands on the blank and leaves the asked unit free.
        EXPECT_LE(done->answer_rect.left() + done->answer_rect.width(), done->asked_rect.left());
        EXPECT_GE(done->answer_rect.left(), done->blank_rect.left());

        // The ladder: the factor labels multiply to the step between the units.
        int sum = 0;
        for (const Label& l : factor_labels(ladder()))
            sum += l.power;
        if (q == Quantity::Volume)
            for (const Label& l : factor_labels(litres()))
                sum += l.power;
        EXPECT_EQ(sum, given - asked);

        // The arrows run from the given unit to the asked one, over the
        // cubic decimetre and the litre when they change ladders.
        ASSERT_FALSE(arrows.empty());
        const auto upper_ticks = ticks(ladder(), 90);
        ASSERT_EQ(upper_ticks.size(), 7u);
        const auto upper_names = row_of_names(names(), upper_ticks, 0, 20);
        std::vector<int> litre_ticks;
        std::vector<WrittenUnit> litre_names;
        if (q == Quantity::Volume) {
            litre_ticks = ticks(litres(), 130);
            ASSERT_EQ(litre_ticks.size(), 7u);
            litre_names = row_of_names(litres(), litre_ticks, 130, 180);
        }
        auto unit_at = [&](const LadderStep& s, QPoint p) {
            const auto& xs = s.litre ? litre_ticks : upper_ticks;
            const auto& row = s.litre ? litre_names : upper_names;
            return row[static_cast<size_t>(column_near(xs, p.x()))];
        };
        EXPECT_EQ(unit_power_of_ten(unit_at(arrows.front(), arrows.front().from)), given);
        // (The litre is the cubic decimetre: a chain may end or start at either.)
        EXPECT_EQ(unit_power_of_ten(unit_at(arrows.back(), arrows.back().to)), asked);
        for (size_t i = 1; i < arrows.size(); ++i)
            EXPECT_EQ(unit_power_of_ten(unit_at(arrows[i - 1], arrows[i - 1].to)),
                      unit_power_of_ten(unit_at(arrows[i], arrows[i].from)));

        // The standard form.
        EXPECT_EQ(w.GroupBox3->isVisibleTo(&w), standard);
        if (standard) {
            const auto texts = standard_box().display().texts();
            ASSERT_EQ(texts.size(), 2u);
            const auto form = standard_form_value(texts[0].text, texts[1].text);
            ASSERT_TRUE(form.has_value()) << texts[0].text.toStdString();
            EXPECT_EQ(*form, *expected);
            EXPECT_TRUE(w.Image1->geometry().contains(w.GroupBox3->geometry()));
            EXPECT_TRUE(all_on_surface(standard_box().display(),
                                       QSize(standard_box().width(), standard_box().height())));
        }

        for (Surface* s : {&sheet(), &ladder(), &names()})
            EXPECT_TRUE(all_on_surface(s->display(), QSize(s->width(), s->height())));
    }
};

TEST_F(MetricGenerated, EveryQuantityConvertsExactly) {
    for (int q = 1; q <= 4; ++q)
        for (quint32 seed = 1; seed <= kSeeds; ++seed)
            check_exercise(static_cast<Quantity>(q), seed % 2 == 0, seed);
}

TEST_F(MetricGenerated, EveryVolumeKindConvertsExactly) {
    for (int kind = 0; kind < 4; ++kind) {
        w.set_forced_volume_kind(static_cast<VolumeKind>(kind));
        for (quint32 seed = 1; seed <= kSeeds / 2; ++seed)
            check_exercise(Quantity::Volume, seed % 3 == 0, 1000 + seed);
    }
}

}  // namespace
}  // namespace cifrala::testing
