// The calculator window as the pupil uses it: typed and keyed sums, the
// exact fractions, the memory, error messages, bad input, the history and
// copying the result.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "support/message_recorder.h"
#include "support/number_settings_fixture.h"
#include "text/messages.h"
#include "tools/calc_form.h"
#include "util/number_settings.h"

namespace cifrala {
namespace {

// A message that the language files really hold (a missing one reads as a
// diagnostic text, which would make two missing messages look equal).
::testing::AssertionResult known(int n) {
    const QString text = msg(n);
    if (text.startsWith(QStringLiteral("nrnotfound")) ||
        text.startsWith(QStringLiteral("error in")))
        return ::testing::AssertionFailure() << "message " << n << " is missing";
    return ::testing::AssertionSuccess();
}

class CalcFormTest : public testing::DefaultNumberSettings {
protected:
    void SetUp() override {
        DefaultNumberSettings::SetUp();
        form_ = std::make_unique<TCalcForm>();
        form_->show();
    }
    void TearDown() override {
        form_.reset();
        DefaultNumberSettings::TearDown();
    }

    // Types the text into the expression field and presses Enter.
    QString work_out(const QString& text) {
        form_->Edit1->setFocus();
        form_->Edit1->clear();
        QTest::keyClicks(form_->Edit1, text);
        QTest::keyClick(form_->Edit1, Qt::Key_Return);
        return form_->result_text();
    }
    void press(const char* name) {
        QAbstractButton* b = form_->key(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        b->click();
    }

    std::unique_ptr<TCalcForm> form_;
    testing::MessageRecorder messages_;
};

TEST_F(CalcFormTest, TypedSums) {
    EXPECT_EQ(work_out(QStringLiteral("2+3*4")), QStringLiteral("14"));
    EXPECT_EQ(work_out(QStringLiteral("(2+3)*4")), QStringLiteral("20"));
    EXPECT_EQ(work_out(QStringLiteral("-5+2")), QStringLiteral("-3"));
    EXPECT_EQ(messages_.count(), 0);
    // The result field's hint repeats the result.
    EXPECT_EQ(form_->Image1->toolTip(), QStringLiteral("-3"));
}

TEST_F(CalcFormTest, SpacesAreRemovedFromTheField) {
    work_out(QStringLiteral("3 / 4"));
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral("3/4"));
    EXPECT_EQ(form_->result_text(), QStringLiteral("0,75"));
}

TEST_F(CalcFormTest, TwoFixedDecimalsWithoutExactFractions) {
    EXPECT_EQ(work_out(QStringLiteral("1/3")), QStringLiteral("0,33"));
}

TEST_F(CalcFormTest, ExactFractions) {
    form_->CheckBox1->click();
    ASSERT_TRUE(form_->exact_fractions());
    EXPECT_EQ(work_out(QStringLiteral("1/3+1/6")), QStringLiteral("1/2"));
    EXPECT_EQ(work_out(QStringLiteral("7/2")), QStringLiteral("3  1/2"));
    EXPECT_EQ(work_out(QStringLiteral("0,75")), QStringLiteral("3/4"));
    EXPECT_EQ(work_out(QStringLiteral("2")), QStringLiteral("2"));
    EXPECT_EQ(work_out(QStringLiteral("4/4")), QStringLiteral("1"));
    EXPECT_EQ(work_out(QStringLiteral("-7/2")), QStringLiteral("-3  1/2"));
    EXPECT_EQ(work_out(QStringLiteral("1/300")), QStringLiteral("1/300"));
    EXPECT_EQ(work_out(QStringLiteral("10000000/7")), QStringLiteral("1428571  3/7"));
    // Only close to a fraction: marked as an approximation.
    EXPECT_EQ(work_out(QStringLiteral("pi")), QStringLiteral("\u2248 3  16/113"));
    number_settings.mixed_numbers = false;
    EXPECT_EQ(work_out(QStringLiteral("7/2")), QStringLiteral("7/2"));
    // The switch is the calculator's own, not the program-wide one.
    EXPECT_FALSE(number_settings.exact_fractions);
    form_->CheckBox1->click();
    EXPECT_EQ(work_out(QStringLiteral("1/2")), QStringLiteral("0,5"));
}

TEST_F(CalcFormTest, DivisionByZeroShowsItsMessageAndTheHint) {
    work_out(QStringLiteral("1/0"));
    ASSERT_EQ(messages_.count(), 1);
    EXPECT_TRUE(known(370));
    EXPECT_TRUE(known(603));
    EXPECT_EQ(messages_.texts().at(0), msg(370) + QStringLiteral("\n") + msg(603));
    // The sum stays, selected, for correction; the result field is empty.
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral("1/0"));
    EXPECT_EQ(form_->Edit1->selectedText(), QStringLiteral("1/0"));
    EXPECT_TRUE(form_->result_text().isEmpty());
    EXPECT_TRUE(form_->Image1->toolTip().isEmpty());
}

TEST_F(CalcFormTest, AFailingListFunctionShowsOnlyItsOwnMessage) {
    work_out(QStringLiteral("binompdf(10;0,5)"));
    ASSERT_EQ(messages_.count(), 1);
    EXPECT_TRUE(known(744));
    EXPECT_EQ(messages_.texts().at(0), msg(744));
}

TEST_F(CalcFormTest, AnErrorLeavesMemoryAndSwitchAlone) {
    work_out(QStringLiteral("2*3"));
    form_->Button22->click();
    form_->CheckBox1->click();
    work_out(QStringLiteral("(3"));
    EXPECT_EQ(messages_.count(), 1);
    EXPECT_EQ(form_->memory(), QStringLiteral("6"));
    EXPECT_TRUE(form_->exact_fractions());
}

TEST_F(CalcFormTest, KeysInsertTheirTexts) {
    press("SpeedButton1");  // sin
    press("Button3");
    press("Button0");
    press("Button18");  // )
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral(" SIN( 30 ) "));
    form_->Calcbutton->click();
    EXPECT_EQ(form_->result_text(), QStringLiteral("0,5"));
    EXPECT_EQ(messages_.count(), 0);
}

