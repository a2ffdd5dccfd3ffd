#include "practice/metric/metric_units.h"

#include <array>

namespace cifrala {

QString unit_prefix(int column) {
    static const std::array<const char*, metric_columns::kCount> prefixes{"m",  "c", "d", "",
                                                                          "da", "h", "k"};
    if (column < 0 || column >= metric_columns::kCount) return {};
    return QString::fromLatin1(prefixes[static_cast<size_t>(column)]);
}

BaseUnit base_unit(Quantity q, bool litres) {
    switch (q) {
        case Quantity::Length:
            return {QStringLiteral("m"), {}};
        case Quantity::Area:
            return {QStringLiteral("m"), QStringLiteral("2")};
        case Quantity::Volume:
            if (litres) return {QStringLiteral("L"), {}};
            return {QStringLiteral("m"), QStringLiteral("3")};
        case Quantity::Weight:
            return {QStringLiteral("g"), {}};
    }
    return {};
}

int column_power(Quantity q, bool litres) {
    if (q == Quantity::Area) return 2;
    if (q == Quantity::Volume && !litres) return 3;
    return 1;
}

QString zero_group(Quantity q, bool litres) {
    switch (column_power(q, litres)) {
        case 2:
            return QStringLiteral(" 00");
        case 3:
            return QStringLiteral(" 000");
        default:
            return QStringLiteral("0");
    }
}

}  // namespace cifrala
