#include "practice/roots/roots_registration.h"

#include <QRadioButton>

#include "practice/common/render_registry.h"
#include "practice/common/window_registry.h"
#include "practice/roots/roots_form.h"
#include "practice/roots/roots_texts.h"
#include "util/selection.h"

namespace cifrala {

namespace {

//   cifrala --render roots [--topic 22|58|59|60|61] [--level 1|2|3] [--method squares|primes]
std::unique_ptr<PracticeWindow> make_roots(const RenderOptions& o) {
    auto window = std::make_unique<TwortelsherleidenForm>();
    window->sequence().instant = true;
    window->set_start_on_show(true);
    selection.topic_code = o.value(QStringLiteral("topic")).toInt();
    window->set_level(o.value(QStringLiteral("level")).toInt() - 1);
    (o.value(QStringLiteral("method")) == QLatin1String("primes") ? window->RadioButton4
                                                                  : window->RadioButton5)
        ->setChecked(true);
    return window;
}

}  // namespace

void register_roots_window() {
    register_practice_window({Target::Roots, QStringLiteral("roots"), true,
                              [](QWidget* parent) { return new TwortelsherleidenForm(parent); }});
    register_render_topic({QStringLiteral("roots"),
                           roots_tags::kRenderDescription,
                           {{QStringLiteral("topic"),
                             {QStringLiteral("22"), QStringLiteral("58"), QStringLiteral("59"),
                              QStringLiteral("60"), QStringLiteral("61")},
                             QStringLiteral("22")},
                            {QStringLiteral("level"),
                             {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                             QStringLiteral("1")},
                            {QStringLiteral("method"),
                             {QStringLiteral("squares"), QStringLiteral("primes")},
                             QStringLiteral("squares")}},
                           make_roots});
}

}  // namespace cifrala
