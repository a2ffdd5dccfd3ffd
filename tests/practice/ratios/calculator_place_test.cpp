// Where the ratio window opens the calculator: clear of the level group and
// of the on-screen keyboard with its letter panel.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QToolButton>

#include "formula/surface_pane.h"
#include "practice/ratios/ratios_form.h"
#include "support/message_recorder.h"
#include "tools/calc_form.h"
#include "tools/keyboard_form.h"
#include "tools/tools.h"

namespace cifrala {
namespace {

TEST(RatiosCalculatorPlace, ClearOfTheLevelGroupAndTheKeyboardsLetters) {
    testing::MessageRecorder messages;
    TverhoudingenForm form;
    form.show();
    form.SpeedButton8->click();  // the keyboard, then its letters
    keyboard()->show_letters(true);
    const QRect box(form.calculator_place(), calculator()->frameGeometry().size());
    const QRect level(form.mapToGlobal(form.level_group->pos()), form.level_group->size());
    EXPECT_FALSE(box.intersects(level));
    EXPECT_FALSE(box.intersects(keyboard()->frameGeometry()));
    EXPECT_FALSE(box.intersects(
        QRect(keyboard()->Panel1->mapToGlobal(QPoint(0, 0)), keyboard()->Panel1->size())));
    // Nor anything else of the window but the worksheet's empty right side.
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (w->parentWidget() != &form || !w->isVisibleTo(&form) ||
            w == static_cast<QWidget*>(form.Image1))
            continue;
        if (w->objectName() == QLatin1String("Panel1")) continue;  // the worksheet's frame
        EXPECT_FALSE(box.intersects(QRect(form.mapToGlobal(w->pos()), w->size())))
            << w->objectName().toStdString();
    }
    keyboard()->show_letters(false);
    keyboard()->hide();
    form.SpeedButton7->click();
    calculator()->hide();
}

}  // namespace
}  // namespace cifrala
