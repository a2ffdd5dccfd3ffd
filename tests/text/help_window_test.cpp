// The help window and the large message window as the pupil sees them.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
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
#include "text/program_dir.h"

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
    // Title above the body, both inside a margin: the window's frame covers
    // no line of either.
    const QRect inside = f->rect().adjusted(4, 4, -4, -4);
    EXPECT_TRUE(inside.contains(f->RichEdit2->geometry()));
    EXPECT_TRUE(inside.contains(f->RichEdit1->geometry()));
    EXPECT_LT(f->RichEdit2->geometry().bottom(), f->RichEdit1->y());
    EXPECT_GE(f->RichEdit1->width(), 480);
    EXPECT_GE(f->RichEdit1->geometry().bottom(), 390);
    // The text keeps clear of its box's edges.
    EXPECT_GE(f->RichEdit1->document()->documentMargin(), 8);
    EXPECT_GE(f->RichEdit2->document()->documentMargin(), 4);
}

TEST_F(HelpWindowTest, ItCanBeResizedAndShowsMoreThanAFewLines) {
    THelpForm* f = help_form();
    EXPECT_NE(f->minimumSize(), f->maximumSize());
    EXPECT_GE(f->width(), 400);
    EXPECT_GE(f->RichEdit1->height() / QFontMetrics(f->RichEdit1->font()).lineSpacing(), 14);
}

TEST_F(HelpWindowTest, ItsSizeIsKeptForTheNextRun) {
    QTemporaryDir config;
    const QString previous = user_config_dir();
    set_user_config_dir(config.path());
    {
        THelpForm f;
        f.show();
        f.resize(600, 500);
        f.hide();  // closing keeps the size
    }
    THelpForm again;
    EXPECT_EQ(again.size(), QSize(600, 500));
    // A damaged file is passed over.
    QFile file(config.path() + QLatin1Char('/') + QString::fromLatin1(THelpForm::kSizeFile));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("breed\n-3\n");
    file.close();
    THelpForm fresh;
    EXPECT_NE(fresh.size(), QSize(600, 500));
    EXPECT_GT(fresh.width(), 0);
    set_user_config_dir(previous);
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
    EXPECT_EQ(form.Label3->y() - form.Label1->y(), 80);
    EXPECT_GT(form.Button1->y(), form.Label4->geometry().bottom());
    // The text keeps clear of the window's edges.
    EXPECT_GE(form.Label1->x(), 12);
    EXPECT_GE(form.Label1->y(), 8);
    form.set_texts(QStringLiteral("Een heel lange regel die het venster breed maakt"), "", "", "");
    EXPECT_GE(form.width() - form.Label1->geometry().right(), 12);
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
