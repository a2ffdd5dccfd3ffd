#pragma once
// The lens formula window worked headless, opened as the menu opens it, and
// what it shows read back: the lines of the worksheet, the value of each
// stage of a line evaluated with the program's expression engine, and exact
// fractions computed here, independently of the window, to check the lens
// formula 1/v + 1/b = 1/f.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRegularExpression>
#include <QToolButton>
#include <numeric>
#include <optional>

#include "expr/expression.h"
#include "formula/display_reader.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/common/window_fixture.h"
#include "practice/lens/lens_form.h"
#include "practice/lens/lens_texts.h"
#include "text/messages.h"
#include "util/number_settings.h"
#include "util/selection.h"

namespace cifrala::testing {

// An exact fraction with a positive denominator (the distances stay small
// enough for 64 bits).
struct Fraction {
    long long p = 0, q = 1;
    static Fraction of(long long p, long long q) {
        if (q < 0) {
            p = -p;
            q = -q;
        }
        const long long g = std::gcd(p, q);
        return g > 1 ? Fraction{p / g, q / g} : Fraction{p, q};
    }
    Fraction operator+(const Fraction& o) const { return of(p * o.q + o.p * q, q * o.q); }
    Fraction operator-(const Fraction& o) const { return of(p * o.q - o.p * q, q * o.q); }
    Fraction inverse() const { return of(q, p); }
    bool operator==(const Fraction& o) const { return p == o.p && q == o.q; }
    double value() const { return static_cast<double>(p) / static_cast<double>(q); }
};

inline std::ostream& operator<<(std::ostream& os, const Fraction& f) {
    return os << f.p << "/" << f.q;
}

// The value of a written stage: numbers, fractions "a/b", mixed numbers
// "5 1/4", signs and brackets; nothing when it holds a letter.
inline std::optional<double> stage_value(QString text) {
    static const QRegularExpression mixed(QStringLiteral("(\\d+) (\\d+)/(\\d+)"));
    text.replace(mixed, QStringLiteral("(\\1+\\2/\\3)"));
    text.remove(QLatin1Char(' '));
    if (text.isEmpty()) return std::nullopt;
    for (QChar c : text)
        if (c.isLetter()) return std::nullopt;
    normalise_expression(text);
    const Evaluation e = evaluate_expression(QChar(), QChar(), text, 0, 0);
    return e.ok() ? std::optional<double>(e.value) : std::nullopt;
}

class LensFixture : public WindowFixture<TLenzenForm> {
public:
    LensFixture() { open(); }

    // Types an own exercise and presses the go button.
    void type(const QString& v, const QString& b, const QString& f) {
        w.SpeedButton12Click();
        w.Edit1->setText(v);
        w.Edit2->setText(b);
        w.Edit3->setText(f);
        w.SpeedButton2->click();
    }
};

}  // namespace cifrala::testing
