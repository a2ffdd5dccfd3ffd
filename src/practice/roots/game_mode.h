#pragma once
// Topic 62, "Maak kloppend": the roots window turned into a game on its own
// panel. Each exercise is judged as soon as both places hold an operator or
// the clock runs out, and counted in the score. The clock is a timer of 100
// milliseconds on the user-interface thread, so a tick never runs in the
// middle of a click.
#include "practice/common/practice_mode.h"
#include "practice/common/score.h"
#include "practice/roots/game_rules.h"

namespace cifrala {

class GamePanel;
class TwortelsherleidenForm;

class GameMode : public PracticeMode {
public:
    GameMode(TwortelsherleidenForm& window, GamePanel& panel);

    Caption title() const override;
    int help_page() const override;
    // Opening the game: the panel with its cover, the score at 0.
    void set_up() override;
    // Page Up: the game's own "Volgende oefening" while it is there.
    void new_exercise() override;
    void rekenstap() override {}
    const StepWorker* worker() const override { return nullptr; }
    bool judged() const override { return true; }
    bool refuses_calculator() const override { return true; }

    // --- handlers ---
    void SpeedButton24Click();       // new exercise
    void choose(int place, int op);  // an operator button of the red (0) or blue (1) panel
    void withdraw(int place);        // a chosen operator clicked
    void somcheck();                 // judges when both places are filled or time is up
    void Timer1Timer();              // one tick of the clock
    void toon_score();
    // Closing: the clock stops, the panel goes.
    void stop();

    // The exercise takes the given sum instead of a drawn one (tests).
    void start(const GameSum& sum);

    // --- state ---
    GameSum sum;
    int chosen[2] = {kNoOperator, kNoOperator};
    bool open = false;  // an exercise waits for its answer
    bool timed_out = false;
    int progress = 0;
    int maximum = 0;  // ticks of the clock (0: no clock)
    Tally tally;

private:
    void start_clock();

    TwortelsherleidenForm& w_;
    GamePanel& p_;
};

}  // namespace cifrala
