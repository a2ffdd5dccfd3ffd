#include "practice/roots/roots_hints.h"

#include <QRect>

#include "formula/surface.h"
#include "practice/roots/roots_exercise.h"
#include "practice/roots/roots_style.h"
#include "text/messages.h"

namespace cifrala {

using namespace roots_hint_messages;

namespace {

const QString kIs = QStringLiteral(" = ");
const QString kTimes = QStringLiteral(" × ");

bool hints_shown(const Surface& area) {
    return !area.hints_enabled || area.hints_enabled();
}

// A number with an exponent written as a superscript when it exceeds 1.
void power(Surface& area, int base, int exponent) {
    area.my_textout(int_text(base));
    if (exponent > 1) area.in_de_macht(exponent);
}

// 72 = 2×2×2×3×3, and under its " = ": = 2³ × 3² = 2² × 3² × 2 = 4 × 9 × 2.
void prime_lines(Surface& area, int n) {
    const QString number = int_text(n);
    QString factors;
    for (int p : prime_factors(n)) {
        if (!factors.isEmpty()) factors += QStringLiteral("×");
        factors += int_text(p);
    }
    area.my_textout(number + kIs + factors);
    const SquarePart sr = square_part(n);
    if (sr.s == 1) {
        area.newline();
        area.my_textout(msg(kNoPairOfPrimes));
        return;
    }
    const int under_is = area.style().frame.left_margin + area.text_width(number);
    area.newline();
    area.cursor.x = under_is;
    area.my_textout(kIs);
    bool first = true;
    for (const PrimePower& pp : prime_powers(n)) {
        if (!first) area.my_textout(kTimes);
        first = false;
        power(area, pp.prime, pp.exponent);
    }
    const SquareFactors sf = square_factors(n);
    area.my_textout(kIs);
    for (size_t i = 0; i < sf.squares.size(); ++i) {
        if (i > 0) area.my_textout(kTimes);
        power(area, whole_root(sf.squares[i]), 2);
    }
    if (sf.rest > 1) area.my_textout(kTimes + int_text(sf.rest));
    QString numbers;
    for (int f : sf.squares)
        numbers += (numbers.isEmpty() ? QString() : kTimes) + int_text(f);
    if (sf.rest > 1) numbers += kTimes + int_text(sf.rest);
    area.my_textout(kIs + numbers);
}

// 36 is a square: / 36 = 6²; or 12 = 2² × 3 = 4 × 3; or 6 has no square factor.
void square_lines(Surface& area, int n) {
    const QString number = int_text(n);
    const SquarePart sr = square_part(n);
    if (sr.r == 1) {
        area.my_textout(number + QLatin1Char(' ') + msg(kIsASquare) + QLatin1Char(':'));
        area.newline();
        area.my_textout(number + kIs);
        power(area, sr.s, 2);
        return;
    }
    if (sr.s == 1) {
        area.my_textout(number + QLatin1Char(' ') + msg(kNoSquareFactor));
        return;
    }
    area.my_textout(number + kIs);
    power(area, sr.s, 2);
    area.my_textout(kTimes + int_text(sr.r) + kIs + int_text(sr.S()) + kTimes + int_text(sr.r));
}

}  // namespace

void toonhelp(Surface& area, int n, bool keep_factorization) {
    if (!keep_factorization) area.clearimage();
    if (!hints_shown(area)) return;
    area.toonhint(n);
}

void redraw_hint(Surface& area, int n) {
    area.toonhint(n);
}

void ontbindenhelp(Surface& area, int n, bool prime_factors) {
    if (n <= 0) return;
    Surface::Batch batch(area);
    area.fill_rect(QRect(0, 0, area.width(), kWortelsHintY), area.background());
    area.set_pen(area.style().frame.pen_after, Qt::black);
    area.cursor = {area.style().frame.start_x, area.style().frame.start_y};
    if (prime_factors) {
        prime_lines(area, n);
    } else {
        square_lines(area, n);
    }
}

}  // namespace cifrala
