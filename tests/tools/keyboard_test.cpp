// The on-screen keyboard: its keys arrive at the caret of the focused field
// of the typing target window, with the editing effect of the real keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include "expr/eval_text.h"
#include "tools/calc_form.h"
#include "tools/key_sender.h"
#include "tools/keyboard_form.h"
#include "util/number_settings.h"

namespace cifrala {
namespace {

// A practice-like window with two answer fields.
class TargetWindow : public QWidget {
public:
    TargetWindow() {
        setWindowTitle(QStringLiteral("Verhoudingen oefenen"));
        auto* layout = new QVBoxLayout(this);
        first = new QLineEdit(this);
        second = new QLineEdit(this);
        layout->addWidget(first);
        layout->addWidget(second);
        resize(300, 120);
    }
    QLineEdit* first;
    QLineEdit* second;
};

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = number_settings;
        number_settings.decimal_separator = QLatin1Char(',');
        target_.show();
        target_.activateWindow();
        target_.second->setFocus();
        set_typing_target(target_.windowTitle());
        keyboard_ = std::make_unique<Ttoetsenbord>();
        keyboard_->show();
    }
    void TearDown() override {
        keyboard_.reset();
        set_typing_target(QString());
        number_settings = saved_;
    }
    void press(const char* name) {
        QToolButton* k = keyboard_->key(QString::fromLatin1(name));
        ASSERT_NE(k, nullptr) << name;
        k->click();
    }
    QLineEdit* field() { return target_.second; }

    NumberSettings saved_;
    TargetWindow target_;
    std::unique_ptr<Ttoetsenbord> keyboard_;
};

TEST_F(KeyboardTest, DigitsArriveInTheFocusedField) {
    press("Digit1");
    press("Digit2");
    press("Digit0");
    EXPECT_EQ(field()->text(), QStringLiteral("120"));
    EXPECT_TRUE(target_.first->text().isEmpty());
}

TEST_F(KeyboardTest, KeysArriveAtTheCaret) {
    field()->setText(QStringLiteral("123"));
    press("LeftKey");
    press("Digit5");
    EXPECT_EQ(field()->text(), QStringLiteral("1253"));
    press("HomeKey");
    press("Digit7");
    EXPECT_EQ(field()->text(), QStringLiteral("71253"));
    press("RightKey");
    press("Digit0");
    EXPECT_EQ(field()->text(), QStringLiteral("710253"));
    press("EndKey");
    press("Digit9");
    EXPECT_EQ(field()->text(), QStringLiteral("7102539"));
}

TEST_F(KeyboardTest, BackspaceAndDeleteErase) {
    field()->setText(QStringLiteral("4567"));
    field()->setCursorPosition(2);
    press("BackspaceKey");
    EXPECT_EQ(field()->text(), QStringLiteral("467"));
    EXPECT_EQ(field()->cursorPosition(), 1);
    press("DeleteKey");
    EXPECT_EQ(field()->text(), QStringLiteral("47"));
}

TEST_F(KeyboardTest, OperatorKeys) {
    for (const char* name : {"Digit8", "AddKey", "Digit2", "SubtractKey", "Digit1", "MultiplyKey",
                             "Digit3", "DivideKey", "Digit4", "PowerKey", "OpenBracketKey",
                             "Digit5", "CloseBracketKey", "DecimalKey", "Digit6"})
        press(name);
    EXPECT_EQ(field()->text(), QStringLiteral("8+2-1*3:4^(5),6"));
}

TEST_F(KeyboardTest, TheDecimalKeyTypesTheLocaleSeparator) {
    number_settings.decimal_separator = QLatin1Char('.');
    keyboard_->hide();
    keyboard_->show();  // the caption follows the setting when shown
    EXPECT_EQ(keyboard_->key(QStringLiteral("DecimalKey"))->text(), QStringLiteral("."));
    press("Digit1");
    press("DecimalKey");
    press("Digit5");
    EXPECT_EQ(field()->text(), QStringLiteral("1.5"));
}

TEST_F(KeyboardTest, PiTypesTwoLettersThatReadAsPi) {
    press("Digit2");
    press("PiKey");
    EXPECT_EQ(field()->text(), QStringLiteral("2pi"));
    double v = 0;
    ASSERT_TRUE(eval_text(field()->text(), v));
    EXPECT_NEAR(v, 2 * M_PI, 1e-9);
}

