// The quantities with units: every written number is the given one times
// the exact power of ten its units ask for (read back as exact fractions,
// the prefixes taken from a table of the tests' own), the standard form has
// one digit from 1 to 9 before the separator, the factors beside the arrows
// say which way the conversion goes, and nothing leaves the worksheet, over
// many seeds and both prefix ranges.
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QPushButton>
#include <QRegularExpression>

#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "practice/common/render_registry.h"

#include "practice/catalogue.h"
#include "practice/integers/integers_fixture.h"
#include "practice/integers/quantities_modes.h"
#include "practice/integers/time_units_fixture.h"
#include "util/random.h"

namespace cifrala {
namespace {

using namespace integers_topic;
using testing::Exact;
using testing::exact;
using testing::expect_on_the_sheet;
using testing::prefix_power;
using testing::times_ten_to;

// The factors beside the arrows: 10 points below the sheet's 32.
constexpr int kFactorSize = 22;

// A line without blanks: "600hN/nm^2=...dN/µm^2".
QStringList compact_lines(const Surface& s) {
    QStringList out;
    for (QString l : testing::sheet_lines(s, kFactorSize))
        out << l.remove(QLatin1Char(' '));
    return out;
}

Exact read(const QString& text) {
    const auto v = exact(text);
    EXPECT_TRUE(v.has_value()) << text.toStdString();
    return v.value_or(Exact{-1, 1});
}

// The red factors beside the arrows.
QStringList factors(const Surface& s, int size) {
    QStringList out;
    for (const DrawnText& t : s.display().texts())
        if (t.colour == QColor(Qt::red) && t.point_size == size) out << t.text;
    return out;
}

// "t×10^k" with 1 <= t < 10 standing for r.
void expect_standard_form(const QString& line, const Exact& r) {
    static const QRegularExpression form(QStringLiteral(":(\\d)(?:[.,](\\d+))?×10\\^(-?\\d+)"));
    const auto m = form.match(line);
    ASSERT_TRUE(m.hasMatch()) << line.toStdString();
    EXPECT_NE(m.captured(1), QStringLiteral("0"));
    Exact t = read(m.captured(1) +
                   (m.captured(2).isEmpty() ? QString() : QLatin1Char('.') + m.captured(2)));
    EXPECT_EQ(times_ten_to(t, m.captured(3).toInt()), r);
}

class Quantities : public testing::IntegersFixture {
protected:
    void SetUp() override { register_catalogue(); }
    template <class Mode>
    Mode& mode() {
        return *dynamic_cast<Mode*>(w.integers_mode());
    }
};

// --- pressure ---

void check_pressure(const Surface& s) {
    static const QRegularExpression first(
        QStringLiteral("^([\\d.,]+)(\\D*)N/(\\D*)m\\^2=\\.\\.\\.(\\D*)N/(\\D*)m\\^2$"));
    const QStringList l = compact_lines(s);
    ASSERT_GE(l.size(), 5);
    const auto m = first.match(l[0]);
    ASSERT_TRUE(m.hasMatch()) << l[0].toStdString();
    const Exact value = read(m.captured(1));
    const int f1 = prefix_power(m.captured(2)), a1 = prefix_power(m.captured(3));
    const int f2 = prefix_power(m.captured(4)), a2 = prefix_power(m.captured(5));
    const Exact force = times_ten_to(value, f1 - f2);
    const Exact area{testing::ten(std::max(0, 2 * (a1 - a2))),
                     testing::ten(std::max(0, 2 * (a2 - a1)))};
    // value f1N = F f2N
    EXPECT_EQ(
        read(
            l[1].section(QLatin1Char('='), 1).remove(QRegularExpression(QStringLiteral("\\D*N$")))),
        force);
    // 1 a1m² = A a2m²
    EXPECT_EQ(read(l[2].section(QLatin1Char('='), 1)
                       .remove(QRegularExpression(QStringLiteral("\\D*m\\^2$")))),
              area);
    // F : A =
    EXPECT_EQ(read(l[3].section(QLatin1Char(':'), 0, 0)), force);
    EXPECT_EQ(read(l[3].section(QLatin1Char(':'), 1).remove(QLatin1Char('='))), area);
    const Exact r{force.p * area.q, force.q * area.p};
    EXPECT_EQ(read(l[4].section(QLatin1Char('N'), 0, 0)
                       .remove(QRegularExpression(QStringLiteral("\\D+$")))),
              r);
    const bool one_to_ten = r.p >= r.q && r.p < 10 * r.q;
    EXPECT_EQ(l.size(), one_to_ten ? 5 : 6);
    if (!one_to_ten) expect_standard_form(l[5], r);
    // The factor of the force says which way: ":1000" from a smaller unit.
    const QStringList f = factors(s, kFactorSize);
    ASSERT_EQ(f.size(), 2);
    EXPECT_EQ(f[0], (f1 > f2 ? QStringLiteral("×1") : QStringLiteral(":1")) +
                        QString(std::abs(f1 - f2), QLatin1Char('0')));
    EXPECT_TRUE(f[1].startsWith(a1 > a2 ? QStringLiteral("×1") : QStringLiteral(":1")));
    EXPECT_EQ(f[1].count(QStringLiteral(" 00")), std::abs(a1 - a2));
}

TEST_F(Quantities, FiveHundredKilonewtonPerSquareMetreIsFiftyNewtonPerSquareCentimetre) {
    open(kPressure);
    PressureExercise e;
    e.value = ExactDecimal(500);
    e.f1 = 7;
    e.f2 = 4;
    e.a1 = 4;
    e.a2 = 2;
    mode<PressureMode>().start(e);
    work_to_end();
    const QStringList l = compact_lines(w.surface());
    ASSERT_EQ(l.size(), 6);
    EXPECT_EQ(l[1], QStringLiteral("500kN=500000N"));
    EXPECT_EQ(l[2], QStringLiteral("1m^2=10000cm^2"));
    EXPECT_EQ(l[4], QStringLiteral("50N/cm^2"));
    EXPECT_TRUE(l[5].endsWith(QStringLiteral(":5×10^1N/cm^2"))) << l[5].toStdString();
    check_pressure(w.surface());
}

TEST_F(Quantities, ExactlyTenIsWrittenAsOneTimesTenToTheFirst) {
    const StandardForm f = standard_form(ExactDecimal(10));
    EXPECT_EQ(f.mantissa.text(), QStringLiteral("1"));
    EXPECT_EQ(f.exponent, 1);
    const StandardForm g = standard_form(ExactDecimal(5, -14));
    EXPECT_EQ(g.mantissa.text(), QStringLiteral("5"));
    EXPECT_EQ(g.exponent, -14);
    EXPECT_EQ(ExactDecimal(5, -14).text().size(), 16);  // never "0", never 5e-14
}

TEST_F(Quantities, OverManySeedsEveryPressureKeepsItsValue) {
    for (bool extended : {false, true}) {
        for (int seed = 1; seed <= 250; ++seed) {
            SCOPED_TRACE(seed);
            seed_random(static_cast<quint32>(seed));
            open(kPressure);
            mode<PressureMode>().CheckBox1->setChecked(extended);
            w.Button1Click();
            const PressureExercise& e = mode<PressureMode>().pressure_worker().exercise();
            EXPECT_NE(e.f1, e.f2);
            EXPECT_LE(std::abs(e.f1 - e.f2), 3);
            EXPECT_NE(e.a1, e.a2);
            if (extended) {
                EXPECT_LE(std::abs(e.a1 - e.a2), 5);
            } else {
                EXPECT_TRUE(e.a1 >= 1 && e.a1 <= 7 && e.a2 >= 1 && e.a2 <= 7);
            }
            work_to_end();
            check_pressure(w.surface());
            expect_on_the_sheet(w.surface());
        }
    }
}

TEST_F(Quantities, NanoIsWrittenN) {
    open(kPressure);
    PressureExercise e;
    e.value = ExactDecimal(120);
    e.f1 = 5;
    e.f2 = 6;
    e.a1 = -5;
    e.a2 = -2;
    mode<PressureMode>().start(e);
    EXPECT_TRUE(compact_lines(w.surface())[0].contains(QStringLiteral("daN/nm^2")));
    work_to_end();
    check_pressure(w.surface());
}

TEST_F(Quantities, TheExtendedPrefixesAreOfferedForPressureOnly) {
    open(kPressure);
    auto* box = mode<PressureMode>().CheckBox1;
    EXPECT_TRUE(box->isVisibleTo(&w));
    msg_param1 = QStringLiteral("nano-, micro-, mega-, giga-, tera-");
    EXPECT_EQ(box->toolTip(), msg(5444));
    w.Button3Click();
    open(kConcentration);
    EXPECT_FALSE(box->isVisibleTo(&w));
}

// --- concentration ---

TEST_F(Quantities, OverManySeedsEveryConcentrationKeepsItsValue) {
    static const QRegularExpression first(
        QStringLiteral("^([\\d.,]+)(\\D*)g/(\\D*)L=\\?(\\D*)g/(\\D*)L$"));
    for (int seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        seed_random(static_cast<quint32>(seed));
        open(kConcentration);
        w.Button1Click();
        work_to_end();
        const QStringList l = compact_lines(w.surface());
        ASSERT_GE(l.size(), 3);
        const auto m = first.match(l[0]);
        ASSERT_TRUE(m.hasMatch()) << l[0].toStdString();
        const Exact value = read(m.captured(1));
        const int g1 = prefix_power(m.captured(2)), w1 = prefix_power(m.captured(3));
        const int g2 = prefix_power(m.captured(4)), w2 = prefix_power(m.captured(5));
        EXPECT_LT(std::abs(g1 - g2) + std::abs(w1 - w2), 7 * 3);
        // A concentration per w2 litre is w2/w1 times the one per w1 litre.
        const Exact mass = times_ten_to(value, g1 - g2);
        const Exact r = times_ten_to(mass, w2 - w1);
        EXPECT_EQ(read(l[1].section(QLatin1Char('='), 1)
                           .section(QLatin1Char('g'), 0, 0)
                           .remove(QRegularExpression(QStringLiteral("\\D+$")))),
                  mass);
        EXPECT_EQ(read(l[2].section(QLatin1Char('='), 1)
                           .section(QLatin1Char('g'), 0, 0)
                           .remove(QRegularExpression(QStringLiteral("\\D+$")))),
                  r);
        const bool one_to_ten = r.p >= r.q && r.p < 10 * r.q;
        EXPECT_EQ(l.size(), one_to_ten ? 3 : 4);
        if (!one_to_ten) expect_standard_form(l[3], r);
        expect_on_the_sheet(w.surface());
    }
}

// --- speed ---

TEST_F(Quantities, ThirtySixKilometresPerHourIsTenMetresPerSecond) {
    open(kSpeed);
    mode<SpeedMode>().start({ExactDecimal(36), false});
    work_to_end();
    const QStringList l = compact_lines(w.surface());
    ASSERT_EQ(l.size(), 5);
    EXPECT_EQ(l[1], QStringLiteral("36km=36000m"));
    EXPECT_EQ(l[3], QStringLiteral("36000:3600="));
    EXPECT_EQ(l[4], QStringLiteral("10m/s"));
    EXPECT_EQ(mode<SpeedMode>().answer(), QStringLiteral("10 m/s"));
}

TEST_F(Quantities, OverManySeedsEverySpeedKeepsItsValue) {
    for (int seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        seed_random(static_cast<quint32>(seed));
        open(kSpeed);
        w.Button1Click();
        EXPECT_TRUE(w.Button7->isVisibleTo(&w));
        const bool d = mode<SpeedMode>().speed_worker().exercise().from_metres_per_second;
        work_to_end();
        const QStringList l = compact_lines(w.surface());
        const Exact v = read(l[0].section(QLatin1Char(d ? 'm' : 'k'), 0, 0));
        const QString per_hour = msg(1951).remove(QLatin1Char(' '));
        if (d) {
            ASSERT_EQ(l.size(), 4);
            // v m/s = v / 1000 km/s; v / 1000 km/s = 3600 v / 1000 km/h; v m/s = 3.6 v km/h.
            EXPECT_EQ(read(l[1].section(QLatin1Char('='), 1).remove(QStringLiteral("km/s"))),
                      (Exact{v.p, v.q * 1000}));
            EXPECT_EQ(read(l[2].section(QLatin1Char('='), 1).remove(per_hour)),
                      (Exact{v.p * 36, v.q * 10}));
            EXPECT_EQ(read(l[3].section(QLatin1Char('='), 1).remove(per_hour)),
                      (Exact{v.p * 36, v.q * 10}));
        } else {
            ASSERT_EQ(l.size(), 5);
            EXPECT_EQ(read(l[1].section(QLatin1Char('='), 1).remove(QLatin1Char('m'))),
                      (Exact{v.p * 1000, v.q}));
            // v / 3.6 rounded to two decimals: |y - 10 v / 36| <= 1/200.
            const Exact y = read(l[4].section(QLatin1Char('m'), 0, 0));
            const double gap = static_cast<double>(y.p * 36 * v.q - 10 * v.p * y.q) /
                               static_cast<double>(36 * v.q * y.q);
            EXPECT_LE(std::abs(gap), 0.005 + 1e-12);
        }
        const QStringList f = factors(w.surface(), kFactorSize);
        ASSERT_EQ(f.size(), 2);
        EXPECT_EQ(f[0], d ? QStringLiteral(":1000") : QStringLiteral("×1000"));
        EXPECT_EQ(f[1], QStringLiteral("×3600"));
        expect_on_the_sheet(w.surface());
    }
}

// --- scale ---

TEST_F(Quantities, OneToFiftyThousandWithFourCentimetresIsTwoKilometres) {
    open(kScale);
    ScaleExercise e;
    e.a = 1;
    e.b = 5;
    e.B = 50000;
    e.p = 2;
    e.q = 7;
    e.kind = 1;
    e.map = 4;
    ASSERT_TRUE(e.valid());
    mode<ScaleMode>().start(e);
    work_to_end();
    const QStringList l = compact_lines(w.surface());
    ASSERT_GE(l.size(), 4);
    EXPECT_EQ(l[2], QStringLiteral("4cm×50000="));
    EXPECT_EQ(l[3], QStringLiteral("200000cm=2km"));
    EXPECT_EQ(factors(w.surface(), kFactorSize), QStringList{QStringLiteral(":100000")});
}

TEST_F(Quantities, OverManySeedsEveryScaleDistanceKeepsItsValue) {
    static const QRegularExpression scale(QStringLiteral(":?(\\d+):(\\d+)$"));
    static const QRegularExpression to_real(QStringLiteral("^(\\d+)(\\D)m→?\\?(\\D*)m$"));
    for (int seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        seed_random(static_cast<quint32>(seed));
        open(kScale);
        w.Button1Click();
        const ScaleExercise& e = mode<ScaleMode>().scale_worker().exercise();
        ASSERT_TRUE(e.valid());
        work_to_end();
        const QStringList l = compact_lines(w.surface());
        const auto s = scale.match(l[0]);
        ASSERT_TRUE(s.hasMatch()) << l[0].toStdString();
        const qint64 a = s.captured(1).toLongLong(), B = s.captured(2).toLongLong();
        // The answer: the number before the unit at the end of the last line.
        static const QRegularExpression last(QStringLiteral("=([\\d.,]+)(\\D*)m$"));
        const auto m = last.match(l.last());
        ASSERT_TRUE(m.hasMatch()) << l.last().toStdString();
        const Exact answer = read(m.captured(1));
        const int answer_unit = prefix_power(m.captured(2));
        // The given distance and its unit from the second line.
        static const QRegularExpression given(QStringLiteral("(\\d+)(\\D*)m$"));
        static const QRegularExpression given_first(QStringLiteral("^(\\d+)(\\D*?)m\\?"));
        if (e.kind == 1) {
            const auto g = given_first.match(l[1]);
            ASSERT_TRUE(g.hasMatch());
            // Map distance times B / a, from its unit to the answer's.
            const Exact real{static_cast<__int128>(g.captured(1).toLongLong()) * B, a};
            EXPECT_EQ(answer, times_ten_to(real, prefix_power(g.captured(2)) - answer_unit));
        } else {
            const auto g = given.match(l[1]);
            ASSERT_TRUE(g.hasMatch()) << l[1].toStdString();
            const Exact map{static_cast<__int128>(g.captured(1).toLongLong()) * a, B};
            EXPECT_EQ(answer, times_ten_to(map, prefix_power(g.captured(2)) - answer_unit));
        }
        expect_on_the_sheet(w.surface());
    }
}

TEST(QuantityNumbers, DrawsStayInTheirTables) {
    for (int seed = 1; seed <= 500; ++seed) {
        seed_random(static_cast<quint32>(seed));
        const int p = prefix::plain_draw();
        EXPECT_TRUE(p >= 1 && p <= 7);
        const int q = prefix::extended_draw();
        EXPECT_TRUE(prefix::known(q)) << q;
        const ExactDecimal v = random_value(1000);
        EXPECT_TRUE(v.text() == QLatin1String("1000") || v.text() == QLatin1String("10000") ||
                    v.text() == QLatin1String("100000") || v.text() == QLatin1String("100") ||
                    v.text() == QLatin1String("10"));
    }
    EXPECT_EQ(prefix::text(-2), QString(QChar(181)));
    EXPECT_EQ(prefix::text(-5), QStringLiteral("n"));
    EXPECT_EQ(prefix::text(16), QStringLiteral("T"));
}

}  // namespace
}  // namespace cifrala

