#include "practice/integers/number_line.h"

#include <QPolygon>
#include <cmath>
#include <numeric>

#include "formula/surface.h"
#include "util/random.h"

namespace cifrala {

namespace {

constexpr int kTicks = 100;  // tenths of the ten units
constexpr int kLineY = 10;
const QColor kRed(255, 0, 0);

}  // namespace

void NumberLineExercise::draw() {
    int w = 0, n = 1, d = 10;
    do {
        w = random(10);
        if (random(2) == 0) {
            n = random(9) + 1;
            d = 10;
        } else {
            n = random(19) + 1;
            d = 20;
        }
    } while (!(w + static_cast<double>(n) / d > 0.24 && w + static_cast<double>(n) / d < 9.76));
    set(w, n, d);
}

bool NumberLineExercise::set(int whole, int numerator, int denominator) {
    if (whole < 0 || denominator <= 0 || numerator <= 0 || numerator >= denominator) return false;
    const int g = std::gcd(numerator, denominator);
    whole_ = whole;
    numerator_ = numerator / g;
    denominator_ = denominator / g;
    attempts_ = 0;
    mixed = false;
    return true;
}

double NumberLineExercise::unit(int line_width) {
    return (line_width - 2.0 * kLineMargin) / 10.0;
}

int NumberLineExercise::target_on_line(int line_width) const {
    return static_cast<int>(std::lround(improper_numerator() * unit(line_width) / denominator_)) +
           kLineMargin;
}

bool NumberLineExercise::judge(int x, int line_width) {
    ++attempts_;
    if (!close_enough(x, target_on_line(line_width))) return false;
    attempts_ = kAfterHit;
    return true;
}

void draw_number_line(Surface& line) {
    Surface::Batch batch(line);
    line.clearimage();
    line.set_font_size(14);
    const double u = NumberLineExercise::unit(line.width());
    const int m = NumberLineExercise::kLineMargin;
    line.set_pen(3, Qt::black);
    line.line(m, kLineY, line.width() - m, kLineY);
    line.set_pen(1, Qt::black);
    for (int i = 0; i <= kTicks; ++i) {
        const int x = static_cast<int>(std::lround(i * u / 10)) + m;
        line.line(x, kLineY, x, i % 5 == 0 ? 18 : 15);
    }
    for (int i = 0; i <= 10; ++i) {
        const int x = static_cast<int>(std::lround(i * u)) + m;
        line.line(x, kLineY, x, 20);
        const QString label = QString::number(i);
        line.text_at(x - line.text_width(label) / 2, 20, label);
    }
    line.set_pen(2, Qt::black);
}

void draw_answer_arrow(Surface& line, int target) {
    Surface::Batch batch(line);
    const size_t mark = line.display().size();
    line.set_pen(3, kRed);
    line.line(target, 60, target, 15);
    line.line(target, 15, target - 10, 25);
    line.line(target, 15, target + 10, 25);
    line.set_pen(2, Qt::black);
    line.record(DrawnArrow{QPoint(target, 60), QPoint(target, 15), kRed, {}}, mark);
}

namespace {

// Numerator over denominator at x, the narrower centred over the wider.
void stacked(Surface& card, int x, const QString& top, const QString& bottom, int bar_y) {
    const size_t mark = card.display().size();
    const int wt = card.text_width(top);
    const int wb = card.text_width(bottom);
    const int w = std::max(wt, wb);
    card.text_at(x + (w - wt) / 2, 1, top);
    card.text_at(x + (w - wb) / 2, 38, bottom);
    card.set_pen(2, Qt::black);
    card.line(x, bar_y, x + w, bar_y);
    card.record(DrawnFraction{top, bottom, {}, {}, {}, 1}, mark);
}

}  // namespace

void draw_number_card(Surface& card, const NumberLineExercise& e) {
    Surface::Batch batch(card);
    card.clearimage();
    card.set_pen(2, Qt::black);
    const QString d = QString::number(e.denominator());
    if (e.mixed && e.whole() != 0) {
        const QString w = QString::number(e.whole());
        card.set_font_size(36);
        card.text_at(10, 8, w);
        const int x = 10 + card.text_width(w) + 5;
        card.set_font_size(24);
        stacked(card, x, QString::number(e.numerator()), d, 39);
    } else {
        card.set_font_size(24);
        stacked(card, 32, QString::number(e.improper_numerator()), d, 40);
    }
    const int w = card.width();
    const int h = card.height();
    card.set_pen(3, kRed);
    card.polyline(QPolygon({QPoint(1, 1), QPoint(w - 2, 1), QPoint(w - 2, h / 2),
                            QPoint(w / 2, h - 1), QPoint(1, h / 2), QPoint(1, 1)}));
    card.polyline(QPolygon({QPoint(1, 15), QPoint(15, 15), QPoint(15, 1)}));
    card.set_pen(2, Qt::black);
}

}  // namespace cifrala
