// The exponential-equations window: the worked example, the writing of
// negative exponents and of solutions with a mixed number, the hints of
// the stages, the powers panel, "Toon hint", "Formules", and the
// measure-only flag of its writing.
#include <QTableWidget>

#include "drawing/explanation/tekening_form.h"
#include "formula/surface.h"
#include "practice/common/floating_panel.h"
#include "practice/exponential/exp_writing.h"
#include "practice/exponential/exponential_fixture.h"
#include "util/random.h"

namespace cifrala {
namespace {

using namespace exponential_messages;

class ExponentialWindow : public testing::ExponentialFixture {
public:
    static ExpExercise plain(int g, int a0, int e, int k, int d, int b0) {
        ExpExercise x;
        x.g = g;
        x.L = ExponentRecord{a0, 1, 0, 1};
        x.R = ExponentRecord{b0, 1, 0, 1};
        x.e = e;
        x.k = k;
        x.d = d;
        x.m = 1;
        x.c3 = 0;
        x.roots = false;
        x.first_phase = 2;
        return x;
    }
    QString hint_text(int n, int g) {
        msg_param1 = QString::number(g);
        return msg(n);
    }
};

TEST_F(ExponentialWindow, TheWindowWaitsForANewExercise) {
    EXPECT_FALSE(w.step_available());
    EXPECT_TRUE(w.next_available());
    EXPECT_FALSE(w.CheckBox1->isVisibleTo(&w)) << "\"Toon machten\" before the first exercise";
    EXPECT_EQ(w.phase(), -1);
    EXPECT_TRUE(w.surface().display().texts().empty());
}

TEST_F(ExponentialWindow, TheWorkedExampleStageByStage) {
    w.begin(plain(2, 3, 2, 1, -3, 5));
    EXPECT_EQ(work_to_end(), 6);
    const QStringList l = sheet();
    ASSERT_EQ(l.size(), 7) << sheet_text().toStdString();
    EXPECT_EQ(l[0], QStringLiteral("8 · 4^(x - 3) = 32"));
    EXPECT_EQ(l[1], QStringLiteral("2^3 · (2^2 )^(x - 3) = 2^5"));
    EXPECT_EQ(l[2], QStringLiteral("2^(3 + 2 (x - 3)) = 2^5"));
    EXPECT_EQ(l[3], QStringLiteral("2^(2x - 3) = 2^5"));
    EXPECT_EQ(l[4], QStringLiteral("2x - 3 = 5"));
    EXPECT_EQ(l[5], QStringLiteral("2x = 5 + 3"));
    EXPECT_EQ(l[6], QStringLiteral("x = 8/2 = 4"));
    EXPECT_EQ(hint(), msg(kFinished));
    EXPECT_TRUE(w.Button1->isVisibleTo(&w));
}

TEST_F(ExponentialWindow, EveryEqualsSignStandsInOneColumn) {
    w.begin(plain(2, 3, 2, 1, -3, 5));
    work_to_end();
    std::vector<int> columns;
    for (const DrawnText& t : w.surface().display().texts())
        if (t.text.startsWith(QStringLiteral("= "))) columns.push_back(t.pos.x());
    ASSERT_EQ(columns.size(), 7u);
    // Phase 2 sets the column; later lines move it only to the right.
    for (size_t i = 1; i < columns.size(); ++i)
        EXPECT_GE(columns[i], columns[i - 1]);
    EXPECT_EQ(columns.back(), *std::max_element(columns.begin(), columns.end()));
}

TEST_F(ExponentialWindow, ASolutionWithAMixedNumber) {
    // 2^4 · (2^3)^(2x + 2) = 2^3: 6x + 10 = 3, x = -7/6.
    w.begin(plain(2, 4, 3, 2, 2, 3));
    work_to_end();
    EXPECT_EQ(sheet().last(), QStringLiteral("x = - 7/6 = - 1 1/6")) << sheet_text().toStdString();
}

TEST_F(ExponentialWindow, ANegativeWholeRightExponentHasItsMinusInFront) {
    // 2^2 / 2^4 on the right: the right exponent is 2 - 4 = -2.
    ExpExercise x = plain(2, 3, 1, 1, 0, 2);
    x.R = ExponentRecord{2, 1, 4, 1};
    x.L = ExponentRecord{3, 1, 1, 1};
    w.begin(x);
    work_to_end();
    const QStringList l = sheet();
    SCOPED_TRACE(sheet_text().toStdString());
    bool power = false, plain_line = false;
    for (const QString& line : l) {
        power |= line.endsWith(QStringLiteral("= 2^(- 2)"));
        plain_line |= line == QStringLiteral("x + 2 = - 2");
    }
    EXPECT_TRUE(power);
    EXPECT_TRUE(plain_line);
}

TEST_F(ExponentialWindow, EachStepShowsTheHintOfWhatComesNext) {
    // 3 · 2^2 / V(2) ... with m = 3: phases 1 to 9.
    ExpExercise x;
    x.g = 2;
    x.m = 3;
    x.c3 = 1;
    x.e = 2;
    x.k = 1;
    x.d = 1;
    x.L = ExponentRecord{2, 1, 1, 2};
    x.R = ExponentRecord{3, 1, 1, 2};
    x.roots = true;
    x.first_phase = 1;
    w.begin(x);
    msg_param2 = QStringLiteral("3");
    EXPECT_EQ(hint(),
              hint_text(kDivideByFactor, 2).replace(QStringLiteral("3"), QStringLiteral("3")));
    const int expected[] = {kPowersOfG,      kFractionalExponents, kOnePower,    kWorkOutExponents,
                            kEqualExponents, kSolveLinear,         kSolveLinear, kFinished};
    for (int h : expected) {
        ASSERT_TRUE(w.step_available());
        w.Button2Click();
        EXPECT_EQ(hint(), hint_text(h, 2));
    }
    EXPECT_FALSE(w.step_available());
    EXPECT_EQ(sheet().size(), 9u);
}

TEST_F(ExponentialWindow, VolgendeOefeningGoesWithThePowersOfG) {
    w.set_level(1);
    seed_random(5);
    w.Button1Click();
    EXPECT_TRUE(w.Button1->isVisibleTo(&w));
    while (w.phase() <= 3 && w.step_available())
        w.Button2Click();
    EXPECT_FALSE(w.Button1->isVisibleTo(&w)) << "after the stage of the powers of g";
    work_to_end();
    EXPECT_TRUE(w.Button1->isVisibleTo(&w));
}

TEST_F(ExponentialWindow, ThePowersPanelFollowsTheBase) {
    w.Button1Click();
    EXPECT_TRUE(w.CheckBox1->isVisibleTo(&w));
    EXPECT_FALSE(w.Panel1->isVisibleTo(&w));
    w.CheckBox1->setChecked(true);
    w.CheckBox1Click();
    EXPECT_TRUE(w.Panel1->isVisibleTo(&w));
    for (int seed = 1; seed <= 20; ++seed) {
        seed_random(static_cast<quint32>(seed));
        w.Button1Click();
        const int g = w.worker().exercise.g;
        const QStringList rows = w.powers_rows();
        ASSERT_EQ(rows.size(), 8);
        EXPECT_EQ(rows[0], QStringLiteral("x %1^x").arg(g));
        long long p = 1;
        for (int i = 1; i <= 7; ++i) {
            p *= g;
            EXPECT_EQ(rows[i], QStringLiteral("%1 %2").arg(i).arg(p));
        }
        EXPECT_TRUE(w.Panel1->isVisibleTo(&w));
    }
    w.CheckBox1->setChecked(false);
    w.CheckBox1Click();
    EXPECT_FALSE(w.Panel1->isVisibleTo(&w));
}

TEST_F(ExponentialWindow, ToonHintEmptiesAndRefillsTheHintLine) {
    w.begin(plain(3, 2, 1, 1, 1, 4));
    w.Button2Click();
    const QString shown = hint();
    ASSERT_FALSE(shown.isEmpty());
    w.CheckBox2->setChecked(false);
    w.CheckBox2Click();
    EXPECT_TRUE(hint().isEmpty());
    w.Button2Click();
    EXPECT_TRUE(hint().isEmpty()) << "no hint while unticked";
    w.CheckBox2->setChecked(true);
    w.CheckBox2Click();
    EXPECT_EQ(hint(), hint_text(kWorkOutExponents, 3));
}

TEST_F(ExponentialWindow, FormulesShowsThePowerRules) {
    w.SpeedButton5Click();
    ASSERT_TRUE(explanation_window_visible());
    EXPECT_EQ(explanation_window()->shown_topic(), 28);
    EXPECT_EQ(explanation_window()->surface().width(), 250);
    EXPECT_EQ(explanation_window()->surface().height(), 500);
    const QString card = read_line_texts(explanation_window()->surface().display()).join(' ');
    EXPECT_TRUE(card.contains(QStringLiteral("g^a · g^b = g^a + b"))) << card.toStdString();
    EXPECT_FALSE(card.contains(QStringLiteral("msg error"))) << card.toStdString();
    EXPECT_TRUE(card.contains(QStringLiteral("⇒")) && card.contains(QStringLiteral("p = q")))
        << card.toStdString();
    const Surface& s = explanation_window()->surface();
    const QRect inside(0, 0, s.width(), s.height());
    for (const DrawnItem& item : s.display().items())
        EXPECT_TRUE(inside.contains(bounding_rect(item)));
    w.SpeedButton5Click();
    EXPECT_FALSE(explanation_window_visible());
}

TEST(ExponentialWriting, MeasuringDrawsNothingAndGivesTheSameWidth) {
    ExponentRecord r{3, 3, 2, 2};
    for (int phase = 1; phase <= 5; ++phase) {
        SCOPED_TRACE(phase);
        Surface drawn(1000, 300), measured(1000, 300);
        for (Surface* s : {&drawn, &measured}) {
            s->set_font_size(20);
            s->cursor = {10, 100};
        }
        measured.measure_only = true;
        ExpWriter(drawn, phase).factor(5, r, 4, 1);
        ExpWriter(measured, phase).factor(5, r, 4, 1);
        EXPECT_TRUE(measured.display().items().empty());
        EXPECT_FALSE(drawn.display().items().empty());
        EXPECT_EQ(measured.cursor.x, drawn.cursor.x);
        EXPECT_GT(drawn.cursor.x, 10);
    }
}

}  // namespace
}  // namespace cifrala

namespace cifrala {
namespace {

class ExponentialCover : public testing::ExponentialFixture {};

TEST_F(ExponentialCover, TheCoverSheetStays80PixelsBelowTheTop) {
    EXPECT_EQ(w.cover_sheet()->distance(), 80);
    EXPECT_EQ(w.cover_sheet()->drag_limit(), 80);
    w.Button1Click();
    w.show_cover_sheet();
    EXPECT_EQ(w.cover_sheet()->y(), w.Image1->y() + 80);
    w.Button1Click();
    EXPECT_FALSE(w.cover_sheet()->isVisibleTo(&w));
}

}  // namespace
}  // namespace cifrala