namespace cifrala {
namespace {

TEST(QuantityCards, ThePrefixesAndThePlaceValuesStayOnTheirCards) {
    register_catalogue();
    for (int topic : {51, 53}) {
        SCOPED_TRACE(topic);
        const ExplanationCard* card = find_explanation_card(topic);
        ASSERT_NE(card, nullptr);
        TtekeningForm w;
        card->paint(w, {topic, {}});
        expect_on_the_sheet(w.surface());
        const QStringList lines = testing::sheet_lines(w.surface());
        ASSERT_FALSE(lines.isEmpty());
        if (topic == 51) {
            // Twelve prefixes, each with its power of ten.
            int powers = 0;
            for (const QString& l : lines)
                powers += l.contains(QStringLiteral("10^"));
            EXPECT_EQ(powers, 12);
            EXPECT_GE(w.surface().width(), 350);
            EXPECT_GE(w.surface().height(), 490);
        } else {
            const QString all = lines.join(QLatin1Char(' '));
            for (int m : {1978, 1979, 1980})
                EXPECT_TRUE(all.contains(msg(m).section(QLatin1Char(' '), 0, 2))) << m;
        }
    }
}

TEST(QuantityRender, EveryKindWorksToTheEndAsPictureAndJson) {
    register_catalogue();
    for (const char* kind : {"speed", "pressure", "concentration", "scale"}) {
        SCOPED_TRACE(kind);
        RenderRequest r;
        r.topic = QStringLiteral("units");
        r.seed = 7;
        r.options.insert(QStringLiteral("kind"), QString::fromLatin1(kind));
        QString error;
        const QJsonObject json = render_exercise_json(r, &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_FALSE(json.value(QStringLiteral("lines")).toArray().isEmpty());
        EXPECT_FALSE(render_exercise(r, &error).isNull());
    }
    for (const char* kind : {"time", "clock", "speed"}) {
        SCOPED_TRACE(kind);
        RenderRequest r;
        r.topic = QStringLiteral("time");
        r.seed = 7;
        r.options.insert(QStringLiteral("kind"), QString::fromLatin1(kind));
        QString error;
        const QJsonObject json = render_exercise_json(r, &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_FALSE(json.value(QStringLiteral("lines")).toArray().isEmpty());
    }
    RenderRequest bad;
    bad.topic = QStringLiteral("units");
    bad.options.insert(QStringLiteral("kind"), QStringLiteral("volume"));
    QString error;
    EXPECT_TRUE(render_exercise(bad, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
}

TEST(QuantityWindow, NoOwnExerciseAfterAClockOrQuantityExercise) {
    register_catalogue();
    TGehele_getallen_Form w;
    w.sequence().instant = true;
    for (int topic : {46, 47, 48, 49, 51, 52, 53}) {
        SCOPED_TRACE(topic);
        selection.topic_code = topic;
        w.start_showing();
        w.Button1Click();
        for (int n = 0; n < 40 && w.step_available(); ++n)
            w.Button2Click();
        EXPECT_TRUE(w.Button1->isVisibleTo(&w));
        EXPECT_FALSE(w.Panel3->isVisibleTo(&w));
        w.Button3Click();
    }
}

}  // namespace
}  // namespace cifrala
