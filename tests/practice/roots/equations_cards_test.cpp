// When the equation topics of the roots window show, move and flash the
// explanation window, and which card it then shows: the card of the step
// the press performs, which says what that step does.
#include <gtest/gtest.h>

#include <QJsonArray>

#include "drawing/cards/explanation_cards.h"
#include "drawing/cards/roots_equation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "formula/display_reader.h"
#include "practice/common/render_registry.h"
#include "practice/roots/equations/fraction_equation.h"
#include "practice/roots/equations/power_equation.h"
#include "practice/roots/equations/quadratic_elementary.h"
#include "practice/roots/equations/root_equation.h"
#include "practice/roots/roots_form.h"
#include "text/messages.h"
#include "util/number_settings.h"
#include "util/selection.h"

namespace cifrala::testing {
namespace {

// What the worker asked of the explanation window, with the card step of
// each showing.
class RecordingExplainer : public EquationExplainer {
public:
    const EquationWorker* worker = nullptr;
    QStringList events;
    std::vector<int> shown_steps;
    std::vector<QVariantMap> shown_values;

    void show_at(int top, int left) override {
        events << QStringLiteral("show %1 %2").arg(top).arg(left);
        shown();
    }
    void reshow() override {
        events << QStringLiteral("reshow");
        shown();
    }
    void hide() override { events << QStringLiteral("hide"); }
    void move_to_sheet(QPoint) override { events << QStringLiteral("move"); }
    void move_top_to_sheet(int) override { events << QStringLiteral("move top"); }

private:
    void shown() {
        shown_steps.push_back(worker->card_step);
        shown_values.push_back(worker->card_values());
    }
};

class EquationCards : public ::testing::Test {
protected:
    EquationCards() {
        selection = SelectionValues{};
        selection.topic_code = 58;
        init_number_settings();
        w.sequence().instant = true;
        w.start_showing();
    }
    template <typename Worker>
    void work(Worker& worker) {
        for (int i = 0; i < 30 && !worker.finished; ++i)
            worker.rekenstap();
    }
    QStringList sheet() const { return read_line_texts(w.surface().display()); }

