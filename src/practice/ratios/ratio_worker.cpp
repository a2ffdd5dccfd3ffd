#include "practice/ratios/ratio_worker.h"

#include "practice/ratios/ratios_form.h"
#include "text/messages.h"

namespace cifrala {

RatioWorker::RatioWorker(StepHost& host) : StepWorker(host) {}

void RatioWorker::show_value() {
    host().set_control_text(ControlRole::Score, value_.text());
}

void RatioWorker::reset_value() {
    value_.reset();
    show_value();
}

void RatioWorker::lower_value(int times) {
    value_.lower(times);
    show_value();
}

bool RatioWorker::next_table(int level) {
    hide_aids();
    if (retry_) return false;
    reset_value();
    table_ = generate_ratio_table(level);
    return true;
}

void RatioWorker::set_table(const RatioTable& table) {
    hide_aids();
    retry_ = false;
    reset_value();
    table_ = table;
}

RatioWorker::Judgement RatioWorker::check(const std::array<int, 3>& lower) {
    Judgement j;
    for (int i = 0; i < 3; ++i) {
        if (!table_.right(i, lower[static_cast<size_t>(i)])) {
            j.wrong[static_cast<size_t>(i)] = true;
            j.any_wrong = true;
            j.lines << msg(ratios_messages::kFirstColumnWrong + i);
        }
    }
    if (j.any_wrong) {
        retry_ = true;
        j.lines << msg(ratios_messages::kTryAgain);
        lower_value();
    } else {
        j.lines << msg(ratios_messages::kAllRight);
        retry_ = false;
    }
    return j;
}

bool RatioWorker::toggle_lower_to_upper() {
    aids_.lower_to_upper = !aids_.lower_to_upper;
    if (aids_.lower_to_upper) lower_value();
    redraw();
    return aids_.lower_to_upper;
}

bool RatioWorker::toggle_upper_to_lower() {
    aids_.upper_to_lower = !aids_.upper_to_lower;
    if (aids_.upper_to_lower) lower_value();
    redraw();
    return aids_.upper_to_lower;
}

bool RatioWorker::toggle_base_column() {
    aids_.base_column = !aids_.base_column;
    if (aids_.base_column) {
        lower_value();
    } else {
        aids_.from_base = {};
    }
    redraw();
    return aids_.base_column;
}

bool RatioWorker::toggle_from_base(int column) {
    if (!aids_.base_column) return false;
    bool& shown = aids_.from_base[static_cast<size_t>(column)];
    shown = !shown;
    if (shown) lower_value(2);
    redraw();
    return shown;
}

void RatioWorker::hide_aids() {
    aids_ = RatioAids{};
}

void RatioWorker::redraw() {
    draw_ratio_picture(sheet(), layout_, table_, aids_);
}

}  // namespace cifrala
