#include "practice/integers/time_units_registration.h"

#include <QCheckBox>

#include "practice/common/render_registry.h"
#include "practice/integers/integers_form.h"
#include "practice/integers/integers_topics.h"
#include "practice/integers/quantities_modes.h"
#include "util/selection.h"

namespace cifrala {

namespace {

using namespace integers_topic;

// The usage lines; their "#" is the topic's name.
constexpr int kTimeDescription = 5446;
constexpr int kUnitsDescription = 5447;

std::unique_ptr<PracticeWindow> make_window(int topic) {
    auto window = std::make_unique<TGehele_getallen_Form>();
    selection.topic_code = topic;
    window->set_start_on_show(true);
    // The track bars move at once.
    window->sequence().instant = true;
    return window;
}

//   cifrala --render time [--kind time|clock|speed]
std::unique_ptr<PracticeWindow> make_time(const RenderOptions& o) {
    const QString kind = o.value(QStringLiteral("kind"));
    return make_window(kind == QLatin1String("time")    ? kTimeCalculation
                       : kind == QLatin1String("speed") ? kAverageSpeed
                                                        : kClock);
}

//   cifrala --render units [--kind speed|pressure|concentration|scale] [--prefixes 0|1]
std::unique_ptr<PracticeWindow> make_units(const RenderOptions& o) {
    const QString kind = o.value(QStringLiteral("kind"));
    const int topic = kind == QLatin1String("pressure")        ? kPressure
                      : kind == QLatin1String("concentration") ? kConcentration
                      : kind == QLatin1String("scale")         ? kScale
                                                               : kSpeed;
    auto window = make_window(topic);
    if (topic == kPressure) {
        if (auto* box = window->findChild<QCheckBox*>(QStringLiteral("CheckBox1")))
            box->setChecked(o.value(QStringLiteral("prefixes")) == QLatin1String("1"));
    }
    return window;
}

}  // namespace

void register_time_and_units_render_topics() {
    register_render_topic(
        {QStringLiteral("time"),
         kTimeDescription,
         {{QStringLiteral("kind"),
           {QStringLiteral("time"), QStringLiteral("clock"), QStringLiteral("speed")},
           QStringLiteral("clock")}},
         make_time});
    register_render_topic({QStringLiteral("units"),
                           kUnitsDescription,
                           {{QStringLiteral("kind"),
                             {QStringLiteral("speed"), QStringLiteral("pressure"),
                              QStringLiteral("concentration"), QStringLiteral("scale")},
                             QStringLiteral("speed")},
                            {QStringLiteral("prefixes"),
                             {QStringLiteral("0"), QStringLiteral("1")},
                             QStringLiteral("0")}},
                           make_units});
}

}  // namespace cifrala
