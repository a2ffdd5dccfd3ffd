#pragma once
// What the four equation topics of the roots window share: the step counter
// (0 after a new exercise; some topics number their steps by the counter
// after the press's increment, the others by the counter before it), the
// explanation window's moments (shown at a place, shown again where it is,
// flashed for a second, hidden), the card step the window reads, and the
// end of an exercise.
#include <QVariantMap>

#include "practice/common/step_worker.h"

namespace cifrala {

class Surface;
class StepSequence;

// The explanation window as the equation topics use it; positions are
// relative to the practice window's client area.
class EquationExplainer {
public:
    virtual ~EquationExplainer() = default;
    // Hides it, shows it (the card of the current step) at (top, left).
    virtual void show_at(int top, int left) = 0;
    // Hides it and shows it again where it is.
    virtual void reshow() = 0;
    virtual void hide() = 0;
    // Moves it without showing it to a point of the worksheet.
    virtual void move_to_sheet(QPoint on_worksheet) = 0;
    // Moves its top to a height of the worksheet; it stays as far left.
    virtual void move_top_to_sheet(int sheet_y) = 0;
};

class EquationWorker : public StepWorker {
public:
    EquationWorker(StepHost& host, EquationExplainer& explainer, bool counts_before);
    // The press performs the step the counter holds before it counts on
    // (else the step it holds after).
    bool counts_before() const { return counts_before_; }

    // Draws an exercise of the level (0, 1, 2), clears the sheet and writes it.
    virtual void new_exercise(int level) = 0;
    void rekenstap() override;
    // What the explanation window's card reads: "step" (the step whose card
    // it is) and the exercise's values.
    virtual QVariantMap card_values() const = 0;

    // The step whose card the explanation window shows.
    int card_step = 0;

protected:
    // Performs step n.
    virtual void perform(int n) = 0;
    // The next press performs step k.
    void next_step(int k);
    // Starts the line after the last one.
    void line(double f = 1.4);
    // A new line with message 1540, "Rekenstap" hidden, "Volgende oefening"
    // shown.
    void end_exercise();

    // --- the explanation window ---
    void show_at(int top, int left);
    void reshow();
    void hide_card();
    // Shows it, lets it paint, waits `ms` and hides it.
    void flash(int ms = 1000);
    // Where a new exercise puts it: 30 pixels below and right of the cursor.
    void place_after_exercise();
    // Work that waits `ms` first (a pause in the step).
    void after(int ms, std::function<void()> work);

    Surface& sheet_;
    StepSequence& seq_;
    EquationExplainer& explainer_;
    bool counts_before_;
};

}  // namespace cifrala