TEST_F(CalcFormTest, AKeyReplacesTheSelectionAndLeavesTheCaretBehindIt) {
    form_->Edit1->setText(QStringLiteral("1+2+3"));
    form_->Edit1->setSelection(2, 1);  // the "2"
    press("Button7");
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral("1+7+3"));
    EXPECT_EQ(form_->Edit1->cursorPosition(), 3);
    press("Button14");  // x
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral("1+7 * +3"));
    EXPECT_TRUE(form_->Edit1->hasFocus() || !QApplication::focusWindow());
}

TEST_F(CalcFormTest, EveryKeyTypesWhatItsCaptionSays) {
    const std::pair<const char*, const char*> keys[] = {
        {"Button11", "."},
        {"Button12", " + "},
        {"Button13", " - "},
        {"Button15", " / "},
        {"Button16", "^"},
        {"Button17", " ( "},
        {"Button19", " SQR( "},
        {"SpeedButton15", " pi "},
        {"SpeedButton9", " LOG( "},
        {"SpeedButton10", " ENTIER( "},
        {"SpeedButton21", " BinomPdf( "},
        {"SpeedButton34", " nPr( "},
        {"SpeedButton36", "; "},
        {"SpeedButton32", " NegBinCdf( "},
    };
    for (const auto& [name, text] : keys) {
        form_->Edit1->clear();
        press(name);
        EXPECT_EQ(form_->Edit1->text(), QString::fromLatin1(text)) << name;
    }
}

TEST_F(CalcFormTest, MemoryStoreAndRecall) {
    EXPECT_FALSE(form_->Button22->isEnabled());
    EXPECT_FALSE(form_->Button23->isEnabled());
    work_out(QStringLiteral("2*3"));
    EXPECT_TRUE(form_->Button22->isEnabled());
    form_->Button22->click();
    EXPECT_TRUE(form_->Button23->isEnabled());
    form_->Button10->click();
    EXPECT_TRUE(form_->Edit1->text().isEmpty());
    QTest::keyClicks(form_->Edit1, QStringLiteral("4+"));
    form_->Edit1->setCursorPosition(0);  // RM appends at the end all the same
    form_->Button23->click();
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral("4+6"));
    form_->Calcbutton->click();
    EXPECT_EQ(form_->result_text(), QStringLiteral("10"));
}

TEST_F(CalcFormTest, MemoryHoldsTheFormattedValue) {
    work_out(QStringLiteral("1/3"));
    form_->Button22->click();
    EXPECT_EQ(form_->memory(), QStringLiteral("0,33"));
}

