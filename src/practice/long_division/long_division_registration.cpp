#include "practice/long_division/long_division_registration.h"

#include <QCheckBox>
#include <QRadioButton>

#include "practice/common/render_registry.h"
#include "practice/common/window_registry.h"
#include "practice/long_division/long_division_form.h"
#include "util/selection.h"

namespace cifrala {

namespace {

// Render-mode descriptions.
constexpr int kRenderDivision = 1387;
constexpr int kRenderBigNumbers = 1388;
constexpr int kRenderEmployment = 1389;

const QStringList kLevels{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
const QStringList kVariants{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")};

std::unique_ptr<TStaartdeelForm> division_window(int topic) {
    auto window = std::make_unique<TStaartdeelForm>();
    window->set_pause_ms(0);
    window->set_start_on_show(true);
    selection.topic_code = topic;
    selection.previous_exercise_stored = false;
    return window;
}

//   cifrala --render division [--level 1|2|3] [--method classic|chunks|both] [--decimals 0|1]
std::unique_ptr<PracticeWindow> make_division(const RenderOptions& o) {
    auto window = division_window(42);
    window->show_division_options();
    window->set_level(o.value(QStringLiteral("level")).toInt() - 1);
    const QString method = o.value(QStringLiteral("method"));
    (method == QLatin1String("chunks") ? window->RadioButton4
     : method == QLatin1String("both") ? window->RadioButton6
                                       : window->RadioButton5)
        ->setChecked(true);
    window->CheckBox2->setChecked(o.value(QStringLiteral("decimals")) == QLatin1String("1"));
    return window;
}

//   cifrala --render bignumbers|employment [--variant 0|1|2]
std::unique_ptr<PracticeWindow> make_word_problem(int topic, const RenderOptions& o) {
    auto window = division_window(topic);
    window->hide_division_options();
    if (o.contains(QStringLiteral("variant")))
        window->set_forced_variant(o.value(QStringLiteral("variant")).toInt());
    return window;
}

}  // namespace

void register_long_division_window() {
    register_practice_window({Target::LongDivision, QStringLiteral("long_division"), false,
                              [](QWidget* parent) { return new TStaartdeelForm(parent); }});
    register_render_topic(
        {QStringLiteral("division"),
         kRenderDivision,
         {{QStringLiteral("level"), kLevels, QStringLiteral("1")},
          {QStringLiteral("method"),
           {QStringLiteral("classic"), QStringLiteral("chunks"), QStringLiteral("both")},
           QStringLiteral("classic")},
          {QStringLiteral("decimals"),
           {QStringLiteral("0"), QStringLiteral("1")},
           QStringLiteral("0")}},
         make_division});
    register_render_topic({QStringLiteral("bignumbers"),
                           kRenderBigNumbers,
                           {{QStringLiteral("variant"), kVariants, QString()}},
                           [](const RenderOptions& o) { return make_word_problem(55, o); }});
    register_render_topic({QStringLiteral("employment"),
                           kRenderEmployment,
                           {{QStringLiteral("variant"), kVariants, QString()}},
                           [](const RenderOptions& o) { return make_word_problem(54, o); }});
}

}  // namespace cifrala
