#pragma once
// A long division window worked headless: opened as "Delen" opens it, with
// exercises typed into the own-exercise panel or generated, worked press by
// press; what the pupil sees is read back from the display list.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>

#include "formula/display_list.h"
#include "practice/common/floating_panel.h"
#include "practice/long_division/long_division_form.h"
#include "text/messages.h"
#include "util/number_settings.h"
#include "util/random.h"
#include "util/selection.h"

namespace cifrala::testing {

enum class Method { Classic, Chunks, Both };

class LongDivisionFixture : public ::testing::Test {
protected:
    LongDivisionFixture() {
        selection.previous_exercise_stored = false;
        selection.topic_code = 42;
        w.set_pause_ms(0);
        w.show_division_options();
        w.start_showing();
    }

    void choose(Method m) {
        (m == Method::Chunks ? w.RadioButton4
         : m == Method::Both ? w.RadioButton6
                             : w.RadioButton5)
            ->setChecked(true);
    }

    // "Eigen opgave", the two numbers, go.
    void own(const QString& dividend, const QString& divisor) {
        w.SpeedButton5Click();
        w.Edit2->setText(dividend);
        w.Edit1->setText(divisor);
        w.SpeedButton6Click();
    }

    // Presses "Rekenstap" while it is there; every hint the pupil saw on
    // the way is kept in `hints_seen`.
    int work_to_end(int limit = 400) {
        int n = 0;
        while (w.step_available() && n < limit) {
            w.Button2Click();
            for (const DrawnHint& h : w.surface().display().hints())
                hints_seen << h.text;
            ++n;
        }
        return n;
    }
    bool hint_was_shown(const QString& text) const { return hints_seen.contains(text); }
    QStringList hints_seen;

    // The runs of the top line from left to right: divisor, dividend, then
    // the quotient's digits (and comma, decimals).
    std::vector<DrawnText> top_line() const {
        std::vector<DrawnText> t;
        for (const DrawnText& d : w.surface().display().texts())
            if (d.pos.y() == LongDivisionWorker::kTopY) t.push_back(d);
        std::sort(t.begin(), t.end(),
                  [](const DrawnText& a, const DrawnText& b) { return a.pos.x() < b.pos.x(); });
        return t;
    }
    QString quotient_text() const {
        const std::vector<DrawnText> t = top_line();
        QString q;
        for (size_t i = 2; i < t.size(); ++i)
            q += t[i].text;
        return q;
    }

    bool shows(const Surface& s, const QString& text) const {
        return !s.display().find_texts(text).empty();
    }
    static QString message(int n, const QString& p1 = {}, const QString& p2 = {}) {
        msg_param1 = p1;
        msg_param2 = p2;
        return msg(n);
    }
    // Every text of the worked layout lies wholly on the surface (the hint
    // rows along the bottom edge are the surface's own).
    static bool inside(const Surface& s) {
        const QRect area(0, 0, s.width(), s.height());
        const int hint_rows_top = s.height() - s.style().hint.from_bottom - 2 * s.line_step(1.0);
        for (const DrawnText& t : s.display().texts()) {
            if (t.pos.x() == s.style().hint.margin && t.pos.y() >= hint_rows_top) continue;
            if (!area.contains(t.rect)) {
                ADD_FAILURE() << "outside: \"" << t.text.toStdString() << "\" at " << t.rect.x()
                              << "," << t.rect.y() << " " << t.rect.width() << "x"
                              << t.rect.height();
                return false;
            }
        }
        return true;
    }

    TStaartdeelForm w;
};

}  // namespace cifrala::testing