TEST_F(CalcFormTest, AnEmptySumDoesNothing) {
    work_out(QStringLiteral("5"));
    form_->Edit1->setText(QStringLiteral("   "));
    form_->Calcbutton->click();
    EXPECT_EQ(messages_.count(), 0);
    EXPECT_EQ(form_->result_text(), QStringLiteral("5"));  // the last result stays
    EXPECT_TRUE(form_->Edit1->text().isEmpty());
}

TEST_F(CalcFormTest, ShowingClearsTheFieldAndDisablesTheMemoryKeys) {
    work_out(QStringLiteral("2*3"));
    form_->Button22->click();
    form_->hide();
    form_->show();
    EXPECT_TRUE(form_->Edit1->text().isEmpty());
    EXPECT_TRUE(form_->result_text().isEmpty());
    EXPECT_FALSE(form_->Button22->isEnabled());
    EXPECT_FALSE(form_->Button23->isEnabled());
}

TEST_F(CalcFormTest, AngleKeysTellTheUnit) {
    for (const char* name : {"SpeedButton1", "SpeedButton2", "SpeedButton3"})
        EXPECT_EQ(form_->key(QString::fromLatin1(name))->toolTip(), msg(539)) << name;
    number_settings.radians = true;
    form_->FormActivate();
    for (const char* name : {"SpeedButton1", "SpeedButton2", "SpeedButton3"})
        EXPECT_EQ(form_->key(QString::fromLatin1(name))->toolTip(), msg(540)) << name;
    EXPECT_TRUE(known(539));
    EXPECT_TRUE(known(540));
    EXPECT_NE(msg(539), msg(540));
}

// --- bad input ---

TEST_F(CalcFormTest, LettersGiveAMessageAndStay) {
    work_out(QStringLiteral("abc"));
    ASSERT_EQ(messages_.count(), 1);
    EXPECT_TRUE(known(383));
    EXPECT_EQ(messages_.texts().at(0), msg(383) + QStringLiteral("\n") + msg(603));
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral("abc"));
}

TEST_F(CalcFormTest, AVeryLongSumIsRefusedWithAMessage) {
    QString text;
    for (int i = 0; i < 5000; ++i)
        text += QStringLiteral("1+");
    form_->Edit1->setText(text);
    form_->Calcbutton->click();
    ASSERT_EQ(messages_.count(), 1);
    EXPECT_TRUE(messages_.texts().at(0).contains(QStringLiteral("500")));
    EXPECT_FALSE(messages_.texts().at(0).contains(QLatin1Char('#')));
    EXPECT_EQ(form_->Edit1->text(), text);
    EXPECT_TRUE(form_->result_text().isEmpty());
}

TEST_F(CalcFormTest, ControlCharactersAreRefusedWithAMessage) {
    QString binary = QStringLiteral("12");
    binary += QChar(0x01);
    binary += QChar(0x07);
    binary += QStringLiteral("+3");
    binary += QChar(0xFFFD);
    form_->Edit1->setText(binary);
    form_->Calcbutton->click();
    ASSERT_EQ(messages_.count(), 1);
    EXPECT_TRUE(known(4602));
    EXPECT_EQ(messages_.texts().at(0), msg(4602));
    EXPECT_EQ(form_->Edit1->text(), binary);
}

TEST_F(CalcFormTest, HugeNumbersEndInAResultOrAMessage) {
    for (const char* text : {"1e999", "10^400", "99999999999999999999*99999999999999999999",
                             "fac(1000)", "exp(1000)"}) {
        messages_.clear();
        form_->Edit1->setText(QString::fromLatin1(text));
        form_->Calcbutton->click();
        const bool has_result = !form_->result_text().isEmpty();
        EXPECT_NE(has_result, messages_.count() == 1) << text;
        EXPECT_FALSE(form_->result_text().contains(QLatin1Char('e'))) << text;
        EXPECT_FALSE(form_->result_text().contains(QStringLiteral("inf"))) << text;
    }
}

// --- beyond the basics: history and copying ---

TEST_F(CalcFormTest, UpAndDownBringBackEarlierSums) {
    work_out(QStringLiteral("1+1"));
    work_out(QStringLiteral("2*5"));
    form_->Edit1->clear();
    QTest::keyClicks(form_->Edit1, QStringLiteral("7-"));
    QTest::keyClick(form_->Edit1, Qt::Key_Up);
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral("2*5"));
    QTest::keyClick(form_->Edit1, Qt::Key_Up);
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral("1+1"));
    QTest::keyClick(form_->Edit1, Qt::Key_Up);  // no older one
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral("1+1"));
    QTest::keyClick(form_->Edit1, Qt::Key_Down);
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral("2*5"));
    QTest::keyClick(form_->Edit1, Qt::Key_Down);  // back to what was being typed
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral("7-"));
}

