// The clock topics: the hands point where a clock's hands point, the
// bridging through the full hour writes its pieces, and the elapsed time is
// the end time minus the start time as the clocks show them, over many
// seeds; the track bars move one position per 100 ms with "Rekenstap"
// disabled; the average speed over the elapsed time.
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <cmath>
#include <numbers>

#include "drawing/cards/explanation_cards.h"
#include "drawing/cards/time_units_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "practice/catalogue.h"
#include "practice/integers/clock_face.h"
#include "practice/integers/clock_modes.h"
#include "practice/integers/integers_fixture.h"
#include "practice/integers/time_units_fixture.h"
#include "util/random.h"

namespace cifrala {
namespace {

using namespace integers_topic;
using testing::expect_on_the_sheet;

// The texts of one row of the sheet between x0 and x1, in x order, joined.
QString row_text(const Surface& s, int y, int x0 = 0, int x1 = 10000) {
    std::vector<DrawnText> texts;
    for (const DrawnText& t : s.display().texts())
        if (t.pos.y() == y && t.pos.x() >= x0 && t.pos.x() < x1) texts.push_back(t);
    std::sort(texts.begin(), texts.end(),
              [](const DrawnText& a, const DrawnText& b) { return a.pos.x() < b.pos.x(); });
    QString out;
    for (const DrawnText& t : texts)
        out += t.text;
    return out.simplified();
}

// "3:40" as minutes.
int clock_minutes(const QString& text) {
    const QStringList p = text.trimmed().split(QLatin1Char(':'));
    EXPECT_EQ(p.size(), 2) << text.toStdString();
    return p.size() == 2 ? p[0].toInt() * 60 + p[1].toInt() : -1;
}

// "2 uur + 35 min", "35 min" or "2 uur" as minutes.
int elapsed_minutes(QString text) {
    const QString hours = msg(-49);
    static const QRegularExpression full(QStringLiteral("^(\\d+) (\\S+)(?: \\+ (\\d+) min)?$"));
    static const QRegularExpression minutes_only(QStringLiteral("^(\\d+) min$"));
    text = text.simplified();
    if (const auto m = minutes_only.match(text); m.hasMatch()) return m.captured(1).toInt();
    const auto m = full.match(text);
    EXPECT_TRUE(m.hasMatch()) << text.toStdString();
    EXPECT_EQ(m.captured(2), hours);
    return m.captured(1).toInt() * 60 + m.captured(3).toInt();
}

class Clock : public testing::IntegersFixture {
protected:
    void SetUp() override {
        register_catalogue();
        w.sequence().instant = true;
    }
    ClockMode& mode() { return *dynamic_cast<ClockMode*>(w.integers_mode()); }
    void start(int topic, int s, int e, int distance = 0) {
        open(topic);
        ClockExercise x;
        x.start = s;
        x.end = e;
        x.distance = distance;
        x.average_speed = topic == kAverageSpeed;
        ASSERT_TRUE(x.valid());
        mode().start(x);
    }
    // The elapsed time as the last line writes it.
    int written_elapsed() {
        const Surface& s = w.surface();
        QString result = row_text(s, 541);
        if (result.isEmpty()) result = row_text(s, 501);  // 4(a): the working line ends it
        result.remove(msg(1755));
        if (result.startsWith(QLatin1String("= "))) result = result.mid(2);
        return elapsed_minutes(result);
    }
    QSlider* bar(int n) {
        return w.findChild<QSlider*>(n == 1 ? QStringLiteral("TrackBar1")
                                            : QStringLiteral("TrackBar2"));
    }
};

// The end of a hand, computed as a clock is read: clockwise from twelve.
QPointF expected_tip(bool right, double turns, double fraction) {
    const ClockGeometry g = clock_geometry(right);
    const double a = 2 * std::numbers::pi * turns;
    return g.centre + QPointF(std::sin(a), -std::cos(a)) * (fraction * g.radius);
}

std::vector<DrawnLine> hand_lines(const Surface& s, const QColor& colour) {
    std::vector<DrawnLine> out;
    for (const DrawnLine& l : s.display().lines())
        if (l.colour == colour && l.width == 5) out.push_back(l);
    return out;
}

TEST(ClockFace, EveryMinuteOfTheDialPointsTheHandsRight) {
    Surface s(1014, 658);
    for (int t = 0; t < 720; t += 7) {
        SCOPED_TRACE(t);
        for (bool right : {false, true}) {
            s.clearimage();
            klok(s, right, t);
            const auto minute = hand_lines(s, clock_colours::kMinuteHand);
            const auto hour = hand_lines(s, clock_colours::kHourHand);
            ASSERT_EQ(minute.size(), 1u);
            ASSERT_EQ(hour.size(), 1u);
            const QPointF m = expected_tip(right, (t % 60) / 60.0, 0.8);
            const QPointF h = expected_tip(right, (t / 60 + (t % 60) / 60.0) / 12.0, 0.6);
            EXPECT_LE(QLineF(QPointF(minute[0].to), m).length(), 1.5);
            EXPECT_LE(QLineF(QPointF(hour[0].to), h).length(), 1.5);
            // The hands start at the centre.
            EXPECT_LE(QLineF(QPointF(minute[0].from), clock_geometry(right).centre).length(), 1.0);
            expect_on_the_sheet(s);
        }
    }
}

TEST(ClockFace, SixtyMinuteMarksAndTwelveHourMarksOnAWhiteFace) {
    Surface s(1014, 658);
    s.clearimage();
    klok(s, false, 3 * 60 + 40);
    int minute_marks = 0, hour_marks = 0;
    for (const DrawnLine& l : s.display().lines()) {
        if (l.colour != QColor(Qt::black)) continue;
        minute_marks += l.width == 2;
        hour_marks += l.width == 5;
    }
    EXPECT_EQ(minute_marks, 60);
    EXPECT_EQ(hour_marks, 12);
    // Drawing the clock again leaves one face, not two.
    klok(s, false, 3 * 60 + 45);
    EXPECT_EQ(s.display().circles().size(), 2u);  // the face and the centre disc
}

TEST_F(Clock, ThreeFortyToSixFifteenBridgesThroughTheFullHour) {
    start(kClock, 3 * 60 + 40, 6 * 60 + 15);
    const Surface& s = w.surface();
    EXPECT_EQ(read_hint(s.display()), msg(1939));
    std::vector<QString> hints = work_to_end();
    EXPECT_EQ(row_text(s, 411, 0, 300), QStringLiteral("3:40"));
    EXPECT_EQ(row_text(s, 411, 600, 750), QStringLiteral("6:15"));
    EXPECT_EQ(row_text(s, 411, 300, 576), msg(-47) + QStringLiteral(" 20 min"));
    EXPECT_EQ(row_text(s, 451, 300, 576), msg(-51) + QStringLiteral(" 4 ") + msg(-49));
    EXPECT_EQ(row_text(s, 411, 750), (QStringLiteral("15") + msg(1944)).simplified());
    EXPECT_EQ(row_text(s, 451, 750), msg(-46) + QStringLiteral(" 6 ") + msg(-49));
    EXPECT_EQ(row_text(s, 501), msg(1755) + QStringLiteral(" 20 min + (6 - 4) ") + msg(-49) +
                                    QStringLiteral(" + 15 min"));
    EXPECT_EQ(row_text(s, 541), QStringLiteral("= 2 ") + msg(-49) + QStringLiteral(" + 35 min"));
    ASSERT_EQ(hints.size(), 6u);
    EXPECT_EQ(hints[1], msg(1940));
    EXPECT_EQ(hints[2], msg(1943));
    EXPECT_EQ(hints[3], msg(1756));
    EXPECT_EQ(hints[4], msg(1941));
    EXPECT_EQ(hints[5], msg(1540));
    // The bridging colours: blue up to the hour, red whole hours, green after.
    for (const DrawnText& t : s.display().texts()) {
        if (t.text == QLatin1String("20") && t.pos.y() == 501) {
            EXPECT_EQ(t.colour, QColor(0, 0, 255));
        }
        if (t.text == QLatin1String("15") && t.pos.y() == 501) {
            EXPECT_EQ(t.colour, QColor(0, 128, 0));
        }
    }
    EXPECT_EQ(mode().answer(), QStringLiteral("2 ") + msg(-49) + QStringLiteral(" + 35 min"));
    expect_on_the_sheet(s);
}

TEST_F(Clock, AFullHourAtTheStartCountsTheHoursAndTheMinutesAfter) {
    start(kClock, 5 * 60, 7 * 60 + 20);
    work_to_end();
    EXPECT_EQ(row_text(w.surface(), 501),
              msg(1755) + QStringLiteral(" (7 - 5) ") + msg(-49) + QStringLiteral(" + 20 min"));
    EXPECT_EQ(written_elapsed(), 140);
}

TEST_F(Clock, UpToTheNextFullHourEndsOnTheWorkingLine) {
    start(kClock, 4 * 60 + 25, 5 * 60);
    const auto hints = work_to_end();
    EXPECT_EQ(row_text(w.surface(), 501), msg(1755) + QStringLiteral(" 35 min"));
    EXPECT_TRUE(row_text(w.surface(), 541).isEmpty());
    EXPECT_EQ(hints.back(), msg(1540));
    EXPECT_EQ(written_elapsed(), 35);
}

TEST_F(Clock, EqualMinutesGiveTheWholeHoursAtOnce) {
    start(kClock, 2 * 60 + 10, 4 * 60 + 10);
    const auto hints = work_to_end();
    EXPECT_EQ(hints.size(), 3u);  // S, E, the result
    EXPECT_EQ(row_text(w.surface(), 541), msg(1755) + QStringLiteral(" 2 ") + msg(-49));
}

TEST_F(Clock, LaterMinutesAreAddedAsAGhostFirst) {
    start(kClock, 2 * 60 + 10, 4 * 60 + 35);
    w.Button2Click();
    w.Button2Click();
    EXPECT_EQ(read_hint(w.surface().display()), msg(1961));
    w.Button2Click();
    EXPECT_EQ(row_text(w.surface(), 411, 0, 576), QStringLiteral("2:10 + 0:25 = 2:35"));
    EXPECT_EQ(bar(1)->value(), 25);
    // The ghost hands stand at 2:35: the minute hand at minute 35.
    const auto ghosts = hand_lines(w.surface(), clock_colours::kGhost);
    ASSERT_EQ(ghosts.size(), 2u);
    EXPECT_LE(QLineF(QPointF(ghosts[0].to), expected_tip(false, 35 / 60.0, 0.8)).length(), 1.5);
    EXPECT_FALSE(w.findChild<QLabel*>(QStringLiteral("Label18"))->isHidden());
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("Label18"))->text(), QStringLiteral("0:25"));
    work_to_end();
    EXPECT_EQ(row_text(w.surface(), 541),
              msg(1755) + QStringLiteral(" 2 ") + msg(-49) + QStringLiteral(" + 25 min"));
}

