#include "practice/exponential/exponential_registration.h"

#include "practice/common/render_registry.h"
#include "practice/common/window_registry.h"
#include "practice/exponential/exponential_form.h"
#include "practice/exponential/exponential_texts.h"
#include "util/selection.h"

namespace cifrala {

namespace {

//   cifrala --render exponential [--level 1..3]
std::unique_ptr<PracticeWindow> make_exponential(const RenderOptions& o) {
    auto window = std::make_unique<TExpverglForm>();
    selection.topic_code = 28;
    window->set_level(o.value(QStringLiteral("level")).toInt() - 1);
    // The window waits for "Volgende oefening"; the render mode starts one.
    window->set_start_on_show(true);
    return window;
}

}  // namespace

void register_exponential_window() {
    register_practice_window({Target::ExpEquations, QStringLiteral("exponential"), true,
                              [](QWidget* parent) { return new TExpverglForm(parent); }});
    register_render_topic({QStringLiteral("exponential"),
                           exponential_messages::kRenderDescription,
                           {{QStringLiteral("level"),
                             {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                             QStringLiteral("1")}},
                           make_exponential,
                           {}});
}

}  // namespace cifrala
