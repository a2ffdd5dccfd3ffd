#include "practice/common/surface_reader.h"

#include <QStringList>
#include <algorithm>
#include <map>
#include <numeric>

namespace cifrala::testing {

namespace {

constexpr int kHintBand = 45;

bool is_black(const QColor& c) {
    return c == QColor(Qt::black);
}

}  // namespace

QString Line::text() const {
    QStringList parts;
    for (const Token& t : tokens) {
        if (t.fraction) {
            parts << t.top + "/" + t.bottom;
        } else if (!t.text.trimmed().isEmpty()) {
            parts << t.text.trimmed();
        }
    }
    return parts.join(' ');
}

std::vector<Line> read_lines(const Surface& s) {
    const int hint_top = s.height() - kHintBand;
    std::vector<DrawnText> texts;
    for (const DrawnText& t : s.display().texts())
        if (is_black(t.colour) && t.pos.y() < hint_top) texts.push_back(t);
    std::vector<bool> used(texts.size(), false);
    std::map<int, Line> lines;
    for (const DrawnLine& l : s.display().lines()) {
        if (l.width >= 10 || !is_black(l.colour) || l.from.y() != l.to.y()) continue;
        const int base = l.from.y() - 21;
        Token f;
        f.fraction = true;
        f.x = l.from.x();
        for (size_t i = 0; i < texts.size(); ++i) {
            const DrawnText& t = texts[i];
            if (used[i] || t.pos.x() < l.from.x() || t.pos.x() > l.to.x()) continue;
            if (t.pos.y() == base - 12 && f.top.isEmpty()) {
                f.top = t.text;
                used[i] = true;
            } else if (t.pos.y() == base + 26 && f.bottom.isEmpty()) {
                f.bottom = t.text;
                used[i] = true;
            }
        }
        lines[base].y = base;
        lines[base].tokens.push_back(f);
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        if (used[i]) continue;
        Token t;
        t.text = texts[i].text;
        t.x = texts[i].pos.x();
        lines[texts[i].pos.y()].y = texts[i].pos.y();
        lines[texts[i].pos.y()].tokens.push_back(t);
    }
    std::vector<Line> out;
    for (auto& [y, line] : lines) {
        std::sort(line.tokens.begin(), line.tokens.end(),
                  [](const Token& a, const Token& b) { return a.x < b.x; });
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
    Rational part{0, 1};
    bool any = false;
    for (const Token& t : tail) {
        if (t.fraction) {
            bool ok1 = false, ok2 = false;
            const long long p = t.top.toLongLong(&ok1);
            const long long q = t.bottom.toLongLong(&ok2);
            if (!ok1 || !ok2 || q == 0) return std::nullopt;
            part = Rational{p, q};
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
    Rational v = reduce(whole * part.q + part.p, part.q);
    if (negative) v.p = -v.p;
    return v;
}

QString hint_text(const Surface& s) {
    QStringList parts;
    for (const DrawnText& t : s.display().texts())
        if (t.pos.y() >= s.height() - kHintBand) parts << t.text;
    return parts.join(' ');
}

}  // namespace cifrala::testing
