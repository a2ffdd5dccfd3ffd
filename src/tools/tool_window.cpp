#include "tools/tool_window.h"

namespace cifrala {

void register_tool_text(TranslatedWindow window, QWidget* control, TextKind kind, int tag) {
    register_control(window, control, kind, tag);
    load_control_text(control, kind, tag);
}

}  // namespace cifrala
