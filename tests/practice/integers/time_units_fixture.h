#pragma once
// Helpers of the clock and quantities tests: the worksheet's lines as text,
// numbers read back as exact fractions, the metric prefixes as powers of ten
// (a table of their own, not the program's), and the check that nothing
// drawn leaves the worksheet.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <optional>

#include "formula/display_reader.h"
#include "formula/surface.h"

namespace cifrala::testing {

// p / q with 128-bit numerator and denominator, compared by cross-multiplying.
struct Exact {
    __int128 p = 0, q = 1;
    bool operator==(const Exact& o) const { return p * o.q == o.p * q; }
};

inline __int128 ten(int k) {
    __int128 v = 1;
    while (k-- > 0)
        v *= 10;
    return v;
}

// "0,000001", "600000", "1.017" read exactly.
inline std::optional<Exact> exact(QString text) {
    text = text.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    static const QRegularExpression number(QStringLiteral("^(\\d+)(?:\\.(\\d+))?$"));
    const auto m = number.match(text);
    if (!m.hasMatch()) return std::nullopt;
    const QString digits = m.captured(1) + m.captured(2);
    __int128 p = 0;
    for (QChar c : digits)
        p = 10 * p + (c.unicode() - '0');
    return Exact{p, ten(static_cast<int>(m.captured(2).size()))};
}

inline Exact times_ten_to(Exact x, int k) {
    if (k >= 0) return {x.p * ten(k), x.q};
    return {x.p, x.q * ten(-k)};
}

// The power of ten of a metric prefix, from the units themselves.
inline int prefix_power(const QString& prefix) {
    static const QStringList names{QStringLiteral("n"),  QString(QChar(0xB5)), QStringLiteral("m"),
                                   QStringLiteral("c"),  QStringLiteral("d"),  QString(),
                                   QStringLiteral("da"), QStringLiteral("h"),  QStringLiteral("k"),
                                   QStringLiteral("M"),  QStringLiteral("G"),  QStringLiteral("T")};
    static const int powers[] = {-9, -6, -3, -2, -1, 0, 1, 2, 3, 6, 9, 12};
    const qsizetype i = names.indexOf(prefix);
    EXPECT_GE(i, 0) << prefix.toStdString();
    return i >= 0 ? powers[i] : 0;
}

// The lines of the worksheet as the pupil reads them, hint left out; texts
// in `skip_size` points (the factors beside the arrows) left out too.
inline QStringList sheet_lines(const Surface& s, int skip_size = 0) {
    DisplayList kept;
    for (const DrawnItem& item : s.display().items()) {
        const auto* t = std::get_if<DrawnText>(&item);
        if (!t || t->point_size != skip_size) kept.add(item);
    }
    QStringList out;
    for (const ReadLine& l : read_lines(kept))
        out << l.text();
    return out;
}

// Every item drawn lies on the worksheet.
inline void expect_on_the_sheet(const Surface& s) {
    const QRect sheet(0, 0, s.width(), s.height());
    for (const DrawnItem& item : s.display().items()) {
        const QRect r = bounding_rect(item);
        EXPECT_TRUE(sheet.contains(r))
            << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    }
}

}  // namespace cifrala::testing
