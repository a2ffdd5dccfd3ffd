#pragma once
// The roots window opened as "Parabolen tekenen" (56) or "Bereken
// functiewaarde" (57) and worked headless. What the pupil sees is read back
// from the worksheet's display list and from the explanation card drawn for
// the exercise as it stands; numbers are checked with the expression engine
// and with exact fractions computed here, never with the code under test.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <cmath>
#include <optional>

#include "drawing/explanation/tekening_form.h"
#include "expr/expression.h"
#include "formula/display_reader.h"
#include "formula/surface_pane.h"
#include "practice/common/window_fixture.h"
#include "practice/roots/function_value_mode.h"
#include "practice/roots/parabola_mode.h"
#include "practice/roots/roots_card_picture.h"
#include "practice/roots/roots_form.h"
#include "text/messages.h"
#include "util/number_settings.h"
#include "util/selection.h"

namespace cifrala::testing {

// f(x) = a x² + b x + c evaluated by the expression engine.
inline double engine_value(double a, double b, double c, double x) {
    QString text = QStringLiteral("(%1)*x^2+(%2)*x+(%3)")
                       .arg(QString::number(a, 'g', 17), QString::number(b, 'g', 17),
                            QString::number(c, 'g', 17));
    normalise_expression(text, QLatin1Char('x'));
    const Evaluation e = evaluate_expression(QLatin1Char('x'), QLatin1Char('x'), text, x, x);
    EXPECT_TRUE(e.ok()) << text.toStdString();
    return e.value;
}

// A line as it reads without its blanks, for comparing with a written text.
inline QString flat(QString text) {
    text.remove(QLatin1Char(' '));
    return text;
}

inline bool near(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

// The tokens of a piece of a line as an expression: texts as they stand
// ("·" as "*"), fractions in brackets, superscripts as powers, and a whole
// number directly followed by a fraction as a mixed number.
inline QString expression_of(const std::vector<ReadToken>& tokens) {
    QString e;
    for (const ReadToken& t : tokens) {
        if (t.kind == ReadToken::Text) {
            QString s = t.text;
            s.replace(QStringLiteral("·"), QStringLiteral("*"));
            e += s;
        } else if (t.kind == ReadToken::Superscript) {
            e += QStringLiteral("^(") + t.text + QStringLiteral(")");
        } else if (t.kind == ReadToken::Fraction) {
            const QString f = QStringLiteral("((") + t.top + QStringLiteral(")/(") + t.bottom +
                              QStringLiteral("))");
            QString trimmed = e;
            while (trimmed.endsWith(QLatin1Char(' ')))
                trimmed.chop(1);
            int k = static_cast<int>(trimmed.size());
            while (k > 0 && trimmed[k - 1].isDigit())
                --k;
            if (k < trimmed.size()) {
                const QString whole = trimmed.mid(k);
                bool negative = k > 0 && trimmed[k - 1] == QLatin1Char('-');
                // A minus that is the sign of the number, not a subtraction.
                if (negative) {
                    QString before = trimmed.left(k - 1).trimmed();
                    negative = before.isEmpty() || before.endsWith(QLatin1Char('(')) ||
                               before.endsWith(QLatin1Char('='));
                }
                const int cut = negative ? k - 1 : k;
                e = trimmed.left(cut) + (negative ? QStringLiteral("(-(") : QStringLiteral("((")) +
                    whole + QStringLiteral("+") + f + QStringLiteral("))");
            } else {
                e += f;
            }
        } else {
            return QString();
        }
    }
    return e;
}

inline std::optional<double> value_of(QString text) {
    text.remove(QLatin1Char(' '));
    if (text.isEmpty()) return std::nullopt;
    normalise_expression(text);
    const Evaluation e = evaluate_expression(QChar(), QChar(), text, 0, 0);
    return e.ok() ? std::optional<double>(e.value) : std::nullopt;
}

// Splits a line at every text "=" into its stages.
inline std::vector<std::vector<ReadToken>> stages_of(const ReadLine& line) {
    std::vector<std::vector<ReadToken>> stages(1);
    for (const ReadToken& t : line.tokens) {
        if (t.kind != ReadToken::Text || !t.text.contains(QLatin1Char('='))) {
            stages.back().push_back(t);
            continue;
        }
        const QStringList pieces = t.text.split(QLatin1Char('='));
        for (int k = 0; k < pieces.size(); ++k) {
            if (k > 0) stages.emplace_back();
            if (!pieces[k].trimmed().isEmpty()) {
                ReadToken piece = t;
                piece.text = pieces[k];
                stages.back().push_back(piece);
            }
        }
    }
    return stages;
}

class RootsFunctionsFixture : public WindowFixture<TwortelsherleidenForm> {
protected:
    explicit RootsFunctionsFixture(int topic) : WindowFixture(topic, QStringLiteral("\n")) {
        w.sequence().instant = true;
        open();
    }

    ParabolaMode& parabola() { return *static_cast<ParabolaMode*>(w.mode()); }
    FunctionValueMode& function_value() { return *static_cast<FunctionValueMode*>(w.mode()); }
    int press() {
        const bool was = w.step_available();
        w.Button2Click();
        return was ? 1 : 0;
    }
    int work_to_end(int limit = 30) { return WindowFixture::work_to_end(limit); }
    std::vector<ReadLine> lines() const { return read_lines(w.surface().display()); }
    // The card of the exercise as it stands, drawn on the explanation
    // window's surface; its lines.
    QStringList card() {
        EXPECT_TRUE(paint_card(w.side_card));
        return read_line_texts(explanation_window()->surface().display());
    }
    QString card_text() { return card().join(QLatin1Char(' ')); }
    QSize card_size() const {
        const Surface& s = explanation_window()->surface();
        return QSize(s.width(), s.height());
    }
};

}  // namespace cifrala::testing
