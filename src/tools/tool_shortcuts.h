#pragma once
// The calculator and the on-screen keyboard from anywhere: F4 shows or hides
// the calculator and Shift+F4 the keyboard, in the menu and in every
// practice window (the practice window base installs them). A window whose
// exercises the tools would give away (times tables, the operator game,
// estimating) refuses them: there the keys do nothing and the tools are
// hidden while the window is shown. A window with its own way of showing a
// tool (the ratio window, where the calculator costs a step) routes the key
// to it.
#include <QWidget>
#include <functional>

namespace cifrala {

enum class Tool { Calculator, Keyboard };

// The key that shows or hides the tool.
QKeySequence tool_shortcut(Tool tool);

// Gives the window the two keys.
void install_tool_shortcuts(QWidget* window);
// The window takes no tools (call it in the window's constructor).
void refuse_tools(QWidget* window);
bool refuses_tools(const QWidget* window);
// The key runs `action` in this window instead of showing or hiding the tool.
void route_tool_shortcut(QWidget* window, Tool tool, std::function<void()> action);

// What the key does in `window`: the routed action, nothing when the window
// refuses the tools, else shows the tool when it is hidden and hides it when
// it is shown. The keyboard then types into `window`'s fields.
void use_tool(QWidget* window, Tool tool);

}  // namespace cifrala
