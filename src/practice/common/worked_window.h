#pragma once
// Building blocks of the windows that work one topic out themselves (the
// pupil reads along and presses "Rekenstap"): their one mode, the standard
// buttons of the bottom row and the rows of their calibration table.
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "practice/common/practice_mode.h"
#include "practice/common/practice_window.h"

class QWidget;

namespace cifrala {

class StepWorker;

// The window's one mode: showing it sets the topic code, the window's own
// functions start and step the exercise, and the window's worker counts.
std::unique_ptr<PracticeMode> worked_topic_mode(int title, int help_page, int topic,
                                                std::function<void()> new_exercise,
                                                std::function<void()> rekenstap,
                                                std::function<const StepWorker*()> worker);

// The window's configuration: what every such window gives, the rest left
// at the framework's defaults.
PracticeWindowConfig worked_window_config(TranslatedWindow translated, const QString& class_name,
                                          const QString& title, QRect surface_rect,
                                          SurfaceStyle surface_style);

// The standard buttons of the bottom row at `top`: "Volgende oefening" and
// the step button on the left; help, copy, save and "Stop" on the right.
struct BottomRowButtons {
    QWidget* next = nullptr;
    QWidget* step = nullptr;
    QWidget* help = nullptr;
    QWidget* copy = nullptr;
    QWidget* save = nullptr;
    QWidget* stop = nullptr;
};
void place_bottom_row(const BottomRowButtons& b, int top);

// Rows of the calibration table: buttons and groups sit 40 pixels above the
// calibrated bottom, the small picture buttons 39.
inline constexpr int kButtonOffset = 40;
inline constexpr int kToolButtonOffset = 39;
void add_calibrated(std::vector<CalibratedControl>& table, std::initializer_list<QWidget*> controls,
                    int offset);

}  // namespace cifrala
