#include "practice/roots/roots_registration.h"

#include <QRadioButton>

#include "practice/common/render_registry.h"
#include "practice/common/window_registry.h"
#include "practice/roots/function_value_mode.h"
#include "practice/roots/parabola_mode.h"
#include "practice/roots/roots_form.h"
#include "practice/roots/roots_function_texts.h"
#include "practice/roots/roots_texts.h"
#include "util/selection.h"

namespace cifrala {

namespace {

// The mode a row of the window's table names.
template <typename Mode>
Mode* mode_named(const TwortelsherleidenForm& w, const char* name) {
    for (const ModeRow& row : w.modes().rows())
        if (row.name == QLatin1String(name)) return static_cast<Mode*>(row.mode);
    return nullptr;
}

NumberKind number_kind(const QString& v) {
    if (v == QLatin1String("negative")) return NumberKind::WholeMaybeNegative;
    if (v == QLatin1String("fraction")) return NumberKind::MaybeFraction;
    return NumberKind::WholeNotNegative;
}

//   cifrala --render roots [--topic 22|56|57|58|59|60|61] [--level 1|2|3] [--method squares|primes]
//       [--crossings y|x] [--value whole|negative|fraction]
//       [--coefficients whole|negative|fraction]
std::unique_ptr<PracticeWindow> make_roots(const RenderOptions& o) {
    auto window = std::make_unique<TwortelsherleidenForm>();
    window->sequence().instant = true;
    window->set_start_on_show(true);
    selection.topic_code = o.value(QStringLiteral("topic")).toInt();
    window->set_level(o.value(QStringLiteral("level")).toInt() - 1);
    (o.value(QStringLiteral("method")) == QLatin1String("primes") ? window->RadioButton4
                                                                  : window->RadioButton5)
        ->setChecked(true);
    if (auto* p = mode_named<ParabolaMode>(*window, "parabolas"))
        (o.value(QStringLiteral("crossings")) == QLatin1String("x") ? p->RadioButton7
                                                                    : p->RadioButton6)
            ->setChecked(true);
    if (auto* f = mode_named<FunctionValueMode>(*window, "function_value"))
        f->set_choices(number_kind(o.value(QStringLiteral("value"))),
                       number_kind(o.value(QStringLiteral("coefficients"))));
    return window;
}

const QStringList kNumberKinds{QStringLiteral("whole"), QStringLiteral("negative"),
                               QStringLiteral("fraction")};

}  // namespace

void register_roots_window() {
    register_practice_window({Target::Roots, QStringLiteral("roots"), true,
                              [](QWidget* parent) { return new TwortelsherleidenForm(parent); }});
    register_render_topic(
        {QStringLiteral("roots"),
         roots_function_tags::kRenderDescription,
         {{QStringLiteral("topic"),
           {QStringLiteral("22"), QStringLiteral("56"), QStringLiteral("57"), QStringLiteral("58"),
            QStringLiteral("59"), QStringLiteral("60"), QStringLiteral("61")},
           QStringLiteral("22")},
          {QStringLiteral("level"),
           {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
           QStringLiteral("1")},
          {QStringLiteral("method"),
           {QStringLiteral("squares"), QStringLiteral("primes")},
           QStringLiteral("squares")},
          {QStringLiteral("crossings"),
           {QStringLiteral("y"), QStringLiteral("x")},
           QStringLiteral("y")},
          {QStringLiteral("value"), kNumberKinds, QStringLiteral("whole")},
          {QStringLiteral("coefficients"), kNumberKinds, QStringLiteral("whole")}},
         make_roots});
}

}  // namespace cifrala