TEST_F(Clock, OverManySeedsTheElapsedTimeIsTheEndMinusTheStart) {
    for (int seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE(seed);
        seed_random(static_cast<quint32>(seed));
        open(kClock);
        w.Button1Click();
        const auto hints = work_to_end();
        ASSERT_TRUE(w.Button1->isVisibleTo(&w));
        EXPECT_EQ(hints.back(), msg(1540));
        const Surface& s = w.surface();
        // Read the times off the sheet and take them apart in seconds.
        const int start = clock_minutes(row_text(s, 411, 0, 300).section(QLatin1Char(' '), 0, 0));
        const int end = clock_minutes(row_text(s, 411, 600, 750));
        const int elapsed_seconds = end * 60 - start * 60;
        ASSERT_GT(elapsed_seconds, 0);
        EXPECT_EQ(written_elapsed() * 60, elapsed_seconds);
        expect_on_the_sheet(s);
    }
}

TEST_F(Clock, TheBarsMoveOnePositionEvery100MsWithTheStepButtonDisabled) {
    w.sequence().instant = false;
    start(kClock, 3 * 60 + 40, 6 * 60 + 15);
    EXPECT_EQ(bar(1)->maximum(), 155);
    EXPECT_EQ(bar(1)->tickInterval(), 16);
    EXPECT_EQ(bar(2)->value(), 155);
    w.Button2Click();
    w.Button2Click();
    w.Button2Click();  // 20 positions: two seconds
    EXPECT_FALSE(w.Button2->isEnabled());
    QTest::qWait(700);
    EXPECT_GT(bar(1)->value(), 2);
    EXPECT_LT(bar(1)->value(), 20);
    EXPECT_FALSE(w.step_available());
    QTRY_VERIFY_WITH_TIMEOUT(w.Button2->isEnabled(), 4000);
    EXPECT_EQ(bar(1)->value(), 20);
    EXPECT_EQ(row_text(w.surface(), 411, 300, 576), msg(-47) + QStringLiteral(" 20 min"));
}

