// Normalisation of a typed expression: bars, names, implicit multiplication.
#include <QList>

#include "expr/expression.h"
#include "expr/function_table.h"
#include "text/messages.h"
#include "text/notify.h"
#include "util/format.h"

namespace cifrala {
namespace {

using expr::code_char;

bool is_digit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// Whether the character before a bar makes it a closing bar: an operand ends
// there.
bool ends_operand(QChar c) {
    const char16_t u = c.unicode();
    return is_digit(c) || u == ')' || u == ',' || u == '.' || u == ']' || (u >= 'a' && u <= 'z') ||
           (u >= 'A' && u <= 'Z');
}

// Pairs the bars by their context: a bar after an operand closes the
// innermost open bar, any other bar opens one. Fills `closing` per bar; false
// when the bars do not pair that way.
bool pair_bars_by_context(const QString& text, const QList<qsizetype>& bars, QList<bool>& closing) {
    int open = 0;
    closing.fill(false, bars.size());
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const qsizetype at = bars[i];
        const bool after_operand = at > 0 && (ends_operand(text[at - 1]) ||
                                              (text[at - 1] == '|' && i > 0 && closing[i - 1]));
        if (after_operand && open > 0) {
            closing[i] = true;
            --open;
        } else {
            ++open;
        }
    }
    return open == 0;
}

// Replaces the bars; false (message shown) when one bar is left unpaired.
bool replace_bars(QString& text) {
    QList<qsizetype> bars;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '|') bars.append(i);
    }
    if (bars.isEmpty()) return true;
    QList<bool> closing;
    const bool even = bars.size() % 2 == 0;
    if (!even || !pair_bars_by_context(text, bars, closing)) {
        // Outermost first: the first and the last bar form a pair, and so on.
        closing.fill(false, bars.size());
        for (qsizetype i = bars.size() - bars.size() / 2; i < bars.size(); ++i)
            closing[i] = true;
    }
    const QString typed = text;
    QString out;
    out.reserve(text.size() + bars.size() * 3);
    qsizetype from = 0;
    for (qsizetype i = 0; i < bars.size(); ++i) {
        out += QStringView(text).mid(from, bars[i] - from);
        const bool middle = !even && i == bars.size() / 2;
        if (middle)
            out += QLatin1Char('|');
        else
            out += closing[i] ? QStringLiteral(")") : QStringLiteral("abs(");
        from = bars[i] + 1;
    }
    out += QStringView(text).mid(from);
    text = out;
    if (!even) {
        show_message(msg(566) + QLatin1Char('\n') + typed);
        return false;
    }
    return true;
}

QChar lower_char(QChar c) {
    const char16_t u = c.unicode();
    return u >= 'A' && u <= 'Z' ? QChar(char16_t(u + 32)) : c;
}

void lower_ascii(QString& text) {
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u >= 'A' && u <= 'Z') c = QChar(char16_t(u + 32));
    }
}

// Replaces every occurrence of `name` by `replacement` (with a "*" in front
// when it lands after ")" or a digit, and behind when it is the number pi and
// a digit follows).
void replace_name(QString& text, QLatin1StringView name, const QString& replacement,
                  bool star_after_digit) {
    qsizetype at = text.indexOf(name);
    if (at < 0) return;
    QString out;
    out.reserve(text.size() + 16);
    qsizetype from = 0;
    while (at >= 0) {
        out += QStringView(text).mid(from, at - from);
        if (!out.isEmpty() && (out.back() == ')' || is_digit(out.back()))) out += QLatin1Char('*');
        out += replacement;
        from = at + name.size();
        if (star_after_digit && from < text.size() && is_digit(text[from])) out += QLatin1Char('*');
        at = text.indexOf(name, from);
    }
    out += QStringView(text).mid(from);
    text = out;
}

// A "*" between every pair (a, b) of neighbours for which `between` holds.
template <typename Pred>
void insert_stars(QString& text, Pred between) {
    qsizetype count = 0;
    for (qsizetype i = 1; i < text.size(); ++i)
        count += between(text, i) ? 1 : 0;
    if (count == 0) return;
    QString out;
    out.reserve(text.size() + count);
    out += text[0];
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (between(text, i)) out += QLatin1Char('*');
        out += text[i];
    }
    text = out;
}

}  // namespace

void normalise_expression(QString& text, QChar var1, QChar var2) {
    if (text.isEmpty()) return;
    // Typed characters of the code block must not pass for codes.
    for (QChar& c : text) {
        if (expr::in_code_block(c)) c = QChar::ReplacementCharacter;
    }
    if (!replace_bars(text)) return;
    lower_ascii(text);

    // Letters present, to skip names that cannot occur.
    quint32 letters = 0;
    for (QChar c : text) {
        if (c.unicode() >= 'a' && c.unicode() <= 'z') letters |= 1u << (c.unicode() - 'a');
    }
    auto may_contain = [&](const char* name) {
        for (const char* p = name; *p; ++p) {
            if (!(letters & (1u << (*p - 'a')))) return false;
        }
        return true;
    };

    const expr::FunctionEntry* table = expr::function_table();
    for (int i = 0; i < expr::function_table_size(); ++i) {
        const expr::FunctionEntry& e = table[i];
        if (!may_contain(e.name)) continue;
        const QLatin1StringView name(e.name);
        if (e.kind == expr::Kind::kConstant && name == QLatin1StringView("pi")) {
            replace_name(text, name, format_real_full(M_PI), true);
        } else if (e.kind == expr::Kind::kConstant) {  // e
            replace_name(text, name, code_char(expr::code::kExp) + QStringLiteral("(1)"), false);
        } else if (e.kind == expr::Kind::kRootSign) {  // v
            if (!text.contains(QLatin1StringView("kgv"))) {
                replace_name(text, name, QString(code_char(expr::code::kSqr)), false);
            }
        } else {
            replace_name(text, name, QString(code_char(e.code)), false);
        }
    }

    text.remove(QLatin1Char(' '));
    lower_ascii(text);
    if (text.isEmpty()) return;

    const QChar v1 = lower_char(var1);
    const QChar v2 = lower_char(var2);
    auto is_var = [&](QChar c) { return !c.isNull() && (c == v1 || c == v2); };
    if (!v1.isNull() || !v2.isNull()) {
        insert_stars(text, [&](const QString& t, qsizetype i) {
            return (is_var(t[i - 1]) && t[i] == '(') || (t[i - 1] == ')' && is_var(t[i]));
        });
    }
    insert_stars(text,
                 [](const QString& t, qsizetype i) { return t[i - 1] == ')' && t[i] == '('; });
    text.replace(QLatin1StringView("--"), QLatin1StringView("+"));
    text.replace(QLatin1StringView("+-"), QLatin1StringView("-"));
    insert_stars(text, [](const QString& t, qsizetype i) {
        return is_digit(t[i - 1]) && t[i] == '(' && !(i >= 2 && t[i - 2] == '[');
    });
    insert_stars(text,
                 [](const QString& t, qsizetype i) { return t[i - 1] == ')' && is_digit(t[i]); });
}

}  // namespace cifrala
