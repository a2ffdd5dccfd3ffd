#include "practice/roots/equations/factor_pair_listing.h"

#include <cmath>

#include "formula/surface.h"
#include "practice/roots/equations/equation_writing.h"
#include "text/messages.h"

namespace cifrala {

namespace {

constexpr int kProductMessage = 2053;
constexpr int kSumMessage = 2054;
constexpr int kLeft = 10;
constexpr int kSumColumn = 150;

long long truncated_root(long long x) {
    long long r = static_cast<long long>(std::sqrt(static_cast<double>(x)));
    while (r * r > x)
        --r;
    while ((r + 1) * (r + 1) <= x)
        ++r;
    return r;
}

// newline3: down by 1.2 times the height of "w", back to x = 10.
void newline3(Surface& s) {
    s.newline(1.0);
    s.cursor.x = kLeft;
}

}  // namespace

std::vector<FactorPair> factor_pairs(long long x, long long sum) {
    std::vector<FactorPair> pairs;
    const auto add = [&](long long d) {
        if (d != 0 && x % d == 0) pairs.push_back({d, x / d, d + x / d == sum});
    };
    if (x > 0) {
        const long long root = truncated_root(x);
        for (long long d = 1; d <= root; ++d)
            add(d);
        for (long long d = -1; d >= -root; --d)
            add(d);
    } else if (x < 0) {
        for (long long d = 1; d <= -x; ++d)
            add(d);
    }
    return pairs;
}

std::optional<FactorPair> marked_pair(const std::vector<FactorPair>& pairs) {
    for (const FactorPair& p : pairs)
        if (p.red) return p;
    return std::nullopt;
}

void write_factor_pair_header(Surface& panel) {
    panel.clearimage();
    panel.cursor = {kLeft, kLeft};
    panel.my_textout(msg(kProductMessage));
    panel.cursor.x = kSumColumn;
    panel.my_textout(msg(kSumMessage));
}

void write_factor_pair_line(Surface& panel, const FactorPair& p) {
    Surface::Batch batch(panel);
    newline3(panel);
    panel.set_font_colour(p.red ? QColor(Qt::red) : QColor(Qt::black));
    panel.my_textout(number_text(p.d) + QStringLiteral(" ") + QChar(215) + QStringLiteral(" ") +
                     number_text(p.f));
    panel.cursor.x = kSumColumn;
    panel.my_textout(number_text(p.d) + QStringLiteral(" + ") + number_text(p.f) +
                     QStringLiteral(" = ") + number_text(p.d + p.f));
    panel.set_font_colour(Qt::black);
}

int write_factor_pair_lines(Surface& panel, const std::vector<FactorPair>& pairs, int count) {
    write_factor_pair_header(panel);
    int i = 0;
    for (const FactorPair& p : pairs) {
        if (count >= 0 && i++ >= count) break;
        write_factor_pair_line(panel, p);
    }
    newline3(panel);
    return panel.cursor.y;
}

}  // namespace cifrala
