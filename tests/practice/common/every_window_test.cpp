// The conventions every practice window keeps, checked on every registered
// window and every topic it serves: Page Up starts an exercise, Page Down
// works it to its end, after which "Rekenstap" is gone and "Volgende
// oefening" is back; a new exercise takes the cover sheet away; the help
// button opens the topic's own page; "Stop" closes with result 1; and after
// a switch of language no caption is empty or a diagnostic. A window that
// is registered later joins these tests by being registered.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include "practice/common/floating_panel.h"
#include "practice/common/window_cases.h"
#include "support/message_recorder.h"
#include "text/help.h"
#include "text/language.h"
#include "text/translation.h"

namespace cifrala {
namespace {

using testing::WindowCase;

// No exercise of any topic takes this many presses.
constexpr int kMostSteps = 500;

class EveryWindow : public ::testing::Test {
protected:
    void SetUp() override {
        cases = testing::window_cases();
        ASSERT_FALSE(cases.empty());
    }
    void TearDown() override {
        language_index = 0;
        apply_language();
        close_help();
    }

    // Opened as the menu opens it; the focus where the window puts it.
    std::unique_ptr<PracticeWindow> open(const WindowCase& c) {
        auto w = testing::make_window(c);
        testing::select(c);
        w->show();
        QApplication::processEvents();
        return w;
    }

    static void key(PracticeWindow& w, int k) {
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != &w) target = w.Button1;
        QTest::keyClick(target, static_cast<Qt::Key>(k));
    }

    // Page Down until "Rekenstap" is gone; the number of presses.
    static int work_to_end(PracticeWindow& w) {
        int n = 0;
        while (w.step_available() && n < kMostSteps) {
            key(w, Qt::Key_PageDown);
            ++n;
        }
        return n;
    }

    std::vector<WindowCase> cases;
    testing::MessageRecorder messages;
};

TEST_F(EveryWindow, EveryTopicOfEveryWindowIsAMode) {
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.label());
        auto w = open(c);
        ASSERT_NE(w->mode(), nullptr);
        EXPECT_TRUE(w->serves(c.topic, c.category));
        EXPECT_EQ(w->mode_row()->name, c.mode);
        EXPECT_GT(w->mode()->help_page(), 0);
        EXPECT_FALSE(w->windowTitle().trimmed().isEmpty());
    }
}

TEST_F(EveryWindow, PageUpStartsAndPageDownWorksTheExerciseToItsEnd) {
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.label());
        auto w = open(c);
        for (int round = 0; round < 3; ++round) {
            ASSERT_TRUE(w->next_available());
            key(*w, Qt::Key_PageUp);
            if (c.judged) {
                EXPECT_FALSE(w->step_available());
                EXPECT_TRUE(w->next_available());
                continue;
            }
            EXPECT_TRUE(w->step_available()) << "no step after a new exercise";
            EXPECT_FALSE(w->surface().display().texts().empty());
            const int presses = work_to_end(*w);
            EXPECT_LT(presses, kMostSteps) << "the exercise does not end";
            EXPECT_FALSE(w->Button2->isVisibleTo(w.get())) << "\"Rekenstap\" stays after the end";
            EXPECT_TRUE(w->next_available()) << "\"Volgende oefening\" is not back";
            // Page Down at the end changes nothing.
            const size_t items = w->surface().display().size();
            key(*w, Qt::Key_PageDown);
            EXPECT_EQ(w->surface().display().size(), items);
        }
    }
}

TEST_F(EveryWindow, ANewExerciseTakesTheCoverSheetAway) {
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.label());
        auto w = open(c);
        w->show_cover_sheet();
        if (!w->cover_sheet()->isVisible()) continue;  // a window whose picture has no sheet
        key(*w, Qt::Key_PageUp);
        // A window whose sheet stays over its exercises keeps it until the pupil hides it.
        EXPECT_EQ(w->cover_sheet()->isVisible(), w->cover_sheet_stays());
    }
}

TEST_F(EveryWindow, HelpShowsTheTopicsOwnPage) {
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.label());
        auto w = open(c);
        help_number = 0;
        QTest::mouseClick(w->help_button, Qt::LeftButton);
        EXPECT_EQ(help_number, w->mode()->help_page());
        EXPECT_TRUE(help_open);
        close_help();
    }
}

TEST_F(EveryWindow, StopClosesWithResultOne) {
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.label());
        auto w = open(c);
        key(*w, Qt::Key_PageUp);
        if (w->step_available()) key(*w, Qt::Key_PageDown);
        QTest::mouseClick(w->Button3, Qt::LeftButton);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(w->result(), 1);
    }
}

// What the translation layer or the message lookup writes where a text is
// missing.
bool diagnostic(const QString& text) {
    static const QRegularExpression missing(QStringLiteral("^error [2-8]$"));
    return missing.match(text.trimmed()).hasMatch() || text.contains(QLatin1String("nrnotfound")) ||
           text.contains(QLatin1String("msg error")) ||
           text.contains(QLatin1String("missing file"));
}

void expect_readable_captions(PracticeWindow& w) {
    EXPECT_FALSE(w.windowTitle().trimmed().isEmpty());
    EXPECT_FALSE(diagnostic(w.windowTitle())) << w.windowTitle().toStdString();
    for (QWidget* c : w.findChildren<QWidget*>()) {
        const QString caption = control_caption(c);
        EXPECT_FALSE(diagnostic(caption))
            << c->objectName().toStdString() << ": " << caption.toStdString();
        EXPECT_FALSE(diagnostic(c->toolTip()))
            << c->objectName().toStdString() << ": " << c->toolTip().toStdString();
        // Buttons and groups that show a caption must have one.
        if (!c->isVisibleTo(&w)) continue;
        if (auto* b = qobject_cast<QAbstractButton*>(c); b && b->icon().isNull()) {
            EXPECT_FALSE(b->text().trimmed().isEmpty()) << b->objectName().toStdString();
        }
        if (auto* g = qobject_cast<QGroupBox*>(c)) {
            EXPECT_FALSE(g->title().trimmed().isEmpty()) << g->objectName().toStdString();
        }
    }
}

TEST_F(EveryWindow, AfterALanguageSwitchNoCaptionIsEmptyOrADiagnostic) {
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.label());
        auto w = open(c);
        key(*w, Qt::Key_PageUp);
        for (int language : {1, 0}) {
            language_index = language;
            apply_language();
            SCOPED_TRACE(language == 1 ? "English" : "Dutch");
            expect_readable_captions(*w);
        }
    }
}

TEST_F(EveryWindow, TheTitleFollowsTheLanguageWhileShown) {
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.label());
        auto w = open(c);
        const QString dutch = w->windowTitle();
        language_index = 1;
        apply_language();
        const QString english = w->windowTitle();
        language_index = 0;
        apply_language();
        EXPECT_EQ(w->windowTitle(), dutch);
        EXPECT_FALSE(english.isEmpty());
    }
}

}  // namespace
}  // namespace cifrala