TEST_F(Clock, MovingABarBackToItsRestHidesItsLabelAndTheGhost) {
    start(kClock, 3 * 60 + 40, 6 * 60 + 15);
    bar(2)->setValue(100);
    auto* label = w.findChild<QLabel*>(QStringLiteral("Label19"));
    EXPECT_FALSE(label->isHidden());
    EXPECT_EQ(label->text(), QStringLiteral("0:55"));  // 6:15 - 5:20
    EXPECT_EQ(hand_lines(w.surface(), clock_colours::kGhost).size(), 2u);
    bar(2)->setValue(155);
    EXPECT_TRUE(label->isHidden());
    EXPECT_TRUE(hand_lines(w.surface(), clock_colours::kGhost).empty());
}

TEST_F(Clock, StopHidesTheBars) {
    start(kClock, 3 * 60 + 40, 6 * 60 + 15);
    EXPECT_FALSE(bar(1)->isHidden());
    w.Button3Click();
    EXPECT_TRUE(bar(1)->isHidden());
    EXPECT_TRUE(bar(2)->isHidden());
}

// --- the average speed ---

TEST_F(Clock, TheAverageSpeedFollowsTheElapsedTime) {
    start(kAverageSpeed, 3 * 60 + 40, 6 * 60 + 15, 310);
    EXPECT_EQ(mode().clock_worker().speed_step(), -2);
    EXPECT_TRUE(w.Button7->isVisibleTo(&w));
    const auto hints = work_to_end();
    EXPECT_EQ(hints.back(), msg(1540));
    EXPECT_EQ(mode().clock_worker().speed_step(), 4);
    // 310 km in 155 minutes: 120 km/h, worked out another way.
    EXPECT_EQ(mode().answer(), QStringLiteral("120") + msg(1951));
}

