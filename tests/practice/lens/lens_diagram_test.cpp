// The ray diagram: over many object positions and focal lengths the rays
// drawn on the diagram's surface (read from its display list and
// intersected here) meet where the lens formula puts the image, for real
// and virtual images; an object in the focal point gives parallel rays and
// no image. The handles are dragged with the mouse and nudged with the
// buttons, and v, b and f below the diagram follow.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <optional>

#include "formula/surface.h"
#include "practice/lens/lens_fixture.h"
#include "practice/lens/lens_style.h"
#include "util/format.h"
#include "util/random.h"

namespace cifrala {
namespace {

using testing::LensFixture;

constexpr int kWidth = 537, kHeight = 281;

struct Line2 {
    QPointF a, b;
};

std::optional<QPointF> meet(const Line2& l, const Line2& m) {
    const QPointF r = l.b - l.a, s = m.b - m.a;
    const double det = r.x() * s.y() - r.y() * s.x();
    if (std::fabs(det) < 1e-9) return std::nullopt;
    const QPointF d = m.a - l.a;
    const double t = (d.x() * s.y() - d.y() * s.x()) / det;
    return l.a + t * r;
}

double angle(const Line2& l) {
    return std::atan2(l.b.y() - l.a.y(), l.b.x() - l.a.x());
}

// The drawn lines of one colour, the horizontal ones apart.
struct Rays {
    std::vector<Line2> sloped, level;
};
// `width` 0: any width.
Rays rays_of(const Surface& s, const QColor& colour, int width = 0) {
    Rays out;
    for (const DrawnLine& l : s.display().lines()) {
        if (l.colour != colour || l.from == l.to || (width != 0 && l.width != width)) continue;
        const Line2 line{QPointF(l.from), QPointF(l.to)};
        (l.from.y() == l.to.y() ? out.level : out.sloped).push_back(line);
    }
    return out;
}

// Where the image's tip lies on the surface, from the lens formula and the
// diagram's scale (units across the width, origin at the middle plus the
// pan), computed here.
QPointF expected_image(const LensDiagramValues& d, int w, int h) {
    const double v = -d.object_x, f = d.focal_x;
    const double b = v * f / (v - f);
    const double image_height = -d.object_height * b / v;
    const double ppu = w / d.units;
    return QPointF(w / 2 + d.pan_x + b * ppu, h / 2 + d.pan_y - image_height * ppu);
}

TEST(LensDiagram, TheDrawnRaysMeetWhereTheFormulaPutsTheImage) {
    Surface s(kWidth, kHeight, lenzen_diagram_style());
    int real = 0, virt = 0;
    for (int seed = 1; seed <= 2000; ++seed) {
        seed_random(static_cast<quint32>(seed));
        LensDiagram d;
        d.values.object_x = -(0.5 + 25 * random_real());
        d.values.focal_x = 0.5 + 15 * random_real();
        const double v = -d.values.object_x, f = d.values.focal_x;
        if (std::fabs(v - f) < 0.2 * f) continue;  // an image very far away
        d.values.object_height = 0.3 + 6 * random_real();
        d.values.units = lens_diagram_units(d.values.object_x, d.values.focal_x);
        d.values.pan_x = random(81) - 40;
        d.values.pan_y = random(81) - 40;
        d.draw(s);
        const QPointF image = expected_image(d.values, kWidth, kHeight);
        const QRectF inner(20, 20, kWidth - 40, kHeight - 40);
        const double ppu = kWidth / d.values.units;
        const QPointF tip(kWidth / 2 + d.values.pan_x - v * ppu,
                          kHeight / 2 + d.values.pan_y - d.values.object_height * ppu);
        if (!inner.contains(image) || !inner.contains(tip)) continue;
        // The rays themselves (width 2) meet in a real image; their dashed
        // extensions back (width 1) in a virtual one.
        const int width = v > f ? 2 : 1;
        const Rays parallel = rays_of(s, lens_parallel_ray_colour(), width);
        const Rays central = rays_of(s, lens_central_ray_colour(), width);
        const Rays focal = rays_of(s, lens_focal_ray_colour());
        ASSERT_FALSE(rays_of(s, lens_parallel_ray_colour(), 2).level.empty())
            << "the ray parallel to the axis";
        SCOPED_TRACE(::testing::Message() << "v " << v << " f " << f);
        ASSERT_FALSE(focal.level.empty()) << "the focal ray leaves the lens parallel";
        ASSERT_FALSE(central.sloped.empty() && v > f);
        // A virtual image right beside the object: its extensions are too
        // short to read a direction from.
        if (parallel.sloped.empty() || central.sloped.empty()) continue;
        // The longest pieces give the directions best.
        const auto longest = [](const std::vector<Line2>& lines) {
            return *std::max_element(
                lines.begin(), lines.end(), [](const Line2& a, const Line2& b) {
                    return QLineF(a.a, a.b).length() < QLineF(b.a, b.b).length();
                });
        };
        const Line2 p = longest(parallel.sloped), c = longest(central.sloped);
        if (QLineF(p.a, p.b).length() < 40 || QLineF(c.a, c.b).length() < 40) continue;
        if (std::fabs(std::sin(angle(p) - angle(c))) < 0.15) continue;  // too close to parallel
        const auto at = meet(p, c);
        ASSERT_TRUE(at.has_value());
        EXPECT_NEAR(at->x(), image.x(), 3.0);
        EXPECT_NEAR(at->y(), image.y(), 3.0);
        // The focal ray after the lens runs at the image's height.
        const Line2 level = longest(focal.level);
        EXPECT_NEAR(level.a.y(), image.y(), 1.5);
        (v > f ? real : virt)++;
        EXPECT_EQ(d.virtual_image(), v < f);
        EXPECT_NEAR(d.image_x(), v * f / (v - f), 1e-9 * std::max(1.0, std::fabs(v * f / (v - f))));
    }
    EXPECT_GT(real, 100);
    EXPECT_GT(virt, 30);
}

TEST(LensDiagram, AnObjectInTheFocalPointGivesParallelRaysAndNoImage) {
    Surface s(kWidth, kHeight, lenzen_diagram_style());
    LensDiagram d;
    d.values.object_x = -4;
    d.values.focal_x = 4;
    d.values.units = lens_diagram_units(-4, 4);
    EXPECT_DOUBLE_EQ(d.values.units, 10);
    d.draw(s);
    EXPECT_FALSE(d.image_exists());
    EXPECT_EQ(d.label_text(1), QStringLiteral("b = ∞"));
    const Rays parallel = rays_of(s, lens_parallel_ray_colour());
    const Rays central = rays_of(s, lens_central_ray_colour());
    ASSERT_FALSE(parallel.sloped.empty());
    ASSERT_FALSE(central.sloped.empty());
    EXPECT_NEAR(std::sin(angle(parallel.sloped[0]) - angle(central.sloped[0])), 0, 0.01);
}

TEST(LensDiagram, UnitsFollowTheFormula) {
    EXPECT_DOUBLE_EQ(lens_diagram_units(-5, 2), 12);  // b = 10/3: max(4, 20/3, 10) + 2
    EXPECT_DOUBLE_EQ(lens_diagram_units(-12, 4), 2 * 12 + 2);
    EXPECT_DOUBLE_EQ(lens_diagram_units(-6, 4), 2 * 12 + 2);  // b = 12
    EXPECT_TRUE(std::isfinite(lens_diagram_units(-4, 4)));
}

class LensDiagramWindow : public LensFixture {
protected:
    void mouse(QEvent::Type type, QPointF at, Qt::MouseButtons held) {
        QMouseEvent e(type, at, w.Image2->mapToGlobal(at), held ? Qt::LeftButton : Qt::NoButton,
                      held, Qt::NoModifier);
        QApplication::sendEvent(w.Image2, &e);
    }
    void drag(int handle, QPointF by) {
        const QPointF from = w.diagram().figure.points[static_cast<size_t>(handle)].surface;
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        EXPECT_EQ(w.picked_handle(), handle);
        mouse(QEvent::MouseMove, from + by / 2, Qt::LeftButton);
        mouse(QEvent::MouseMove, from + by, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, from + by, Qt::NoButton);
        EXPECT_EQ(w.picked_handle(), -1);
    }
    double pixels_per_unit() const { return kWidth / w.diagram().values.units; }
    QString label(int which) const {
        return (which == 0 ? w.Label4 : which == 1 ? w.Label5 : w.Label6)->text();
    }
    void expect_labels() const {
        const double v = w.diagram().object_distance(), f = w.diagram().focal_length();
        EXPECT_EQ(label(0), w.letters()[0] + QStringLiteral(" = ") + format_real(v));
        EXPECT_EQ(label(2), w.letters()[2] + QStringLiteral(" = ") + format_real(f));
        if (std::fabs(v - f) > 1e-9) {
            EXPECT_EQ(label(1),
                      w.letters()[1] + QStringLiteral(" = ") + format_real(v * f / (v - f)));
        }
    }
};

TEST_F(LensDiagramWindow, SynchroniseTakesTheExercise) {
    type("", "24", "8");
    w.SpeedButton4Click();
    EXPECT_TRUE(w.GroupBox2->isVisibleTo(&w));
    EXPECT_EQ(label(0), w.letters()[0] + QStringLiteral(" = 12"));
    EXPECT_EQ(label(1), w.letters()[1] + QStringLiteral(" = 24"));
    EXPECT_EQ(label(2), w.letters()[2] + QStringLiteral(" = 8"));
    EXPECT_DOUBLE_EQ(w.diagram().values.object_height, 6);
    EXPECT_DOUBLE_EQ(w.diagram().values.lens_half, 12.5);  // b h / v + 0.5
    EXPECT_DOUBLE_EQ(w.diagram().values.units, 50);
    // Object and image both on the surface.
    for (int p : {lens_points::kObjectTip, lens_points::kImageTip}) {
        const QPointF at = w.diagram().figure.points[static_cast<size_t>(p)].surface;
        EXPECT_TRUE(QRectF(0, 0, kWidth, kHeight).contains(at)) << p;
    }
    // A new exercise hides the group.
    w.Button1Click();
    EXPECT_FALSE(w.GroupBox2->isVisibleTo(&w));
}

TEST_F(LensDiagramWindow, DraggingTheHandlesWithTheMouse) {
    type("", "24", "8");
    w.SpeedButton4Click();
    const double ppu = pixels_per_unit();
    const double v0 = w.diagram().object_distance();
    // The object's foot along the axis: the vertical share of the move is lost.
    drag(lens_points::kObjectFoot, QPointF(-60, 25));
    // The mouse gives whole pixels.
    const double pixel = 0.75 / ppu;
    EXPECT_NEAR(w.diagram().object_distance(), v0 + 60 / ppu, pixel);
    EXPECT_DOUBLE_EQ(w.diagram().figure.points[lens_points::kObjectFoot].y, 0);
    expect_labels();
    // The tip changes the height only.
    const double x = w.diagram().values.object_x, h = w.diagram().values.object_height;
    drag(lens_points::kObjectTip, QPointF(30, -20));
    EXPECT_DOUBLE_EQ(w.diagram().values.object_x, x);
    EXPECT_NEAR(w.diagram().values.object_height, h + 20 / ppu, pixel);
    // The focal point, past the object: a virtual image.
    const double f0 = w.diagram().focal_length();
    const double to_object = (w.diagram().object_distance() - f0) * ppu;
    drag(lens_points::kFocus, QPointF(to_object + 30, 0));
    EXPECT_NEAR(w.diagram().focal_length(), f0 + (to_object + 30) / ppu, pixel);
    EXPECT_TRUE(w.diagram().virtual_image());
    expect_labels();
    // The lens's top.
    const double half = w.diagram().values.lens_half;
    drag(lens_points::kLensTop, QPointF(0, 15));
    EXPECT_NEAR(w.diagram().values.lens_half, half - 15 / ppu, pixel);
    // Away from a handle nothing is picked.
    mouse(QEvent::MouseButtonPress, QPointF(3, 3), Qt::LeftButton);
    EXPECT_EQ(w.picked_handle(), -1);
    mouse(QEvent::MouseButtonRelease, QPointF(3, 3), Qt::NoButton);
}

TEST_F(LensDiagramWindow, TheHandlesStayOnTheirSideOfTheLens) {
    type("", "24", "8");
    w.SpeedButton4Click();
    drag(lens_points::kObjectFoot, QPointF(2000, 0));
    EXPECT_GT(w.diagram().object_distance(), 0);
    EXPECT_LT(w.diagram().values.object_x, 0);
    drag(lens_points::kFocus, QPointF(-2000, 0));
    EXPECT_GT(w.diagram().values.focal_x, 0);
    expect_labels();
}

TEST_F(LensDiagramWindow, TheButtonsNudgeZoomAndMove) {
    type("", "24", "8");
    w.SpeedButton4Click();
    const LensDiagramValues before = w.diagram().values;
    w.ProSpeedButton5->click();  // object to the right: closer to the lens
    EXPECT_NEAR(w.diagram().values.object_x, before.object_x + 0.1, 1e-12);
    w.ProSpeedButton6->click();
    w.ProSpeedButton6->click();
    EXPECT_NEAR(w.diagram().values.object_x, before.object_x - 0.1, 1e-12);
    w.ProSpeedButton8->click();
    EXPECT_NEAR(w.diagram().values.object_height, before.object_height + 0.1, 1e-12);
    w.ProSpeedButton14->click();
    EXPECT_NEAR(w.diagram().values.focal_x, before.focal_x + 0.1, 1e-12);
    w.ProSpeedButton15->click();
    w.ProSpeedButton15->click();
    EXPECT_NEAR(w.diagram().values.focal_x, before.focal_x - 0.1, 1e-12);
    expect_labels();
    w.SpeedButton8->click();  // "Zoom in": the picture grows
    EXPECT_NEAR(w.diagram().values.units, before.units / 1.1, 1e-9);
    w.SpeedButton7->click();
    w.SpeedButton7->click();
    EXPECT_NEAR(w.diagram().values.units, before.units * 1.1, 1e-9);
    w.ProSpeedButton2->click();
    w.ProSpeedButton3->click();
    EXPECT_EQ(w.diagram().values.pan_x, before.pan_x + 1);
    EXPECT_EQ(w.diagram().values.pan_y, before.pan_y + 1);
    w.ProSpeedButton1->click();
    w.ProSpeedButton4->click();
    EXPECT_EQ(w.diagram().values.pan_x, before.pan_x);
    EXPECT_EQ(w.diagram().values.pan_y, before.pan_y);
    // Synchronise puts the exercise back.
    w.SpeedButton9->click();
    EXPECT_EQ(label(0), w.letters()[0] + QStringLiteral(" = 12"));
    EXPECT_EQ(label(1), w.letters()[1] + QStringLiteral(" = 24"));
}

TEST_F(LensDiagramWindow, TheGroupHidesByItsCloseButtonAndADoubleClick) {
    w.SpeedButton4Click();
    w.SpeedButton3->click();
    EXPECT_FALSE(w.GroupBox2->isVisibleTo(&w));
    w.SpeedButton4Click();
    QTest::mouseDClick(w.GroupBox2, Qt::LeftButton, Qt::NoModifier, QPoint(3, 10));
    EXPECT_FALSE(w.GroupBox2->isVisibleTo(&w));
}

TEST_F(LensDiagramWindow, TheDiagramIsLabelledWithTheLettersOfTheLanguage) {
    type("", "24", "8");
    w.SpeedButton4Click();
    const QString texts = w.diagram_surface().display().joined_text();
    for (const QString& l : w.letters())
        EXPECT_TRUE(texts.contains(QLatin1Char('|') + l + QLatin1Char('|')) ||
                    texts.startsWith(l + QLatin1Char('|')))
            << texts.toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("F")));
}

}  // namespace
}  // namespace cifrala
