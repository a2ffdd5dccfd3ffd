#pragma once
// A fractions window worked headless: start it as the menu does, work its
// steps, type own exercises, and read what the surface shows.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QStringList>

#include "practice/common/surface_reader.h"
#include "practice/fractions/fractions_form.h"
#include "text/messages.h"
#include "util/random.h"
#include "util/selection.h"

namespace cifrala::testing {

class FractionsFixture : public ::testing::Test {
protected:
    FractionsFixture() { selection.previous_exercise_stored = false; }

    // Free mode: the kind digit and level the pupil picked, then "Breuken".
    void start(QChar digit, int level = 0, quint32 seed = 1) {
        w.choose_kind_digit(digit);
        w.set_level(level);
        seed_random(seed);
        w.start_showing();
        hints << hint_text(w.surface());
    }

    // Presses "Rekenstap" while it is there; returns the number of presses.
    int work_to_end(int limit = 60) {
        int n = 0;
        while (w.step_available() && n < limit) {
            w.Button2Click();
            hints << hint_text(w.surface());
            ++n;
        }
        return n;
    }

    // Preset mode with the kind digit, then an own exercise typed into the
    // fields: whole part, numerator, denominator of each number.
    void type_fractions(QChar digit, const QString& w1, const QString& n1, const QString& d1,
                        const QString& w2, const QString& n2, const QString& d2) {
        open_own(digit);
        w.Edit6->setText(w1);
        w.Edit1->setText(n1);
        w.Edit3->setText(d1);
        w.Edit5->setText(w2);
        w.Edit2->setText(n2);
        w.Edit4->setText(d2);
    }
    void go_fractions() {
        hints.clear();
        w.SpeedButton10Click();
        hints << hint_text(w.surface());
    }
    void type_simplification(const QString& a, const QString& b) {
        open_own(QLatin1Char('6'));
        w.Edit7->setText(a);
        w.Edit8->setText(b);
    }
    void go_simplification() {
        hints.clear();
        w.SpeedButton11Click();
        hints << hint_text(w.surface());
    }
    void open_own(QChar digit) {
        w.set_preset_kind(digit);
        w.start_showing();
        w.SpeedButton9Click();
    }

    QStringList line_texts() const {
        QStringList out;
        for (const Line& l : read_lines(w.surface()))
            out << l.text();
        return out;
    }

    static QString hint(int n) { return msg(n); }
    static QString hint(int n, const QString& param) {
        msg_param1 = param;
        return msg(n);
    }

    TbreukenoefenenForm w;
    QStringList hints;  // the hint line after the first step and after each press
};

}  // namespace cifrala::testing
