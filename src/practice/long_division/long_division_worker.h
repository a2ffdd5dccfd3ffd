#pragma once
// The written long division in the Dutch layout (divisor, slanted stroke,
// dividend, slanted stroke, quotient), one stage per "Rekenstap": first
// part, quotient digit with the speech cloud, product and remainder,
// bringing down the next digit, the decimal comma and the result box. In
// "both" mode every product keeps its place value (trailing zeros)
// and the rest is divided in one further chunk, with the running result in
// the result box.
//
// The stages queue their work in a StepSequence, so the pauses between
// writing the cloud, the product and the remainder are real waits.
#include <QPoint>
#include <QString>

#include "practice/long_division/long_division_exercise.h"

namespace cifrala {

class Surface;
class StepSequence;

// What the division needs from its window besides the surface.
class LongDivisionSide {
public:
    virtual ~LongDivisionSide() = default;
    virtual bool decimals_ticked() const = 0;  // "Ga door achter de komma"
    virtual int pause_ms() const = 0;
    // The cloud with its top-left corner at `at` (surface coordinates); the
    // window shows it only when it fits on the surface.
    virtual void show_cloud(QPoint at, const QString& first, const QString& second) = 0;
    virtual void hide_cloud() = 0;
    // The result box: its surface, and showing it with a caption message.
    virtual Surface& result_surface() = 0;
    virtual void show_result_box(int caption_message) = 0;
    // The digit that slides down from the dividend (surface coordinates).
    virtual void show_sliding_digit(const QString& digit, QPoint at) = 0;
    virtual void move_sliding_digit(int y) = 0;
    virtual void hide_sliding_digit() = 0;
    // The division is over: "Rekenstap" hidden, "Volgende oefening" and
    // "Eigen opgave" shown.
    virtual void division_ended() = 0;
};

class LongDivisionWorker {
public:
    LongDivisionWorker(Surface& surface, LongDivisionSide& side, StepSequence& sequence);

    // Takes a new exercise: nothing of it is worked yet (stage 0 next).
    void start(const Division& d, bool both);
    // Queues the current stage.
    void rekenstap();

    // Layout constants: top line, line height of the layout.
    static constexpr int kTopY = 5;
    static constexpr int kLine = 40;

    // --- state (read by the window and the tests) ---
    int stage = 0;
    bool finished = false;
    bool both = false;
    qint64 dividend = 0, divisor = 1;
    bool past_comma = false;
    int decimals = 0;
    QString decimal_digits;       // the decimals written so far
    qint64 running_quotient = 0;  // the whole part found so far
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
    void subtraction_line(int from_x, int to_x);
    bool sheet_full() const;
    int char_width() const;
    void hint(int message, int row = 0);

    Surface& s_;
    LongDivisionSide& side_;
    StepSequence& seq_;

    // Layout.
    int working_y_ = 0, working_x_ = 0, quotient_x_ = 0;
    int number_x_ = 0;      // where the current part (or number) begins
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
