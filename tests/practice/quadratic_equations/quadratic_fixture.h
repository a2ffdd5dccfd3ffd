#pragma once
// The quadratic-equations window worked headless, opened as the menu opens
// it, and what it shows read back: the strip's equation as an expression of
// the program's engine, the values the worksheet states after "x =" or
// "x ≈", and the lines of the side panel.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRegularExpression>
#include <optional>

#include "expr/expression.h"
#include "formula/display_reader.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/quadratic_equations/quadratic_form.h"
#include "practice/quadratic_equations/quadratic_texts.h"
#include "text/messages.h"
#include "util/number_settings.h"
#include "util/selection.h"

namespace cifrala::testing {

class QuadraticFixture : public ::testing::Test {
public:
    QuadraticFixture() {
        selection = SelectionValues{};
        selection.topic_code = 26;
        init_number_settings();
        w.apply_preset(Preset::ShowAbcFormula);
        w.start_showing();
    }

    void begin(int A, int B, int C) { w.begin(standard_exercise(A, B, C)); }
    void begin_product(int p, int q, int r, int s, int t, int form = quadratic_form::kProduct) {
        QuadraticExercise e;
        e.form = e.generated_form = form;
        e.p = p;
        e.q = q;
        e.r = r;
        e.s = s;
        e.t = t;
        expand(e);
        e.A0 = e.A;
        e.B0 = e.B;
        e.C0 = e.C;
        w.begin(e);
    }
    int work_to_end(int limit = 10) {
        int n = 0;
        while (w.step_available() && n < limit) {
            w.Button2Click();
            ++n;
        }
        return n;
    }
    // The lines without their blanks (the reader puts one between the runs
    // of a line).
    static QString compact(QString s) {
        s.remove(QLatin1Char(' '));
        return s;
    }
    static QStringList compact(QStringList l) {
        for (QString& s : l)
            s.remove(QLatin1Char(' '));
        return l;
    }
    QStringList sheet() const { return compact(read_line_texts(w.surface().display())); }
    QString sheet_text() const { return sheet().join(QStringLiteral(" | ")); }
    QString hint() const { return read_hint(w.surface().display()); }
    QStringList panel() const { return compact(read_line_texts(w.Image4->surface().display())); }
    QString equation() const {
        return compact(read_line_texts(w.EquationStrip->surface().display()).join(' '));
    }

    TkwadrverglForm w;
};

// The strip's equation "left = right" as the engine's text of left - right
// in the variable x.
inline QString equation_expression(const QString& reading) {
    const qsizetype eq = reading.indexOf(QLatin1String(" = "));
    if (eq < 0) return {};
    QString text = QStringLiteral("(") + reading.left(eq) + QStringLiteral(")-(") +
                   reading.mid(eq + 3) + QStringLiteral(")");
    text.replace(QStringLiteral("·"), QStringLiteral("*"));
    text.remove(QLatin1Char(' '));
    normalise_expression(text, QLatin1Char('x'));
    return text;
}

inline std::optional<double> value_at(const QString& normalised, double x) {
    const Evaluation e = evaluate_expression(QLatin1Char('x'), QLatin1Char('x'), normalised, x, x);
    return e.ok() ? std::optional<double>(e.value) : std::nullopt;
}

// The value of a written number: whole, fraction "(a)/b", mixed "1 1/2",
// root "V(13)", with a sign in front; nothing when it is not a number.
inline std::optional<double> written_value(QString text) {
    static const QRegularExpression mixed(QStringLiteral("(\\d+) (\\(?\\d+\\)?)/(\\d+)"));
    text.replace(mixed, QStringLiteral("(\\1+\\2/\\3)"));
    text.remove(QLatin1Char(' '));
    if (text.isEmpty()) return std::nullopt;
    for (QChar c : text)
        if (c.isLetter() && c != QLatin1Char('V')) return std::nullopt;
    if (text.contains(QChar(0x00B1))) return std::nullopt;  // ±
    normalise_expression(text);
    const Evaluation e = evaluate_expression(QChar(), QChar(), text, 0, 0);
    return e.ok() ? std::optional<double>(e.value) : std::nullopt;
}

// One statement "x = a = b" or "x ≈ a" of the worksheet.
struct Statement {
    QString line;
    std::vector<double> values;  // the value of each stage
    std::vector<QString> stages;
    bool approximate = false;
};

// Every statement about x on the worksheet: each line is cut at the word
// between two solutions, and a piece that begins with "x =" or "x ≈" is a
// statement when its stages are numbers.
inline std::vector<Statement> statements(const DisplayList& display) {
    std::vector<Statement> out;
    const QString word = QLatin1Char(' ') + msg(quadratic_messages::kOr) + QLatin1Char(' ');
    for (const QString& line : read_line_texts(display)) {
        for (QString piece : (line + QLatin1Char(' ')).split(word)) {
            piece = piece.trimmed();
            Statement st;
            st.line = line;
            if (piece.startsWith(QStringLiteral("x ≈"))) {
                st.approximate = true;
                piece = piece.mid(3);
                st.stages = {piece};
            } else if (piece.startsWith(QStringLiteral("x ="))) {
                const QStringList l = piece.mid(3).split(QStringLiteral(" = "));
                st.stages.assign(l.begin(), l.end());
            } else {
                continue;
            }
            // Stages that are formulas rather than numbers ("-b/2a") may
            // come first.
            bool all = true;
            std::vector<QString> numbers;
            for (const QString& s : st.stages) {
                const auto v = written_value(s);
                if (!v) {
                    if (!st.values.empty()) all = false;
                    continue;
                }
                st.values.push_back(*v);
                numbers.push_back(s);
            }
            st.stages = numbers;
            if (all && !st.values.empty()) out.push_back(st);
        }
    }
    return out;
}

inline bool square_free(long long r) {
    for (long long t = 2; t * t <= r; ++t)
        if (r % (t * t) == 0) return false;
    return true;
}

}  // namespace cifrala::testing
