#pragma once
// The one way in which a worker (the generation and the steps of a topic)
// reaches the window it works in: its surfaces, the hint line, the pauses
// during which "Rekenstap" is disabled, the end of the exercise, and the
// window's other controls by the role they play. A worker never names a
// control of its window.
#include <QPoint>
#include <QString>

namespace cifrala {

class Surface;
class StepSequence;

// The surfaces a window may have besides its worksheet.
enum class SurfaceRole {
    Worksheet,    // the large drawing surface (Image1)
    ResultBox,    // a result box lying over the worksheet
    Cloud,        // the speech cloud
    HintArea,     // a separate hint area below the worksheet
    Second,       // a second sheet beside the worksheet
    Strip,        // a strip above the worksheet that holds the exercise
    SidePanel,    // the surface of a side panel beside the worksheet
    Ladder,       // a unit ladder below the exercise
    LitreLadder,  // a second ladder beside it (the litres)
};

// What a control does for the pupil; a window maps the roles it has to its
// controls (PracticeWindow::set_role).
enum class ControlRole {
    NextExercise,        // "Volgende oefening"
    Step,                // "Rekenstap"
    OwnExercise,         // the "Eigen opgave" button or panel offer
    PreviousExercise,    // the previous exercise again
    Explain,             // a first side-explanation button ("Hoe?")
    ExplainSecond,       // a second one
    ExplainPanel,        // the panel the first one opens
    ExplainPanelSecond,  // the panel the second one opens
    ResultBox,           // a result box and its caption text
    Cloud,               // the speech cloud
    SlidingDigit,        // a digit that slides over the worksheet, and its text
    TimesTable,          // the times-table check box
    Decimals,            // a check box: go on past the decimal comma
    Answer,              // an answer box or button
    Score,               // a score or value display and its text
    Clock,               // a clock or time bar
    PrimeFactors,        // a factoring choice: into prime factors (else into squares)
    SecondStep,          // a second step button that takes the place of "Rekenstap"
    SidePanel,           // a side panel beside the worksheet
    DecimalsGroup,       // the choice of the number of decimals of approximations
    StandardForm,        // a check box: also write the answer in standard form
};

class StepHost {
public:
    virtual ~StepHost() = default;

    virtual Surface& surface(SurfaceRole role = SurfaceRole::Worksheet) = 0;
    // The hint line of the worksheet, on row `row` counted from the bottom;
    // n <= 0 only clears it.
    virtual void hint(int message, int row = 0) = 0;

    // Work queued here runs in order; while it waits for a pause or an
    // animation, "Rekenstap" is disabled.
    virtual StepSequence& sequence() = 0;
    // The length of a pause in milliseconds (0: no pauses).
    virtual int pause_ms() const = 0;

    virtual bool has_control(ControlRole role) const = 0;
    virtual void show_control(ControlRole role, bool visible) = 0;
    virtual bool ticked(ControlRole role) const = 0;
    virtual void set_control_text(ControlRole role, const QString& text) = 0;
    // Puts the control's top-left corner at a point of the worksheet; it is
    // shown only when it lies wholly on the worksheet.
    virtual void place_control(ControlRole role, QPoint on_worksheet) = 0;

    // The exercise is over: the closing hint (0: none), "Rekenstap" hidden,
    // "Volgende oefening" shown, and what the window shows at the end.
    virtual void finish(int closing_message) = 0;
};

}  // namespace cifrala
