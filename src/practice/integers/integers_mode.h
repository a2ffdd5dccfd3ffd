#pragma once
// What every topic of the integers window is for the window: its row of the
// topic table (title, font size, the standard controls it offers), what it
// shows once the window has put its frame in order, the answer behind
// "Antwoord" and what it puts away on "Stop".
#include "practice/common/practice_mode.h"
#include "practice/integers/integers_topics.h"

namespace cifrala {

class TGehele_getallen_Form;

class IntegersMode : public PracticeMode {
public:
    IntegersMode(TGehele_getallen_Form& window, int topic);

    Caption title() const override;
    int help_page() const override { return kIntegersHelpPage; }
    // The window's showing puts the frame in order first and then calls
    // showing(); nothing is needed before it.
    void set_up() override {}
    const StepWorker* worker() const override { return nullptr; }

    // Each time the window is shown for this topic, after the frame.
    virtual void showing() {}
    // The answer of the exercise on the sheet ("Antwoord"); empty while
    // there is none.
    virtual QString answer() const { return {}; }
    // On "Stop".
    virtual void closing() {}

    const IntegersTopic& topic() const { return topic_; }

protected:
    TGehele_getallen_Form& w_;

private:
    IntegersTopic topic_;
};

// A topic that judges what the pupil does on its own panel: no worked
// steps, so no "Rekenstap".
class JudgedIntegersMode : public IntegersMode {
public:
    using IntegersMode::IntegersMode;
    bool judged() const override { return true; }
    bool refuses_calculator() const override { return true; }
    void rekenstap() override {}
};

}  // namespace cifrala