TEST_F(CalcFormTest, TheHistoryListShowsSumsAndResults) {
    work_out(QStringLiteral("1/4"));
    work_out(QStringLiteral("1/0"));  // failed sums are not listed
    work_out(QStringLiteral("3+4"));
    ASSERT_EQ(form_->history_list->count(), 2);
    EXPECT_EQ(form_->history_list->item(0)->text(), QStringLiteral("1/4 = 0,25"));
    EXPECT_EQ(form_->history_list->item(1)->text(), QStringLiteral("3+4 = 7"));
    // Activating a line puts its sum back.
    form_->Edit1->clear();
    Q_EMIT form_->history_list->itemActivated(form_->history_list->item(0));
    EXPECT_EQ(form_->Edit1->text(), QStringLiteral("1/4"));
}

TEST_F(CalcFormTest, TheHistoryShowsWhatTheRoundingHides) {
    // The window keeps the shared two fixed decimals; the list tells more.
    work_out(QStringLiteral("1/998"));
    work_out(QStringLiteral("BinomPdf(10;0,5;3)"));
    work_out(QStringLiteral("2^99"));
    ASSERT_EQ(form_->history_list->count(), 3);
    EXPECT_EQ(form_->history_list->item(0)->text(),
              QStringLiteral("1/998 = 0   (0,00100200400801603)"));
    EXPECT_EQ(form_->history_list->item(1)->text(),
              QStringLiteral("BinomPdf(10;0,5;3) = 0,12   (0,1171875)"));
    // Nothing to add where the result says it all.
    EXPECT_EQ(form_->history_list->item(2)->text(),
              QStringLiteral("2^99 = 633825300114115000000000000000"));
    form_->CheckBox1->click();
    work_out(QStringLiteral("pi"));
    EXPECT_EQ(form_->history_list->item(3)->text(),
              QStringLiteral("pi \u2248 3  16/113   (3,14159265358979)"));
}

TEST_F(CalcFormTest, ALongResultKeepsTheWindowsFontAndScrolls) {
    const QString shown = work_out(QStringLiteral("2^99"));
    ASSERT_EQ(shown, QStringLiteral("633825300114115000000000000000"));
    const QImage& picture = form_->result_picture();
    // The digits are as high as the window's font writes them...
    QRect ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 128) ink = ink.united(QRect(x, y, 1, 1));
    QFont bold = form_->font();
    bold.setBold(true);
    const QFontMetrics fm(bold);
    EXPECT_GE(ink.height(), fm.capHeight() - 1);
    // ... and all of them are written: the picture is wider than the field,
    // which scrolls to show the rest.
    EXPECT_GE(ink.right(), fm.horizontalAdvance(shown) - fm.averageCharWidth());
    EXPECT_FALSE(form_->Image1->fits());
    QScrollBar* bar = form_->Image1->scroll_bar();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(form_->Image1->offset(), 0);
    bar->setValue(bar->maximum());
    EXPECT_EQ(form_->Image1->offset() + form_->Image1->width(), picture.width());
    // The bar lies between the field and the keys.
    EXPECT_GT(bar->y(), form_->Image1->geometry().bottom());
    EXPECT_LT(bar->geometry().bottom(), form_->Panel1->y());
    // A short result fits again and starts at its first digit.
    work_out(QStringLiteral("6*7"));
    EXPECT_TRUE(form_->Image1->fits());
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(form_->Image1->offset(), 0);
}

TEST_F(CalcFormTest, TheHistoryKeepsAtMostItsLimit) {
    for (int i = 0; i < CalcHistory::kMaxEntries + 5; ++i)
        work_out(QString::number(i));
    EXPECT_EQ(form_->history_list->count(), CalcHistory::kMaxEntries);
    EXPECT_EQ(form_->history_list->item(0)->text(), QStringLiteral("5 = 5"));
}

TEST_F(CalcFormTest, CopyPutsTheResultOnTheClipboard) {
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    work_out(QStringLiteral("6*7"));
    form_->copy_button->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("42"));
    // Ctrl+C in the field copies the result when nothing is selected there...
    work_out(QStringLiteral("1/8"));
    form_->Edit1->deselect();
    QTest::keyClick(form_->Edit1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("0,13"));
    // ... and the selection when there is one.
    form_->Edit1->setSelection(0, 1);
    QTest::keyClick(form_->Edit1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1"));
}

