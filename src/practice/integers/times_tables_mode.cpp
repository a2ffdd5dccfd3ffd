#include "practice/integers/times_tables_mode.h"

#include <QPushButton>

#include "practice/integers/integers_form.h"
#include "practice/integers/times_table_panel.h"

namespace cifrala {

TimesTablesMode::TimesTablesMode(TGehele_getallen_Form& window)
    : JudgedIntegersMode(window, integers_topic::kTimesTables) {}

void TimesTablesMode::showing() {
    w_.Panel8->setGeometry(w_.rect());
    w_.Panel8->show_test_panel();
    w_.Panel8->Button4->setFocus();
}

void TimesTablesMode::new_exercise() {
    w_.Panel8->Button4Click();
}

void TimesTablesMode::closing() {
    w_.Panel8->stop();
    w_.Panel8->hide();
}

}  // namespace cifrala
