// The help window and the large message window as the pupil sees them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QTimer>

#include "support/message_recorder.h"
#include "support/temp_data_dir.h"
#include "text/big_message_form.h"
#include "text/help.h"
#include "text/help_form.h"
#include "text/language.h"

namespace cifrala {
namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        language_index = 0;
        set_language_prefix_from_index();
        dir.write_lines("anederlands.hlp",
                        {"10", "Titel tien", "gewoon", "+b", "vet", "-b", ">", "punt", "punt 2",
                         "<", "+r", "rood", "<<", "11", "Elf", "x", "<<"});
        dir.write_lines("anederlands.msg", {"1478", "fout"});
    }
    void TearDown() override { close_help(); }
    testing::TempDataDir dir;
};

TEST_F(HelpWindowTest, RequestShowsThePageFormatted) {
    request_help(10);
    EXPECT_TRUE(help_open);
    EXPECT_EQ(help_number, 10);
    THelpForm* f = help_form();
    EXPECT_FALSE(f->isHidden());
    EXPECT_EQ(f->RichEdit2->toPlainText(), "Titel tien");
    QTextDocument* doc = f->RichEdit1->document();
    ASSERT_EQ(doc->blockCount(), 5);
    EXPECT_EQ(doc->findBlockByNumber(0).text(), "gewoon");
    const QTextBlock bold = doc->findBlockByNumber(1);
    EXPECT_EQ(bold.text(), "vet");
    EXPECT_EQ(bold.charFormat().fontWeight(), QFont::Bold);
    EXPECT_NE(doc->findBlockByNumber(2).textList(), nullptr);
    EXPECT_EQ(doc->findBlockByNumber(2).textList(), doc->findBlockByNumber(3).textList());
    const QTextBlock red = doc->findBlockByNumber(4);
    EXPECT_EQ(red.textList(), nullptr);
    EXPECT_EQ(red.begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));
    EXPECT_TRUE(f->RichEdit1->isReadOnly());
}

TEST_F(HelpWindowTest, SetHelpNumberLoadsOnlyWhileOpen) {
    close_help();
    set_help_number(11);
    EXPECT_EQ(help_number, 11);
    EXPECT_TRUE(help_form()->isHidden());
    request_help(10);
    set_help_number(11);  // the open window follows
    EXPECT_EQ(help_form()->RichEdit2->toPlainText(), "Elf");
}

TEST_F(HelpWindowTest, ClosingClearsTheOpenFlag) {
    request_help(10);
    help_form()->close();
    EXPECT_FALSE(help_open);
    show_help(11);  // nothing happens while it is closed
    EXPECT_TRUE(help_form()->isHidden());
}

TEST_F(HelpWindowTest, LayoutFollowsTheWindowSize) {
    request_help(10);
    THelpForm* f = help_form();
    f->resize(500, 400);
    EXPECT_EQ(f->RichEdit2->geometry(), QRect(0, 0, 500, 42));
    EXPECT_EQ(f->RichEdit1->y(), 40);
    EXPECT_EQ(f->RichEdit1->width(), 500);
    EXPECT_EQ(f->RichEdit1->geometry().bottom(), 399);
}

TEST_F(HelpWindowTest, NextPageStartsWithTheDefaultFormat) {
    dir.write_lines("anederlands.hlp",
                    {"1", "A", "+1", "+b", "groot", "<<", "2", "B", "klein", "<<"});
    request_help(1);
    const qreal big = help_form()->RichEdit1->document()->firstBlock().charFormat().fontPointSize();
    request_help(2);
    const QTextBlock b = help_form()->RichEdit1->document()->firstBlock();
    EXPECT_LT(b.charFormat().fontPointSize(), big);
    EXPECT_NE(b.charFormat().fontWeight(), QFont::Bold);
}

TEST(BigMessageWindow, ShowsOnlyTheNonEmptyLines) {
    TGrootMessageForm form;
    form.set_texts("Goed zo!", "", "3 van de 4", "");
    EXPECT_EQ(form.Label1->text(), "Goed zo!");
    EXPECT_FALSE(form.Label1->isHidden());
    EXPECT_TRUE(form.Label2->isHidden());
    EXPECT_FALSE(form.Label3->isHidden());
    EXPECT_TRUE(form.Label4->isHidden());
    EXPECT_EQ(form.Label3->y(), 80);
    EXPECT_EQ(form.Button1->y(), 168);
    EXPECT_GE(form.width(), form.Label1->width());
}

TEST(BigMessageWindow, OkEndsTheModalRunWithResultOne) {
    TGrootMessageForm form;
    QTimer::singleShot(0, &form, [&form] { form.Button1->click(); });
    form.showmessageGROOT("a", "b", "c", "d");
    EXPECT_EQ(form.result(), 1);
    EXPECT_EQ(form.pos(), QPoint(10, 100));
}

TEST(BigMessageWindow, RequestsReachTheRecorder) {
    testing::MessageRecorder rec;
    show_big_message("Fout", "probeer", "", "");
    ASSERT_EQ(rec.count(), 1);
    EXPECT_TRUE(rec.shown()[0].big);
    EXPECT_EQ(rec.texts()[0], "Fout\nprobeer\n\n");
}

}  // namespace
}  // namespace cifrala