TEST_F(CalcFormTest, KeysDoNotChangeTheClipboard) {
    QGuiApplication::clipboard()->setText(QStringLiteral("mine"));
    press("Button5");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("mine"));
}

// --- layout ---

TEST_F(CalcFormTest, TheCoverSlidesWithTheScrollBar) {
    EXPECT_EQ(form_->Panel4->x(), 132);
    EXPECT_EQ(form_->Panel4->geometry(), form_->Panel1->geometry());
    form_->ScrollBar1->setValue(100);
    EXPECT_EQ(form_->Panel4->x(), 232);
    form_->ScrollBar1->setValue(375);
    EXPECT_EQ(form_->Panel4->x(), 507);
    EXPECT_FALSE(form_->Panel4->pixmap().isNull()) << "acalc.bmp not found";
}

TEST_F(CalcFormTest, KeysKeepTheirPlacesAndTheHistoryLiesBelowThem) {
    EXPECT_EQ(form_->Edit1->geometry(), QRect(4, 4, 221, 21));
    EXPECT_EQ(form_->Calcbutton->geometry(), QRect(228, 5, 25, 20));
    EXPECT_EQ(form_->Image1->geometry(), QRect(276, 5, 123, 19));
    EXPECT_EQ(form_->Button22->geometry(), QRect(448, 4, 28, 20));
    EXPECT_EQ(form_->Button23->geometry(), QRect(480, 4, 28, 20));
    EXPECT_EQ(form_->key(QStringLiteral("Button7"))->geometry(), QRect(4, 63, 25, 25));
    EXPECT_EQ(form_->Button10->geometry(), QRect(68, 159, 25, 25));
    EXPECT_EQ(form_->key(QStringLiteral("SpeedButton36"))->geometry(), QRect(347, 160, 28, 25));
    EXPECT_EQ(form_->width(), 510);
    EXPECT_GE(form_->history_list->y(), TCalcForm::kKeysHeight);
    for (QAbstractButton* b : form_->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(form_.get())) continue;
        const QRect r(b->mapTo(form_.get(), QPoint(0, 0)), b->size());
        EXPECT_LE(r.bottom(), TCalcForm::kKeysHeight) << b->objectName().toStdString();
        EXPECT_TRUE(form_->rect().contains(r)) << b->objectName().toStdString();
    }
}

TEST_F(CalcFormTest, EveryCaptionFitsItsKey) {
    for (QAbstractButton* b : form_->findChildren<QAbstractButton*>()) {
        if (b->text().isEmpty() || !b->isVisibleTo(form_.get())) continue;
        const int width = QFontMetrics(b->font()).horizontalAdvance(b->text());
        EXPECT_LE(width, b->width()) << b->objectName().toStdString();
    }
}

TEST_F(CalcFormTest, KeysHaveHints) {
    for (const char* name : {"SpeedButton21", "SpeedButton23", "SpeedButton27", "SpeedButton25",
                             "SpeedButton9", "Button19", "SpeedButton15"}) {
        const QString hint = form_->key(QString::fromLatin1(name))->toolTip();
        EXPECT_FALSE(hint.isEmpty()) << name;
        EXPECT_FALSE(hint.startsWith(QStringLiteral("error"))) << name;
    }
    EXPECT_TRUE(form_->key(QStringLiteral("SpeedButton21"))
                    ->toolTip()
                    .contains(QStringLiteral("steekproefgrootte")));
    EXPECT_EQ(form_->key(QStringLiteral("SpeedButton15"))->toolTip(),
              QStringLiteral("pi = 3,141592654"));
}

// --- beside a modal practice window ---

TEST_F(CalcFormTest, UsableWhileAModalWindowRuns) {
    QDialog practice;
    practice.setWindowTitle(QStringLiteral("Oefenen"));
    practice.resize(400, 300);
    QString typed;
    QTimer::singleShot(0, &practice, [&] {
        form_->hide();
        form_->show();
        QAbstractButton* seven = form_->key(QStringLiteral("Button7"));
        // A click through the window system, which a modal window would block.
        QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, {},
                          seven->mapTo(form_.get(), seven->rect().center()));
        QApplication::processEvents();
        typed = form_->Edit1->text();
        practice.done(1);
    });
    practice.exec();
    EXPECT_EQ(typed, QStringLiteral("7"));
}

}  // namespace
}  // namespace cifrala
