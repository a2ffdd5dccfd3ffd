#include "practice/integers/scale_worker.h"

#include <numeric>

#include "formula/surface.h"
#include "practice/common/practice_texts.h"
#include "practice/integers/conversion_picture.h"
#include "text/messages.h"
#include "util/format.h"
#include "util/random.h"

namespace cifrala {

namespace {

const QColor kRed(255, 0, 0);
constexpr int kPictureLeft = 250;
constexpr int kPictureDownMapToReal = 60;
constexpr int kPictureDownRealToMap = 100;
constexpr int kRightClearance = 10;

QString n(qint64 v) {
    return int_to_text(v);
}

qint64 ten_to(int k) {
    qint64 p = 1;
    while (k-- > 0)
        p *= 10;
    return p;
}

}  // namespace

ExactDecimal ScaleExercise::real_distance() const {
    return ExactDecimal(map_in_real_units(), -unit_zeros());
}

ExactDecimal ScaleExercise::map_distance() const {
    // e = k b and B = 10000 b 10^j: e a / B = k a / 10^(4 + j).
    const qint64 k = real / b;
    int j = 0;
    for (qint64 rest = B / (10000LL * b); rest > 1; rest /= 10)
        ++j;
    return ExactDecimal(k * a, unit_zeros() - 4 - j);
}

bool ScaleExercise::valid() const {
    return a >= 1 && b >= 1 && B % (10000LL * b) == 0 && std::gcd<qint64>(a, B) == 1 && p >= 1 &&
           p <= 3 && q >= 4 && q <= 7 &&
           (kind == 1 ? map % a == 0 && map > 0 : real % b == 0 && real > 0);
}

ScaleExercise random_scale_exercise() {
    ScaleExercise e;
    do {
        e.a = random(9) + 1;
        e.b = random(9) + 1;
        e.B = 10000LL * e.b * ten_to(random(3));
    } while (std::gcd<qint64>(e.a, e.B) != 1);
    e.p = random(3) + 1;
    e.q = random(4) + 4;
    e.kind = random(2) + 1;
    if (e.kind == 1) {
        e.map = (random(10) + 2) * e.a;
    } else {
        e.real = (random(10) + 2) * e.b;
    }
    return e;
}

ScaleWorker::Reduced ScaleWorker::reduced(const ScaleExercise& e) {
    const qint64 g = std::gcd<qint64>(e.real * e.a, e.b);
    Reduced r{e.real * e.a / g * ten_to(e.unit_zeros()), e.B / g};
    // The denominator must stay a whole number too.
    for (int i = 0; i < e.unit_zeros() && r.top % 10 == 0 && r.bottom != 1 && r.bottom % 10 == 0;
         ++i) {
        r.top /= 10;
        r.bottom /= 10;
    }
    return r;
}

void ScaleWorker::unit(int prefix_position, const QColor& colour) {
    put(prefix::text(prefix_position) + QLatin1Char('m'), colour);
}

void ScaleWorker::fraction(qint64 top, qint64 bottom) {
    sheet().breuktxt(n(top), n(bottom));
}

void ScaleWorker::start(const ScaleExercise& e) {
    e_ = e;
    finished = false;
    Surface& s = sheet();
    s.clearimage();
    host().hint(0);
    put(msg(scale_messages::kScale) + QStringLiteral("  ") + n(e_.a) + QStringLiteral(" : ") +
        n(e_.B));
    s.newline(1);
    if (e_.kind == 1) {
        put(n(e_.map) + QLatin1Char(' '));
        unit(e_.p);
        put(QStringLiteral("  "));
        s.teken_pijl(true, kRed);
        put(QStringLiteral("  ? "), kRed);
        unit(e_.q);
    } else {
        put(QStringLiteral(" ? "), kRed);
        unit(e_.p);
        put(QStringLiteral("  "));
        s.teken_pijl(false, kRed);
        put(QStringLiteral(" ") + n(e_.real) + QLatin1Char(' '));
        unit(e_.q);
    }
    step = -1;
    if (explanation) explanation(true);
}

void ScaleWorker::rekenstap() {
    if (finished) return;
    Surface& s = sheet();
    const bool to_real = e_.kind == 1;
    const qint64 I = ten_to(e_.unit_zeros());
    switch (step) {
        case -1:
            // The first press only brings the explanation forward.
            if (explanation) explanation(true);
            step = 0;
            return;
        case 0:
            if (explanation) explanation(false);
            // Below the separating line under the exercise.
            s.newline(2);
            if (to_real) {
                put(n(e_.map) + QLatin1Char(' '));
                unit(e_.p);
                put(QStringLiteral(" × "));
                if (e_.a == 1) {
                    put(n(e_.B));
                } else {
                    fraction(e_.B, e_.a);
                }
            } else {
                put(n(e_.real) + QLatin1Char(' '));
                unit(e_.q);
                put(QStringLiteral(" × "));
                fraction(e_.a, e_.B);
            }
            put(QStringLiteral(" = "));
            step = 1;
            return;
        case 1:
            if (to_real) {
                s.newline(e_.a == 1 ? 1.0 : 1.3);
                put(n(e_.map_in_real_units()) + QLatin1Char(' '));
                unit(e_.p, kRed);
                put(QStringLiteral(" = "));
            } else {
                s.newline(1.3);
                const qint64 g = std::gcd<qint64>(e_.real * e_.a, e_.b);
                fraction(e_.real * e_.a / g, e_.B / g);
                put(QStringLiteral(" "));
                unit(e_.q, kRed);
                put(QStringLiteral(" = "));
            }
            step = 2;
            return;
        case 2: {
            if (to_real) {
                room_ = leave_room(e_.real_distance().text() + QLatin1Char(' '));
                unit(e_.q, kRed);
            } else {
                const Reduced r = reduced(e_);
                QString widest = e_.map_distance().text() + QLatin1Char(' ');
                if (r.bottom != 1) {
                    const QString top = n(r.top), bottom = n(r.bottom);
                    widest = top.size() > bottom.size() ? top : bottom;
                    widest += QStringLiteral("  ");
                }
                room_ = leave_room(widest);
                unit(e_.p, kRed);
            }
            step = 3;
            return;
        }
        case 3:
            draw_conversion_arrow(
                s, ArrowPicture::Below,
                QPoint(s.cursor.x - kPictureLeft,
                       s.cursor.y + (to_real ? kPictureDownMapToReal : kPictureDownRealToMap)),
                (to_real ? QStringLiteral(":") : QStringLiteral("×")) + n(I));
            step = 4;
            return;
        case 4: {
            if (to_real) {
                fill_room(room_, e_.real_distance().text());
                step = 5;
                finish(practice_messages::kFinished);
                return;
            }
            const Reduced r = reduced(e_);
            if (r.bottom == 1) {
                fill_room(room_, e_.map_distance().text());
                step = 5;
                finish(practice_messages::kFinished);
                return;
            }
            const FormulaCursor kept = s.cursor;
            s.fill_rect(
                QRect(room_.x, room_.y, s.text_width(QStringLiteral("?")) + 2, s.text_height()),
                s.background());
            s.cursor = {room_.x, room_.y};
            fraction(r.top, r.bottom);
            s.cursor = kept;
            step = 5;
            return;
        }
        case 5: {
            const QString rest =
                e_.map_distance().text() + QLatin1Char(' ') + prefix::text(e_.p) + QLatin1Char('m');
            // On a line of its own when it would pass the edge.
            if (s.cursor.x + s.text_width(QStringLiteral(" = ") + rest) >
                s.width() - kRightClearance) {
                s.newline(1.3);
                put(QStringLiteral("= "));
            } else {
                put(QStringLiteral(" = "));
            }
            put(e_.map_distance().text() + QLatin1Char(' '));
            unit(e_.p, kRed);
            step = 6;
            finish(practice_messages::kFinished);
            return;
        }
        default:
            return;
    }
}

}  // namespace cifrala
