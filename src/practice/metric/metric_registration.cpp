#include "practice/metric/metric_registration.h"

#include <QCheckBox>

#include "practice/common/render_registry.h"
#include "practice/common/window_registry.h"
#include "practice/metric/metric_form.h"
#include "practice/metric/metric_texts.h"

namespace cifrala {

namespace {

const QStringList kQuantities{QStringLiteral("length"), QStringLiteral("area"),
                              QStringLiteral("volume"), QStringLiteral("weight")};

//   cifrala --render metric [--quantity length|area|volume|weight] [--standard 0|1]
//                           [--volume-kind 0..3]
std::unique_ptr<PracticeWindow> make_metric(const RenderOptions& o) {
    auto window = std::make_unique<TMetrieke_stelsel_Form>();
    window->set_quantity(
        static_cast<Quantity>(kQuantities.indexOf(o.value(QStringLiteral("quantity"))) + 1));
    window->CheckBox1->setChecked(o.value(QStringLiteral("standard")) == QLatin1String("1"));
    if (o.contains(QStringLiteral("volume-kind")))
        window->set_forced_volume_kind(
            static_cast<VolumeKind>(o.value(QStringLiteral("volume-kind")).toInt()));
    return window;
}

}  // namespace

void register_metric_window() {
    register_practice_window({Target::Metric, QStringLiteral("metric"), false,
                              [](QWidget* parent) { return new TMetrieke_stelsel_Form(parent); }});
    register_render_topic(
        {QStringLiteral("metric"),
         metric_messages::kRenderDescription,
         {{QStringLiteral("quantity"), kQuantities, QStringLiteral("length")},
          {QStringLiteral("standard"),
           {QStringLiteral("0"), QStringLiteral("1")},
           QStringLiteral("0")},
          {QStringLiteral("volume-kind"),
           {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
           QString()}},
         make_metric});
}

}  // namespace cifrala
