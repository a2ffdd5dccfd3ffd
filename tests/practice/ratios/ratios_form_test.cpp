// The ratios window as the pupil uses it: typing, checking, the value of a
// table, the aids, own tables, keys, the calculator and the keyboard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "formula/arrowhead.h"
#include "formula/surface_pane.h"
#include "practice/common/floating_panel.h"
#include "practice/ratios/ratios_form.h"
#include "support/message_recorder.h"
#include "text/messages.h"
#include "tools/calc_form.h"
#include "tools/key_sender.h"
#include "tools/keyboard_form.h"
#include "tools/tools.h"
#include "util/number_settings.h"
#include "util/random.h"

namespace cifrala {
namespace {

::testing::AssertionResult known(int n) {
    const QString text = msg(n);
    if (text.startsWith(QStringLiteral("nrnotfound")) ||
        text.startsWith(QStringLiteral("error in")))
        return ::testing::AssertionFailure() << "message " << n << " is missing";
    return ::testing::AssertionSuccess();
}

// The lines of a large message, without the empty ones.
QStringList lines_of(const ShownMessage& m) {
    QStringList out;
    for (const QString& l : m.text.split(QLatin1Char('\n')))
        if (!l.isEmpty()) out << l;
    return out;
}

// 6, 9, 15 over 4, 6, 10: the given number is the 4 of the first column.
RatioTable known_table() {
    RatioTable t;
    t.upper = {6, 9, 15};
    t.lower = {4, 6, 10};
    t.given = 0;
    t.k1 = 2;
    t.k2 = 3;
    return t;
}

class RatiosFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = number_settings;
        number_settings = NumberSettings{};
        number_settings.fixed_decimals = false;  // the window sets 2 fixed decimals itself
        number_settings.decimal_separator = QLatin1Char(',');
        seed_random(12345);
        form_ = std::make_unique<TverhoudingenForm>();
        form_->show();
    }
    void TearDown() override {
        form_.reset();
        if (calculator_exists()) calculator()->hide();
        if (keyboard_exists()) keyboard()->hide();
        number_settings = saved_;
    }

    void type(int column, const QString& text) {
        QLineEdit* e = form_->lower_field(column);
        e->setFocus();
        e->clear();
        QTest::keyClicks(e, text);
    }
    std::vector<ShownMessage> big_messages() const {
        std::vector<ShownMessage> out;
        for (const ShownMessage& m : messages_.shown())
            if (m.big) out.push_back(m);
        return out;
    }

    NumberSettings saved_;
    testing::MessageRecorder messages_;
    std::unique_ptr<TverhoudingenForm> form_;
};

TEST_F(RatiosFormTest, ShowingStartsATableAtFullValue) {
    const RatioTable& t = form_->table();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form_->upper_field(i)->text(), QString::number(t.upper[i]));
        if (i == t.given) {
            EXPECT_EQ(form_->lower_field(i)->text(), QString::number(t.lower[i]));
            EXPECT_FALSE(form_->lower_field(i)->isEnabled());
        } else {
            EXPECT_TRUE(form_->lower_field(i)->text().isEmpty());
            EXPECT_TRUE(form_->lower_field(i)->isEnabled());
        }
    }
    EXPECT_EQ(form_->Label2->text(), QStringLiteral("100%"));
    EXPECT_FALSE(form_->BitBtn1->isEnabled());
    EXPECT_TRUE(form_->SpeedButton10->isVisible());
    EXPECT_EQ(typing_target, form_->windowTitle());
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("Verhoudingen oefenen"));
}

TEST_F(RatiosFormTest, CheckIsEnabledOnlyWithWholeNumbersAboveZero) {
    form_->set_table(known_table());
    type(1, QStringLiteral("6"));
    EXPECT_FALSE(form_->BitBtn1->isEnabled());
    type(2, QStringLiteral("0"));
    EXPECT_FALSE(form_->BitBtn1->isEnabled());
    type(2, QStringLiteral("10"));
    EXPECT_TRUE(form_->BitBtn1->isEnabled());
}

TEST_F(RatiosFormTest, AllRight) {
    form_->set_table(known_table());
    type(1, QStringLiteral("6"));
    type(2, QStringLiteral("10"));
    form_->BitBtn1->click();
    const auto big = big_messages();
    ASSERT_EQ(big.size(), 1u);
    EXPECT_TRUE(known(1500));
    EXPECT_EQ(lines_of(big[0]), QStringList{msg(1500)});
    EXPECT_FALSE(form_->retry());
    // A new table follows, at full value.
    EXPECT_EQ(form_->Label2->text(), QStringLiteral("100%"));
    EXPECT_NE(form_->table().upper, known_table().upper);
}

