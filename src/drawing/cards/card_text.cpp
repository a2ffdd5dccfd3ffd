#include "drawing/cards/card_text.h"

#include <QStringList>
#include <algorithm>

#include "drawing/explanation/tekening_form.h"
#include "util/format.h"
#include "util/rational.h"

namespace cifrala {

void write_wrapped(TtekeningForm& w, const QString& text, double line) {
    Surface& s = w.surface();
    const int left = s.cursor.x;
    const int right = s.width() - TtekeningForm::kCopyButtonRoom;
    QString current;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        const QString tried = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && left + s.text_width(tried) > right) {
            w.my_textout_2(current);
            w.newline(line);
            s.cursor.x = left;
            current = word;
        } else {
            current = tried;
        }
    }
    if (!current.isEmpty()) w.my_textout_2(current);
    w.newline(line);
    s.cursor.x = left;
}

void write_card_fraction(TtekeningForm& w, const QString& top, const QString& bottom) {
    Surface& s = w.surface();
    QString t = top;
    if (t.startsWith(QLatin1Char('-'))) {
        w.my_textout_2(QStringLiteral("-"));
        t = t.mid(1);
    }
    s.cursor.x = w.breuktxt(t, bottom);
}

void write_card_number(TtekeningForm& w, const Rational& v, bool mixed) {
    if (v.whole()) {
        w.my_textout_2(int_to_text(v.n));
        return;
    }
    const qint64 m = v.n < 0 ? -v.n : v.n;
    if (v.n < 0) w.my_textout_2(QStringLiteral("-"));
    if (mixed && m > v.d) {
        w.my_textout_2(int_to_text(m / v.d));
        write_card_fraction(w, int_to_text(m % v.d), int_to_text(v.d));
        return;
    }
    write_card_fraction(w, int_to_text(m), int_to_text(v.d));
}

void place_card(TtekeningForm& w, const QVariantMap& values) {
    if (!values.contains(QStringLiteral("top"))) return;
    const int top = values.value(QStringLiteral("top")).toInt();
    if (values.contains(QStringLiteral("left"))) {
        w.move(values.value(QStringLiteral("left")).toInt(), top);
    } else if (values.contains(QStringLiteral("right"))) {
        const int width = std::max(w.frameGeometry().width(), w.surface().width());
        w.move(values.value(QStringLiteral("right")).toInt() - width, top);
    }
}

}  // namespace cifrala
