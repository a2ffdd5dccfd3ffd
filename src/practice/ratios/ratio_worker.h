#pragma once
// What the ratios window judges and draws: the table, its value, which
// drops with every aid, with showing the calculator and with every wrong
// check, the aid drawings on the picture behind the table, and the judging
// of the three lower numbers. The pupil types the answers, so there are no
// steps to work: the step counter stays -1. The value is shown through the
// host's ControlRole::Score.
#include <QStringList>
#include <array>

#include "practice/common/score.h"
#include "practice/common/step_worker.h"
#include "practice/ratios/ratios_drawing.h"
#include "practice/ratios/ratios_table.h"

namespace cifrala {

class RatioWorker : public StepWorker {
public:
    explicit RatioWorker(StepHost& host);
    void rekenstap() override {}

    const RatioTable& table() const { return table_; }
    const RatioLayout& layout() const { return layout_; }
    const RatioAids& aids() const { return aids_; }
    double value() const { return value_.value(); }
    bool retry() const { return retry_; }
    // The next table is a new one, even after a wrong check.
    void forget_retry() { retry_ = false; }

    // A new table of the level at 100 %, unless the last check asked to try
    // the same one again; false when the table stays.
    bool next_table(int level);
    // A given table (the pupil's own) at 100 %.
    void set_table(const RatioTable& table);

    struct Judgement {
        std::array<bool, 3> wrong{};
        bool any_wrong = false;
        QStringList lines;  // for the large message window
    };
    // Judges the lower numbers; a wrong one lowers the value and the next
    // table is the same one again.
    Judgement check(const std::array<int, 3>& lower);

    // The aids switch on and off; switching one on lowers the value (twice
    // for a factor from the base column). They return whether it is shown.
    bool toggle_lower_to_upper();
    bool toggle_upper_to_lower();
    bool toggle_base_column();
    bool toggle_from_base(int column);
    void hide_aids();

    // The calculator was shown.
    void lower_value(int times = 1);
    void reset_value();
    void redraw();

private:
    void show_value();

    RatioTable table_;
    RatioLayout layout_;
    RatioAids aids_;
    ValueScore value_{kValueStep};
    bool retry_ = false;
};

}  // namespace cifrala
