#include "practice/lens/lens_exercise.h"

#include <cmath>
#include <limits>

#include "expr/eval_text.h"
#include "practice/lens/lens_texts.h"
#include "util/format.h"
#include "util/integer_math.h"
#include "util/random.h"

namespace cifrala {

namespace {

using namespace lens_messages;

int level_limit(int level) {
    return level >= 2 ? 100 : level == 1 ? 50 : 30;
}

qint64 sign(qint64 x) {
    return x < 0 ? -1 : 1;
}

// A typed distance: a whole value within the limit.
enum class Reading { Ok, Unreadable, TooLarge };
Reading read_distance(const QString& text, qint64& value) {
    double d = 0;
    if (!eval_text(text.trimmed(), d) || !std::isfinite(d)) return Reading::Unreadable;
    const double r = std::nearbyint(d);
    if (std::fabs(d - r) > 1e-9 * std::max(1.0, std::fabs(d))) return Reading::Unreadable;
    if (std::fabs(r) > static_cast<double>(kLargestOwnDistance)) return Reading::TooLarge;
    value = static_cast<qint64>(r);
    return Reading::Ok;
}

}  // namespace

LensExercise lens_exercise(int kind, qint64 v, qint64 b, qint64 f, bool own) {
    LensExercise e;
    e.kind = kind;
    e.own = own;
    e.v = v;
    e.b = b;
    e.f = f;
    switch (kind) {
        case 1:
            // 1/v = 1/f - 1/b; b = f is refused before.
            e.v = b != f ? b * f / (b - f) : 0;
            e.v_real = b != f ? static_cast<double>(b) * f / static_cast<double>(b - f) : 0;
            e.b_real = static_cast<double>(b);
            e.f_real = static_cast<double>(f);
            break;
        case 2:
            // 1/b = 1/f - 1/v: the object in the focal point gives no image.
            e.b = v != f ? v * f / (v - f) : 0;
            e.b_real = v != f ? static_cast<double>(v) * f / static_cast<double>(v - f)
                              : std::numeric_limits<double>::infinity();
            e.v_real = static_cast<double>(v);
            e.f_real = static_cast<double>(f);
            break;
        default:
            e.kind = 3;
            e.f = v + b != 0 ? v * b / (v + b) : 0;
            e.f_real = v + b != 0 ? static_cast<double>(v) * b / static_cast<double>(v + b) : 0;
            e.v_real = static_cast<double>(v);
            e.b_real = static_cast<double>(b);
            break;
    }
    return e;
}

LensSteps lens_steps(const LensExercise& e) {
    LensSteps s;
    switch (e.kind) {
        case 1:
            s.first = e.f;
            s.second = e.b;
            break;
        case 2:
            s.first = e.f;
            s.second = e.v;
            break;
        default:
            s.first = e.v;
            s.second = e.b;
            s.add = true;
            break;
    }
    const qint64 p = s.first, q = s.second;
    if (p == 0 || q == 0) return s;
    // 1/p -/+ 1/q = (q -/+ p)/(p q); over the least common denominator
    // |p q|/g the numerator keeps the sign of p q.
    const qint64 g = gcd64(p, q);
    s.L = std::llabs(p * q) / g;
    s.N = (s.add ? q + p : q - p) / g * sign(p) * sign(q);
    const qint64 g2 = gcd64(s.N, s.L);
    s.n = g2 > 0 ? s.N / g2 : s.N;
    s.l = g2 > 0 ? s.L / g2 : s.L;
    return s;
}

LensExercise generate_lens(int level, int forced_kind) {
    const int A = level_limit(level);
    const int drawn = random(3) + 1;
    const int kind = forced_kind >= 1 && forced_kind <= 3 ? forced_kind : drawn;
    qint64 v = 0, b = 0, f = 0;
    switch (kind) {
        case 1:
            do {
                f = random(20) + 1;
                b = f + 1 + random(A);
            } while ((b * f) % (b - f) != 0);
            break;
        case 2:
            do {
                f = random(20) + 1;
                v = f + 1 + random(A);
            } while ((v * f) % (v - f) != 0);
            break;
        default:
            do {
                v = random(20) + 1;
                b = random(A) + 1;
            } while (b == v || (b * v) % (b + v) != 0);
            break;
    }
    return lens_exercise(kind, v, b, f);
}

LensOwnResult read_own_lens(const QString& tv, const QString& tb, const QString& tf) {
    LensOwnResult r;
    const bool has_v = !tv.trimmed().isEmpty(), has_b = !tb.trimmed().isEmpty();
    r.kind = !has_v ? 1 : has_b ? 3 : 2;
    // The two fields read, in order, with the message for an unreadable one.
    struct Given {
        const QString* text;
        int field;
        int unreadable;
        qint64 value = 0;
    };
    Given given[2] = {{&tb, 1, kBUnreadable}, {&tf, 2, kFUnreadable}};
    if (r.kind == 2) given[0] = {&tv, 0, kVUnreadable};
    if (r.kind == 3) {
        given[0] = {&tv, 0, kVUnreadable};
        given[1] = {&tb, 1, kBUnreadable};
    }
    for (Given& g : given) {
        const Reading reading = read_distance(*g.text, g.value);
        if (reading != Reading::Ok) {
            r.message = reading == Reading::TooLarge ? kTooLarge : g.unreadable;
            r.field = g.field;
            r.param = QString::number(kLargestOwnDistance);
            return r;
        }
    }
    const auto refuse = [&r](int message, int field, qint64 value) {
        r.message = message;
        r.field = field;
        r.param = QString::number(value);
        return r;
    };
    const qint64 a = given[0].value, c = given[1].value;
    switch (r.kind) {
        case 1: {  // b = a, f = c
            if (a == 0) return refuse(kBZero, 1, a);
            if (c <= 0) return refuse(kFNotPositive, 2, c);
            // A real image lies beyond the focal point; a negative b is a
            // virtual image (the object inside the focal point).
            if (a > 0 && c >= a) return refuse(kFNotBelowB, 1, a);
            r.exercise = lens_exercise(1, 0, a, c, true);
            break;
        }
        case 2: {  // v = a, f = c; v at or inside f is worked and explained
            if (a <= 0) return refuse(kVNotPositive, 0, a);
            if (c <= 0) return refuse(kFNotPositive, 2, c);
            r.exercise = lens_exercise(2, a, 0, c, true);
            break;
        }
        default: {  // v = a, b = c
            if (a <= 0) return refuse(kVNotPositive, 0, a);
            if (c == 0) return refuse(kBZero, 1, c);
            if (a == c) return refuse(kVEqualsB, 1, c);
            if (a + c == 0) return refuse(kNoFocalLength, 1, c);
            // A negative b closer to the lens than v needs a diverging lens.
            if (c < 0 && -c < a) {
                refuse(kDivergingLens, 1, 0);
                r.param = format_real(static_cast<double>(a) * c / static_cast<double>(a + c));
                return r;
            }
            r.exercise = lens_exercise(3, a, c, 0, true);
            break;
        }
    }
    return r;
}

}  // namespace cifrala
