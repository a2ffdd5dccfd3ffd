#pragma once
// The quadratic-inequalities window worked headless, opened as the menu
// opens it, and what its worksheet says read back as the pupil reads it:
// each line as an expression of the program's engine, the two sides, the
// roots and the answer's intervals.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>
#include <cmath>
#include <optional>

#include "drawing/explanation/tekening_form.h"
#include "expr/expression.h"
#include "formula/display_reader.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/common/window_fixture.h"
#include "practice/inequalities/inequalities_form.h"
#include "practice/inequalities/inequalities_texts.h"
#include "text/messages.h"
#include "util/number_settings.h"
#include "util/selection.h"

namespace cifrala::testing {

class InequalitiesFixture : public WindowFixture<TOngelijkhedenForm> {
public:
    InequalitiesFixture() : WindowFixture(7) {
        program_options.show_theory_windows = true;
        open();
    }
    ~InequalitiesFixture() override { hide_explanation_window(); }

    void click(QCheckBox* box) {
        box->setChecked(!box->isChecked());
        if (box == w.CheckBox1) {
            w.CheckBox1Click();
        } else {
            w.graph_box_click();
        }
    }
};

// An expression as the worksheet writes it ("x^2 - 5x + 6"), normalised
// for the engine in the variable x.
inline QString engine_text(QString written) {
    written.remove(QLatin1Char(' '));
    normalise_expression(written, QLatin1Char('x'), QLatin1Char('x'));
    return written;
}

inline std::optional<double> value_at(const QString& normalised, double x) {
    const Evaluation e = evaluate_expression(QLatin1Char('x'), QLatin1Char('x'), normalised, x, x);
    return e.ok() ? std::optional<double>(e.value) : std::nullopt;
}

// A line "left = right" (or < or >): left - right as an engine text.
inline QString difference_text(const QString& line, const QString& sign) {
    const qsizetype at = line.indexOf(QLatin1Char(' ') + sign + QLatin1Char(' '));
    if (at < 0) return {};
    return engine_text(QStringLiteral("(") + line.left(at) + QStringLiteral(")-(") +
                       line.mid(at + 3) + QStringLiteral(")"));
}

// The answer read from the worksheet: open intervals, with infinite ends.
struct Interval {
    double lo, hi;
};

inline std::vector<Interval> answer_intervals(const QStringList& lines) {
    const QString lead = msg(inequalities_messages::kReadAnswer);
    for (const QString& l : lines) {
        if (!l.startsWith(lead)) continue;
        const QString rest = l.mid(lead.size()).trimmed();
        const QString word = QLatin1Char(' ') + msg(inequalities_messages::kOr) + QLatin1Char(' ');
        if (rest.contains(word)) {
            // "x < a of x > b"
            const QStringList two = rest.split(word);
            if (two.size() != 2) return {};
            const double a = two[0].section(QLatin1Char('<'), 1).trimmed().toDouble();
            const double b = two[1].section(QLatin1Char('>'), 1).trimmed().toDouble();
            return {{-INFINITY, a}, {b, INFINITY}};
        }
        // "a < x < b"
        const QStringList sides = rest.split(QStringLiteral(" < "));
        if (sides.size() != 3 || sides[1] != QLatin1String("x")) return {};
        return {{sides[0].toDouble(), sides[2].toDouble()}};
    }
    return {};
}

}  // namespace cifrala::testing
