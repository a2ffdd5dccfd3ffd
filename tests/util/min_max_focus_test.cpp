// The small helpers: smaller and larger values, exchanges, focus on an edit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include "util/focus.h"
#include "util/min_max.h"

namespace cifrala {
namespace {

TEST(MinMax, SmallerAndLarger) {
    EXPECT_EQ(min_int(3, -7), -7);
    EXPECT_EQ(max_int(3, -7), 3);
    EXPECT_EQ(min_real(0.5, 0.25), 0.25);
    EXPECT_EQ(max_real(-0.5, -0.25), -0.25);
}

TEST(MinMax, Swaps) {
    int a = 1, b = 2;
    swap(a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
    double x = 1.5, y = -2.5;
    swap(x, y);
    EXPECT_EQ(x, -2.5);
    EXPECT_EQ(y, 1.5);
    Vector3 u{1, 2, 3}, v{4, 5, 6};
    swap(u, v);
    EXPECT_EQ(u, (Vector3{4, 5, 6}));
    EXPECT_EQ(v, (Vector3{1, 2, 3}));
}

TEST(FocusAndSelect, SelectsTheTextOfAVisibleField) {
    QWidget window;
    auto* edit = new QLineEdit(QStringLiteral("12"), &window);
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    focus_and_select(edit);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("12"));
}

TEST(FocusAndSelect, IgnoresHiddenDisabledAndNonTabFields) {
    QWidget window;
    auto* hidden = new QLineEdit(QStringLiteral("1"), &window);
    auto* disabled = new QLineEdit(QStringLiteral("2"), &window);
    auto* no_tab = new QLineEdit(QStringLiteral("3"), &window);
    window.show();
    hidden->hide();
    disabled->setEnabled(false);
    no_tab->setFocusPolicy(Qt::ClickFocus);
    QApplication::processEvents();
    focus_and_select(hidden);
    focus_and_select(disabled);
    focus_and_select(no_tab);
    EXPECT_TRUE(hidden->selectedText().isEmpty());
    EXPECT_TRUE(disabled->selectedText().isEmpty());
    EXPECT_TRUE(no_tab->selectedText().isEmpty());
    focus_and_select<QLineEdit>(nullptr);  // no field: nothing happens
}

}  // namespace
}  // namespace cifrala