TEST_F(RatiosFormTest, AWrongCheckKeepsTheTableAndEmptiesTheWrongFields) {
    form_->set_table(known_table());
    type(1, QStringLiteral("6"));   // right
    type(2, QStringLiteral("11"));  // wrong
    form_->BitBtn1->click();
    const auto big = big_messages();
    ASSERT_EQ(big.size(), 1u);
    EXPECT_TRUE(known(1499));
    EXPECT_TRUE(known(1686));
    EXPECT_EQ(lines_of(big[0]), (QStringList{msg(1499), msg(1686)}));
    EXPECT_TRUE(form_->retry());
    EXPECT_EQ(form_->table().upper, known_table().upper);
    EXPECT_EQ(form_->lower_field(1)->text(), QStringLiteral("6"));
    EXPECT_TRUE(form_->lower_field(2)->text().isEmpty());
    EXPECT_EQ(form_->focusWidget(), form_->lower_field(2));
    EXPECT_EQ(form_->Label2->text(), QStringLiteral("90%"));

    // "Volgende oefening" still keeps it until a check succeeds.
    form_->Button1Click();
    EXPECT_EQ(form_->table().upper, known_table().upper);
    EXPECT_EQ(form_->table().given, 0);
    type(2, QStringLiteral("10"));
    form_->BitBtn1->click();
    EXPECT_FALSE(form_->retry());
    EXPECT_NE(form_->table().upper, known_table().upper);
}

TEST_F(RatiosFormTest, TwoWrongColumnsGiveBothMessages) {
    form_->set_table(known_table());
    type(1, QStringLiteral("5"));
    type(2, QStringLiteral("9"));
    form_->BitBtn1->click();
    const auto big = big_messages();
    ASSERT_EQ(big.size(), 1u);
    EXPECT_EQ(lines_of(big[0]), (QStringList{msg(1498), msg(1499), msg(1686)}));
    EXPECT_EQ(form_->focusWidget(), form_->lower_field(2));  // the last wrong one
}

TEST_F(RatiosFormTest, ThePresetMakesTheNextTableNew) {
    form_->set_table(known_table());
    type(1, QStringLiteral("1"));
    type(2, QStringLiteral("1"));
    form_->BitBtn1->click();
    ASSERT_TRUE(form_->retry());
    form_->preset_new_exercise();
    form_->Button1Click();
    EXPECT_NE(form_->table().upper, known_table().upper);
    EXPECT_EQ(form_->Label2->text(), QStringLiteral("100%"));
}

TEST_F(RatiosFormTest, TwoAidsAndAWrongCheckLeave72Point9Percent) {
    form_->set_table(known_table());
    form_->SpeedButton1->click();
    form_->SpeedButton2->click();
    EXPECT_EQ(form_->Label2->text(), QStringLiteral("81%"));
    type(1, QStringLiteral("7"));
    type(2, QStringLiteral("10"));
    form_->BitBtn1->click();
    EXPECT_NEAR(form_->value(), 0.729, 1e-12);
    EXPECT_EQ(form_->Label2->text(), QStringLiteral("72,9%"));
    // The aids are hidden again for the retry.
    EXPECT_FALSE(form_->aids().any());
}

TEST_F(RatiosFormTest, HidingAnAidCostsNothingShowingItAgainDoes) {
    form_->set_table(known_table());
    form_->SpeedButton1->click();
    form_->SpeedButton1->click();
    EXPECT_FALSE(form_->aids().lower_to_upper);
    EXPECT_EQ(form_->Label2->text(), QStringLiteral("90%"));
    form_->SpeedButton1->click();
    EXPECT_EQ(form_->Label2->text(), QStringLiteral("81%"));
}

