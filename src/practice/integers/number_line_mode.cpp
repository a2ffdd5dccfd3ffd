#include "practice/integers/number_line_mode.h"

#include "formula/surface_pane.h"
#include "practice/integers/integers_form.h"
#include "practice/integers/number_line_panel.h"

namespace cifrala {

NumberLineMode::NumberLineMode(TGehele_getallen_Form& window)
    : JudgedIntegersMode(window, integers_topic::kNumberLine) {}

void NumberLineMode::showing() {
    w_.Panel5->move(w_.Image1->pos());
    w_.Panel5->prepare();
    w_.Panel5->show();
    w_.Panel5->raise();
}

void NumberLineMode::new_exercise() {
    w_.Panel5->move(w_.Image1->pos());
    w_.Panel5->new_number();
    w_.Panel5->show();
    w_.Panel5->raise();
}

void NumberLineMode::closing() {
    w_.Panel5->hide();
}

}  // namespace cifrala
