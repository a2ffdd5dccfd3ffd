#include "practice/ratios/ratios_registration.h"

#include "practice/common/window_registry.h"
#include "practice/ratios/ratios_form.h"

namespace cifrala {

void register_ratios_window() {
    register_practice_window({Target::Ratios, QStringLiteral("ratios"), true,
                              [](QWidget* parent) { return new TverhoudingenForm(parent); }});
}

}  // namespace cifrala