TEST_F(RatiosFormTest, BaseColumnAndItsButtons) {
    RatioTable t;
    t.upper = {12, 18, 30};
    t.lower = {8, 12, 20};
    t.given = 0;
    t.k1 = 2;
    t.k2 = 3;
    form_->set_table(t);
    EXPECT_FALSE(form_->SpeedButton4->isVisible());
    const int right_button_x = form_->SpeedButton2->x();
    form_->SpeedButton3->click();
    EXPECT_TRUE(form_->Edit7->isVisible());
    EXPECT_EQ(form_->Edit7->text(), QStringLiteral("3"));
    EXPECT_EQ(form_->Edit8->text(), QStringLiteral("2"));
    EXPECT_TRUE(form_->SpeedButton4->isVisible());
    EXPECT_EQ(form_->SpeedButton2->x(), right_button_x + 128);
    EXPECT_EQ(form_->Label2->text(), QStringLiteral("90%"));
    // The buttons lie above their columns, where the arcs arrive.
    const QRect picture = form_->Image1->geometry();
    const RatioLayout& L = form_->layout();
    const std::array<QToolButton*, 3> from_base{form_->SpeedButton4, form_->SpeedButton5,
                                                form_->SpeedButton6};
    for (int i = 0; i < 3; ++i) {
        const QRect b = from_base[static_cast<size_t>(i)]->geometry();
        EXPECT_LE(b.bottom(), form_->Edit1->y()) << i;
        EXPECT_GE(b.top(), picture.top()) << i;
        const QRect column = L.cell(0, i).translated(picture.topLeft());
        EXPECT_TRUE(b.left() >= column.left() && b.right() <= column.right()) << i;
    }
    // Each factor from the base column costs two steps and is drawn above
    // the table only.
    const QImage before = form_->surface().image().copy();
    form_->SpeedButton6->click();
    EXPECT_TRUE(form_->aids().from_base[2]);
    EXPECT_NEAR(form_->value(), 0.9 * 0.81, 1e-12);
    const QImage after = form_->surface().image();
    EXPECT_NE(before.copy(0, 0, before.width(), L.top), after.copy(0, 0, after.width(), L.top));
    EXPECT_EQ(before.copy(0, L.top, before.width(), before.height() - L.top),
              after.copy(0, L.top, after.width(), after.height() - L.top));
    // Hiding the base column takes its buttons and drawings along.
    form_->SpeedButton3->click();
    EXPECT_FALSE(form_->Edit7->isVisible());
    EXPECT_FALSE(form_->SpeedButton6->isVisible());
    EXPECT_FALSE(form_->aids().from_base[2]);
    EXPECT_EQ(form_->SpeedButton2->x(), right_button_x);
}

TEST_F(RatiosFormTest, AidsDrawOnThePicture) {
    form_->set_table(known_table());
    const QImage plain = form_->surface().image().copy();
    form_->SpeedButton1->click();
    const QImage with_left = form_->surface().image().copy();
    EXPECT_NE(plain, with_left);
    // The left aid draws left of the table only.
    const RatioLayout& L = form_->layout();
    EXPECT_EQ(plain.copy(L.left, 0, plain.width() - L.left, plain.height()),
              with_left.copy(L.left, 0, plain.width() - L.left, plain.height()));
    form_->SpeedButton1->click();
    EXPECT_EQ(form_->surface().image(), plain);
}

TEST_F(RatiosFormTest, TheCalculatorCostsAStepWhenShown) {
    form_->set_table(known_table());
    form_->SpeedButton7->click();
    EXPECT_TRUE(calculator()->isVisible());
    EXPECT_EQ(form_->Label2->text(), QStringLiteral("90%"));
    form_->SpeedButton7->click();
    EXPECT_FALSE(calculator()->isVisible());
    EXPECT_EQ(form_->Label2->text(), QStringLiteral("90%"));
}

TEST_F(RatiosFormTest, TheCalculatorOpensWhereItCoversNothingToBeWorkedOn) {
    form_->SpeedButton8->click();
    form_->SpeedButton7->click();
    TCalcForm* calc = calculator();
    ASSERT_TRUE(calc->isVisible());
    // On a small screen it is moved up so that it stays whole on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(QRect(calc->pos(), calc->size())));
    // Its place on a screen of the designed size.
    const QRect box(form_->calculator_place(), calc->size());
    for (QWidget* w : std::initializer_list<QWidget*>{
             form_->Image1, form_->Label1, form_->Label2, form_->BitBtn1, form_->SpeedButton7,
             form_->SpeedButton8, form_->SpeedButton10, form_->Button1, form_->BitBtn2}) {
        const QRect r(form_->mapToGlobal(w->pos()), w->size());
        EXPECT_FALSE(box.intersects(r)) << w->objectName().toStdString();
    }
    EXPECT_FALSE(box.intersects(QRect(keyboard()->pos(), keyboard()->size())));
}

