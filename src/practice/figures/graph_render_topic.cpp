#include "practice/figures/graph_render_topic.h"

#include <algorithm>

#include "drawing/graphs/graph_render.h"
#include "practice/common/render_registry.h"

namespace cifrala {

namespace {

// The line of the usage text.
constexpr int kGraphDescription = 4953;

// Every option of every kind once: the kind and its own choices (such as
// "relation") with their values, the numbers free (the graph judges them
// for the chosen kind).
std::vector<RenderOption> graph_options() {
    std::vector<RenderOption> options;
    QStringList kinds;
    for (const GraphRenderKind& kind : graph_render_kinds())
        kinds << kind.name;
    options.push_back({QStringLiteral("kind"), kinds, QStringLiteral("parabola")});
    options.push_back({QStringLiteral("width"), {}, {}});
    options.push_back({QStringLiteral("height"), {}, {}});
    for (const GraphRenderKind& kind : graph_render_kinds()) {
        for (const GraphRenderOption& o : kind.options) {
            auto same = [&](const RenderOption& r) { return r.name == o.name; };
            auto it = std::find_if(options.begin(), options.end(), same);
            if (it == options.end()) {
                options.push_back({o.name, o.allowed, {}});
            } else {
                for (const QString& v : o.allowed)
                    if (!it->values.contains(v)) it->values << v;
            }
        }
    }
    return options;
}

}  // namespace

void register_graph_render_topic() {
    RenderTopic topic;
    topic.name = QStringLiteral("graph");
    topic.description_message = kGraphDescription;
    topic.options = graph_options();
    topic.draw = [](const RenderOptions& options, QString* error, DisplayList* items) {
        return render_graph(options, error, items);
    };
    register_render_topic(std::move(topic));
}

}  // namespace cifrala
