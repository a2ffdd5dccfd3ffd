#include "practice/common/render_registry.h"

#include <algorithm>

#include "formula/display_json.h"
#include "practice/common/practice_window.h"
#include "text/messages.h"
#include "util/random.h"

namespace cifrala {

namespace {

std::vector<RenderTopic>& topics() {
    static std::vector<RenderTopic> t;
    return t;
}

// Messages of the render mode.
constexpr int kUnknownTopic = 1361;
constexpr int kBadValue = 1362;
constexpr int kMissingValue = 1363;
constexpr int kUsage = 1364;
constexpr int kUsageSteps = 1365;
constexpr int kUsageTopics = 1366;
constexpr int kNoTopic = 1367;
// A safety limit for "--steps all": no exercise has this many steps.
constexpr int kMaxSteps = 1000;

QString with_value(int message, const QString& value) {
    return msg(message) + QLatin1Char(' ') + value;
}

}  // namespace

void register_render_topic(RenderTopic topic) {
    auto& t = topics();
    std::erase_if(t, [&](const RenderTopic& r) { return r.name == topic.name; });
    t.push_back(std::move(topic));
}

const RenderTopic* find_render_topic(const QString& name) {
    for (const RenderTopic& t : topics())
        if (t.name == name) return &t;
    return nullptr;
}

std::vector<const RenderTopic*> render_topics() {
    std::vector<const RenderTopic*> out;
    for (const RenderTopic& t : topics())
        out.push_back(&t);
    std::sort(out.begin(), out.end(),
              [](const RenderTopic* a, const RenderTopic* b) { return a->name < b->name; });
    return out;
}

bool parse_render_request(const QStringList& args, RenderRequest& request, QString* error) {
    request = RenderRequest{};
    if (args.isEmpty() || args.first().startsWith(QLatin1String("--"))) {
        if (error) *error = msg(kNoTopic);
        return false;
    }
    request.topic = args.first();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(QLatin1String("--")) || a.size() < 3) {
            if (error) *error = with_value(kBadValue, a);
            return false;
        }
        if (i + 1 >= args.size()) {
            if (error) *error = with_value(kMissingValue, a);
            return false;
        }
        const QString name = a.mid(2);
        const QString value = args[++i];
        bool ok = true;
        if (name == QLatin1String("seed")) {
            request.seed = value.toUInt(&ok);
        } else if (name == QLatin1String("steps")) {
            if (value == QLatin1String("all")) {
                request.steps = -1;
            } else {
                request.steps = value.toInt(&ok);
                ok = ok && request.steps >= 0;
            }
        } else if (name == QLatin1String("out")) {
            request.out = value;
        } else {
            request.options.insert(name, value);
        }
        if (!ok) {
            if (error) *error = with_value(kBadValue, a + QLatin1Char(' ') + value);
            return false;
        }
    }
    if (request.out.isEmpty()) {
        if (error) *error = with_value(kMissingValue, QStringLiteral("--out"));
        return false;
    }
    return true;
}

bool complete_render_options(const RenderTopic& topic, const RenderOptions& given,
                             RenderOptions& complete, QString* error) {
    complete.clear();
    for (auto it = given.cbegin(); it != given.cend(); ++it) {
        const auto o = std::find_if(topic.options.begin(), topic.options.end(),
                                    [&](const RenderOption& r) { return r.name == it.key(); });
        if (o == topic.options.end()) {
            if (error) *error = with_value(kBadValue, QStringLiteral("--") + it.key());
            return false;
        }
        if (!o->values.isEmpty() && !o->values.contains(it.value())) {
            if (error)
                *error = with_value(
                    kBadValue, QStringLiteral("--") + it.key() + QLatin1Char(' ') + it.value());
            return false;
        }
        complete.insert(it.key(), it.value());
    }
    for (const RenderOption& o : topic.options)
        if (!complete.contains(o.name) && !o.default_value.isEmpty())
            complete.insert(o.name, o.default_value);
    return true;
}

std::unique_ptr<PracticeWindow> work_exercise(const RenderRequest& request, QString* error) {
    const RenderTopic* topic = find_render_topic(request.topic);
    if (!topic) {
        if (error) *error = with_value(kUnknownTopic, request.topic);
        return nullptr;
    }
    RenderOptions options;
    if (!complete_render_options(*topic, request.options, options, error)) return nullptr;
    if (!topic->create) {
        if (error) *error = with_value(kUnknownTopic, request.topic);
        return nullptr;
    }
    std::unique_ptr<PracticeWindow> window = topic->create(options);
    if (!window) return nullptr;
    seed_random(request.seed);
    window->start_showing();
    const int steps = request.steps < 0 ? kMaxSteps : request.steps;
    for (int i = 0; i < steps && window->step_available(); ++i)
        window->Button2Click();
    return window;
}

namespace {

// A topic that draws its figure straight from the options; nullptr for one
// that works an exercise (or an unknown topic, with the error text).
const RenderTopic* figure_topic(const RenderRequest& request, RenderOptions& options,
                                QString* error, bool& failed) {
    failed = false;
    const RenderTopic* topic = find_render_topic(request.topic);
    if (!topic || !topic->draw) return nullptr;
    failed = !complete_render_options(*topic, request.options, options, error);
    return failed ? nullptr : topic;
}

}  // namespace

QImage render_exercise(const RenderRequest& request, QString* error) {
    RenderOptions options;
    bool failed = false;
    if (const RenderTopic* figure = figure_topic(request, options, error, failed))
        return figure->draw(options, error, nullptr);
    if (failed) return {};
    const std::unique_ptr<PracticeWindow> window = work_exercise(request, error);
    return window ? window->picture() : QImage();
}

QJsonObject render_exercise_json(const RenderRequest& request, QString* error) {
    RenderOptions options;
    bool failed = false;
    QJsonObject o;
    if (const RenderTopic* figure = figure_topic(request, options, error, failed)) {
        DisplayList items;
        const QImage image = figure->draw(options, error, &items);
        if (image.isNull()) return {};
        o = display_to_json(items, image.size());
    } else {
        if (failed) return {};
        const std::unique_ptr<PracticeWindow> window = work_exercise(request, error);
        if (!window) return {};
        o = window->description();
        o.insert(QStringLiteral("seed"), static_cast<qint64>(request.seed));
    }
    o.insert(QStringLiteral("topic"), request.topic);
    return o;
}

QStringList render_usage() {
    QStringList lines;
    lines << msg(kUsage) << msg(kUsageSteps) << msg(kUsageTopics);
    for (const RenderTopic* t : render_topics()) {
        QString line = QStringLiteral("  ") + t->name;
        for (const RenderOption& o : t->options) {
            line += QStringLiteral(" [--") + o.name + QLatin1Char(' ') +
                    (o.values.isEmpty() ? QStringLiteral("N") : o.values.join(QLatin1Char('|')));
            if (!o.default_value.isEmpty()) line += QStringLiteral(" (") + o.default_value + ')';
            line += QLatin1Char(']');
        }
        // A description above 5000 names its topic where it holds a "#".
        msg_param1 = t->name;
        if (t->description_message != 0) line += QStringLiteral("  ") + msg(t->description_message);
        lines << line;
    }
    return lines;
}

}  // namespace cifrala