    TwortelsherleidenForm w;
    RecordingExplainer rec;
};

std::vector<int> messages_of(int topic, const QVariantMap& values) {
    return equation_card_text(topic, values).messages;
}

TEST_F(EquationCards, PowersShowTheCardAtTheirSteps) {
    PowerWorker worker(w, rec);
    rec.worker = &worker;
    worker.begin({1, 2, 3, 17, 1, 0});  // 1 + 2·x³ = 17
    work(worker);
    EXPECT_EQ(rec.shown_steps, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    // Step 1 puts it 50 pixels below the line of the equation, at left 250.
    EXPECT_TRUE(rec.events.value(1).startsWith("show ")) << rec.events.join(", ").toStdString();
    EXPECT_TRUE(rec.events.value(1).endsWith(" 250"));
    // The card of each step says what the step does with the exercise's
    // numbers: subtract a, divide by b.
    EXPECT_EQ(messages_of(58, rec.shown_values[0]), std::vector<int>{2030});
    const EquationCardText subtract = equation_card_text(58, rec.shown_values[1]);
    EXPECT_EQ(subtract.messages, std::vector<int>{5279});
    EXPECT_EQ(subtract.parameters.front(), "1");
    const EquationCardText divide = equation_card_text(58, rec.shown_values[3]);
    EXPECT_EQ(divide.messages, std::vector<int>{5280});
    EXPECT_EQ(divide.parameters.front(), "2");
    const QStringList s = sheet();
    EXPECT_TRUE(s.value(1).endsWith("= 16"));  // 17 - 1
    EXPECT_EQ(s.value(2), "x^3 = 8");          // 16 : 2
}

TEST_F(EquationCards, AnEvenPowerShowsTheRootCardBelowTheTwoSolutions) {
    PowerWorker worker(w, rec);
    rec.worker = &worker;
    worker.begin({0, 1, 2, 25, 1, 0});
    work(worker);
    EXPECT_EQ(rec.shown_steps, std::vector<int>{7});
    EXPECT_TRUE(rec.events.contains("move top"));
    EXPECT_EQ(messages_of(58, rec.shown_values[0]), (std::vector<int>{2033, 2034}));
    worker.begin({0, -3, 3, 24, 1, 0});  // -3·x³ = 24
    rec.shown_steps.clear();
    rec.shown_values.clear();
    work(worker);
    EXPECT_EQ(rec.shown_steps.front(), 98);
    EXPECT_EQ(messages_of(58, rec.shown_values[0]), std::vector<int>{2032});
}

TEST_F(EquationCards, FractionsShowTheirCards) {
    FractionWorker worker(w, rec);
    rec.worker = &worker;
    worker.begin(fraction_equation_with_roots(2, 1, -3));
    EXPECT_TRUE(rec.events.contains("move"));
    work(worker);
    EXPECT_EQ(rec.shown_steps, (std::vector<int>{1, 2, 4, 6, 7}));
    EXPECT_EQ(rec.events.value(rec.events.indexOf("move") + 1), "show 50 400");
    EXPECT_EQ(messages_of(59, rec.shown_values[2]), std::vector<int>{5280});
    EXPECT_EQ(messages_of(59, rec.shown_values[4]), (std::vector<int>{2036, 1853}));
    FractionEquation e;
    e.kind = 2;
    e.p = 4;
    e.q = 6;
    e.m = 1;
    e.r = 1;
    e.s = 2;  // 4 + 6/(x + 1) = 2
    rec.events.clear();
    rec.shown_steps.clear();
    rec.shown_values.clear();
    worker.begin(e);
    work(worker);
    EXPECT_EQ(rec.shown_steps, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(rec.events.contains("show 50 350"));
    // The card of step 4 reads the fraction reduced in that step.
    const EquationCardText reduce = equation_card_text(59, rec.shown_values[4]);
    EXPECT_EQ(reduce.messages, std::vector<int>{5281});
    EXPECT_EQ(reduce.parameters.front(), "2");
    EXPECT_EQ(rec.shown_values[4].value("top").toInt(), 3);
    EXPECT_EQ(rec.shown_values[4].value("bottom").toInt(), -1);
}

TEST_F(EquationCards, RootsShowTheirCardsAtThreePlaces) {
    RootWorker worker(w, rec);
    rec.worker = &worker;
    worker.begin({3, 2, 1, 7});  // 3 + 2·√(x + 1) = 7
    work(worker);
    EXPECT_EQ(rec.shown_steps, (std::vector<int>{0, 1, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(rec.events.contains("show 50 400"));
    EXPECT_TRUE(rec.events.contains("show 180 400"));
    EXPECT_TRUE(rec.events.contains("show 270 400"));
    EXPECT_EQ(messages_of(60, rec.shown_values[0]), std::vector<int>{5279});
    EXPECT_EQ(messages_of(60, rec.shown_values[2]), std::vector<int>{5280});
    EXPECT_EQ(messages_of(60, rec.shown_values[4]), std::vector<int>{1598});
    EXPECT_EQ(messages_of(60, rec.shown_values[5]), std::vector<int>{5420});
    // Without p the first press already puts it at (180, 400).
    rec.events.clear();
    worker.begin({0, 2, 1, 7});
    worker.rekenstap();
    EXPECT_TRUE(rec.events.contains("show 180 400"));
}

TEST_F(EquationCards, QuadraticShowsItsCards) {
    QuadraticElementaryWorker worker(w, rec, {});
    rec.worker = &worker;
    worker.begin(elementary_quadratic(2, 1, 3, 4, 1));
    work(worker);
    EXPECT_EQ(rec.shown_steps, (std::vector<int>{1, 2, 4, 5, 6}));
    EXPECT_TRUE(rec.events.contains("show 150 450"));
    EXPECT_TRUE(rec.events.contains("show 200 400"));
    EXPECT_TRUE(rec.events.contains("show 280 10"));
    EXPECT_EQ(messages_of(61, rec.shown_values[0]), std::vector<int>{5421});
    EXPECT_EQ(equation_card_text(61, rec.shown_values[2]).parameters.front(), "2");
    EXPECT_EQ(messages_of(61, rec.shown_values[4]), std::vector<int>{2036});
    // Without a constant the card of step 6 factors x out, as the next line does.
    rec.shown_values.clear();
    worker.begin(elementary_quadratic(1, 0, 5, 0, 0));
    work(worker);
    ASSERT_FALSE(rec.shown_values.empty());
    EXPECT_EQ(messages_of(61, rec.shown_values.back()), std::vector<int>{5422});
    EXPECT_TRUE(sheet().contains("x ( x - 5 ) = 0"));
}

TEST_F(EquationCards, EveryCardFitsItsFrameAndShowsItsTexts) {
    for (int topic : {58, 59, 60, 61}) {
        const ExplanationCard* card = find_explanation_card(topic);
        ASSERT_NE(card, nullptr);
        EXPECT_EQ(card->placement, CardPlacement::Keep);
        for (int step : {0, 1, 2, 3, 4, 5, 6, 7, 98}) {
            QVariantMap values{{"step", step}, {"kind", 1}, {"a", 3},   {"b", -4},    {"c", 5},
                               {"n", 2},       {"p", 3},    {"q", -2},  {"m", 6},     {"r", 1},
                               {"s", 2},       {"t", 0},    {"top", 1}, {"bottom", 2}};
            const EquationCardText t = equation_card_text(topic, values);
            if (t.messages.empty()) continue;
            TtekeningForm* w = explanation_window();
            card->paint(*w, CardRequest{topic, values});
            EXPECT_GE(w->surface().width(), 400);
            EXPECT_LE(w->surface().width(), 700);
            EXPECT_GE(w->surface().height(), 50);
            EXPECT_LE(w->surface().height(), 170);
            const QStringList lines = read_line_texts(w->surface().display());
            for (const QString& line : lines)
                EXPECT_FALSE(line.contains("error") || line.contains("notfound"))
                    << topic << " " << step << " " << line.toStdString();
            for (size_t i = 0; i < t.messages.size(); ++i) {
                msg_param1 = t.parameters[i];
                EXPECT_TRUE(lines.contains(msg(t.messages[i]).simplified()) ||
                            lines.contains(msg(t.messages[i])))
                    << topic << " " << step << " " << lines.join('|').toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace cifrala::testing

namespace cifrala::testing {
namespace {

TEST(EquationRender, EveryTopicAndLevelIsWorkedOffscreen) {
    for (const char* topic : {"58", "59", "60", "61"}) {
        for (const char* level : {"1", "2", "3"}) {
            SCOPED_TRACE(std::string(topic) + " " + level);
            RenderRequest r;
            QString error;
            ASSERT_TRUE(parse_render_request(
                {"roots", "--topic", topic, "--level", level, "--seed", "9", "--out", "x.json"}, r,
                &error));
            const QJsonObject o = render_exercise_json(r, &error);
            ASSERT_FALSE(o.isEmpty()) << error.toStdString();
            const QJsonArray lines = o.value("lines").toArray();
            ASSERT_GE(lines.size(), 2);
            EXPECT_TRUE(lines.first().toString().contains('x'));
            EXPECT_EQ(lines.last().toString(), msg(1540));
            // The same seed gives the same exercise.
            EXPECT_EQ(render_exercise_json(r, &error).value("lines"), o.value("lines"));
            EXPECT_FALSE(render_exercise(r, &error).isNull());
        }
    }
    RenderRequest bad;
    QString error;
    EXPECT_FALSE(parse_render_request({"roots", "--topic", "99", "--out", "x.png"}, bad, &error) &&
                 !render_exercise(bad, &error).isNull());
}

}  // namespace
}  // namespace cifrala::testing
