#include "practice/integers/integers_registration.h"

#include <QCheckBox>
#include <QRadioButton>

#include "practice/common/render_registry.h"
#include "practice/common/window_registry.h"
#include "practice/integers/integers_form.h"
#include "practice/integers/time_units_registration.h"
#include "util/selection.h"

namespace cifrala {

namespace {

constexpr int kRenderDescription = 1818;

const QStringList kOffOn{QStringLiteral("0"), QStringLiteral("1")};

bool on(const RenderOptions& o, const char* name) {
    return o.value(QLatin1String(name)) == QLatin1String("1");
}

//   cifrala --render integers [--level 1..4] [--brackets 0|1] [--larger 0|1]
//                             [--primary 0|1] [--fractions mixed|plain]
std::unique_ptr<PracticeWindow> make_integers(const RenderOptions& o) {
    auto window = std::make_unique<TGehele_getallen_Form>();
    selection.topic_code = -1;
    window->set_start_on_show(true);
    int level = o.value(QStringLiteral("level")).toInt();
    const bool primary = on(o, "primary");
    // There are no powers at primary-school level (the window would say so).
    if (primary && level == 4) level = 2;
    QRadioButton* levels[4] = {window->RadioButton1, window->RadioButton2, window->RadioButton3,
                               window->RadioButton4};
    levels[std::clamp(level, 1, 4) - 1]->setChecked(true);
    window->CheckBox5->setChecked(on(o, "brackets"));
    window->CheckBox6->setChecked(on(o, "larger"));
    window->CheckBox7->setChecked(primary);
    (o.value(QStringLiteral("fractions")) == QLatin1String("plain") ? window->RadioButton5
                                                                    : window->RadioButton8)
        ->setChecked(true);
    return window;
}

}  // namespace

void register_integers_window() {
    register_practice_window({Target::Integers, QStringLiteral("integers"), true,
                              [](QWidget* parent) { return new TGehele_getallen_Form(parent); }});
    register_render_topic(
        {QStringLiteral("integers"),
         kRenderDescription,
         {{QStringLiteral("level"),
           {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")},
           QStringLiteral("1")},
          {QStringLiteral("brackets"), kOffOn, QStringLiteral("0")},
          {QStringLiteral("larger"), kOffOn, QStringLiteral("0")},
          {QStringLiteral("primary"), kOffOn, QStringLiteral("0")},
          {QStringLiteral("fractions"),
           {QStringLiteral("mixed"), QStringLiteral("plain")},
           QStringLiteral("mixed")}},
         make_integers});
    register_time_and_units_render_topics();
}

}  // namespace cifrala
