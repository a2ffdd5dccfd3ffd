// Grid steps and tick labels: decimal, in multiples of pi and exact.
#include <gtest/gtest.h>

#include <random>

#include "../drawing_checks.h"
#include "drawing/engine/axes.h"
#include "drawing/engine/draw_figure.h"
#include "drawing/engine/navigation.h"
#include "support/number_settings_fixture.h"
#include "util/exact.h"

namespace cifrala::testing {
namespace {

class Axes : public DefaultNumberSettings {};

std::vector<double> majors(const FigureAxis& a) {
    std::vector<double> v;
    for (const AxisTick& t : axis_ticks(a))
        if (t.major) v.push_back(t.value);
    return v;
}

TEST_F(Axes, MinorStepsWithMajorOnesAmongThem) {
    FigureAxis a;  // 0 to 10, steps 5 and 1
    EXPECT_EQ(axis_ticks(a).size(), 11u);
    EXPECT_EQ(majors(a), (std::vector<double>{0, 5, 10}));
    a.lo = -2.5;
    a.hi = 2.5;
    a.major = 1;
    a.minor = 0.5;
    EXPECT_EQ(majors(a), (std::vector<double>{-2, -1, 0, 1, 2}));
    EXPECT_EQ(axis_ticks(a).front().value, -2.5);
}

TEST_F(Axes, BadStepsStayBounded) {
    FigureAxis a;
    a.minor = 1e-300;
    EXPECT_LE(axis_ticks(a).size(), 4001u);
    a.minor = 0;
    a.major = 0;
    EXPECT_LE(axis_ticks(a).size(), 4001u);
    a.lo = NAN;
    EXPECT_TRUE(axis_ticks(a).empty());
    a.lo = 5;
    a.hi = -5;
    EXPECT_TRUE(axis_ticks(a).empty());
}

TEST_F(Axes, LogarithmicAxisHasDecades) {
    FigureAxis a;
    a.logarithmic = true;
    a.lo = 1;
    a.hi = 1000;
    EXPECT_EQ(majors(a), (std::vector<double>{1, 10, 100, 1000}));
}

TEST_F(Axes, TickLabelsInMultiplesOfPi) {
    Surface s(800, 400);
    Figure f;
    f.pi_labels = true;
    f.axes[0].lo = -0.3;
    f.axes[0].hi = 2 * M_PI + 0.3;
    f.axes[1].lo = -2;
    f.axes[1].hi = 2;
    f.axes[0].major = M_PI / 2;
    f.axes[0].minor = M_PI / 4;
    f.axes[1].major = f.axes[1].minor = 1;
    fit_window(f, 800, 400);
    add_point(f, 1, QStringLiteral("A"), 1, 1);
    draw_figure(f, s);
    const QString pi = QString(QChar(kPiSign));
    for (const QString& label :
         {pi + QStringLiteral("/2"), pi, QStringLiteral("3") + pi + QStringLiteral("/2"),
          QStringLiteral("2") + pi}) {
        EXPECT_EQ(s.display().find_texts(label).size(), 1u) << label.toStdString();
    }
    // The second axis in decimals.
    EXPECT_EQ(s.display().find_texts(QStringLiteral("1")).size(), 1u);
    EXPECT_EQ(s.display().find_texts(QStringLiteral("-2")).size(), 1u);
    EXPECT_EQ(tick_label(f, 0, -M_PI / 4), QStringLiteral("-") + pi + QStringLiteral("/4"));
}

TEST_F(Axes, ExactLabelsWriteFractions) {
    Figure f;
    f.exact_labels = true;
    EXPECT_EQ(tick_label(f, 0, 0.5), QStringLiteral("1/2"));
    EXPECT_EQ(tick_label(f, 0, 1.5).simplified(), QStringLiteral("1 1/2"));
    f.exact_labels = false;
    EXPECT_EQ(tick_label(f, 0, 0.5), QStringLiteral("0,5"));
    // The settings of the program are left as they were.
    EXPECT_FALSE(number_settings.exact_fractions);
    EXPECT_EQ(number_settings.decimals, 2);
    EXPECT_EQ(tick_label(f, 1, 0.125), QStringLiteral("0,125"));
}

TEST_F(Axes, ZeroLabelOnlyWhenAskedFor) {
    Surface s(400, 400);
    Figure f;
    f.axes[0].lo = f.axes[1].lo = -5;
    f.axes[0].hi = f.axes[1].hi = 5;
    fit_window(f, 400, 400);
    add_point(f, 1, QStringLiteral("A"), 1, 1);
    draw_figure(f, s);
    EXPECT_EQ(s.display().find_texts(QStringLiteral("0")).size(), 1u);
    s.clearimage();
    f.zero_label = false;
    draw_figure(f, s);
    EXPECT_TRUE(s.display().find_texts(QStringLiteral("0")).empty());
}

TEST_F(Axes, LabelsStayOnTheSurfaceForAnyWindow) {
    std::mt19937 gen(11);
    std::uniform_real_distribution<double> centre(-1000, 1000), span(0.001, 5000);
    for (int i = 0; i < 60; ++i) {
        Surface s(300 + i * 7, 200 + i * 5);
        Figure f;
        const double cx = centre(gen), cy = centre(gen), sx = span(gen), sy = span(gen);
        f.axes[0].lo = cx - sx;
        f.axes[0].hi = cx + sx;
        f.axes[1].lo = cy - sy;
        f.axes[1].hi = cy + sy;
        f.surface_width = s.width();
        f.surface_height = s.height();
        choose_steps(f);
        fit_window(f, s.width(), s.height());
        add_point(f, 1, QStringLiteral("P"), cx, cy);
        draw_figure(f, s);
        EXPECT_TRUE(texts_off_surface(s.display(), s.width(), s.height()).empty()) << i;
        EXPECT_LT(s.display().texts().size(), 200u);
    }
}

}  // namespace
}  // namespace cifrala::testing
