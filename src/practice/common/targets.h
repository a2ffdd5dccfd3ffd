#pragma once
// The practice windows by the role they play for the menu, and the options
// a topic button of the menu sets on its window before it shows it.

namespace cifrala {

// The windows a topic button can open.
enum class Target {
    None,
    MultiTopic,        // TdiffkettingForm
    Roots,             // TwortelsherleidenForm
    Integers,          // TGehele_getallen_Form
    LongDivision,      // TStaartdeelForm
    Fractions,         // TbreukenoefenenForm
    Ratios,            // TverhoudingenForm
    Metric,            // TMetrieke_stelsel_Form
    QuadEquations,     // TkwadrverglForm
    QuadInequalities,  // TOngelijkhedenForm
    ExpEquations,      // TExpverglForm
    Lens,              // TLenzenForm
};

// Options a topic button sets on its target window before showing it.
enum class Preset {
    RatiosNewExercise,        // clear the keep-exercise flag
    MethodListMessage1901,    // multi-topic ComboBox4 text := msg(1901)
    MethodListMessage1900,    // multi-topic ComboBox4 text := msg(1900)
    ShowPanel8,               // multi-topic Panel8 visible
    FunctionTypeSinusoid,     // multi-topic ComboBox5 text := its third item
    ExplanationArea420x300,   // explanation window drawing area 420 x 300, black pen 3 wide
    EstimateLabels,           // integers: labels 1921, 1922, 1322, 1332; tick and hide CheckBox4;
                              // hide SpeedButton1; show Panel2 and Panel5
    TimePresets,              // integers: hide Panel3, show Panel2, hide SpeedButton1
    WordProblemPresets,       // integers: RadioButton3, RadioButton8, CheckBox4, 5, 7 ticked;
                              // hide CheckBox4 and SpeedButton1; show Panel2
    HidePanel3,               // integers: hide Panel3
    ShowPanel4,               // roots: Panel4 visible
    LongDivisionHideOptions,  // hide GroupBox1, GroupBox2 and CheckBox2
    LongDivisionShowOptions,  // show CheckBox2, GroupBox1 and GroupBox2
    ShowAbcFormula,           // quadratic equations: CheckBox2 visible
};

}  // namespace cifrala
