#include "practice/common/surface_reader.h"

#include "formula/display_reader.h"

#include <QStringList>
#include <algorithm>
#include <numeric>

namespace cifrala::testing {

QString Line::text() const {
    QStringList pieces;
    for (const Token& t : tokens) {
        if (t.fraction) {
            pieces << t.top + "/" + t.bottom;
        } else if (!t.text.trimmed().isEmpty()) {
            pieces << t.text.trimmed();
        }
    }
    return pieces.join(' ');
}

std::vector<Line> read_lines(const Surface& s) {
    ReadOptions options;
    options.black_only = true;
    std::vector<Line> out;
    for (const ReadLine& l : cifrala::read_lines(s.display(), options)) {
        Line line;
        line.y = l.y;
        for (const ReadToken& t : l.tokens) {
            Token token;
            token.fraction = t.kind == ReadToken::Fraction;
            token.text = t.text;
            token.top = t.top;
            token.bottom = t.bottom;
            token.x = t.x;
            line.tokens.push_back(token);
        }
        out.push_back(line);
    }
    return out;
}

Rational reduce(long long p, long long q) {
    if (q < 0) {
        p = -p;
        q = -q;
    }
    const long long g = std::gcd(p, q);
    if (g > 1) {
        p /= g;
        q /= g;
    }
    if (p == 0) q = 1;
    return Rational{p, q};
}

std::optional<Rational> final_value(const Surface& s) {
    const auto lines = read_lines(s);
    if (lines.empty()) return std::nullopt;
    const auto& tokens = lines.back().tokens;
    // The pieces after the last "=".
    std::vector<Token> tail;
    for (const Token& t : tokens) {
        if (!t.fraction && t.text.contains('=')) {
            tail.clear();
            const QString rest = t.text.mid(t.text.lastIndexOf('=') + 1).trimmed();
            if (!rest.isEmpty()) tail.push_back(Token{false, rest, {}, {}, t.x});
        } else {
            tail.push_back(t);
        }
    }
    bool negative = false;
    long long whole = 0;
    Rational piece{0, 1};
    bool any = false;
    for (const Token& t : tail) {
        if (t.fraction) {
            bool ok1 = false, ok2 = false;
            const long long p = t.top.toLongLong(&ok1);
            const long long q = t.bottom.toLongLong(&ok2);
            if (!ok1 || !ok2 || q == 0) return std::nullopt;
            piece = Rational{p, q};
            any = true;
            continue;
        }
        QString text = t.text.trimmed();
        if (text.startsWith('-')) {
            negative = !negative;
            text = text.mid(1).trimmed();
        }
        if (text.isEmpty()) continue;
        bool ok = false;
        whole = text.toLongLong(&ok);
        if (!ok) return std::nullopt;
        any = true;
    }
    if (!any) return std::nullopt;
    Rational v = reduce(whole * piece.q + piece.p, piece.q);
    if (negative) v.p = -v.p;
    return v;
}

QString hint_text(const Surface& s) {
    return read_hint(s.display());
}

}  // namespace cifrala::testing
