#include "practice/quadratic_equations/quadratic_registration.h"

#include <QCheckBox>

#include "practice/common/render_registry.h"
#include "practice/common/window_registry.h"
#include "practice/quadratic_equations/quadratic_form.h"
#include "practice/quadratic_equations/quadratic_texts.h"
#include "util/selection.h"

namespace cifrala {

namespace {

//   cifrala --render quadratic [--level 1..3] [--form standard|product] [--abc 0|1]
std::unique_ptr<PracticeWindow> make_quadratic(const RenderOptions& o) {
    auto window = std::make_unique<TkwadrverglForm>();
    selection.topic_code = 26;
    window->set_level(o.value(QStringLiteral("level")).toInt() - 1);
    window->set_forced_form(o.value(QStringLiteral("form")) == QLatin1String("product"));
    window->CheckBox2->setChecked(o.value(QStringLiteral("abc")) == QLatin1String("1"));
    return window;
}

}  // namespace

void register_quadratic_window() {
    register_practice_window({Target::QuadEquations, QStringLiteral("quadratic"), true,
                              [](QWidget* parent) { return new TkwadrverglForm(parent); }});
    register_render_topic(
        {QStringLiteral("quadratic"),
         quadratic_messages::kRenderDescription,
         {{QStringLiteral("level"),
           {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
           QStringLiteral("1")},
          {QStringLiteral("form"),
           {QStringLiteral("standard"), QStringLiteral("product")},
           QStringLiteral("standard")},
          {QStringLiteral("abc"), {QStringLiteral("0"), QStringLiteral("1")}, QStringLiteral("0")}},
         make_quadratic});
}

}  // namespace cifrala
