#include "practice/fractions/fractions_registration.h"

#include "practice/common/render_registry.h"
#include "practice/common/window_registry.h"
#include "practice/fractions/fractions_form.h"
#include "util/selection.h"

namespace cifrala {

namespace {

constexpr int kRenderDescription = 1368;

//   cifrala --render fractions [--kind 1..6] [--level 1..3]
std::unique_ptr<PracticeWindow> make_fractions(const RenderOptions& o) {
    auto window = std::make_unique<TbreukenoefenenForm>();
    selection.previous_exercise_stored = false;
    window->choose_kind_digit(o.value(QStringLiteral("kind")).front());
    window->set_level(o.value(QStringLiteral("level")).toInt() - 1);
    return window;
}

}  // namespace

void register_fractions_window() {
    register_practice_window({Target::Fractions, QStringLiteral("fractions"), false,
                              [](QWidget* parent) { return new TbreukenoefenenForm(parent); }});
    register_render_topic({QStringLiteral("fractions"),
                           kRenderDescription,
                           {{QStringLiteral("kind"),
                             {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                              QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")},
                             QStringLiteral("5")},
                            {QStringLiteral("level"),
                             {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                             QStringLiteral("1")}},
                           make_fractions});
}

}  // namespace cifrala
