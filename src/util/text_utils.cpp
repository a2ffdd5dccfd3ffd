#include "util/text_utils.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace cifrala {
namespace {

// Reads an integer the way the program's integer conversion does; ok is false
// when any character is left over or no digit was read.
int read_int(const QString& text, bool& ok) {
    ok = false;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    long long value = 0;
    bool any = false;
    constexpr long long kLimit = 1LL << 31;
    for (; i < n; ++i) {
        int d = -1;
        const char16_t c = text[i].unicode();
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0) break;
        any = true;
        value = value * base + d;
        if (value > kLimit) value = kLimit;  // saturate, never overflow
    }
    if (negative) value = -value;
    value = std::max<long long>(std::numeric_limits<int>::min(),
                                std::min<long long>(std::numeric_limits<int>::max(), value));
    ok = any && i == n;
    return static_cast<int>(value);
}

}  // namespace

void remove_spaces(QString& text) {
    text.remove(QLatin1Char(' '));
}

QString to_lower_ascii(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c.unicode() >= 'A' && c.unicode() <= 'Z') c = QChar(c.unicode() + 32);
    }
    return out;
}

QString to_upper_ascii(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c.unicode() >= 'a' && c.unicode() <= 'z') c = QChar(c.unicode() - 32);
    }
    return out;
}

int parse_int(const QString& text) {
    QString t = text;
    while (t.endsWith(' '))
        t.chop(1);
    bool ok;
    return read_int(t, ok);
}

double parse_real(const QString& text) {
    QString t = text.trimmed();
    const qsizetype comma = t.indexOf(',');
    if (comma >= 0) t[comma] = '.';
    // Only plain decimal notation with an optional exponent is accepted
    // (no "inf", "nan" or hexadecimal).
    QByteArray bytes = t.toLatin1();
    for (char c : bytes) {
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' ||
              c == 'e' || c == 'E'))
            return 0;
    }
    const char* begin = bytes.constData();
    const char* end = begin + bytes.size();
    if (begin < end && *begin == '+') ++begin;
    double v = 0;
    const auto r = std::from_chars(begin, end, v);  // independent of the C locale
    if (r.ec != std::errc() || r.ptr != end) return 0;
    return std::isfinite(v) ? v : 0;
}

bool is_integer_text(const QString& text) {
    if (text.isEmpty() || text == QStringLiteral(" ")) return false;
    if (text == QStringLiteral("-")) return true;
    bool ok;
    read_int(text, ok);
    return ok;
}

}  // namespace cifrala
