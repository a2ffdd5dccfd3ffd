// What all practice windows share, seen through the fractions window: keys,
// options, the cover sheet, the movable worksheet, copy, save, help, the
// calibration, translation and the life cycle.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/fractions/fractions_fixture.h"
#include "support/message_recorder.h"
#include "text/help.h"
#include "text/language.h"
#include "text/translation.h"

namespace cifrala {
namespace {

using testing::FractionsFixture;

void mouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, held,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(target, &e);
}

void drag(QWidget* target, QPoint from, QPoint to) {
    mouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton);
    mouse(target, QEvent::MouseMove, to, Qt::LeftButton);
    mouse(target, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

class Window : public FractionsFixture {};

TEST_F(Window, ShowingStartsAnExercise) {
    start('1');
    FractionExercise e = w.initial_exercise();
    for (quint32 seed = 2; seed < 100 && !(e.a1 <= e.b1 && e.a2 <= e.b2); ++seed) {
        seed_random(seed);
        w.Button1Click();
        e = w.initial_exercise();
    }
    ASSERT_TRUE(e.a1 <= e.b1 && e.a2 <= e.b2);
    EXPECT_NE(w.step(), -1);  // the first step is already worked
    EXPECT_EQ(line_texts(),
              QStringList({QString("%1/%2 + %3/%4 =").arg(e.a1).arg(e.b1).arg(e.a2).arg(e.b2)}));
    EXPECT_TRUE(w.step_available());
    EXPECT_TRUE(w.next_available());
    EXPECT_FALSE(line_texts().isEmpty());
    EXPECT_TRUE(w.help_button->isVisibleTo(&w));
}

TEST_F(Window, PageDownPerformsAStepEvenFromTheKindList) {
    start('1', 0, 3);
    const int lines = line_texts().size();
    const int index = w.ComboBox1->currentIndex();
    QTest::keyClick(w.ComboBox1, Qt::Key_PageDown);
    EXPECT_GT(line_texts().size(), lines);
    EXPECT_EQ(w.ComboBox1->currentIndex(), index);
}

TEST_F(Window, PageDownDoesNothingWhenThereIsNoStep) {
    start('3', 0, 3);
    work_to_end();
    const QStringList before = line_texts();
    QTest::keyClick(w.Button1, Qt::Key_PageDown);
    EXPECT_EQ(line_texts(), before);
}

TEST_F(Window, PageUpStartsANewExerciseOnlyWhenTheButtonIsThere) {
    type_fractions('1', "", "1", "3", "", "1", "4");
    go_fractions();
    w.Button2Click();  // common denominator: "Volgende oefening" hidden
    ASSERT_FALSE(w.next_available());
    const QStringList before = line_texts();
    QTest::keyClick(w.Button2, Qt::Key_PageUp);
    EXPECT_EQ(line_texts(), before);
    work_to_end();
    seed_random(5);
    QTest::keyClick(w.Button1, Qt::Key_PageUp);
    EXPECT_NE(line_texts(), before);
    EXPECT_EQ(w.step(), 0);
}

TEST_F(Window, ChangingTheLevelKeepsTheExerciseAndCountsFromTheNextOne) {
    start('1', 0, 11);
    const QStringList before = line_texts();
    w.RadioButton3->click();
    EXPECT_EQ(line_texts(), before);
    EXPECT_EQ(w.level(), 2);
    int largest = 0;
    for (quint32 seed = 1; seed <= 30; ++seed) {
        seed_random(seed);
        w.Button1Click();
        const FractionExercise e = w.initial_exercise();
        largest = std::max({largest, e.a1, e.b1, e.a2, e.b2});
    }
    EXPECT_GT(largest, 6);  // beyond what "Eenvoudig" can give
}

TEST_F(Window, UntickedHintKeepsTheLastHint) {
    start('1', 0, 2);
    const QString first = testing::hint_text(w.surface());
    w.hint_check->click();
    ASSERT_FALSE(w.hint_check->isChecked());
    w.Button2Click();
    EXPECT_EQ(testing::hint_text(w.surface()), first);
}

TEST_F(Window, DoubleClickShowsTheCoverSheetBelowTheTop) {
    start('1');
    mouse(w.Image1, QEvent::MouseButtonDblClick, QPoint(300, 300), Qt::LeftButton);
    CoverSheet* sheet = w.cover_sheet();
    ASSERT_TRUE(sheet->isVisibleTo(&w));
    const QRect s = w.Image1->geometry();
    EXPECT_EQ(sheet->geometry(), QRect(s.x(), s.y() + 80, s.width(), s.height() - 80));
}

TEST_F(Window, CoverSheetStopsAtItsLimitsAndKeepsItsEdgesOnTheSurface) {
    start('1');
    w.show_cover_sheet();
    CoverSheet* sheet = w.cover_sheet();
    const QRect s = w.Image1->geometry();
    drag(sheet, QPoint(50, 50), QPoint(50, 250));  // down 200
    EXPECT_EQ(sheet->y(), s.y() + 280);
    drag(sheet, QPoint(50, 50), QPoint(-400, -500));  // far up and to the left
    EXPECT_EQ(sheet->x(), s.x());
    EXPECT_EQ(sheet->y(), s.y() + 80);
    drag(sheet, QPoint(50, 50), QPoint(350, 100));
    EXPECT_EQ(sheet->x(), s.x() + 300);
    EXPECT_EQ(sheet->geometry().right(), s.right());
    EXPECT_EQ(sheet->geometry().bottom(), s.bottom());
}

TEST_F(Window, CoverSheetCannotBeDraggedOffTheSurface) {
    start('1');
    w.show_cover_sheet();
    CoverSheet* sheet = w.cover_sheet();
    drag(sheet, QPoint(50, 50), QPoint(5000, 5000));
    EXPECT_GE(sheet->width(), 20);
    EXPECT_GE(sheet->height(), 20);
    EXPECT_EQ(sheet->geometry().right(), w.Image1->geometry().right());
}

TEST_F(Window, NewExerciseHidesTheCoverSheet) {
    start('1');
    w.show_cover_sheet();
    w.Button1Click();
    EXPECT_FALSE(w.cover_sheet()->isVisibleTo(&w));
}

TEST_F(Window, MovableWorksheetFollowsTheMouseOnlyWhenTheOptionIsOn) {
    start('1');
    const QPoint home = w.Image1->pos();
    program_options.movable_worksheet = false;
    drag(w.Image1, QPoint(100, 100), QPoint(130, 90));
    EXPECT_EQ(w.Image1->pos(), home);
    program_options.movable_worksheet = true;
    drag(w.Image1, QPoint(100, 100), QPoint(130, 90));
    EXPECT_EQ(w.Image1->pos(), home + QPoint(30, -10));
}

TEST_F(Window, AWorksheetDraggedAwayKeepsAPieceInTheWindowAndComesBack) {
    start('1');
    w.resize(1280, 994);
    const QPoint home = w.Image1->pos();
    // From near its bottom to far above the window, then the strip again.
    drag(w.Image1, QPoint(500, 670), QPoint(500, -3000));
    drag(w.Image1, QPoint(500, w.Image1->height() - 5), QPoint(500, -3000));
    const QRect inside = QRect(QPoint(), w.size()).intersected(w.Image1->geometry());
    EXPECT_GE(inside.height(), 40);
    EXPECT_GE(inside.width(), 40);
    drag(w.Image1, QPoint(10, 10), QPoint(9000, 9000));
    EXPECT_TRUE(QRect(QPoint(), w.size()).intersects(w.Image1->geometry()));
    // A new exercise puts it back, and so does opening the window again.
    w.Button1Click();
    EXPECT_EQ(w.Image1->pos(), home);
    drag(w.Image1, QPoint(10, 10), QPoint(300, 300));
    w.start_showing();
    EXPECT_EQ(w.Image1->pos(), home);
}

TEST_F(Window, FloatingPanelStaysRightOfAndBelowTheSurfaceEdge) {
    type_fractions('3', "", "4", "9", "", "3", "8");
    go_fractions();
    w.SpeedButton5Click();
    FloatingPanel* panel = w.Panel3;
    const QSize size = panel->size();
    drag(panel, QPoint(20, 20), QPoint(-2000, -2000));
    EXPECT_EQ(panel->pos(), w.Image1->pos());
    EXPECT_EQ(panel->size(), size);
    mouse(panel, QEvent::MouseButtonDblClick, QPoint(20, 20), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisibleTo(&w));
}

TEST_F(Window, PreviousExerciseCanBeWorkedOnceAgain) {
    start('1', 0, 21);
    EXPECT_FALSE(w.SpeedButton8->isVisibleTo(&w));  // the first after opening has none
    const FractionExercise first = w.initial_exercise();
    const QString first_line = line_texts().front();
    seed_random(22);
    w.Button1Click();
    ASSERT_TRUE(w.SpeedButton8->isVisibleTo(&w));
    EXPECT_EQ(*w.previous_exercise(), first);
    w.SpeedButton8Click();
    EXPECT_EQ(line_texts().front(), first_line);
    EXPECT_FALSE(w.SpeedButton8->isVisibleTo(&w));
    EXPECT_FALSE(selection.previous_exercise_stored);
    EXPECT_TRUE(w.step_available());
    w.Button1Click();
    EXPECT_FALSE(w.SpeedButton8->isVisibleTo(&w));
}

TEST_F(Window, ReopenedWindowOffersNoPreviousExercise) {
    start('1', 0, 21);
    w.Button1Click();
    ASSERT_TRUE(w.SpeedButton8->isVisibleTo(&w));
    // "Stop", then the menu opens the window again and clears the flag.
    w.Button3Click();
    selection.previous_exercise_stored = false;
    w.start_showing();
    EXPECT_FALSE(w.SpeedButton8->isVisibleTo(&w));
    w.Button1Click();
    EXPECT_TRUE(w.SpeedButton8->isVisibleTo(&w));  // this visit's first exercise
}

TEST_F(Window, DivisionIsRepeatedAsTheDivisionItWas) {
    start('4', 0, 5);
    const QString first_line = line_texts().front();
    work_to_end();
    w.Button1Click();
    w.SpeedButton8Click();
    EXPECT_EQ(line_texts().front(), first_line);
    EXPECT_TRUE(first_line.contains(':'));
}

TEST_F(Window, PresetModeCoversTheSelectorsAndHidesHelp) {
    w.set_preset_kind('3');
    w.start_showing();
    EXPECT_TRUE(w.Panel6->isVisibleTo(&w));
    EXPECT_FALSE(w.help_button->isVisibleTo(&w));
    EXPECT_TRUE(w.Panel4->isVisibleTo(&w));
    EXPECT_TRUE(w.Panel9->isVisibleTo(&w));
    EXPECT_EQ(w.initial_exercise().kind, 2);
    w.Button1Click();
    EXPECT_FALSE(w.Panel4->isVisibleTo(&w));
    work_to_end();
    EXPECT_TRUE(w.Panel4->isVisibleTo(&w));
}

TEST_F(Window, CopyPutsTheWholeSurfaceOnTheClipboard) {
    start('1');
    w.copy_button->click();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(1014, 678));
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), w.surface().image());
}

