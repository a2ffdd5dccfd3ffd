#pragma once
// The written long division in the Dutch layout (divisor, slanted stroke,
// dividend, slanted stroke, quotient), one stage per "Rekenstap": first
// piece, quotient digit with the speech cloud, product and remainder,
// bringing down the next digit, the decimal comma and the result box. In
// "both" mode every product keeps its place value (trailing zeros)
// and the rest is divided in one further chunk, with the running result in
// the result box.
//
// The stages queue their work in the host's step sequence, so the pauses
// between writing the cloud, the product and the remainder are real waits.
// The step counter is the stage that comes next.
#include <QPoint>
#include <QString>

#include "practice/common/step_worker.h"
#include "practice/long_division/long_division_exercise.h"

namespace cifrala {

class Surface;
class StepSequence;

// What it uses of its window besides the worksheet: "Ga door achter de
// komma" (ControlRole::Decimals), the pause, the speech cloud, the sliding
// digit and the result box with their surfaces.
class LongDivisionWorker : public StepWorker {
public:
    explicit LongDivisionWorker(StepHost& host);

    // Takes a new exercise: nothing of it is worked yet (stage 0 next).
    void start(const Division& d, bool both);
    // Queues the current stage and runs it.
    void rekenstap() override;

    // Layout constants: top line, line height of the layout.
    static constexpr int kTopY = 5;
    static constexpr int kLine = 40;

    // How many digits the classic layout can bring down after the first
    // piece on a sheet like `sheet` before it is full.
    static int digits_that_fit(const Surface& sheet);

    // --- state (read by the window and the tests) ---
    bool both = false;
    qint64 dividend = 0, divisor = 1;
    bool past_comma = false;
    int decimals = 0;
    QString decimal_digits;       // the decimals written so far
    qint64 running_quotient = 0;  // the whole number found so far
    qint64 remainder = 0;

private:
    void stage0();
    void stage1();
    void stage2();
    void stage3();
    void stage4();
    void stage5();
    void end_hint_without_digits();
    void update_result_box();
    void write_final_result();
    // Past the comma: the decimal quotient in the result box.
    void write_decimal_result();
    void subtraction_line(int from_x, int to_x);
    bool sheet_full() const;
    static bool sheet_full_at(const Surface& s, int working_y);
    int char_width() const;
    void hint(int message, int row = 0);
    bool decimals_ticked() { return host().ticked(ControlRole::Decimals); }
    void show_cloud(QPoint at, const QString& first, const QString& second);
    void hide_cloud() { host().show_control(ControlRole::Cloud, false); }
    void show_result_box(int caption_message);
    // The division is over; the pupil may type an exercise of their own.
    void division_ended();

    Surface& s_;
    StepSequence& seq_;

    // Layout.
    int working_y_ = 0, working_x_ = 0, quotient_x_ = 0;
    int number_x_ = 0;      // where the current piece (or number) begins
    int next_digit_x_ = 0;  // where the next digit comes down
    int remainder_x_ = 0;
    // The numbers being worked on.
    QString dividend_text_, divisor_text_;
    QString number_;       // the number being divided now, as text
    QString digits_left_;  // dividend digits not yet brought down
    qint64 digit_ = 0;     // current quotient digit (a chunk in "both" mode)
    QString remainder_text_;
};

}  // namespace cifrala
