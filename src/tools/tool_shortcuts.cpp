#include "tools/tool_shortcuts.h"

#include <QEvent>
#include <QKeySequence>
#include <QShortcut>
#include <map>
#include <utility>

#include "text/floating_window.h"
#include "tools/calc_form.h"
#include "tools/key_sender.h"
#include "tools/keyboard_form.h"
#include "tools/tools.h"

namespace cifrala {

namespace {

constexpr const char* kRefusalWatched = "cifrala_tool_refusal_watched";

const char* refusal_property(Tool tool) {
    return tool == Tool::Calculator ? "cifrala_refuses_calculator" : "cifrala_refuses_keyboard";
}

void hide_refused_tools(const QWidget* window) {
    if (refuses_tool(window, Tool::Calculator) && calculator_exists()) calculator()->hide();
    if (refuses_tool(window, Tool::Keyboard) && keyboard_exists()) keyboard()->hide();
}

using Routes = std::map<std::pair<const QObject*, Tool>, std::function<void()>>;

Routes& routes() {
    static Routes r;
    return r;
}

void forget_routes(const QObject* window) {
    Routes& r = routes();
    for (auto it = r.begin(); it != r.end();)
        it = it->first.first == window ? r.erase(it) : std::next(it);
}

// Hides the refused tools each time the window is shown.
class ToolRefusal : public QObject {
public:
    explicit ToolRefusal(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show) hide_refused_tools(window_);
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
};

void toggle_calculator() {
    calculator()->toggle_visible();
}

void toggle_keyboard(QWidget* window) {
    Ttoetsenbord* k = keyboard();
    if (k->isVisible()) {
        k->hide();
        return;
    }
    // The keys go to the window in which the pupil pressed Shift+F4, unless
    // that is one of the tools themselves.
    if (window && !window->property(kFloatingWindowProperty).toBool()) set_typing_target(window);
    k->show_below(window && window->isVisible() ? window : nullptr);
}

}  // namespace

QKeySequence tool_shortcut(Tool tool) {
    return tool == Tool::Calculator ? QKeySequence(Qt::Key_F4)
                                    : QKeySequence(Qt::SHIFT | Qt::Key_F4);
}

void install_tool_shortcuts(QWidget* window) {
    for (Tool tool : {Tool::Calculator, Tool::Keyboard}) {
        auto* shortcut = new QShortcut(tool_shortcut(tool), window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, window,
                         [window, tool] { use_tool(window, tool); });
    }
    QObject::connect(window, &QObject::destroyed, [window] { forget_routes(window); });
}

void set_tool_refused(QWidget* window, Tool tool, bool refused) {
    if (!window || refuses_tool(window, tool) == refused) return;
    if (!window->property(kRefusalWatched).toBool()) {
        window->setProperty(kRefusalWatched, true);
        new ToolRefusal(window);
    }
    window->setProperty(refusal_property(tool), refused);
    if (refused && window->isVisible()) hide_refused_tools(window);
}

bool refuses_tool(const QWidget* window, Tool tool) {
    return window && window->property(refusal_property(tool)).toBool();
}

void route_tool_shortcut(QWidget* window, Tool tool, std::function<void()> action) {
    routes()[{window, tool}] = std::move(action);
}

void use_tool(QWidget* window, Tool tool) {
    if (refuses_tool(window, tool)) return;
    const auto route = routes().find({window, tool});
    if (route != routes().end() && route->second) {
        route->second();
        return;
    }
    if (tool == Tool::Calculator) {
        toggle_calculator();
    } else {
        toggle_keyboard(window);
    }
}

}  // namespace cifrala
