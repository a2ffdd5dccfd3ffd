#include "practice/lens/lens_registration.h"

#include "practice/common/render_registry.h"
#include "practice/common/window_registry.h"
#include "practice/lens/lens_form.h"
#include "practice/lens/lens_texts.h"

namespace cifrala {

namespace {

//   cifrala --render lens [--level 1..3] [--kind 1..3] [--diagram 0|1]
//                         [--v V --b B --f F: an own exercise, two of the three]
std::unique_ptr<PracticeWindow> make_lens(const RenderOptions& o) {
    auto window = std::make_unique<TLenzenForm>();
    window->set_level(o.value(QStringLiteral("level")).toInt() - 1);
    window->set_forced_kind(o.value(QStringLiteral("kind")).toInt());
    window->set_show_diagram(o.value(QStringLiteral("diagram")) == QLatin1String("1"));
    const QString v = o.value(QStringLiteral("v")), b = o.value(QStringLiteral("b")),
                  f = o.value(QStringLiteral("f"));
    if (!v.isEmpty() || !b.isEmpty() || !f.isEmpty()) window->set_typed_exercise(v, b, f);
    return window;
}

}  // namespace

void register_lens_window() {
    register_practice_window({Target::Lens, QStringLiteral("lens"), false,
                              [](QWidget* parent) { return new TLenzenForm(parent); }});
    register_render_topic({QStringLiteral("lens"),
                           lens_messages::kRenderDescription,
                           {{QStringLiteral("level"),
                             {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                             QStringLiteral("1")},
                            {QStringLiteral("kind"),
                             {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                             QString()},
                            {QStringLiteral("diagram"),
                             {QStringLiteral("0"), QStringLiteral("1")},
                             QStringLiteral("0")},
                            {QStringLiteral("v"), {}, QString()},
                            {QStringLiteral("b"), {}, QString()},
                            {QStringLiteral("f"), {}, QString()}},
                           make_lens});
}

}  // namespace cifrala
