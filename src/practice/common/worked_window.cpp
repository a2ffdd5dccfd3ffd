#include "practice/common/worked_window.h"

#include <QWidget>

#include "util/selection.h"

namespace cifrala {

namespace {

constexpr int kNextLeft = 4, kNextWidth = 132;
constexpr int kStepLeft = 140, kStepWidth = 124;
constexpr int kButtonHeight = 32;
// The picture buttons in the right-hand corner, one beside the other.
constexpr int kToolLeft = 878, kToolStep = 32, kToolSide = 30;
constexpr int kStopLeft = 974, kStopWidth = 40;

}  // namespace

std::unique_ptr<PracticeMode> worked_topic_mode(int title, int help_page, int topic,
                                                std::function<void()> new_exercise,
                                                std::function<void()> rekenstap,
                                                std::function<const StepWorker*()> worker) {
    return make_mode({{TextKind::Window, title},
                      help_page,
                      false,
                      [topic] { selection.topic_code = topic; },
                      std::move(new_exercise),
                      std::move(rekenstap),
                      std::move(worker)});
}

PracticeWindowConfig worked_window_config(TranslatedWindow translated, const QString& class_name,
                                          const QString& title, QRect surface_rect,
                                          SurfaceStyle surface_style) {
    PracticeWindowConfig c;
    c.translated = translated;
    c.class_name = class_name;
    c.title = title;
    c.surface_rect = surface_rect;
    c.surface_style = std::move(surface_style);
    return c;
}

void place_bottom_row(const BottomRowButtons& b, int top) {
    if (b.next) b.next->setGeometry(kNextLeft, top, kNextWidth, kButtonHeight);
    if (b.step) b.step->setGeometry(kStepLeft, top, kStepWidth, kButtonHeight);
    int x = kToolLeft;
    for (QWidget* w : {b.help, b.copy, b.save}) {
        if (w) w->setGeometry(x, top + 1, kToolSide, kToolSide);
        x += kToolStep;
    }
    if (b.stop) b.stop->setGeometry(kStopLeft, top, kStopWidth, kButtonHeight);
}

void add_calibrated(std::vector<CalibratedControl>& table, std::initializer_list<QWidget*> controls,
                    int offset) {
    for (QWidget* w : controls)
        table.push_back({w, offset});
}

}  // namespace cifrala
