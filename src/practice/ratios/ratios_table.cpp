#include "practice/ratios/ratios_table.h"

#include <cmath>
#include <limits>

#include "util/format.h"
#include "util/integer_math.h"
#include "util/random.h"
#include "util/text_utils.h"

namespace cifrala {

bool RatioTable::right(int column, double x) const {
    if (column < 0 || column > 2 || k1 == 0) return false;
    return std::fabs(x * k2 / k1 - upper[static_cast<size_t>(column)]) < 0.00001;
}

int RatioTable::base_divisor() const {
    const int b = gcd(upper[static_cast<size_t>(given)], lower[static_cast<size_t>(given)]);
    return b > 0 ? b : 1;
}

int RatioTable::base_upper() const {
    return upper[static_cast<size_t>(given)] / base_divisor();
}

int RatioTable::base_lower() const {
    return lower[static_cast<size_t>(given)] / base_divisor();
}

int RatioTable::factor_from_base(int column) const {
    const int b = base_upper();
    return b > 0 ? upper[static_cast<size_t>(column)] / b : 0;
}

RatioLevel ratio_level(int level) {
    switch (level) {
        case 1:
            return {19, 10};
        case 2:
            return {59, 15};
        default:
            return {9, 5};
    }
}

RatioTable generate_ratio_table(int level) {
    const RatioLevel r = ratio_level(level);
    std::array<int, 3> t{};
    t[0] = random(r.max_base) + 1;
    do {
        t[1] = random(r.max_base) + 1;
    } while (t[1] == t[0]);
    do {
        t[2] = random(r.max_base) + 1;
    } while (t[2] == t[0] || t[2] == t[1]);

    RatioTable table;
    table.k1 = random(r.k_count) + 2;
    do {
        table.k2 = random(r.k_count) + 2;
    } while (table.k2 == table.k1);
    for (size_t i = 0; i < 3; ++i) {
        table.lower[i] = t[i] * table.k1;
        table.upper[i] = t[i] * table.k2;
    }
    table.given = random(3);
    const auto g = static_cast<size_t>(table.given);
    if (gcd(table.upper[g], table.lower[g]) <= 1) {
        for (size_t i = 0; i < 3; ++i) {
            table.upper[i] *= 2;
            table.lower[i] *= 2;
        }
    }
    return table;
}

OwnTableResult complete_own_table(const std::array<int, 3>& upper, int given, int given_lower,
                                  RatioTable& table) {
    if (given < 0 || given > 2 || given_lower <= 0) return OwnTableResult::NotPositive;
    for (int u : upper)
        if (u <= 0) return OwnTableResult::NotPositive;
    const auto g = static_cast<size_t>(given);
    std::array<int, 3> lower{};
    for (size_t j = 0; j < 3; ++j) {
        // In 64 bits: the product of two typed numbers does not fit in 32.
        const qint64 product = static_cast<qint64>(upper[j]) * given_lower;
        if (product % upper[g] != 0) return OwnTableResult::NotWhole;
        const qint64 l = product / upper[g];
        if (l > std::numeric_limits<int>::max()) return OwnTableResult::TooLarge;
        lower[j] = static_cast<int>(l);
    }
    RatioTable t;
    t.upper = upper;
    t.lower = lower;
    t.given = given;
    // The smallest k2 >= 1 with lower_1 * k2 divisible by upper_1.
    const int d = gcd(lower[0], upper[0]);
    t.k2 = upper[0] / d;
    t.k1 = lower[0] / d;
    table = t;
    return OwnTableResult::Ok;
}

TableNumber read_table_number(const QString& text, int& value) {
    value = 0;
    const QString t = text.trimmed();
    if (t.isEmpty()) return TableNumber::Empty;
    int digits = 0;
    bool leading = true;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'))) continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return TableNumber::NotWhole;
        if (leading && c == QLatin1Char('0')) continue;
        leading = false;
        ++digits;
    }
    if (t == QLatin1String("-") || t == QLatin1String("+")) return TableNumber::NotWhole;
    if (digits > 9) return TableNumber::TooLarge;
    value = parse_int(t);
    if (value <= 0) return TableNumber::NotPositive;
    return TableNumber::Ok;
}

}  // namespace cifrala
