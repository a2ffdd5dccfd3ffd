// The quadratic-inequalities window: its steps and buttons, the writing of
// the special lines (a horizontal line through the origin, a root at 0),
// and the graph check with its boxes, the solution in colour and the vertex
// panel, as the explanation window draws them.
#include "drawing/cards/algebra_window_cards.h"
#include "drawing/graphs/graph_operations.h"
#include "formula/arrowhead.h"
#include "formula/display_list.h"
#include "practice/inequalities/inequalities_fixture.h"
#include "practice/inequalities/inequality_exercise.h"
#include "util/random.h"

namespace cifrala {
namespace {

using testing::answer_intervals;

class InequalitiesWindow : public testing::InequalitiesFixture {
public:
    InequalityExercise points(int x1, int y1, int x2, int y2, bool less) {
        InequalityExercise e;
        EXPECT_TRUE(inequality_from_points(x1, y1, x2, y2, less, e));
        return e;
    }
    const Figure* figure() {
        GraphDrawing* g = explanation_window()->graph();
        return g ? &g->figure : nullptr;
    }
    bool has_point(const QString& name) {
        const Figure* f = figure();
        if (!f) return false;
        for (int i = 1; i <= f->point_count; ++i)
            if (f->points[static_cast<size_t>(i)].used &&
                f->points[static_cast<size_t>(i)].name == name)
                return true;
        return false;
    }
    std::vector<DrawnCurve> magenta_curves() {
        std::vector<DrawnCurve> out;
        for (const DrawnCurve& c : explanation_window()->surface().display().curves())
            if (c.colour == QColor(255, 0, 255)) out.push_back(c);
        return out;
    }
};

TEST_F(InequalitiesWindow, FourStepsThenOnlyANewExerciseRemains) {
    ASSERT_TRUE(w.step_available());
    EXPECT_FALSE(w.CheckBox1->isVisibleTo(&w));
    EXPECT_FALSE(w.level_group->isVisibleTo(&w));
    w.Button2Click();
    EXPECT_FALSE(w.Button7->isVisibleTo(&w)) << "\"Volgende oefening\" during the steps";
    EXPECT_TRUE(w.CheckBox1->isVisibleTo(&w)) << "the graph check comes with step 1";
    EXPECT_EQ(work_to_end(), 3);
    EXPECT_TRUE(w.Button7->isVisibleTo(&w));
    EXPECT_FALSE(w.Button8->isVisibleTo(&w));
    EXPECT_TRUE(sheet().last().startsWith(msg(1540).left(5)));
}

TEST_F(InequalitiesWindow, AHorizontalLineThroughTheOriginIsWrittenAsZero) {
    // y = 0 meets the parabola at -2 and 2: x² - 4 < 0.
    w.begin(points(-2, 0, 2, 0, true));
    work_to_end();
    const QStringList l = sheet();
    EXPECT_EQ(l[0], QStringLiteral("x^2 - 4 < 0"));
    EXPECT_EQ(l[3], QStringLiteral("y 2 = 0"));
    EXPECT_EQ(l[6], QStringLiteral("x^2 - 4 = 0"));
    EXPECT_EQ(l[8], QStringLiteral("(x + 2)(x - 2) = 0"));
}

TEST_F(InequalitiesWindow, ARootAtZeroGivesASingleXInFront) {
    for (const auto& [a, b] : {std::pair{0, 5}, std::pair{-6, 0}}) {
        w.begin(points(a, 0, b, 3 * (b - a), false));
        work_to_end();
        const QStringList l = sheet();
        SCOPED_TRACE(sheet_text().toStdString());
        const int other = a == 0 ? b : a;
        const QString factor = other > 0 ? QStringLiteral("x(x - %1) = 0").arg(other)
                                         : QStringLiteral("x(x + %1) = 0").arg(-other);
        EXPECT_EQ(l[8], factor);
        EXPECT_FALSE(sheet_text().contains(QStringLiteral("x - 0")));
        EXPECT_FALSE(sheet_text().contains(QStringLiteral("x + 0")));
    }
}

TEST_F(InequalitiesWindow, TheAnswersFormFollowsTheRelationWithOrWithoutTheGraphCheck) {
    for (bool less : {true, false}) {
        for (bool check : {false, true}) {
            SCOPED_TRACE(less);
            SCOPED_TRACE(check);
            w.begin(points(-3, 0, 5, -16, less));
            w.Button2Click();
            if (check) {
                click(w.CheckBox1);
                click(w.CheckBox3);
                click(w.CheckBox4);
                click(w.CheckBox5);
            }
            work_to_end();
            const auto set = answer_intervals(sheet());
            ASSERT_EQ(set.size(), less ? 1u : 2u) << sheet_text().toStdString();
            EXPECT_DOUBLE_EQ(set.front().lo, less ? -3 : -INFINITY);
            EXPECT_DOUBLE_EQ(set.back().hi, less ? 5 : INFINITY);
        }
    }
}

TEST_F(InequalitiesWindow, TheGraphBoxesEnableBerekenAndTheColour) {
    w.Button2Click();
    click(w.CheckBox1);
    EXPECT_TRUE(w.GroupBox2->isVisibleTo(&w));
    EXPECT_FALSE(w.SpeedButton2->isEnabled());
    EXPECT_FALSE(w.CheckBox5->isEnabled());
    EXPECT_FALSE(explanation_window_visible()) << "no graph box is ticked yet";
    click(w.CheckBox4);  // only the line
    EXPECT_FALSE(w.SpeedButton2->isEnabled());
    EXPECT_FALSE(w.CheckBox5->isEnabled());
    EXPECT_TRUE(explanation_window_visible());
    EXPECT_EQ(explanation_window()->shown_topic(), 7);
    EXPECT_EQ(explanation_window()->surface().width(), 400);
    EXPECT_EQ(explanation_window()->surface().height(), 300);
    EXPECT_EQ(explanation_window()->y(), 0);
    ASSERT_NE(figure(), nullptr);
    EXPECT_FALSE(figure()->functions[1].visible);
    EXPECT_TRUE(figure()->functions[2].visible);
    click(w.CheckBox3);  // both
    EXPECT_TRUE(w.SpeedButton2->isEnabled());
    EXPECT_TRUE(w.CheckBox5->isEnabled());
    click(w.CheckBox4);  // only the parabola
    EXPECT_TRUE(w.SpeedButton2->isEnabled());
    EXPECT_FALSE(w.CheckBox5->isEnabled());
    click(w.CheckBox3);  // none
    EXPECT_FALSE(explanation_window_visible());
    click(w.CheckBox3);
    EXPECT_TRUE(explanation_window_visible());
    click(w.CheckBox1);  // the check off: the window goes
    EXPECT_FALSE(w.GroupBox2->isVisibleTo(&w));
    EXPECT_FALSE(explanation_window_visible());
}

TEST_F(InequalitiesWindow, TheColouredPiecesAreWhereTheRelationHolds) {
    for (bool less : {true, false}) {
        SCOPED_TRACE(less);
        const InequalityExercise e = points(-4, 8, 2, -4, less);
        w.begin(e);
        w.Button2Click();
        click(w.CheckBox1);
        click(w.CheckBox3);
        click(w.CheckBox4);
        EXPECT_TRUE(magenta_curves().empty());
        EXPECT_FALSE(has_point(QStringLiteral("A")));
        click(w.CheckBox5);
        ASSERT_NE(figure(), nullptr);
        const Figure& f = *figure();
        EXPECT_TRUE(has_point(QStringLiteral("A")));
        EXPECT_TRUE(has_point(QStringLiteral("B")));
        const auto curves = magenta_curves();
        ASSERT_FALSE(curves.empty());
        // Every coloured sample lies where the inequality holds (checked
        // with the engine on the exercise's own sides), never across a root.
        QString p = parabola_text(e), l = line_text(e);
        normalise_expression(p, QLatin1Char('x'), QLatin1Char('x'));
        normalise_expression(l, QLatin1Char('x'), QLatin1Char('x'));
        int samples = 0;
        for (const DrawnCurve& c : curves) {
            for (const QPointF& q : c.points) {
                const double x = (q.x() - f.origin.x()) / f.pixels_per_unit;
                if (std::fabs(x - e.x1) < 0.05 || std::fabs(x - e.x2) < 0.05) continue;
                const double py = *testing::value_at(p, x), ly = *testing::value_at(l, x);
                EXPECT_EQ(less ? py < ly : py > ly, true) << "x = " << x;
                ++samples;
            }
        }
        EXPECT_GT(samples, 10);
        // Each solution piece is coloured: one between the roots, or one on
        // each side of them.
        bool left = false, middle = false, right = false;
        for (const DrawnCurve& c : curves)
            for (const QPointF& q : c.points) {
                const double x = (q.x() - f.origin.x()) / f.pixels_per_unit;
                left |= x < e.x1 - 0.1;
                middle |= x > e.x1 + 0.1 && x < e.x2 - 0.1;
                right |= x > e.x2 + 0.1;
            }
        EXPECT_EQ(middle, less);
        EXPECT_EQ(left, !less);
        EXPECT_EQ(right, !less);
    }
}

TEST_F(InequalitiesWindow, BerekenTwiceTakesTheVertexAwayAgain) {
    w.begin(points(-4, 8, 2, -4, true));
    w.Button2Click();
    click(w.CheckBox1);
    click(w.CheckBox3);
    w.SpeedButton2Click();
    EXPECT_TRUE(w.vertex_shown());
    EXPECT_TRUE(w.Panel2->isVisibleTo(&w));
    EXPECT_TRUE(has_point(QStringLiteral("T")));
    const QStringList panel = read_line_texts(w.vertex_surface().display());
    ASSERT_EQ(panel.size(), 3) << panel.join(" | ").toStdString();
    // x² + b x + c through (-4, 8) and (2, -4): b = 0, c = -8; the vertex
    // (0, -8), computed here from the points.
    EXPECT_TRUE(panel[1].endsWith(QStringLiteral("= 0"))) << panel[1].toStdString();
    EXPECT_TRUE(panel[2].endsWith(QStringLiteral("= -8"))) << panel[2].toStdString();
    w.SpeedButton2Click();
    EXPECT_FALSE(w.vertex_shown());
    EXPECT_FALSE(w.Panel2->isVisibleTo(&w));
    EXPECT_FALSE(has_point(QStringLiteral("T")));
    // "Hide" on the panel does the same.
    w.SpeedButton2Click();
    w.SpeedButton3Click();
    EXPECT_FALSE(w.vertex_shown());
    EXPECT_FALSE(has_point(QStringLiteral("T")));
}

TEST_F(InequalitiesWindow, ANewExerciseHidesTheVertexPanelAndUnticksTheBoxes) {
    w.Button2Click();
    click(w.CheckBox1);
    click(w.CheckBox3);
    click(w.CheckBox4);
    click(w.CheckBox5);
    w.SpeedButton2Click();
    ASSERT_TRUE(w.Panel2->isVisibleTo(&w));
    work_to_end();
    w.Button1Click();
    EXPECT_FALSE(w.Panel2->isVisibleTo(&w));
    EXPECT_FALSE(w.vertex_shown());
    for (QCheckBox* c : {w.CheckBox1, w.CheckBox3, w.CheckBox4, w.CheckBox5})
        EXPECT_FALSE(c->isChecked()) << c->objectName().toStdString();
    EXPECT_FALSE(w.CheckBox1->isVisibleTo(&w));
    EXPECT_FALSE(w.GroupBox2->isVisibleTo(&w));
    EXPECT_FALSE(w.SpeedButton2->isEnabled());
    EXPECT_FALSE(explanation_window_visible());
}

TEST_F(InequalitiesWindow, WithoutTheoryWindowsTheGraphIsNotShown) {
    program_options.show_theory_windows = false;
    w.Button2Click();
    click(w.CheckBox1);
    click(w.CheckBox3);
    EXPECT_FALSE(explanation_window_visible());
    program_options.show_theory_windows = true;
}

TEST_F(InequalitiesWindow, TheGraphWindowFitsTheTopAndTheVertex) {
    for (int seed = 1; seed <= 200; ++seed) {
        seed_random(static_cast<quint32>(seed));
        w.Button1Click();
        const InequalityExercise& e = w.worker().exercise;
        const GraphDrawing g = quadratic_inequality_graph(w.graph_record(), QSize(400, 300));
        const FigureAxis& y = g.figure.axes[1];
        EXPECT_GE(y.hi, 10);
        EXPECT_GE(y.hi, e.graph_top);
        EXPECT_LE(y.lo, -12);
        EXPECT_LT(y.lo, e.vertex_y);
        EXPECT_LE((y.hi - y.lo) / y.major, 4 + 1e-9);
        EXPECT_DOUBLE_EQ(g.figure.axes[0].lo, -11);
        EXPECT_DOUBLE_EQ(g.figure.axes[0].hi, 12);
    }
}

TEST_F(InequalitiesWindow, StopRestoresTheArrowheadAndHidesTheGraph) {
    w.Button2Click();
    click(w.CheckBox1);
    click(w.CheckBox3);
    ASSERT_TRUE(explanation_window_visible());
    w.Button3Click();
    EXPECT_FALSE(explanation_window_visible());
    EXPECT_EQ(w.result(), 1);
    arrowhead_length = 22;
    TOngelijkhedenForm other;
    other.start_showing();
    EXPECT_DOUBLE_EQ(arrowhead_length, 15);
    other.Button3Click();
    EXPECT_DOUBLE_EQ(arrowhead_length, 22);
}

}  // namespace
}  // namespace cifrala

namespace cifrala {
namespace {

class InequalitiesCover : public testing::InequalitiesFixture {};

TEST_F(InequalitiesCover, TheCoverSheetLiesOverTheWholeSheetAndStays50PixelsDown) {
    EXPECT_EQ(w.cover_sheet()->distance(), 0);
    EXPECT_EQ(w.cover_sheet()->drag_limit(), 50);
    w.show_cover_sheet();
    EXPECT_EQ(w.cover_sheet()->geometry(), w.Image2->geometry());
}

}  // namespace
}  // namespace cifrala
