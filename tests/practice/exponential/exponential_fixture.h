#pragma once
// The exponential-equations window worked headless, opened as the menu
// opens it, and its worksheet read back as the pupil reads it: each stage
// "left = right" as expressions of the program's engine in x.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpression>
#include <cmath>
#include <optional>

#include "expr/expression.h"
#include "formula/display_reader.h"
#include "formula/surface_pane.h"
#include "practice/common/window_fixture.h"
#include "practice/exponential/exponential_form.h"
#include "practice/exponential/exponential_texts.h"
#include "text/messages.h"
#include "util/number_settings.h"
#include "util/selection.h"

namespace cifrala::testing {

class ExponentialFixture : public WindowFixture<TExpverglForm> {
public:
    ExponentialFixture() : WindowFixture(28) {
        program_options.show_theory_windows = true;
        open();
    }
};

// A side as the worksheet reads ("(3·V3(4))/8 · 2^(2x + 3)", "- 1 5/9")
// made an engine text in x.
inline QString engine_text(QString t) {
    static const QRegularExpression mixed(QStringLiteral("(\\d+) (\\d+)/(\\d+)"));
    static const QRegularExpression nth_root(QStringLiteral("V(\\d)\\("));
    t.replace(mixed, QStringLiteral("(\\1+\\2/\\3)"));
    t.replace(QStringLiteral("·"), QStringLiteral("*"));
    // "V3(16)" is the cube root of 16: root(16) written as a power.
    QRegularExpressionMatch m;
    while ((m = nth_root.match(t)).hasMatch()) {
        const qsizetype open = m.capturedEnd() - 1;
        int depth = 0;
        qsizetype close = open;
        for (; close < t.size(); ++close) {
            if (t[close] == QLatin1Char('(')) ++depth;
            if (t[close] == QLatin1Char(')') && --depth == 0) break;
        }
        const QString inner = t.mid(open + 1, close - open - 1);
        t = t.left(m.capturedStart()) + QStringLiteral("((") + inner + QStringLiteral(")^(1/") +
            m.captured(1) + QStringLiteral("))") + t.mid(close + 1);
    }
    t.remove(QLatin1Char(' '));
    normalise_expression(t, QLatin1Char('x'), QLatin1Char('x'));
    return t;
}

inline std::optional<double> value_at(const QString& normalised, double x) {
    const Evaluation e = evaluate_expression(QLatin1Char('x'), QLatin1Char('x'), normalised, x, x);
    return e.ok() && std::isfinite(e.value) ? std::optional<double>(e.value) : std::nullopt;
}

// The stages of a line, cut at " = ".
inline QStringList stages(const QString& line) {
    return line.split(QStringLiteral(" = "));
}

}  // namespace cifrala::testing
