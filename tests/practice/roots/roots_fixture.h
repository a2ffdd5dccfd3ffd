#pragma once
// The roots window worked headless: opened as "Wortels herleiden" opens it,
// with generated or given exercises worked press by press; what the pupil
// sees is read back from the display lists of the worksheet and the hint
// area, and the last line is read as a number times a root.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <optional>

#include "formula/display_reader.h"
#include "formula/surface_pane.h"
#include "practice/common/window_fixture.h"
#include "practice/roots/roots_form.h"
#include "practice/roots/roots_mode.h"
#include "text/messages.h"
#include "util/number_settings.h"
#include "util/selection.h"

namespace cifrala::testing {

class RootsFixture : public WindowFixture<TwortelsherleidenForm> {
protected:
    RootsFixture() : WindowFixture(22, QStringLiteral(" ")) {
        w.sequence().instant = true;
        open();
    }

    void primes(bool on) { (on ? w.RadioButton4 : w.RadioButton5)->setChecked(true); }
    void begin(int kind, int P, int Q = 1) { w.roots_mode().begin(RootsExercise{kind, P, Q}); }
    int work_to_end(int limit = 50) { return WindowFixture::work_to_end(limit); }
    QStringList area() { return read_line_texts(w.hint_area().display()); }
    // The roots window writes its hints in the area below the worksheet.
    QString hint() { return read_hint(w.hint_area().display()); }
};

// A number of the form (p/q) * sqrt(r) as the last line shows it.
struct RootValue {
    long long p = 0, q = 1;
    long long r = 1;
};

inline std::optional<long long> whole_number(const QString& text) {
    bool ok = false;
    const long long v = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<long long>(v) : std::nullopt;
}

// "3 V(2)", "V(30)", "7": a coefficient and a radicand.
inline bool read_term(QString text, long long& coefficient, long long& radicand) {
    text = text.trimmed();
    if (text.startsWith('(') && text.endsWith(')')) text = text.mid(1, text.size() - 2).trimmed();
    coefficient = 1;
    radicand = 1;
    const qsizetype root = text.indexOf(QLatin1String("V("));
    if (root >= 0) {
        if (!text.endsWith(')')) return false;
        const auto r = whole_number(text.mid(root + 2, text.size() - root - 3));
        if (!r) return false;
        radicand = *r;
        text = text.left(root).trimmed();
    }
    if (text.isEmpty()) return root >= 0;
    const auto c = whole_number(text);
    if (!c) return false;
    coefficient = *c;
    return true;
}

// What follows the last "=" of the last line (the whole line when it has
// none): a whole number, a fraction whose pieces may hold roots, a root.
inline std::optional<RootValue> last_value(const DisplayList& display) {
    const std::vector<ReadLine> lines = read_lines(display);
    if (lines.empty()) return std::nullopt;
    std::vector<ReadToken> tokens = lines.back().tokens;
    for (size_t i = tokens.size(); i-- > 0;) {
        if (tokens[i].kind == ReadToken::Text && tokens[i].text.contains('=')) {
            tokens.erase(tokens.begin(), tokens.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            break;
        }
    }
    RootValue v;
    long long whole = 0, top = 0, bottom = 1, top_root = 1, bottom_root = 1;
    bool any = false, fraction = false, has_whole = false;
    long long outer_root = 1;
    for (const ReadToken& t : tokens) {
        if (t.kind == ReadToken::Text) {
            const auto n = whole_number(t.text);
            if (!n || has_whole || fraction) return std::nullopt;
            whole = *n;
            has_whole = true;
        } else if (t.kind == ReadToken::Fraction) {
            if (fraction) return std::nullopt;
            if (!read_term(t.top, top, top_root) || !read_term(t.bottom, bottom, bottom_root))
                return std::nullopt;
            fraction = true;
        } else if (t.kind == ReadToken::Root) {
            const auto r = whole_number(t.text);
            if (!r || outer_root != 1) return std::nullopt;
            outer_root = *r;
        } else {
            return std::nullopt;
        }
        any = true;
    }
    if (!any || bottom_root != 1 || bottom == 0) return std::nullopt;
    if (top_root != 1 && outer_root != 1) return std::nullopt;
    if (fraction) {
        v.p = whole * bottom + top;
        v.q = bottom;
    } else {
        v.p = whole;
        v.q = 1;
        if (!has_whole) v.p = 1;
    }
    v.r = top_root != 1 ? top_root : outer_root;
    return v;
}

inline bool square_free(long long r) {
    for (long long t = 2; t * t <= r; ++t)
        if (r % (t * t) == 0) return false;
    return true;
}

inline long long gcd_ll(long long a, long long b) {
    while (b != 0) {
        const long long t = a % b;
        a = b;
        b = t;
    }
    return a < 0 ? -a : a;
}

}  // namespace cifrala::testing
