#pragma once
// What the calculator and the on-screen keyboard share: they float above the
// practice windows (text/floating_window.h) and carry translated texts.
#include "text/floating_window.h"
#include "text/translation.h"

class QWidget;

namespace cifrala {

// Control texts of the tool windows: registers the control for translation
// and puts the current language's text on it at once.
void register_tool_text(TranslatedWindow window, QWidget* control, TextKind kind, int tag);

}  // namespace cifrala
