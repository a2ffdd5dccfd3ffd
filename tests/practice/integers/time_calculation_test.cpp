// Subtracting times of day: without borrowing the hours, minutes and
// seconds each on their own line, with borrowing by way of seconds and the
// cloud; every written line keeps
// its value (a decomposition is the number of seconds it stands for, the
// difference is E - S), over many seeds.
#include <QRegularExpression>

#include "expr/eval_text.h"
#include "formula/surface_pane.h"
#include "practice/catalogue.h"
#include "practice/common/floating_panel.h"
#include "practice/integers/clock_modes.h"
#include "practice/integers/clock_time.h"
#include "practice/integers/integers_fixture.h"
#include "practice/integers/time_units_fixture.h"
#include "util/random.h"

namespace cifrala {
namespace {

using namespace integers_topic;
using testing::expect_on_the_sheet;
using testing::sheet_lines;

int seconds_of(const QString& hh_mm_ss) {
    const QStringList p = hh_mm_ss.split(QLatin1Char(':'));
    EXPECT_EQ(p.size(), 3) << hh_mm_ss.toStdString();
    if (p.size() != 3) return -1;
    return p[0].trimmed().toInt() * 3600 + p[1].trimmed().toInt() * 60 + p[2].trimmed().toInt();
}

class TimeCalculation : public testing::IntegersFixture {
protected:
    void SetUp() override { register_catalogue(); }
    TimeCalculationMode& mode() { return *dynamic_cast<TimeCalculationMode*>(w.integers_mode()); }
    void start(int s, int e) {
        open(kTimeCalculation);
        mode().start({s, e});
    }
};

TEST_F(TimeCalculation, WithoutBorrowingEachPartIsSubtractedOnItsOwnLine) {
    start(9 * 3600 + 20 * 60 + 10, 11 * 3600 + 35 * 60 + 40);
    EXPECT_TRUE(mode().time_worker().exercise().without_borrowing());
    const auto hints = work_to_end();
    ASSERT_EQ(hints.size(), 1u);
    EXPECT_EQ(hints[0], msg(1540));
    const QStringList l = sheet_lines(w.surface());
    ASSERT_EQ(l.size(), 5);
    EXPECT_EQ(l[0].simplified(),
              msg(-60) + QStringLiteral(" 09:20:10 ") + msg(-51) + QStringLiteral(" 11:35:40 ="));
    EXPECT_EQ(l[1], msg(1945) + QStringLiteral(" 11 - 9 = 2"));
    EXPECT_EQ(l[2], msg(1946) + QStringLiteral(" 35 - 20 = 15"));
    EXPECT_EQ(l[3], msg(1947) + QStringLiteral(" 40 - 10 = 30"));
    EXPECT_EQ(l[4], msg(1933) + QStringLiteral(" 02 : 15 : 30"));
}

TEST_F(TimeCalculation, BorrowingGoesByWayOfSecondsAndTheCloud) {
    start(13 * 3600 + 4 * 60 + 42, 20 * 3600 + 17 * 60 + 7);
    EXPECT_FALSE(mode().time_worker().exercise().without_borrowing());
    for (int i = 0; i < 6; ++i)
        w.Button2Click();  // to the first cloud
    EXPECT_FALSE(w.Panel7->isHidden());
    std::vector<QString> cloud;
    for (const DrawnText& t : w.Image7->surface().display().texts())
        cloud.push_back(t.text);
    ASSERT_EQ(cloud.size(), 2u);
    EXPECT_EQ(cloud[0], QStringLiteral("25945 ="));
    EXPECT_EQ(cloud[1], QStringLiteral("7 x 3600 + 745"));
    // Both clouds stay wholly on the worksheet.
    EXPECT_TRUE(w.Image1->geometry().contains(w.Panel7->geometry()));
    w.Button2Click();
    EXPECT_TRUE(w.Panel7->isHidden());
    msg_param1 = QStringLiteral("745 sec");
    EXPECT_EQ(read_hint(w.surface().display()), msg(5266));
    w.Button2Click();
    EXPECT_FALSE(w.Panel7->isHidden());
    EXPECT_TRUE(w.Image1->geometry().contains(w.Panel7->geometry()));
    work_to_end();
    EXPECT_EQ(sheet_lines(w.surface()).last(), msg(1933) + QStringLiteral(" 07:12:25"));
    EXPECT_EQ(mode().answer(), QStringLiteral("07:12:25"));
}

TEST_F(TimeCalculation, OverManySeedsEveryLineKeepsItsValue) {
    static const QRegularExpression decomposition(
        QStringLiteral("^(\\d\\d:\\d\\d:\\d\\d) = (\\d+x3600\\+\\d+x60\\+\\d+)$"));
    static const QRegularExpression seconds(QStringLiteral("^= (\\d+) sec$"));
    for (int seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE(seed);
        seed_random(static_cast<quint32>(seed));
        open(kTimeCalculation);
        w.Button1Click();
        work_to_end();
        const QStringList l = sheet_lines(w.surface());
        ASSERT_GE(l.size(), 2);
        // The two times from the first line.
        const QStringList first = l[0].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_GE(first.size(), 4);
        const int s = seconds_of(first[1]);
        const int e = seconds_of(first[3]);
        EXPECT_LE(s, e);
        EXPECT_EQ(seconds_of(l.last().section(QLatin1Char(' '), 1).remove(QLatin1Char(' '))),
                  e - s);
        for (int i = 1; i + 1 < l.size(); ++i) {
            const auto d = decomposition.match(l[i]);
            if (!d.hasMatch()) continue;
            // The decomposition is worth the time's seconds ...
            double v = 0;
            QString sum = d.captured(2);
            ASSERT_TRUE(eval_text(sum.replace(QLatin1Char('x'), QLatin1Char('*')), v));
            EXPECT_EQ(static_cast<int>(v), seconds_of(d.captured(1)));
            // ... and the next line says so.
            const auto n = seconds.match(l[i + 1]);
            ASSERT_TRUE(n.hasMatch()) << l[i + 1].toStdString();
            EXPECT_EQ(n.captured(1).toInt(), seconds_of(d.captured(1)));
        }
        expect_on_the_sheet(w.surface());
    }
}

TEST(TimeTexts, TwoDigitsAndTheDecomposition) {
    EXPECT_EQ(time_of_day_text(0), QStringLiteral("00:00:00"));
    EXPECT_EQ(time_of_day_text(23 * 3600 + 59 * 60 + 59), QStringLiteral("23:59:59"));
    EXPECT_EQ(decomposition_text(9 * 3600 + 20 * 60 + 10), QStringLiteral("9x3600+20x60+10"));
    EXPECT_EQ(clock_text(3 * 60 + 5), QStringLiteral("3:05"));
    for (int seed = 1; seed <= 300; ++seed) {
        seed_random(static_cast<quint32>(seed));
        const TimeExercise e = random_time_exercise();
        EXPECT_TRUE(e.valid());
    }
}

}  // namespace
}  // namespace cifrala