TEST_F(RatiosFormTest, SolvingWithTheOnScreenKeyboard) {
    form_->set_table(known_table());
    form_->SpeedButton8->click();
    Ttoetsenbord* k = keyboard();
    ASSERT_TRUE(k->isVisible());
    EXPECT_EQ(form_->focusWidget(), form_->lower_field(1));
    k->press(k->key(QStringLiteral("Digit6")));
    send_keys(QByteArray("\t"));
    k->press(k->key(QStringLiteral("Digit1")));
    k->press(k->key(QStringLiteral("Digit0")));
    EXPECT_EQ(form_->lower_field(1)->text(), QStringLiteral("6"));
    EXPECT_EQ(form_->lower_field(2)->text(), QStringLiteral("10"));
    ASSERT_TRUE(form_->BitBtn1->isEnabled());
    send_keys(QByteArray(1, key_code::kEnter));  // Enter in a field checks
    const auto big = big_messages();
    ASSERT_EQ(big.size(), 1u);
    EXPECT_EQ(lines_of(big[0]), QStringList{msg(1500)});
}

TEST_F(RatiosFormTest, TheKeyboardOpensBelowTheToolButtonsAtTheLeftEdge) {
    form_->SpeedButton8->click();
    Ttoetsenbord* k = keyboard();
    ASSERT_TRUE(k->isVisible());
    const QPoint origin = form_->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(k->x(), origin.x());
    const int row_bottom = form_->mapToGlobal(form_->SpeedButton7->geometry().bottomLeft()).y();
    EXPECT_GT(k->y(), row_bottom);
    // It covers neither the table, nor the value, nor the buttons above it.
    const QRect keys(k->pos(), k->size());
    for (QWidget* w : std::initializer_list<QWidget*>{form_->Image1, form_->Label1, form_->Label2,
                                                      form_->BitBtn1, form_->SpeedButton7}) {
        const QRect r(form_->mapToGlobal(w->pos()), w->size());
        EXPECT_FALSE(keys.intersects(r)) << w->objectName().toStdString();
    }
    // The own-exercise panel opens beside it, within the designed width.
    form_->SpeedButton10->click();
    const QRect own(form_->mapToGlobal(form_->Panel2->pos()), form_->Panel2->size());
    EXPECT_FALSE(keys.intersects(own));
    EXPECT_LE(form_->Panel2->geometry().right(), 1016);
}