TEST_F(Window, SaveAsPictureWritesAPng) {
    start('1');
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.png");
    ASSERT_TRUE(w.save_surface_picture(path));
    const QImage saved(path);
    EXPECT_EQ(saved.size(), QSize(1014, 678));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), w.surface().image());
}

TEST_F(Window, FailedSaveIsReported) {
    start('1');
    testing::MessageRecorder recorder;
    EXPECT_FALSE(w.save_surface_picture("/nonexistent-folder/sheet.png"));
    ASSERT_EQ(recorder.count(), 1);
    EXPECT_TRUE(recorder.texts().front().startsWith(msg(1357)));
}

TEST_F(Window, CalibrationMovesTheBottomRow) {
    w.apply_calibration(900);
    EXPECT_EQ(w.Button1->y(), 860);
    EXPECT_EQ(w.Button2->y(), 860);
    EXPECT_EQ(w.Button3->y(), 860);
    EXPECT_EQ(w.level_group->y(), 860);
    EXPECT_EQ(w.GroupBox3->y(), 860);
    EXPECT_EQ(w.hint_check->y(), 876);
    EXPECT_EQ(w.help_button->y(), 861);
    const int x = w.Button1->x();
    w.apply_calibration(-1);  // not calibrated: nothing moves
    EXPECT_EQ(w.Button1->pos(), QPoint(x, 860));
}

