#pragma once
// The ten topics of the integers window: the menu opens the window with the
// topic code, and the window takes the title, the worksheet's font size and
// the standard controls each topic offers from this table. Topic 49 works
// under code 48 and the window remembers that it was opened with 49. Each
// row makes its topic's mode; a row without one is a topic not built yet.
#include <QString>
#include <memory>
#include <vector>

namespace cifrala {

class IntegersMode;
class TGehele_getallen_Form;

// Makes the mode of one topic for the window.
using IntegersModeFactory = std::unique_ptr<IntegersMode> (*)(TGehele_getallen_Form& window);

struct IntegersTopic {
    int code = -1;
    QString name;  // the mode's name
    int title_message = 0;
    int font_size = 32;                       // of the worksheet
    bool help = false;                        // the help button
    bool hint_check = true;                   // "Toon hint"
    bool own_exercise = true;                 // the "Eigen opgave" panel (Panel3)
    bool answer = false;                      // "Antwoord"
    IntegersModeFactory make_mode = nullptr;  // nullptr: not built yet
};

namespace integers_topic {
inline constexpr int kArithmetic = -1;
inline constexpr int kNumberLine = 45;
inline constexpr int kSpeed = 46;
inline constexpr int kTimeCalculation = 47;
inline constexpr int kClock = 48;
inline constexpr int kAverageSpeed = 49;
inline constexpr int kTimesTables = 50;
inline constexpr int kPressure = 51;
inline constexpr int kConcentration = 52;
inline constexpr int kScale = 53;
}  // namespace integers_topic

const std::vector<IntegersTopic>& integers_topics();
// The row of a topic code; nullptr for a code that is not one of the ten.
const IntegersTopic* find_integers_topic(int code);

// The help page of the window.
inline constexpr int kIntegersHelpPage = 692;

}  // namespace cifrala