TEST_F(KeyboardTest, RootEVariableAndBraces) {
    for (const char* name : {"RootKey", "Digit9", "AddKey", "EKey", "AddKey", "VariableKey",
                             "OpenBraceKey", "CloseBraceKey"})
        press(name);
    EXPECT_EQ(field()->text(), QStringLiteral("v9+e+x{}"));
    keyboard_->set_variable(QStringLiteral("t"));
    press("VariableKey");
    EXPECT_EQ(field()->text(), QStringLiteral("v9+e+x{}t"));
}

TEST_F(KeyboardTest, TheLetterPanel) {
    EXPECT_FALSE(keyboard_->letters_shown());
    const int narrow = keyboard_->width();
    keyboard_->toggle_button->click();
    EXPECT_TRUE(keyboard_->letters_shown());
    EXPECT_GT(keyboard_->width(), narrow);
    keyboard_->hide_button->click();
    EXPECT_FALSE(keyboard_->letters_shown());
    EXPECT_EQ(keyboard_->width(), narrow);
    keyboard_->toggle_button->click();
    EXPECT_TRUE(keyboard_->letters_shown());
    press("LetterA");
    press("SpaceKey");
    press("LetterZ");
    EXPECT_EQ(field()->text(), QStringLiteral("a z"));
}

TEST_F(KeyboardTest, TheHelpKeyShowsItsPicture) {
    QToolButton* help = keyboard_->help_button;
    EXPECT_FALSE(help->icon().isNull());
    EXPECT_NE(help->toolButtonStyle(), Qt::ToolButtonTextOnly);
    EXPECT_FALSE(help->toolTip().isEmpty());
}

TEST_F(KeyboardTest, ModifierCodes) {
    // Shift held: a capital.
    send_keys(
        QByteArray("\xFA"
                   "A"
                   "\xFB"
                   "B"));
    EXPECT_EQ(field()->text(), QStringLiteral("Ab"));
    // Ctrl+A selects everything; the next key replaces it.
    send_keys(
        QByteArray("\xFC"
                   "A"
                   "\xFD"
                   "7"));
    EXPECT_EQ(field()->text(), QStringLiteral("7"));
    // Shift with Home selects back to the start.
    field()->setText(QStringLiteral("345"));
    send_keys(QByteArray("\xFA\xF0\xFB"));
    EXPECT_EQ(field()->selectedText(), QStringLiteral("345"));
}

TEST_F(KeyboardTest, CharacterCodesAreLookedUp) {
    // Bytes 110..227 are characters of the code page.
    send_keys(QByteArray("xyz{\xE0\x80"));
    EXPECT_EQ(field()->text(), QStringLiteral("xyz{") + QChar(0xE0) + QChar(0x20AC));
    // 228 and up are function and navigation keys, not characters.
    send_keys(QByteArray("\xE4\xE9"));
    EXPECT_EQ(field()->text().size(), 6);
}

TEST_F(KeyboardTest, TabMovesToTheNextField) {
    target_.first->setFocus();
    send_keys(QByteArray("1\t2"));
    EXPECT_EQ(target_.first->text(), QStringLiteral("1"));
    EXPECT_EQ(target_.second->text(), QStringLiteral("2"));
}

TEST_F(KeyboardTest, KeysGoToTheCalculatorWhenThePupilTypesThere) {
    TCalcForm calc;
    calc.show();
    calc.activateWindow();
    calc.Edit1->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&calc));
    press("Digit7");
    press("MultiplyKey");
    press("Digit6");
    EXPECT_EQ(calc.Edit1->text(), QStringLiteral("7*6"));
    EXPECT_TRUE(field()->text().isEmpty());
    // Back in the practice window: the keys follow the pupil there.
    target_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&target_));
    press("Digit5");
    EXPECT_EQ(field()->text(), QStringLiteral("5"));
    EXPECT_EQ(calc.Edit1->text(), QStringLiteral("7*6"));
    // A hidden calculator takes no keys.
    calc.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&calc));
    calc.hide();
    press("Digit4");
    EXPECT_EQ(field()->text(), QStringLiteral("54"));
}

