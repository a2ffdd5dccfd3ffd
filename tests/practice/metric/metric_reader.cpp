#include "practice/metric/metric_reader.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <map>
#include <ostream>
#include <vector>

#include "formula/font_map.h"
#include "util/number_settings.h"

namespace cifrala::testing {

std::ostream& operator<<(std::ostream& o, const Decimal& d) {
    return o << (d.digits.empty() ? "0" : d.digits) << "e" << d.power;
}

Decimal normalised(std::string digits, int power) {
    size_t lead = 0;
    while (lead < digits.size() && digits[lead] == '0')
        ++lead;
    digits.erase(0, lead);
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
        ++power;
    }
    if (digits.empty()) power = 0;
    return {digits, power};
}

std::optional<Decimal> read_decimal(const QString& text) {
    QString t = text.trimmed();
    t.remove(QLatin1Char(' '));
    t.replace(number_settings.decimal_separator, QLatin1Char('.'));
    static const QRegularExpression form(QStringLiteral("^(\\d+)(?:\\.(\\d+))?$"));
    const auto m = form.match(t);
    if (!m.hasMatch()) return std::nullopt;
    const std::string whole = m.captured(1).toStdString();
    const std::string decimals = m.captured(2).toStdString();
    return normalised(whole + decimals, -static_cast<int>(decimals.size()));
}

Decimal times_ten_to(Decimal d, int n) {
    if (!d.digits.empty()) d.power += n;
    return d;
}

std::optional<int> unit_power_of_ten(const WrittenUnit& u) {
    static const std::map<QString, int> prefixes{{"m", -3}, {"c", -2}, {"d", -1}, {"", 0},
                                                 {"da", 1}, {"h", 2},  {"k", 3}};
    const QString& l = u.letters;
    if (l.isEmpty()) return std::nullopt;
    const QChar base = l.back();
    const auto p = prefixes.find(l.left(l.size() - 1));
    if (p == prefixes.end()) return std::nullopt;
    if (base == QLatin1Char('L')) {
        if (!u.power.isEmpty()) return std::nullopt;
        return p->second - 3;  // 1 L = 1 dm³ = 10^-3 m³
    }
    if (base == QLatin1Char('g'))
        return u.power.isEmpty() ? std::optional(p->second) : std::nullopt;
    if (base != QLatin1Char('m')) return std::nullopt;
    const int times = u.power.isEmpty() ? 1 : u.power.toInt();
    if (times < 1 || times > 3) return std::nullopt;
    return p->second * times;
}

namespace {

struct Token {
    QString text;
    QRect rect;
    QString power;
};

// The dimension a unit measures: "g", "m1", "m2", "m3" (litres are m3).
QString dimension(const WrittenUnit& u) {
    if (u.letters.endsWith(QLatin1Char('g'))) return QStringLiteral("g");
    if (u.letters.endsWith(QLatin1Char('L'))) return QStringLiteral("m3");
    return QStringLiteral("m") + (u.power.isEmpty() ? QStringLiteral("1") : u.power);
}

}  // namespace

std::optional<ReadExercise> read_exercise(const DisplayList& sheet) {
    std::vector<Token> tokens;
    for (const DrawnItem& item : sheet.items()) {
        if (const auto* t = std::get_if<DrawnText>(&item)) {
            tokens.push_back({t->text, t->rect, {}});
        } else if (std::get_if<DrawnSuperscript>(&item)) {
            // The superscript's own run came last: it belongs to the run before.
            if (tokens.size() < 2) return std::nullopt;
            const Token power = tokens.back();
            tokens.pop_back();
            tokens.back().power = power.text;
        }
    }
    if (tokens.size() < 4) return std::nullopt;
    ReadExercise e;
    e.value = tokens[0].text.trimmed();
    e.given = {tokens[1].text, tokens[1].power};
    e.blank = tokens[2].text;
    e.blank_rect = tokens[2].rect;
    e.asked = {tokens[3].text, tokens[3].power};
    e.asked_rect = tokens[3].rect;
    if (tokens.size() >= 5) {
        e.answer = tokens[4].text;
        e.answer_power = tokens[4].power;
        e.answer_rect = tokens[4].rect;
    }
    if (tokens.size() > 5) return std::nullopt;
    return e;
}

std::optional<Decimal> expected_answer(const ReadExercise& e) {
    const auto value = read_decimal(e.value);
    const auto g = unit_power_of_ten(e.given);
    const auto a = unit_power_of_ten(e.asked);
    if (!value || !g || !a || dimension(e.given) != dimension(e.asked)) return std::nullopt;
    return times_ten_to(*value, *g - *a);
}

std::optional<Decimal> standard_form_value(const QString& text, const QString& power) {
    QString t = text.trimmed();
    t.replace(number_settings.decimal_separator, QLatin1Char('.'));
    static const QRegularExpression form(QStringLiteral("^([1-9])(?:\\.(\\d+))? × 10$"));
    const auto m = form.match(t);
    bool ok = false;
    const int p = power.toInt(&ok);
    if (!m.hasMatch() || !ok) return std::nullopt;
    const std::string rest = m.captured(2).toStdString();
    return normalised(m.captured(1).toStdString() + rest, p - static_cast<int>(rest.size()));
}

std::optional<Decimal> answer_value(const QString& answer, const QString& power) {
    return power.isEmpty() ? read_decimal(answer) : standard_form_value(answer, power);
}

::testing::AssertionResult all_on_surface(const DisplayList& d, QSize size) {
    const QRect area(QPoint(0, 0), size);
    auto inside = [&](QPoint p) { return area.contains(p); };
    for (const DrawnItem& item : d.items()) {
        if (const auto* l = std::get_if<DrawnLine>(&item)) {
            if (!inside(l->from) || !inside(l->to))
                return ::testing::AssertionFailure()
                       << "line (" << l->from.x() << "," << l->from.y() << ")-(" << l->to.x() << ","
                       << l->to.y() << ")";
        } else if (const auto* p = std::get_if<DrawnPolygon>(&item)) {
            for (const QPoint& q : p->points)
                if (!inside(q))
                    return ::testing::AssertionFailure()
                           << "polygon point (" << q.x() << "," << q.y() << ")";
        } else if (const auto* a = std::get_if<DrawnArrow>(&item)) {
            if (!inside(a->from) || !inside(a->to)) return ::testing::AssertionFailure() << "arrow";
        } else if (const auto* t = std::get_if<DrawnText>(&item)) {
            const QFont f = make_font(t->family, t->point_size, t->bold);
            const QFontMetrics fm(f);
            const QRect ink =
                fm.tightBoundingRect(t->text).translated(t->pos.x(), t->pos.y() + fm.ascent());
            if (t->rect.left() < 0 ||
                t->rect.left() + fm.horizontalAdvance(t->text) > size.width() || ink.top() < 0 ||
                ink.bottom() >= size.height())
                return ::testing::AssertionFailure()
                       << "text \"" << t->text.toStdString() << "\" at (" << t->pos.x() << ","
                       << t->pos.y() << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace cifrala::testing
