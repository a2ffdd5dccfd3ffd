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

constexpr const char* kRefusesTools = "cifrala_refuses_tools";

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

// Hides the tools while a window that refuses them is shown.
class ToolRefusal : public QObject {
public:
    explicit ToolRefusal(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (calculator_exists()) calculator()->hide();
            if (keyboard_exists()) keyboard()->hide();
        }
        return QObject::eventFilter(watched, event);
    }
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

void refuse_tools(QWidget* window) {
    if (refuses_tools(window)) return;
    window->setProperty(kRefusesTools, true);
    new ToolRefusal(window);
}

bool refuses_tools(const QWidget* window) {
    return window && window->property(kRefusesTools).toBool();
}

void route_tool_shortcut(QWidget* window, Tool tool, std::function<void()> action) {
    routes()[{window, tool}] = std::move(action);
}

void use_tool(QWidget* window, Tool tool) {
    if (refuses_tools(window)) return;
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