TEST_F(Clock, OverManySeedsTheAverageSpeedIsTheDistanceOverTheHours) {
    for (int seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE(seed);
        seed_random(static_cast<quint32>(seed));
        open(kAverageSpeed);
        w.Button1Click();
        const ClockExercise e = mode().clock_worker().exercise();
        EXPECT_GE(e.distance, 100);
        EXPECT_LT(e.distance, 600);
        const QString answer = mode().answer();
        work_to_end();
        EXPECT_EQ(written_elapsed() * 60, (e.end - e.start) * 60);
        // distance / (minutes / 60), exact, against the answer rounded to
        // two decimals: |a - 60 d / m| <= 1/200.
        auto a = testing::exact(answer.left(answer.size() - msg(1951).size()));
        ASSERT_TRUE(a.has_value()) << answer.toStdString();
        const __int128 m = e.end - e.start;
        EXPECT_LE(std::abs(static_cast<double>(a->p * m * 200 - 60 * e.distance * a->q * 200)),
                  static_cast<double>(a->q * m));
    }
}

TEST(SpeedCards, EachStepAddsItsLine) {
    register_catalogue();
    TtekeningForm card;
    const ExplanationCard* intro = find_explanation_card(49);
    const ExplanationCard* steps = find_explanation_card(48);
    ASSERT_NE(intro, nullptr);
    ASSERT_NE(steps, nullptr);
    using namespace speed_card_keys;
    QVariantMap v{{kStep, -1},
                  {kDistance, 310},
                  {kMinutes, 155},
                  {kElapsedText, QStringLiteral("2 ") + msg(-49) + QStringLiteral(" + 35 min")}};
    intro->paint(card, {49, v});
    EXPECT_GE(card.surface().width(), 750);
    msg_param1 = QStringLiteral("310");
    const QString distance_line = msg(5275);
    bool found = false;
    for (const QString& l : testing::sheet_lines(card.surface()))
        found |= l == distance_line;
    EXPECT_TRUE(found);
    expect_on_the_sheet(card.surface());
    int previous = 0;
    for (int step = 0; step <= 4; ++step) {
        SCOPED_TRACE(step);
        v[kStep] = step;
        steps->paint(card, {48, v});
        const QStringList lines = testing::sheet_lines(card.surface());
        const int items = static_cast<int>(card.surface().display().size());
        EXPECT_GT(items, previous);
        previous = items;
        expect_on_the_sheet(card.surface());
        if (step == 4) {
            EXPECT_TRUE(
                lines.join(QLatin1Char('\n')).contains(QStringLiteral("= 120") + msg(1951)));
            EXPECT_EQ(lines.last(), msg(1959));  // 120 km/h: not below 120
        }
    }
    EXPECT_EQ(speed_comment(7.9), 1956);
    EXPECT_EQ(speed_comment(8), 1957);
    EXPECT_EQ(speed_comment(119.99), 1958);
    EXPECT_EQ(speed_comment(899), 1959);
    EXPECT_EQ(speed_comment(900), 1960);
}

}  // namespace
}  // namespace cifrala

namespace cifrala {
namespace {

// The wide speed cards stay where the window stands, but never run off the
// screen (after the prefixes card, the window stands at the right edge).
TEST(SpeedCards, AWideCardAtTheRightEdgeStaysOnTheScreen) {
    register_catalogue();
    TtekeningForm card;
    const QRect room = card.screen()->availableGeometry();
    using namespace speed_card_keys;
    const QVariantMap v{{kStep, 0},
                        {kDistance, 447},
                        {kMinutes, 214},
                        {kElapsedText, QStringLiteral("3 ") + msg(-49) + QStringLiteral(" + 34 min")}};
    for (const int topic : {48, 49}) {
        SCOPED_TRACE(topic);
        card.move(room.right() - 100, room.top() + 40);
        find_explanation_card(topic)->paint(card, {topic, v});
        EXPECT_LE(card.x() + card.width(), room.right() + 1);
        EXPECT_GE(card.x(), room.left());
        EXPECT_EQ(card.y(), room.top() + 40) << "only as far as needed";
    }
}

}  // namespace
}  // namespace cifrala
