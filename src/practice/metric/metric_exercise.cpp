#include "practice/metric/metric_exercise.h"

#include <climits>
#include <cmath>

#include "expr/eval_text.h"
#include "text/messages.h"
#include "util/format.h"
#include "util/number_settings.h"
#include "util/random.h"

namespace cifrala {

namespace {

using metric_columns::kCubicDecimetre;
using metric_columns::kLitre;

bool is_volume(const MetricExercise& e, VolumeKind k) {
    return e.quantity == Quantity::Volume && e.volume_kind == k;
}

// The own value is read with five decimals, whatever the shared setting is.
class FiveDecimals {
public:
    FiveDecimals() : saved_(number_settings) {
        number_settings.fixed_decimals = true;
        number_settings.decimals = 5;
    }
    ~FiveDecimals() {
        number_settings.fixed_decimals = saved_.fixed_decimals;
        number_settings.decimals = saved_.decimals;
    }
    FiveDecimals(const FiveDecimals&) = delete;
    FiveDecimals& operator=(const FiveDecimals&) = delete;

private:
    NumberSettings saved_;
};

// Below this a magnitude counts as zero.
constexpr double kZeroLimit = 1e-5;

}  // namespace

bool given_in_litres(const MetricExercise& e) {
    return is_volume(e, VolumeKind::LitresToCubic) || is_volume(e, VolumeKind::Litres);
}

bool asked_in_litres(const MetricExercise& e) {
    return is_volume(e, VolumeKind::CubicToLitres) || is_volume(e, VolumeKind::Litres);
}

int decimal_shift(const MetricExercise& e) {
    if (is_volume(e, VolumeKind::LitresToCubic)) return e.from + 3 - 3 * e.to;
    if (is_volume(e, VolumeKind::CubicToLitres)) return 3 * e.from - e.to - 3;
    return (e.from - e.to) * column_power(e.quantity, given_in_litres(e));
}

ExactDecimal given_value(const MetricExercise& e) {
    return make_exact_decimal(e.mantissa, e.exponent);
}

ExactDecimal converted_value(const MetricExercise& e) {
    return given_value(e).shifted(decimal_shift(e));
}

bool excluded_pair(const MetricExercise& e) {
    if (is_volume(e, VolumeKind::LitresToCubic)) return e.from == kLitre && e.to == kCubicDecimetre;
    if (is_volume(e, VolumeKind::CubicToLitres)) return e.to == kLitre && e.from == kCubicDecimetre;
    return e.from == e.to;
}

MetricExercise generate_exercise(Quantity q, std::optional<VolumeKind> forced_kind) {
    MetricExercise e;
    e.quantity = q;
    if (q == Quantity::Volume) {
        e.volume_kind = static_cast<VolumeKind>(random(4));
        if (forced_kind) e.volume_kind = *forced_kind;
    }
    e.mantissa = random(89) + 11;
    e.exponent = random(7) - 3;
    e.from = random(metric_columns::kCount);
    do {
        e.to = random(metric_columns::kCount);
    } while (excluded_pair(e));
    return e;
}

std::vector<MetricStep> metric_steps(const MetricExercise& e) {
    using A = MetricAction;
    const MetricStep answer{A::Answer};
    if (is_volume(e, VolumeKind::LitresToCubic)) {
        std::vector<MetricStep> s;
        if (e.from != kLitre) {
            s.push_back({A::LitreFactor, e.from, kLitre});
            if (e.to == kCubicDecimetre) {
                s.push_back(answer);
                return s;
            }
        }
        s.push_back({A::LadderArrow, kCubicDecimetre, e.to, true});
        s.push_back({A::LadderFactor, kCubicDecimetre, e.to});
        s.push_back(answer);
        return s;
    }
    if (is_volume(e, VolumeKind::CubicToLitres)) {
        std::vector<MetricStep> s;
        if (e.from != kCubicDecimetre) {
            s.push_back({A::LadderArrow, e.from, kCubicDecimetre});
            s.push_back({A::LadderFactor, e.from, kCubicDecimetre, true});
        }
        s.push_back({A::LitreFactor, kLitre, e.to});
        s.push_back(answer);
        return s;
    }
    if (is_volume(e, VolumeKind::Litres)) return {{A::LitreFactor, e.from, e.to}, answer};
    return {{A::LadderArrow, e.from, e.to}, {A::LadderFactor, e.from, e.to, true}, answer};
}

OwnValue read_own_value(const QString& text) {
    using namespace metric_refusals;
    OwnValue out;
    if (text.trimmed().isEmpty()) {
        out.refusal = kEmpty;
        return out;
    }
    double v = 0;
    if (!eval_text(text, v) || !std::isfinite(v)) {
        out.refusal = kNotANumber;
        return out;
    }
    if (std::fabs(v) < kZeroLimit) {
        out.refusal = v > 0 ? kTooSmall : kNotPositive;
        return out;
    }
    if (v < 0) {
        out.refusal = kNotPositive;
        return out;
    }
    const FiveDecimals five;
    QString t = format_real(v);
    const qsizetype p = t.indexOf(number_settings.decimal_separator);
    int exponent = 0;
    if (p >= 0) {
        exponent = static_cast<int>(p + 1 - t.size());
        t.remove(p, 1);
    }
    // The digits, without the separator, must fit the 32-bit mantissa.
    bool ok = false;
    const qlonglong m = t.size() <= 18 ? t.toLongLong(&ok) : 0;
    if (!ok || m > INT_MAX) {
        out.refusal = kTooManyDigits;
        return out;
    }
    if (m <= 0) {
        out.refusal = kTooSmall;
        return out;
    }
    out.mantissa = static_cast<int>(m);
    out.exponent = exponent;
    return out;
}

QString own_refusal_text(int refusal, const QString& typed) {
    using namespace metric_refusals;
    switch (refusal) {
        case kNotPositive: {
            double v = 0;
            eval_text(typed, v);
            const FiveDecimals five;
            msg_param1 = format_real(v);
            break;
        }
        case kTooManyDigits:
            msg_param1 = int_to_text(INT_MAX);
            break;
        case kTooSmall: {
            const FiveDecimals five;
            msg_param1 = format_real(kZeroLimit);
            break;
        }
        case kNotANumber:
            msg_param1 = typed.trimmed();
            break;
        default:
            return {};
    }
    return msg(refusal);
}

}  // namespace cifrala
