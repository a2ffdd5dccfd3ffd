#include "practice/quadratic_equations/factor_pair_panel.h"

#include "formula/surface.h"
#include "practice/quadratic_equations/quadratic_texts.h"
#include "text/messages.h"

namespace cifrala {

namespace {

constexpr int kHeaderX = 10;
constexpr int kHeaderY = 1;
constexpr int kDoubleRootHeaderY = 10;
constexpr int kDoubleRootFirstLine = 40;
constexpr int kPairX = 25;

QString pair_line(const FactorPairLine& l) {
    return int_text(l.first) + QStringLiteral(" × ") + int_text(l.second) + QStringLiteral("  (") +
           int_text(l.first) + QLatin1Char('+') + int_text(l.second) + QLatin1Char('=') +
           int_text(l.first + l.second) + QLatin1Char(')');
}

QString found_line(const FactorPairLine& l, long long B) {
    return int_text(l.first) + QStringLiteral(" + ") + int_text(l.second) + QStringLiteral(" = ") +
           int_text(B);
}

// The listing at the current font size; false when it ran past the bottom.
bool write_listing(Surface& panel, const FactorPairSearch& f, long long B, long long C,
                   bool measure) {
    const int h = panel.text_height();
    auto put = [&](int x, int at, const QString& text) {
        if (!measure) panel.text_at(x, at, text);
    };
    int y = f.double_root ? kDoubleRootHeaderY : kHeaderY;
    put(kHeaderX, y, int_text(C) + (f.double_root ? QStringLiteral("=") : QStringLiteral(" =")));
    y = f.double_root ? kDoubleRootFirstLine : y + h;
    bool fits = true;
    auto line = [&](const QString& text, bool red) {
        if (y + h > panel.height()) {
            fits = false;
            return;
        }
        // A pair that is too wide also asks for a smaller font.
        if (kPairX + panel.text_width(text) > panel.width()) fits = false;
        panel.set_font_colour(red ? QColor(Qt::red) : QColor(Qt::black));
        put(kPairX, y, text);
        y += h;
    };
    for (const FactorPairLine& l : f.lines)
        line(l.red ? found_line(l, B) : pair_line(l), l.red);
    if (!f.found) {
        // The advice is a sentence: it goes on over as many lines as it needs.
        QString current;
        for (const QString& word : msg(quadratic_messages::kNoWholePair).split(QLatin1Char(' '))) {
            const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && kPairX + panel.text_width(longer) > panel.width()) {
                line(current, true);
                current = word;
            } else {
                current = longer;
            }
        }
        if (!current.isEmpty()) line(current, true);
    }
    panel.set_font_colour(Qt::black);
    return fits;
}

}  // namespace

void write_factor_pairs(Surface& panel, const FactorPairSearch& search, long long B, long long C) {
    Surface::Batch batch(panel);
    int size = kFactorPanelFontSize;
    panel.clearimage();
    panel.set_font_size(size);
    // Smaller until the whole listing fits, or as small as it goes.
    while (size > kFactorPanelSmallestFont && !write_listing(panel, search, B, C, true))
        panel.set_font_size(--size);
    write_listing(panel, search, B, C, false);
}

}  // namespace cifrala
