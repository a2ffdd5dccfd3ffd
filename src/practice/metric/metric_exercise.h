#pragma once
// One exercise of the metric window: a value mantissa x 10^exponent in one
// unit, to be written in another, and the actions with which the ladder
// works it out, one per press of "Rekenstap".
#include <QString>
#include <optional>
#include <vector>

#include "practice/metric/metric_decimal.h"
#include "practice/metric/metric_units.h"

namespace cifrala {

struct MetricExercise {
    Quantity quantity = Quantity::Length;
    VolumeKind volume_kind = VolumeKind::Cubic;  // volumes only
    int mantissa = 45;
    int exponent = 0;
    int from = 6;  // columns 0 (milli) to 6 (kilo)
    int to = 3;
    bool own = false;  // typed by the pupil
};

bool given_in_litres(const MetricExercise& e);
bool asked_in_litres(const MetricExercise& e);
// n with: the asked value = the given value x 10^n.
int decimal_shift(const MetricExercise& e);
ExactDecimal given_value(const MetricExercise& e);
ExactDecimal converted_value(const MetricExercise& e);

// A pair of units that is never asked: the litre and the cubic decimetre
// are the same, and so is a unit and itself.
bool excluded_pair(const MetricExercise& e);

// A generated exercise of the quantity: the value 11..99 x 10^(-3..3), the
// units drawn until they form a pair that is asked; for volumes the kind is
// drawn first (or forced).
MetricExercise generate_exercise(Quantity q, std::optional<VolumeKind> forced_kind = {});

// What one press of "Rekenstap" does.
enum class MetricAction {
    LadderArrow,   // the arrow on the upper ladder from column a to b
    LadderFactor,  // the factor of that arrow above it
    LitreFactor,   // the factor and the arrow on the litre ladder
    Answer,        // the answer in the blank
};
struct MetricStep {
    MetricAction action = MetricAction::Answer;
    int a = 0, b = 0;
    // This press also hides "Volgende oefening" and "Eigen opgave".
    bool hide = false;
};
// The presses up to the answer; the standard form may follow it.
std::vector<MetricStep> metric_steps(const MetricExercise& e);

// A typed own value read as the window works with it: rounded to five
// decimals, its digits without the separator as the mantissa.
struct OwnValue {
    int mantissa = 0;
    int exponent = 0;
    int refusal = 0;  // the message that says why it cannot be used; 0: it can
};
OwnValue read_own_value(const QString& text);
// The sentence that says why the typed text cannot be used (empty for 0
// and for nothing typed).
QString own_refusal_text(int refusal, const QString& typed);

// Why an own value cannot be used.
namespace metric_refusals {
inline constexpr int kEmpty = -1;  // nothing typed yet: no message
inline constexpr int kNotPositive = 5460;
inline constexpr int kTooManyDigits = 5461;
inline constexpr int kTooSmall = 5462;
inline constexpr int kNotANumber = 5463;
}  // namespace metric_refusals

}  // namespace cifrala
