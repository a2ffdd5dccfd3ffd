#include "practice/quadratic_equations/quadratic_writing.h"

#include <algorithm>
#include <cstdlib>

#include "formula/surface.h"

namespace cifrala {

using namespace quadratic_form;

namespace {

const QString kIs = QStringLiteral(" = ");
const QString kPlus = QStringLiteral(" + ");
const QString kMinus = QStringLiteral(" - ");

// Root signs: over a number in the line's size, and inside a numerator.
constexpr double kLineRootScale = 0.7;
constexpr int kLineRootCornerDy = -3;
constexpr double kFractionRootScale = 0.5;
constexpr int kFractionRootCornerDy = -2;
constexpr int kCoefficientGap = 3;
// A numerator with a root sits a little higher, clear of the bar.
constexpr int kRootTopLift = 3;

void write_power(Surface& s, int power) {
    if (power == 0) return;
    s.my_textout(QStringLiteral("x"));
    if (power == 2) s.in_de_machttxt(QStringLiteral("2"));
}

void write_pieces(Surface& s, const std::vector<FormulaPiece>& pieces, double scale,
                  int corner_dy) {
    for (const FormulaPiece& p : pieces) {
        if (!p.text.isEmpty()) s.my_textout(p.text);
        // A coefficient stands a little apart from its root sign.
        if (!p.text.isEmpty() && p.text.back().isDigit() && !p.radicand.isEmpty())
            s.cursor.x += kCoefficientGap;
        if (!p.radicand.isEmpty()) s.worteluittxt(p.radicand, scale, corner_dy);
    }
}

int pieces_width(Surface& s, const std::vector<FormulaPiece>& pieces) {
    const bool was = s.measure_only;
    const FormulaCursor c = s.cursor;
    s.measure_only = true;
    write_pieces(s, pieces, kFractionRootScale, kFractionRootCornerDy);
    const int w = s.cursor.x - c.x;
    s.cursor = c;
    s.measure_only = was;
    return w;
}

QString pieces_reading(const std::vector<FormulaPiece>& pieces) {
    QString out;
    for (const FormulaPiece& p : pieces) {
        out += p.text;
        if (!p.radicand.isEmpty()) out += QStringLiteral("V(") + p.radicand + QLatin1Char(')');
    }
    return out.trimmed();
}

// A factor of the product form: its constant when it has no x, its x-term
// without brackets when it has no constant, else the bracket.
bool bare_factor(long long p, long long q) {
    return p == 0 || q == 0;
}

// A factor after another one: a bare factor with a minus sign gets
// brackets, so that the product does not read as a difference.
void write_factor(Surface& s, long long p, long long q, bool second = false) {
    const bool negative_bare = bare_factor(p, q) && (p == 0 ? q < 0 : p < 0);
    if (second && negative_bare) {
        s.my_textout(QStringLiteral("("));
        write_factor(s, p, q);
        s.my_textout(QStringLiteral(")"));
    } else if (p == 0) {
        s.my_textout(int_text(q));
    } else if (q == 0) {
        write_leading_term(s, p, 1);
    } else {
        s.my_textout(QStringLiteral("("));
        write_linear(s, p, q);
        s.my_textout(QStringLiteral(")"));
    }
}

}  // namespace

void write_leading_term(Surface& s, long long coefficient, int power) {
    if (coefficient == 0) return;
    if (power == 0) {
        s.my_textout(int_text(coefficient));
        return;
    }
    if (coefficient == -1) {
        s.my_textout(QStringLiteral("-"));
    } else if (coefficient != 1) {
        s.my_textout(int_text(coefficient));
    }
    write_power(s, power);
}

void write_further_term(Surface& s, long long coefficient, int power) {
    if (coefficient == 0) return;
    s.my_textout(coefficient < 0 ? kMinus : kPlus);
    const long long a = std::llabs(coefficient);
    if (a != 1 || power == 0) s.my_textout(int_text(a));
    write_power(s, power);
}

void write_polynomial(Surface& s, long long A, long long B, long long C) {
    Surface::Batch batch(s);
    const long long c[3] = {A, B, C};
    bool first = true;
    for (int i = 0; i < 3; ++i) {
        if (c[i] == 0) continue;
        if (first) {
            write_leading_term(s, c[i], 2 - i);
        } else {
            write_further_term(s, c[i], 2 - i);
        }
        first = false;
    }
    if (first) s.my_textout(QStringLiteral("0"));
}

void write_linear(Surface& s, long long p, long long q) {
    Surface::Batch batch(s);
    if (p == 0) {
        s.my_textout(int_text(q));
        return;
    }
    write_leading_term(s, p, 1);
    write_further_term(s, q, 0);
}

void write_equation(Surface& s, const QuadraticExercise& e) {
    Surface::Batch batch(s);
    switch (e.form) {
        case kProductZero:
            s.my_textout(QStringLiteral("("));
            write_linear(s, e.p, e.q);
            s.my_textout(QStringLiteral(")("));
            write_linear(s, e.r, e.s);
            s.my_textout(QStringLiteral(") = 0"));
            break;
        case kSquare:
            s.my_textout(QStringLiteral("("));
            write_linear(s, e.p, e.q);
            s.my_textout(QStringLiteral(")"));
            s.in_de_machttxt(QStringLiteral("2"));
            s.my_textout(kIs + int_text(static_cast<long long>(e.r) * e.r));
            break;
        case kProduct:
            write_factor(s, e.p, e.q);
            // Two bare factors side by side would read as one term.
            if (bare_factor(e.p, e.q) && bare_factor(e.r, e.s)) s.my_textout(QStringLiteral(" · "));
            write_factor(s, e.r, e.s, true);
            s.my_textout(kIs + int_text(e.t));
            break;
        default:
            write_polynomial(s, e.A, e.B, e.C);
            s.my_textout(QStringLiteral(" = 0"));
            break;
    }
}

QString bracketed(long long n) {
    return n < 0 ? QStringLiteral("(") + int_text(n) + QStringLiteral(")") : int_text(n);
}

void write_stage(Surface& s, const RootStage& st) {
    Surface::Batch batch(s);
    if (st.negative) s.my_textout(QStringLiteral("-"));
    switch (st.kind) {
        case RootStage::Whole:
            s.my_textout(int_text(st.whole));
            break;
        case RootStage::Mixed:
            s.breuk_abc(static_cast<int>(st.whole), static_cast<int>(st.numerator),
                        static_cast<int>(st.denominator));
            break;
        case RootStage::Fraction:
            // As it stands: the signs stay where they are.
            s.breuktxt(int_text(st.numerator), int_text(st.denominator));
            break;
    }
}

void write_root(Surface& s, long long n, long long d, bool reduced_only) {
    Surface::Batch batch(s);
    std::vector<RootStage> stages = root_stages(n, d);
    if (reduced_only && stages.size() > 1) stages.erase(stages.begin());
    for (size_t i = 0; i < stages.size(); ++i) {
        if (i > 0) s.my_textout(kIs);
        write_stage(s, stages[i]);
    }
}

void write_fraction_with_roots(Surface& s, const std::vector<FormulaPiece>& top,
                               const QString& bottom) {
    Surface::Batch batch(s);
    if (bottom.isEmpty()) {
        write_pieces(s, top, kLineRootScale, kLineRootCornerDy);
        return;
    }
    const FractionStyleA& st = s.style().fraction;
    const int applied = s.shrink_font(st.shrink);
    const int wn = pieces_width(s, top);
    const int wd = s.text_width(bottom);
    const int x = s.cursor.x;
    const int y = s.cursor.y;
    const bool has_root = std::any_of(top.begin(), top.end(),
                                      [](const FormulaPiece& p) { return !p.radicand.isEmpty(); });
    const int w = std::max(wn, wd);
    const size_t mark = s.display().size();
    s.cursor = {x + (w - wn) / 2, y + st.top_offset - (has_root ? kRootTopLift : 0)};
    write_pieces(s, top, kFractionRootScale, kFractionRootCornerDy);
    s.cursor = {x + (w - wd) / 2, y + st.bottom_offset};
    s.my_textout(bottom);
    if (!s.measure_only) s.line(x, y + st.bar_offset, x + w, y + st.bar_offset);
    s.record(DrawnFraction{pieces_reading(top), bottom, {}, {}, {}, y}, mark);
    s.restore_font(applied);
    s.cursor = {x + w + st.gap_after, y};
}

void write_root_sign(Surface& s, const QString& radicand) {
    s.worteluittxt(radicand, kLineRootScale, kLineRootCornerDy);
}

}  // namespace cifrala
