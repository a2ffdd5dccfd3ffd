#pragma once
// The keys of the calculator: where each lies, what it inserts into the
// expression field and the number of its control text.
#include <vector>

namespace cifrala {

struct CalcKey {
    enum Picture { NoPicture, RootPicture, PiPicture };
    const char* name;     // component name
    const char* caption;  // built-in caption (empty for picture keys)
    const char* text;     // inserted at the caret
    int x, y, width, height;
    bool on_panel;  // inside the scientific panel (Panel1)
    int tag;        // control text: file 5 (caption and hint), file 3 for picture keys
    Picture picture = NoPicture;
};

// Every key, in the order in which the window creates them.
const std::vector<CalcKey>& calc_keys();

// Text numbers of the calculator's other controls.
namespace calc_tags {
inline constexpr int kWindow = 731;   // file 3: caption and hint
inline constexpr int kEquals = 4610;  // file 5
inline constexpr int kClear = 4611;
inline constexpr int kStore = 4612;
inline constexpr int kRecall = 4613;
inline constexpr int kScrollBar = 4662;     // file 3, hint
inline constexpr int kCover = 4663;         // file 3, hint
inline constexpr int kCopy = 4664;          // file 3, hint
inline constexpr int kHistoryList = 4665;   // file 3, hint
inline constexpr int kHelp = 4666;          // file 3, hint
inline constexpr int kExpression = 4670;    // file 6, hint
inline constexpr int kExact = 4690;         // file 8
inline constexpr int kHistoryLabel = 4695;  // file 2
}  // namespace calc_tags

// Messages of the calculator.
namespace calc_messages {
inline constexpr int kDegrees = 539;    // hint of sin, cos, tan in degrees
inline constexpr int kRadians = 540;    // ... in radians
inline constexpr int kCorrectIt = 603;  // follows an error message
inline constexpr int kTooLong = 5601;   // one "#": the longest text
inline constexpr int kBadCharacter = 4602;
inline constexpr int kHelpPage = 4600;  // help page of the calculator
}  // namespace calc_messages

}  // namespace cifrala
