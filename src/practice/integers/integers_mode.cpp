#include "practice/integers/integers_mode.h"

namespace cifrala {

IntegersMode::IntegersMode(TGehele_getallen_Form& window, int topic) : w_(window) {
    if (const IntegersTopic* t = find_integers_topic(topic)) topic_ = *t;
}

Caption IntegersMode::title() const {
    return {TextKind::Message, topic_.title_message};
}

}  // namespace cifrala
