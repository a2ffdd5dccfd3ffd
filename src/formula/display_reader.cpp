#include "formula/display_reader.h"

#include <algorithm>

namespace cifrala {

namespace {

// A composite item: its area and the token it reads as. One that lies
// inside a composite drawn after it (a fraction under a root sign, a small
// root in a numerator) belongs to that one and reads only through it.
struct Composite {
    QRect rect;
    int line_y = 0;
    ReadToken token;
    bool nested = false;
};

void mark_nested(std::vector<Composite>& pieces) {
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].line_y < 0) continue;
        for (size_t j = i + 1; j < pieces.size() && !pieces[i].nested; ++j)
            pieces[i].nested = pieces[j].line_y >= 0 && pieces[j].rect.contains(pieces[i].rect);
    }
}

std::vector<Composite> composites(const DisplayList& display) {
    std::vector<Composite> out;
    for (const DrawnItem& item : display.items()) {
        if (const auto* f = std::get_if<DrawnFraction>(&item)) {
            ReadToken t{ReadToken::Fraction, {}, f->top, f->bottom, f->rect.x(), Qt::black, {}};
            if (!f->top_exponent.isEmpty()) t.top += QStringLiteral("^") + f->top_exponent;
            if (!f->bottom_exponent.isEmpty()) t.bottom += QStringLiteral("^") + f->bottom_exponent;
            out.push_back({f->rect, f->line_y, t});
        } else if (const auto* s = std::get_if<DrawnSuperscript>(&item)) {
            out.push_back(
                {s->rect, s->line_y,
                 ReadToken{ReadToken::Superscript, s->text, {}, {}, s->rect.x(), Qt::black, {}}});
        } else if (const auto* r = std::get_if<DrawnRoot>(&item)) {
            out.push_back(
                {r->rect, r->line_y,
                 ReadToken{
                     ReadToken::Root, r->radicand, {}, {}, r->rect.x(), Qt::black, r->index}});
        } else if (const auto* h = std::get_if<DrawnHint>(&item)) {
            // The hint's own run belongs to it and is read by read_hint.
            out.push_back({h->rect, -1, ReadToken{}});
        }
    }
    mark_nested(out);
    return out;
}

void add_token(std::vector<ReadLine>& lines, int y, const ReadToken& token, int tolerance) {
    for (ReadLine& l : lines) {
        if (std::abs(l.y - y) <= tolerance) {
            l.tokens.push_back(token);
            return;
        }
    }
    lines.push_back(ReadLine{y, {token}});
}

// A numerator or denominator that is more than one number keeps its brackets.
QString bracketed(const QString& piece) {
    const QString t = piece.trimmed();
    bool plain = !t.isEmpty();
    for (qsizetype i = 0; i < t.size() && plain; ++i) {
        const QChar c = t[i];
        plain = c.isLetterOrNumber() || c == QLatin1Char(',') || c == QLatin1Char('.') ||
                c == QLatin1Char('^') || (i == 0 && c == QLatin1Char('-'));
    }
    return plain || t.isEmpty() ? t : QLatin1Char('(') + t + QLatin1Char(')');
}

}  // namespace

QString ReadLine::text() const {
    QString out;
    for (const ReadToken& t : tokens) {
        QString piece;
        switch (t.kind) {
            case ReadToken::Fraction:
                piece = bracketed(t.top) + QLatin1Char('/') + bracketed(t.bottom);
                break;
            case ReadToken::Superscript:
                out += QLatin1Char('^') + t.text.trimmed();
                continue;
            case ReadToken::Root:
                piece = QStringLiteral("V") + t.index + QLatin1Char('(') + t.text.trimmed() +
                        QLatin1Char(')');
                break;
            case ReadToken::Text:
                piece = t.text.trimmed();
                break;
        }
        if (piece.isEmpty()) continue;
        if (!out.isEmpty()) out += QLatin1Char(' ');
        out += piece;
    }
    return out;
}

std::vector<ReadLine> read_lines(const DisplayList& display, const ReadOptions& options) {
    const std::vector<Composite> pieces = composites(display);
    std::vector<ReadLine> lines;
    for (const Composite& c : pieces)
        if (c.line_y >= 0 && !c.nested) add_token(lines, c.line_y, c.token, options.tolerance);
    for (const DrawnText& t : display.texts()) {
        if (options.black_only && t.colour != QColor(Qt::black)) continue;
        const bool inside = std::any_of(pieces.begin(), pieces.end(), [&](const Composite& c) {
            return c.rect.contains(t.rect);
        });
        if (inside) continue;
        add_token(lines, t.pos.y(),
                  ReadToken{ReadToken::Text, t.text, {}, {}, t.pos.x(), t.colour, {}},
                  options.tolerance);
    }
    std::sort(lines.begin(), lines.end(),
              [](const ReadLine& a, const ReadLine& b) { return a.y < b.y; });
    for (ReadLine& l : lines)
        std::stable_sort(l.tokens.begin(), l.tokens.end(),
                         [](const ReadToken& a, const ReadToken& b) { return a.x < b.x; });
    return lines;
}

QStringList read_line_texts(const DisplayList& display, const ReadOptions& options) {
    QStringList out;
    for (const ReadLine& l : read_lines(display, options))
        out << l.text();
    return out;
}

QString read_hint(const DisplayList& display) {
    std::vector<DrawnHint> hints = display.hints();
    std::stable_sort(hints.begin(), hints.end(),
                     [](const DrawnHint& a, const DrawnHint& b) { return a.row > b.row; });
    QStringList pieces;
    for (const DrawnHint& h : hints)
        pieces << h.text;
    return pieces.join(QLatin1Char(' '));
}

}  // namespace cifrala
