#pragma once
// The calculator and the on-screen keyboard from anywhere: F4 shows or hides
// the calculator and Shift+F4 the keyboard, in the menu and in every
// practice window (the practice window base installs them). A window whose
// exercises the tools would give away (times tables, the operator game,
// estimating) refuses the calculator: there its key does nothing and it is
// hidden while the window is shown (the keyboard only types, so it stays). A window with its own
// way of showing a tool (the ratio window, where the calculator costs a step) routes the key to it.
#include <QWidget>
#include <functional>

namespace cifrala {

enum class Tool { Calculator, Keyboard };

// The key that shows or hides the tool.
QKeySequence tool_shortcut(Tool tool);

// Gives the window the two keys.
void install_tool_shortcuts(QWidget* window);
// The window takes no `tool` while `refused` holds: refusing hides the tool
// now and each time the window is shown, and its key does nothing there.
void set_tool_refused(QWidget* window, Tool tool, bool refused);
bool refuses_tool(const QWidget* window, Tool tool);
// The key runs `action` in this window instead of showing or hiding the tool.
void route_tool_shortcut(QWidget* window, Tool tool, std::function<void()> action);

// What the key does in `window`: the routed action, nothing when the window
// refuses the tool, else shows the tool when it is hidden and hides it when
// it is shown. The keyboard then types into `window`'s fields.
void use_tool(QWidget* window, Tool tool);

}  // namespace cifrala
