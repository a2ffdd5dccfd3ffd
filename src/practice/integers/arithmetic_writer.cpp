#include "practice/integers/arithmetic_writer.h"

#include <algorithm>

#include "formula/surface.h"
#include "practice/integers/arithmetic_expression.h"

namespace cifrala {

namespace {

// A "-" in this place is the sign of a number, written close to it.
bool sign_place(const QString& e, qsizetype i) {
    if (i == 0) return true;
    return QStringView(u"+-*/(^").contains(e[i - 1]);
}

// A character that is written with a blank in front of it.
bool spaced_operator(const QString& e, qsizetype i) {
    if (i >= e.size()) return true;  // " =" follows
    const QChar c = e[i];
    if (c == QLatin1Char('-')) return !sign_place(e, i);
    return QStringView(u"*+/: ").contains(c);
}

class LineWriter {
public:
    LineWriter(Surface& s, const QString& e, const ExpressionLayout& layout)
        : s_(s), e_(e), layout_(layout) {}

    WrittenLine write() {
        WrittenLine out;
        qsizetype i = 0;
        while (i < e_.size()) {
            const QChar c = e_[i];
            if (is_number_char(c)) {
                i = number(i, out);
                if (out.failed) break;
                continue;
            }
            if (c == QLatin1Char('^')) {
                i = exponent(i + 1);
                continue;
            }
            symbol(i);
            ++i;
        }
        out.finished = is_one_number(e_);
        if (!out.failed && !out.finished) add(QStringLiteral(" ="));
        flush();
        out.right = right_;
        if (out.had_fraction) s_.newline(0.3);
        return out;
    }

private:
    void flush() {
        if (!run_.isEmpty()) {
            s_.my_textout(run_);
            after_blank_ = run_.endsWith(QLatin1Char(' '));
        }
        run_.clear();
        right_ = std::max(right_, s_.cursor.x);
    }

    // A piece of text; two blanks in a row become one.
    void add(const QString& piece) {
        const bool blank = run_.isEmpty() ? after_blank_ : run_.endsWith(QLatin1Char(' '));
        run_ += blank && piece.startsWith(QLatin1Char(' ')) ? piece.mid(1) : piece;
    }

    void symbol(qsizetype i) {
        const QChar c = e_[i];
        const QChar next = i + 1 < e_.size() ? e_[i + 1] : QChar();
        if (c == QLatin1Char('(')) {
            add(QStringLiteral(" ("));
            if (!spaced_operator(e_, i + 1)) run_ += QLatin1Char(' ');
        } else if (c == QLatin1Char(')')) {
            add(QStringLiteral(" )"));
            if (next != QLatin1Char('^') && !spaced_operator(e_, i + 1)) run_ += QLatin1Char(' ');
        } else if (c == QLatin1Char('*')) {
            // 2(3 + 4): a product before a bracket is written without a sign,
            // except at primary-school level and after a fraction.
            if (layout_.primary || next != QLatin1Char('(') || after_decimal(i))
                add(QStringLiteral(" × "));
        } else if (c == QLatin1Char('+')) {
            add(QStringLiteral(" + "));
        } else if (c == QLatin1Char('-')) {
            add(sign_place(e_, i) ? QStringLiteral("-") : QStringLiteral(" - "));
        } else if (c == QLatin1Char('/') || c == QLatin1Char(':')) {
            add(QStringLiteral(" : "));
        } else if (c == kNegativeBase) {
            run_ += QLatin1Char('-');
        } else {
            run_ += c;
        }
    }

    // The number that ends right before `i` is written as a fraction.
    bool after_decimal(qsizetype i) const {
        for (qsizetype j = i - 1; j >= 0 && is_number_char(e_[j]); --j)
            if (e_[j] == QLatin1Char('.')) return true;
        return false;
    }

    // The exponent after "^" as a superscript; returns where the text goes on.
    qsizetype exponent(qsizetype i) {
        qsizetype j = i;
        if (j < e_.size() && e_[j] == QLatin1Char('-')) ++j;
        while (j < e_.size() && is_number_char(e_[j]))
            ++j;
        if (j == i && j < e_.size()) ++j;  // whatever stands there
        flush();
        s_.macht(e_.mid(i, j - i));
        after_blank_ = false;
        right_ = std::max(right_, s_.cursor.x);
        return j;
    }

    qsizetype number(qsizetype i, WrittenLine& out) {
        qsizetype j = i;
        while (j < e_.size() && is_number_char(e_[j]))
            ++j;
        const QString digits = e_.mid(i, j - i);
        if (!digits.contains(QLatin1Char('.'))) {
            run_ += digits;
            return j;
        }
        qint64 p = 0, q = 1;
        if (!decimal_fraction(digits.toDouble(), p, q)) {
            out.failed = true;
            flush();
            return j;
        }
        if (q == 1) {
            run_ += QString::number(p);
            return j;
        }
        const bool before_power = j < e_.size() && e_[j] == QLatin1Char('^');
        if (before_power) run_ += QLatin1Char('(');
        flush();
        if (layout_.mixed_numbers && p > q) {
            s_.my_textout(QString::number(p / q));
            s_.cursor.x += 5;
            s_.breuktxt(QString::number(p % q), QString::number(q));
        } else {
            s_.breuktxt(QString::number(p), QString::number(q));
        }
        right_ = std::max(right_, s_.cursor.x);
        after_blank_ = false;
        out.had_fraction = true;
        if (before_power) run_ += QLatin1Char(')');
        return j;
    }

    Surface& s_;
    const QString& e_;
    const ExpressionLayout& layout_;
    QString run_;
    bool after_blank_ = true;  // a line starts as after a blank
    int right_ = 0;
};

}  // namespace

WrittenLine write_expression(Surface& surface, const QString& expression,
                             const ExpressionLayout& layout) {
    Surface::Batch batch(surface);
    return LineWriter(surface, expression, layout).write();
}

}  // namespace cifrala
