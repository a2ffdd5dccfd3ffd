#include "practice/multitopic/multitopic_registration.h"

#include <map>

#include "practice/common/render_registry.h"
#include "practice/common/window_registry.h"
#include "practice/multitopic/diffketting_form.h"
#include "practice/multitopic/multitopic_texts.h"
#include "practice/multitopic/topics/differentiation.h"
#include "util/selection.h"

namespace cifrala {

namespace {

// The built topics with the category the menu writes for them; category 6
// (all chain-rule variants) has no topic of its own.
const std::map<int, int>& topic_categories() {
    static const std::map<int, int> m{{9, 7},  {10, 8}, {11, 9}, {12, 1},
                                      {13, 2}, {14, 3}, {15, 4}, {16, 5}};
    return m;
}

QStringList numbers(int from, int to) {
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QString::number(i);
    return out;
}

//   cifrala --render multitopic [--topic 9..16] [--category 1..9] [--level 1..3]
// A category chooses its own topic; category 6 draws a chain-rule variant.
std::unique_ptr<PracticeWindow> make_multitopic(const RenderOptions& o) {
    auto window = std::make_unique<TdiffkettingForm>();
    window->set_start_on_show(true);
    window->set_level(o.value(QStringLiteral("level")).toInt() - 1);
    selection = SelectionValues{};
    int topic = o.value(QStringLiteral("topic")).toInt();
    int category = topic_categories().at(topic);
    if (o.contains(QStringLiteral("category"))) {
        category = o.value(QStringLiteral("category")).toInt();
        topic = -1;
        for (const auto& [t, c] : topic_categories())
            if (c == category) topic = t;
    }
    selection.topic_code = topic;
    selection.category_code = category;
    selection.chain_rule_choice = category == 6 ? 6 : -1;
    return window;
}

}  // namespace

void register_multitopic_window() {
    register_differentiation_routines();
    register_practice_window({Target::MultiTopic, QStringLiteral("multitopic"), false,
                              [](QWidget* parent) { return new TdiffkettingForm(parent); }});
    register_render_topic({QStringLiteral("multitopic"),
                           multitopic_messages::kRenderDescription,
                           {{QStringLiteral("topic"), numbers(9, 16), QStringLiteral("9")},
                            {QStringLiteral("category"), numbers(1, 9), QString()},
                            {QStringLiteral("level"), numbers(1, 3), QStringLiteral("1")}},
                           make_multitopic});
}

}  // namespace cifrala
