#include "drawing/cards/roots_cards.h"

#include <algorithm>

#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "util/format.h"

namespace cifrala {

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 330;
// The squares of 1 to 18 in three columns.
constexpr int kColumns = 3;
constexpr int kRows = 6;
constexpr int kLeft = 12;
constexpr int kMinColumnGap = 8;

const QString kIs = QStringLiteral(" = ");

void write_example(TtekeningForm& w) {
    w.worteluittxt(QStringLiteral("12"));
    w.my_textout_2(kIs);
    w.worteluittxt(QStringLiteral("4·3"));
    w.my_textout_2(kIs + QStringLiteral("2"));
    w.worteluittxt(QStringLiteral("3"));
}

// n² = n·n, the result lined up at the right of its column.
void write_square(TtekeningForm& w, int n, int x, int result_right) {
    Surface& s = w.surface();
    s.cursor.x = x;
    w.my_textout_2(int_to_text(n));
    w.in_de_machttxt(QStringLiteral("2"));
    w.my_textout_2(kIs);
    const QString square = int_to_text(n * n);
    s.cursor.x = std::max(s.cursor.x, result_right - s.text_width(square));
    w.my_textout_2(square);
}

// The width of the widest entry, 18² = 324.
int entry_width(TtekeningForm& w) {
    Surface& s = w.surface();
    s.measure_only = true;
    s.cursor.x = 0;
    write_square(w, kColumns * kRows, 0, 0);
    s.measure_only = false;
    return s.cursor.x;
}

void paint_roots(TtekeningForm& w, const CardRequest&) {
    w.init(kWidth, kHeight);
    // The columns share the card's width; a card too narrow for them grows.
    const int entry = entry_width(w);
    const int gap =
        std::max(kMinColumnGap, (kWidth - 2 * kLeft - kColumns * entry) / (kColumns - 1));
    const int needed = 2 * kLeft + kColumns * entry + (kColumns - 1) * gap;
    if (needed > kWidth) w.init(needed, kHeight);
    Surface& s = w.surface();
    s.cursor = {kLeft, 16};
    write_example(w);
    w.newline(1.8);
    const int top = s.cursor.y;
    for (int col = 0; col < kColumns; ++col) {
        const int x = kLeft + col * (entry + gap);
        s.cursor.y = top;
        for (int row = 0; row < kRows; ++row) {
            write_square(w, col * kRows + row + 1, x, x + entry);
            w.newline(1);
        }
    }
}

}  // namespace

void register_roots_cards() {
    register_explanation_card(22, {paint_roots});
}

}  // namespace cifrala
