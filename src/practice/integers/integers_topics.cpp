#include "practice/integers/integers_topics.h"

#include "practice/integers/arithmetic_mode.h"
#include "practice/integers/clock_modes.h"
#include "practice/integers/number_line_mode.h"
#include "practice/integers/quantities_modes.h"
#include "practice/integers/times_tables_mode.h"

namespace cifrala {

using namespace integers_topic;

namespace {

template <class Mode>
std::unique_ptr<IntegersMode> make(TGehele_getallen_Form& window) {
    return std::make_unique<Mode>(window);
}

template <int Topic>
std::unique_ptr<IntegersMode> make_clock(TGehele_getallen_Form& window) {
    return std::make_unique<ClockMode>(window, Topic);
}

}  // namespace

const std::vector<IntegersTopic>& integers_topics() {
    // code, name, title, font size, help, "Toon hint", "Eigen opgave", "Antwoord",
    // the mode. The clock and quantities topics have no exercise of the
    // pupil's own: "Eigen opgave" stays hidden also after an exercise.
    static const std::vector<IntegersTopic> topics = {
        {kArithmetic, QStringLiteral("arithmetic"), 1926, 24, true, true, true, true,
         make<ArithmeticMode>},
        {kNumberLine, QStringLiteral("numberline"), 1925, 32, false, false, false, false,
         make<NumberLineMode>},
        {kSpeed, QStringLiteral("speed"), 1924, 32, false, false, false, true, make<SpeedMode>},
        {kTimeCalculation, QStringLiteral("timecalculation"), 1927, 32, false, false, false, true,
         make<TimeCalculationMode>},
        {kClock, QStringLiteral("clock"), 1938, 24, false, false, false, true, make_clock<kClock>},
        {kAverageSpeed, QStringLiteral("averagespeed"), 1948, 24, false, false, false, true,
         make_clock<kAverageSpeed>},
        {kTimesTables, QStringLiteral("timestables"), 1965, 32, false, false, false, false,
         make<TimesTablesMode>},
        {kPressure, QStringLiteral("pressure"), 1973, 32, false, true, false, false,
         make<PressureMode>},
        {kConcentration, QStringLiteral("concentration"), 1974, 32, false, true, false, false,
         make<ConcentrationMode>},
        {kScale, QStringLiteral("scale"), 1975, 32, false, true, false, false, make<ScaleMode>},
    };
    return topics;
}

const IntegersTopic* find_integers_topic(int code) {
    for (const IntegersTopic& t : integers_topics())
        if (t.code == code) return &t;
    return nullptr;
}

}  // namespace cifrala