TEST_F(RatiosFormTest, TheGivenNumberIsWrittenInBlack) {
    form_->set_table(known_table());
    QLineEdit* given = form_->lower_field(0);
    ASSERT_FALSE(given->isEnabled());
    EXPECT_EQ(given->text(), QStringLiteral("4"));
    EXPECT_EQ(given->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
}

TEST_F(RatiosFormTest, KeysOnVolgendeOefening) {
    form_->set_table(known_table());
    type(1, QStringLiteral("6"));
    type(2, QStringLiteral("10"));
    form_->Button1->setFocus();
    QTest::keyClick(form_->Button1, Qt::Key_Space);  // any key that types nothing checks
    ASSERT_EQ(big_messages().size(), 1u);
    EXPECT_EQ(lines_of(big_messages()[0]), QStringList{msg(1500)});
    const auto before = form_->table().upper;
    form_->Button1->setFocus();
    // Several Page Ups make new tables (one of them differs for sure).
    bool changed = false;
    for (int i = 0; i < 5 && !changed; ++i) {
        QTest::keyClick(form_->Button1, Qt::Key_PageUp);
        changed = form_->table().upper != before;
    }
    EXPECT_TRUE(changed);
    EXPECT_EQ(big_messages().size(), 1u);  // Page Up checks nothing
}

TEST_F(RatiosFormTest, AfterAnAidTheFocusIsBackInTheFieldBeingTyped) {
    QApplication::setActiveWindow(form_.get());
    form_->set_table(known_table());
    type(2, QStringLiteral("1"));
    form_->SpeedButton1->click();
    EXPECT_EQ(form_->focusWidget(), form_->lower_field(2));
    // The next digit goes on where the pupil was.
    QTest::keyClick(form_->focusWidget(), Qt::Key_0);
    EXPECT_EQ(form_->lower_field(2)->text(), "10");
    form_->SpeedButton3->click();
    EXPECT_EQ(form_->focusWidget(), form_->lower_field(2));
    EXPECT_TRUE(big_messages().empty());
}

TEST_F(RatiosFormTest, ADigitTypedOnTheButtonIsNotLost) {
    QApplication::setActiveWindow(form_.get());
    form_->set_table(known_table());
    type(1, QStringLiteral("6"));
    form_->Button1->setFocus();
    QTest::keyClicks(form_->Button1, QStringLiteral("0"));
    EXPECT_EQ(form_->lower_field(1)->text(), "60");
    EXPECT_TRUE(big_messages().empty());
    EXPECT_TRUE(messages_.texts().isEmpty());
}

TEST_F(RatiosFormTest, AKeyWithIncompleteFieldsExplainsInsteadOfChecking) {
    form_->set_table(known_table());
    type(1, QStringLiteral("6"));
    form_->Button1->setFocus();
    QTest::keyClick(form_->Button1, Qt::Key_Return);
    EXPECT_TRUE(big_messages().empty());
    ASSERT_EQ(messages_.count(), 1);
    EXPECT_TRUE(known(4764));
    EXPECT_EQ(messages_.texts().at(0), msg(4764));
}

// --- bad input ---

TEST_F(RatiosFormTest, BadInputInTheTableIsExplained) {
    form_->set_table(known_table());
    type(2, QStringLiteral("10"));
    const QString normal_hint = form_->lower_field(1)->toolTip();
    EXPECT_FALSE(normal_hint.isEmpty());
    struct Case {
        QString text;
        int message;
    };
    QString binary = QStringLiteral("4");
    binary += QChar(0x01);
    binary += QChar(0xFFFD);
    const Case cases[] = {
        {QStringLiteral("abc"), 4760},
        {QStringLiteral("1e999"), 4760},
        {QStringLiteral("2,5"), 4760},
        {QString(10000, QLatin1Char('7')), 4761},
        {QString(10000, QLatin1Char('x')), 4760},
        {binary, 4760},
        {QStringLiteral("-3"), 4762},
    };
    for (const Case& c : cases) {
        form_->lower_field(1)->setText(c.text);
        EXPECT_FALSE(form_->BitBtn1->isEnabled()) << c.message;
        EXPECT_TRUE(known(c.message));
        EXPECT_EQ(form_->Label5->text(), msg(c.message));
        EXPECT_EQ(form_->lower_field(1)->toolTip(), msg(c.message));
        EXPECT_EQ(form_->lower_field(1)->text(), c.text);  // stays for correction
    }
    form_->lower_field(1)->setText(QStringLiteral("6"));
    EXPECT_TRUE(form_->BitBtn1->isEnabled());
    EXPECT_TRUE(form_->Label5->text().isEmpty());
    EXPECT_EQ(form_->lower_field(1)->toolTip(), normal_hint);
    EXPECT_EQ(messages_.count(), 0);
}

// --- own table ---

TEST_F(RatiosFormTest, OwnTableIsAcceptedAndCompleted) {
    form_->SpeedButton10->click();
    EXPECT_TRUE(form_->Panel2->isVisible());
    EXPECT_FALSE(form_->SpeedButton11->isEnabled());
    form_->Edit9->setText(QStringLiteral("4"));
    form_->Edit11->setText(QStringLiteral("6"));
    form_->Edit13->setText(QStringLiteral("10"));
    EXPECT_FALSE(form_->SpeedButton11->isEnabled());  // no lower number yet
    form_->Edit10->setText(QStringLiteral("2"));
    ASSERT_TRUE(form_->SpeedButton11->isEnabled());
    form_->SpeedButton11->click();
    EXPECT_FALSE(form_->Panel2->isVisible());
    EXPECT_FALSE(form_->SpeedButton10->isVisible());
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral("4"));
    EXPECT_EQ(form_->Edit3->text(), QStringLiteral("10"));
    EXPECT_EQ(form_->Edit4->text(), QStringLiteral("2"));
    EXPECT_FALSE(form_->Edit4->isEnabled());
    type(1, QStringLiteral("3"));
    type(2, QStringLiteral("5"));
    form_->BitBtn1->click();
    ASSERT_EQ(big_messages().size(), 1u);
    EXPECT_EQ(lines_of(big_messages()[0]), QStringList{msg(1500)});
    EXPECT_TRUE(form_->SpeedButton10->isVisible());
}

TEST_F(RatiosFormTest, OwnTableThatWouldNotBeWholeIsRefused) {
    form_->SpeedButton10->click();
    form_->Edit9->setText(QStringLiteral("4"));
    form_->Edit11->setText(QStringLiteral("6"));
    form_->Edit13->setText(QStringLiteral("9"));
    form_->Edit10->setText(QStringLiteral("2"));
    ASSERT_TRUE(form_->SpeedButton11->isEnabled());
    const auto before = form_->table().upper;
    form_->SpeedButton11->click();
    ASSERT_EQ(messages_.count(), 1);
    EXPECT_FALSE(messages_.shown()[0].big);
    EXPECT_TRUE(known(1915));
    EXPECT_EQ(messages_.texts().at(0), msg(1915));
    EXPECT_FALSE(form_->SpeedButton11->isEnabled());
    EXPECT_TRUE(form_->Panel2->isVisible());
    EXPECT_EQ(form_->focusWidget(), form_->Edit9);
    EXPECT_EQ(form_->table().upper, before);
}

