#pragma once
// The values through which the menu tells a practice window what to practise.
// The menu writes them right before it shows the window; the window reads them
// when it is shown. A value that a menu button does not mention keeps its value.
#include <cstdint>

namespace cifrala {

struct SelectionValues {
    int topic_code = 0;
    int category_code = 0;
    int integration_kind = -1;
    int integration_choice = -1;
    int chain_rule_choice = -1;
    bool function_type_preset = false;
    bool solve_as_equation = false;
    bool previous_exercise_stored = false;
    bool division_in_bites = false;
};

extern SelectionValues selection;

// Background of every drawing surface, 0xRRGGBB: white or aqua.
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kAqua = 0x00FFFF;
extern std::uint32_t background_colour;

// The menu's program-wide options, read directly by the practice windows.
struct ProgramOptions {
    bool show_theory_windows = true;  // "Toon theorievensters"
    bool white_background = false;    // "Witte achtergrond"
    bool movable_worksheet = true;    // "Rekenvel verplaatsbaar"
};
extern ProgramOptions program_options;

// The screen y found by the screen calibration; -1 while not calibrated.
extern int calibrated_bottom;

}  // namespace cifrala
