#include "practice/inequalities/inequalities_registration.h"

#include "practice/common/render_registry.h"
#include "practice/common/window_registry.h"
#include "practice/inequalities/inequalities_form.h"
#include "practice/inequalities/inequalities_texts.h"
#include "util/selection.h"

namespace cifrala {

namespace {

//   cifrala --render inequalities [--relation less|greater] [--graph 0|1]
std::unique_ptr<PracticeWindow> make_inequalities(const RenderOptions& o) {
    auto window = std::make_unique<TOngelijkhedenForm>();
    selection.topic_code = 7;
    const QString relation = o.value(QStringLiteral("relation"));
    if (relation == QLatin1String("less")) window->set_forced_relation(true);
    if (relation == QLatin1String("greater")) window->set_forced_relation(false);
    window->set_render_graph(o.value(QStringLiteral("graph")) == QLatin1String("1"));
    return window;
}

}  // namespace

void register_inequalities_window() {
    register_practice_window({Target::QuadInequalities, QStringLiteral("inequalities"), true,
                              [](QWidget* parent) { return new TOngelijkhedenForm(parent); }});
    register_render_topic(
        {QStringLiteral("inequalities"),
         inequalities_messages::kRenderDescription,
         {{QStringLiteral("relation"), {QStringLiteral("less"), QStringLiteral("greater")}, {}},
          {QStringLiteral("graph"),
           {QStringLiteral("0"), QStringLiteral("1")},
           QStringLiteral("0")}},
         make_inequalities,
         {}});
}

}  // namespace cifrala