TEST_F(KeyboardTest, AModalWindowInFrontOfTheTargetTakesTheKeys) {
    // The keyboard was opened for the window beneath; a window that runs
    // modally in front of it now has the pupil's field.
    QDialog practice(&target_);
    auto* answer = new QLineEdit(&practice);
    QString typed_in_modal;
    QTimer::singleShot(0, &practice, [&] {
        answer->setFocus();
        press("Digit8");
        typed_in_modal = answer->text();
        practice.done(1);
    });
    practice.exec();
    EXPECT_EQ(typed_in_modal, QStringLiteral("8"));
    EXPECT_TRUE(field()->text().isEmpty());
    // Back to the target once the modal window has gone.
    press("Digit9");
    EXPECT_EQ(field()->text(), QStringLiteral("9"));
}

TEST_F(KeyboardTest, BringToFrontFindsTheWindowByItsCaption) {
    EXPECT_TRUE(bring_to_front(QStringLiteral("Verhoudingen oefenen")));
    EXPECT_FALSE(bring_to_front(QStringLiteral("Verhoudingen")));
    target_.showMinimized();
    EXPECT_TRUE(bring_to_front(QStringLiteral("Verhoudingen oefenen")));
    EXPECT_FALSE(target_.isMinimized());
}

TEST_F(KeyboardTest, WithoutATargetTheKeysGoToTheWindowInFront) {
    set_typing_target(QStringLiteral("Geen venster heet zo"));
    QWidget other;
    other.setWindowTitle(QStringLiteral("Ander venster"));
    auto* edit = new QLineEdit(&other);
    other.show();
    other.activateWindow();
    edit->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    press("Digit4");
    EXPECT_EQ(edit->text(), QStringLiteral("4"));
    EXPECT_TRUE(field()->text().isEmpty());
}

TEST_F(KeyboardTest, TheKeyboardNeverReceivesItsOwnKeys) {
    keyboard_->activateWindow();
    set_typing_target(QStringLiteral("Geen venster heet zo"));
    EXPECT_NE(key_receiver(), static_cast<QWidget*>(keyboard_.get()));
    if (QWidget* r = key_receiver()) {
        EXPECT_NE(r->window(), keyboard_.get());
    }
}

TEST_F(KeyboardTest, KeysDoNotTakeTheFocus) {
    for (QToolButton* b : keyboard_->findChildren<QToolButton*>())
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << b->objectName().toStdString();
    EXPECT_TRUE(keyboard_->windowFlags() & Qt::WindowDoesNotAcceptFocus);
}

TEST_F(KeyboardTest, EveryCaptionFitsItsKey) {
    keyboard_->show_letters(true);
    for (QToolButton* b : keyboard_->findChildren<QToolButton*>()) {
        if (b->text().isEmpty()) continue;
        EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()), b->width())
            << b->objectName().toStdString();
        EXPECT_TRUE(
            keyboard_->rect().contains(QRect(b->mapTo(keyboard_.get(), QPoint()), b->size())))
            << b->objectName().toStdString();
    }
}

TEST_F(KeyboardTest, ShowBelowKeepsTheKeyboardOnTheScreen) {
    QWidget tall;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    tall.setGeometry(screen.left() + 50, screen.top(), 400, screen.height() - 30);
    tall.show();
    keyboard_->show_below(&tall);
    EXPECT_EQ(keyboard_->x(), tall.frameGeometry().left());
    EXPECT_LE(keyboard_->frameGeometry().bottom(), screen.bottom());
    QWidget small;
    small.setGeometry(screen.left() + 20, screen.top() + 20, 200, 100);
    small.show();
    keyboard_->show_below(&small);
    EXPECT_EQ(keyboard_->pos(),
              QPoint(small.frameGeometry().left(), small.frameGeometry().bottom() + 1));
}

TEST_F(KeyboardTest, UsableWhileTheTargetRunsModally) {
    QDialog practice;
    practice.setWindowTitle(QStringLiteral("Modaal oefenen"));
    auto* edit = new QLineEdit(&practice);
    set_typing_target(practice.windowTitle());
    QString typed;
    QTimer::singleShot(0, &practice, [&] {
        edit->setFocus();
        keyboard_->hide();
        keyboard_->show();
        QToolButton* three = keyboard_->key(QStringLiteral("Digit3"));
        QTest::mouseClick(keyboard_->windowHandle(), Qt::LeftButton, {},
                          three->mapTo(keyboard_.get(), three->rect().center()));
        QApplication::processEvents();
        typed = edit->text();
        practice.done(1);
    });
    practice.exec();
    EXPECT_EQ(typed, QStringLiteral("3"));
}

}  // namespace
}  // namespace cifrala
