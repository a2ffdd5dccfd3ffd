#include "practice/integers/arithmetic_mode.h"

#include <QPushButton>

#include "expr/eval_text.h"
#include "expr/expression.h"
#include "practice/common/floating_panel.h"
#include "practice/integers/arithmetic_expression.h"
#include "practice/integers/arithmetic_generator.h"
#include "practice/integers/integers_form.h"
#include "text/messages.h"
#include "util/format.h"

namespace cifrala {

ArithmeticMode::ArithmeticMode(TGehele_getallen_Form& window)
    : IntegersMode(window, integers_topic::kArithmetic), worker_(window) {}

const StepWorker* ArithmeticMode::worker() const {
    return started_ ? &worker_ : nullptr;
}

void ArithmeticMode::showing() {
    w_.show_arithmetic_options(true);
}

void ArithmeticMode::new_exercise() {
    w_.check_primary_level();
    begin(ArithmeticWorker::new_expression(w_.surface(), w_.arithmetic_options(),
                                           w_.expression_layout()));
}

void ArithmeticMode::own_exercise(const QString& expression) {
    begin(expression);
}

void ArithmeticMode::begin(const QString& expression) {
    w_.hide_answer();
    w_.hide_cover_sheet();
    worker_.start(expression, w_.expression_layout());
    started_ = true;
    if (!worker_.finished) {
        w_.show_step_button();
        w_.Button7->show();
    }
    w_.after_step();
}

void ArithmeticMode::rekenstap() {
    w_.hide_answer();
    w_.Button7->hide();
    w_.Button1->hide();
    worker_.rekenstap();
    w_.after_step();
}

QString ArithmeticMode::answer() const {
    if (!started_) return {};
    double value = 0;
    if (eval_text(engine_text(worker_.expression()), value)) return format_real(value);
    return msg(error_message_number(last_evaluation_error()));
}

}  // namespace cifrala