TEST_F(Window, HelpShowsPage696) {
    start('1');
    w.help_button->click();
    EXPECT_EQ(help_number, 696);
    EXPECT_TRUE(help_open);
    close_help();
}

TEST_F(Window, StopClosesWithResultOne) {
    start('5');
    w.Button3->click();
    EXPECT_EQ(w.result(), 1);
    EXPECT_FALSE(w.Panel7->isVisibleTo(&w));
}

TEST_F(Window, EscapeDoesNotClose) {
    w.show();
    start('1');
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
    w.hide();
}

TEST_F(Window, LanguageChangesTheTexts) {
    language_index = 1;
    apply_language();
    EXPECT_EQ(w.Button1->text(), "Next exercise");
    EXPECT_EQ(w.Button2->text(), "Next step");
    EXPECT_EQ(w.RadioButton1->text(), "Easy");
    EXPECT_EQ(w.windowTitle(), "Fractions");
    ASSERT_EQ(w.ComboBox1->count(), 6);
    EXPECT_EQ(w.ComboBox1->itemText(1), QString("2   +  –"));
    EXPECT_EQ(w.ComboBox1->itemText(5), "6   Simplify");
    EXPECT_EQ(w.SpeedButton4->toolTip(), "Common denominator");
    language_index = 0;
    apply_language();
    EXPECT_EQ(w.Button1->text(), "Volgende oefening");
    EXPECT_EQ(w.ComboBox1->itemText(1), QString("2   +  –"));
    EXPECT_EQ(w.ComboBox1->itemText(5), "6   Vereenvoudigen");
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST_F(Window, EachStepIsPaintedBeforeItReturns) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    start('1', 0, 3);
    PaintCounter counter;
    w.Image1->installEventFilter(&counter);
    w.Button2Click();  // no event loop runs: the paint happens inside the step
    EXPECT_GT(counter.paints, 0);
    w.Image1->removeEventFilter(&counter);
    w.hide();
}

TEST_F(Window, ControlsWithoutBuiltInTextGetTheirTextAtOnce) {
    EXPECT_FALSE(w.save_button->toolTip().isEmpty());
    EXPECT_FALSE(w.SpeedButton8->toolTip().isEmpty());
    EXPECT_FALSE(w.SpeedButton10->text().isEmpty());
    EXPECT_FALSE(w.Edit3->toolTip().isEmpty());
}

}  // namespace
}  // namespace cifrala
