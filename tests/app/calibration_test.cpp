// The screen calibration window: both lines readable in full, in both
// languages, and OK takes the window's bottom edge.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "app/calibration_form.h"
#include "text/language.h"
#include "util/selection.h"

namespace cifrala {
namespace {

class CalibrationWindowTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        language_index = GetParam();
        set_language_prefix_from_index();
    }
    void TearDown() override {
        language_index = 0;
        set_language_prefix_from_index();
    }
};

TEST_P(CalibrationWindowTest, BothLinesAreReadableInFull) {
    TschermhoogteForm form;
    for (QLabel* l : {form.Label1, form.Label2}) {
        ASSERT_FALSE(l->text().isEmpty());
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width())
            << l->text().toStdString();
        EXPECT_GE(l->height(), l->fontMetrics().height());
        EXPECT_TRUE(form.rect().contains(l->geometry())) << l->text().toStdString();
        EXPECT_LT(l->geometry().bottom(), form.Button1->y());
    }
    EXPECT_LE(form.Label1->geometry().bottom(), form.Label2->y());
    EXPECT_TRUE(form.rect().contains(form.Button1->geometry()));
    EXPECT_GE(form.width(), 239);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, CalibrationWindowTest, ::testing::Values(0, 1));

TEST(CalibrationWindow, OkTakesTheBottomEdge) {
    TschermhoogteForm form;
    form.show();
    form.move(100, 500);
    form.Button1Click();
    EXPECT_EQ(calibrated_bottom, form.frameGeometry().bottom() + 1 - 20);
    EXPECT_EQ(form.result(), 1);
    calibrated_bottom = -1;
}

}  // namespace
}  // namespace cifrala