TEST_F(RatiosFormTest, OwnTableNeedsExactlyOneLowerNumber) {
    form_->SpeedButton10->click();
    form_->Edit9->setText(QStringLiteral("4"));
    form_->Edit11->setText(QStringLiteral("6"));
    form_->Edit13->setText(QStringLiteral("10"));
    form_->Edit10->setText(QStringLiteral("2"));
    form_->Edit12->setText(QStringLiteral("3"));
    EXPECT_FALSE(form_->SpeedButton11->isEnabled());
    EXPECT_TRUE(known(4763));
    EXPECT_EQ(form_->Label6->text(), msg(4763));
    form_->Edit12->clear();
    EXPECT_TRUE(form_->SpeedButton11->isEnabled());
    // Zero, letters and huge numbers are refused with a reason.
    form_->Edit11->setText(QStringLiteral("0"));
    EXPECT_FALSE(form_->SpeedButton11->isEnabled());
    EXPECT_EQ(form_->Label6->text(), msg(4762));
    form_->Edit11->setText(QStringLiteral("1234567890"));
    EXPECT_FALSE(form_->SpeedButton11->isEnabled());
    EXPECT_EQ(form_->Label6->text(), msg(4761));
    form_->Edit11->setText(QString(10000, QLatin1Char('9')));
    EXPECT_FALSE(form_->SpeedButton11->isEnabled());
    EXPECT_FALSE(form_->Label6->text().isEmpty());
    form_->Edit11->setText(QStringLiteral("zes"));
    EXPECT_FALSE(form_->SpeedButton11->isEnabled());
    EXPECT_FALSE(form_->Label6->text().isEmpty());
}

TEST_F(RatiosFormTest, OwnTableWhoseNumbersWouldNotFitIsRefused) {
    form_->SpeedButton10->click();
    form_->Edit9->setText(QStringLiteral("1"));
    form_->Edit11->setText(QStringLiteral("999999999"));
    form_->Edit13->setText(QStringLiteral("2"));
    form_->Edit10->setText(QStringLiteral("999999999"));
    ASSERT_TRUE(form_->SpeedButton11->isEnabled());
    form_->SpeedButton11->click();
    ASSERT_EQ(messages_.count(), 1);
    EXPECT_EQ(messages_.texts().at(0), msg(4761));
}

TEST_F(RatiosFormTest, VolgendeOefeningHidesTheOwnPanel) {
    form_->SpeedButton10->click();
    form_->Button1Click();
    EXPECT_FALSE(form_->Panel2->isVisible());
    EXPECT_TRUE(form_->SpeedButton10->isVisible());
}

// --- shared settings ---

TEST_F(RatiosFormTest, SharedSettingsAreRestoredOnStop) {
    EXPECT_TRUE(number_settings.fixed_decimals);
    EXPECT_EQ(number_settings.decimals, 2);
    EXPECT_EQ(arrowhead_length, 30);
    form_->SpeedButton8->click();
    form_->Button3Click();
    EXPECT_FALSE(number_settings.fixed_decimals);
    EXPECT_NE(arrowhead_length, 30);
    EXPECT_FALSE(keyboard()->isVisible());
    EXPECT_TRUE(typing_target.isEmpty());
}

TEST_F(RatiosFormTest, TheFieldsLieOnTheTable) {
    const QRect picture = form_->Image1->geometry();
    for (QLineEdit* e : {form_->Edit1, form_->Edit2, form_->Edit3, form_->Edit4, form_->Edit5,
                         form_->Edit6, form_->Edit7, form_->Edit8})
        EXPECT_TRUE(picture.contains(e->geometry())) << e->objectName().toStdString();
    for (QWidget* w : std::initializer_list<QWidget*>{form_->Button1, form_->BitBtn2,
                                                      form_->BitBtn1, form_->SpeedButton7})
        EXPECT_LE(w->geometry().bottom(), 720) << w->objectName().toStdString();
    EXPECT_GE(form_->Button1->y(), form_->Panel2->geometry().bottom());
}

}  // namespace
}  // namespace cifrala
