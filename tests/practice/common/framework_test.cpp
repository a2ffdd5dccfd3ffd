// What the framework gives every window: the mode chosen from the table by
// the menu's codes, a worker that reaches its window only through the step
// host (surfaces, hint, pauses with "Rekenstap" disabled, controls by role,
// the end of the exercise), further surfaces that can change size, and the
// settings changed while shown coming back on "Stop".
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "formula/arrowhead.h"
#include "formula/display_reader.h"
#include "formula/surface_pane.h"
#include "practice/common/practice_window.h"
#include "practice/common/step_worker.h"
#include "support/message_recorder.h"
#include "text/language.h"
#include "text/messages.h"
#include "util/number_settings.h"
#include "util/selection.h"

namespace cifrala {
namespace {

// Counts down from `from` to 0, one line a step; between writing the number
// and its hint it pauses, and it shows the side label on the way.
class CountingWorker : public StepWorker {
public:
    explicit CountingWorker(StepHost& host) : StepWorker(host) {}
    void start(int from) {
        from_ = from;
        step = -1;
        finished = false;
    }
    void rekenstap() override {
        if (finished) return;
        const int n = from_ - (step + 1);
        host().sequence().then([this, n] { sheet().my_textout(QString::number(n)); });
        host().sequence().pause(50);
        host().sequence().then([this, n] {
            sheet().newline();
            host().show_control(ControlRole::Explain, n % 2 == 0);
            host().set_control_text(ControlRole::Score, QString::number(n));
            step += 1;
            if (n == 0) {
                finish(1540);
            } else {
                host().hint(1562);
            }
        });
        host().sequence().run();
    }

private:
    int from_ = 0;
};

class CountingMode : public PracticeMode {
public:
    CountingMode(PracticeWindow& w, int from, int title)
        : w_(w), worker_(w), from_(from), title_(title) {}
    Caption title() const override { return {TextKind::Message, title_}; }
    int help_page() const override { return 696; }
    void set_up() override { ++set_ups; }
    void new_exercise() override {
        w_.surface().clearimage();
        worker_.start(from_);
        worker_.rekenstap();
    }
    void rekenstap() override { worker_.rekenstap(); }
    const StepWorker* worker() const override { return &worker_; }
    int set_ups = 0;

private:
    PracticeWindow& w_;
    CountingWorker worker_;
    int from_;
    int title_;
};

class CountingWindow : public PracticeWindow {
public:
    CountingWindow() : PracticeWindow(config(), nullptr) {
        side = new QLabel(this);
        score = new QLabel(this);
        set_role(ControlRole::Explain, side);
        set_role(ControlRole::Score, score, {},
                 [this](const QString& t) { score->setText("#" + t); });
        three = static_cast<CountingMode*>(
            add_mode("three", 7, kAnyCode, std::make_unique<CountingMode>(*this, 3, 1987)));
        five = static_cast<CountingMode*>(
            add_mode("five", 7, 2, std::make_unique<CountingMode>(*this, 5, 1988)));
        add_mode("later", 8, kAnyCode, nullptr);
    }
    static PracticeWindowConfig config() {
        PracticeWindowConfig c;
        c.class_name = "CountingWindow";
        c.title = "Tellen";
        c.surface_rect = QRect(1, 1, 600, 400);
        return c;
    }
    using PracticeWindow::add_pane;
    using PracticeWindow::settings_while_shown;
    QLabel* side;
    QLabel* score;
    CountingMode* three;
    CountingMode* five;
};

class Framework : public ::testing::Test {
protected:
    void open(int topic, int category) {
        selection.topic_code = topic;
        selection.category_code = category;
        w.start_showing();
    }
    CountingWindow w;
    testing::MessageRecorder messages;
};

TEST_F(Framework, TheModeTableChoosesByTopicAndCategory) {
    open(7, 2);
    EXPECT_EQ(w.mode(), w.five);
    open(7, 9);
    EXPECT_EQ(w.mode(), w.three);  // the row for the topic with any category
    EXPECT_EQ(w.three->set_ups, 1);
    EXPECT_TRUE(w.serves(7, 9));
    EXPECT_TRUE(w.serves(7, 2));
    EXPECT_FALSE(w.serves(8, 0)) << "registered, but not built yet";
    EXPECT_FALSE(w.serves(9, 0));
    EXPECT_EQ(w.modes().find(8, 0)->name, "later");
}

TEST_F(Framework, TheTitleIsTheModesAndFollowsTheLanguage) {
    open(7, 2);
    EXPECT_EQ(w.windowTitle(), msg(1988));
    open(7, 0);
    const QString dutch = msg(1987);
    EXPECT_EQ(w.windowTitle(), dutch);
    language_index = 1;
    apply_language();
    EXPECT_EQ(w.windowTitle(), msg(1987));
    EXPECT_NE(w.windowTitle(), dutch);
    language_index = 0;
    apply_language();
    EXPECT_EQ(w.windowTitle(), msg(1987));
}

TEST_F(Framework, TheWindowShowsTheStepCounterOfTheWorker) {
    w.sequence().instant = true;
    open(7, 0);
    EXPECT_EQ(w.step(), -1);
    w.Button1Click();
    EXPECT_EQ(w.step(), 0);
    w.Button2Click();
    EXPECT_EQ(w.step(), 1);
}

TEST_F(Framework, APauseDisablesRekenstapUntilItIsOver) {
    open(7, 0);
    w.Button1Click();
    EXPECT_FALSE(w.Button2->isEnabled());
    EXPECT_FALSE(w.step_available());
    w.Button2Click();  // ignored while waiting
    QTRY_VERIFY_WITH_TIMEOUT(w.Button2->isEnabled(), 2000);
    EXPECT_EQ(w.step(), 0);
    EXPECT_EQ(read_line_texts(w.surface().display()), QStringList{"3"});
    EXPECT_EQ(read_hint(w.surface().display()), msg(1562));
}

TEST_F(Framework, WorkersUseControlsByTheirRoles) {
    w.sequence().instant = true;
    open(7, 0);
    w.show();
    w.Button1Click();  // 3: odd
    EXPECT_FALSE(w.side->isVisible());
    EXPECT_EQ(w.score->text(), "#3");
    w.Button2Click();  // 2: even
    EXPECT_TRUE(w.side->isVisible());
    EXPECT_EQ(w.score->text(), "#2");
    // A role the window does not have is left alone.
    w.show_control(ControlRole::Cloud, true);
    w.set_control_text(ControlRole::Cloud, "x");
    EXPECT_FALSE(w.has_control(ControlRole::Cloud));
}

TEST_F(Framework, TheEndOfTheExerciseSwapsTheButtonsAndWritesTheClosingHint) {
    w.sequence().instant = true;
    open(7, 0);
    w.Button1Click();
    int presses = 0;
    while (w.step_available() && presses < 10) {
        w.Button2Click();
        ++presses;
    }
    EXPECT_EQ(presses, 3);
    EXPECT_FALSE(w.Button2->isVisibleTo(&w));
    EXPECT_TRUE(w.next_available());
    EXPECT_EQ(read_hint(w.surface().display()), msg(1540));
    EXPECT_EQ(read_line_texts(w.surface().display()), QStringList({"3", "2", "1", "0"}));
}

TEST_F(Framework, PlaceControlShowsItOnlyWhereItFitsOnTheWorksheet) {
    w.show();
    w.side->resize(100, 40);
    w.place_control(ControlRole::Explain, QPoint(10, 10));
    EXPECT_TRUE(w.side->isVisible());
    EXPECT_EQ(w.side->pos(), w.Image1->pos() + QPoint(10, 10));
    w.place_control(ControlRole::Explain, QPoint(550, 10));  // runs past the right edge
    EXPECT_FALSE(w.side->isVisible());
}

TEST_F(Framework, AFurtherSurfaceIsTheWindowsAndCanChangeSize) {
    SurfacePane* pane = w.add_pane(SurfaceRole::Second, "Image9", QSize(200, 100), SurfaceStyle{});
    EXPECT_EQ(&w.surface(SurfaceRole::Second), &pane->surface());
    EXPECT_EQ(&w.surface(SurfaceRole::Cloud), &w.surface());  // none: the worksheet
    pane->surface().my_textout("12");
    EXPECT_FALSE(pane->surface().display().texts().empty());
    pane->resize_surface(QSize(300, 681));
    EXPECT_EQ(pane->surface().width(), 300);
    EXPECT_EQ(pane->surface().height(), 681);
    EXPECT_EQ(pane->size(), QSize(300, 681));
    EXPECT_TRUE(pane->surface().display().items().empty());
    w.Image1->resize_surface(QSize(600, 572));
    EXPECT_EQ(w.surface().height(), 572);
}

TEST_F(Framework, SettingsChangedWhileShownComeBackOnStop) {
    const NumberSettings before = number_settings;
    const double length = arrowhead_length;
    w.show();
    w.settings_while_shown().set_decimals(5);
    w.settings_while_shown().set_decimals(6);
    w.settings_while_shown().set_exact_fractions(!before.exact_fractions);
    w.settings_while_shown().set_arrowhead(99, 10);
    EXPECT_EQ(number_settings.decimals, 6);
    EXPECT_EQ(arrowhead_length, 99);
    // Another window switches radians meanwhile; that stays as it was left.
    number_settings.radians = !before.radians;
    w.Button3Click();
    EXPECT_EQ(w.result(), 1);
    EXPECT_EQ(number_settings.decimals, before.decimals);
    EXPECT_EQ(number_settings.exact_fractions, before.exact_fractions);
    EXPECT_EQ(arrowhead_length, length);
    EXPECT_EQ(number_settings.radians, !before.radians);
    number_settings = before;
}

TEST_F(Framework, SettingsAlsoComeBackWhenTheWindowIsHidden) {
    const int decimals = number_settings.decimals;
    w.show();
    w.settings_while_shown().set_decimals(decimals + 3);
    w.hide();
    EXPECT_EQ(number_settings.decimals, decimals);
    w.settings_while_shown().restore();  // nothing left to do
    EXPECT_EQ(number_settings.decimals, decimals);
}

}  // namespace
}  // namespace cifrala
