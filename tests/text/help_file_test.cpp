// Reading help pages: headers, aliases, formats, shared blocks and faults.
#include <gtest/gtest.h>

#include "support/message_recorder.h"
#include "support/temp_data_dir.h"
#include "text/help_file.h"
#include "text/language.h"

namespace cifrala {
namespace {

class HelpFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        language_index = 0;
        set_language_prefix_from_index();
        dir.write_lines("anederlands.msg", {"1478", "Fout in helpbestand", "5900", "kring #"});
    }
    HelpPage load(int n) { return load_help_page("anederlands.hlp", n); }
    void write(const QStringList& lines) { dir.write_lines("anederlands.hlp", lines); }
    static QStringList texts(const HelpPage& p) {
        QStringList l;
        for (const auto& line : p.lines)
            l << line.text;
        return l;
    }
    testing::TempDataDir dir;
};

TEST_F(HelpFileTest, PageWithTitleAndBody) {
    write({"1", "Eerste", "regel a", "<<", "2", "Tweede", "regel b", "regel c", "<<"});
    const HelpPage p = load(2);
    EXPECT_TRUE(p.found);
    EXPECT_EQ(p.title, "Tweede");
    EXPECT_EQ(texts(p), QStringList({"regel b", "regel c"}));
}

TEST_F(HelpFileTest, FormatCodesAccumulate) {
    write({"5",  "T",    "+b", "vet", "+i",    "vet schuin", "-b",    "schuin", "-i",   "+u",
           "+r", "rood", "-u", "+B",  "blauw", "-r",         "zwart", "++",     "+b x", "<<"});
    const HelpPage p = load(5);
    ASSERT_EQ(texts(p),
              QStringList({"vet", "vet schuin", "schuin", "rood", "blauw", "zwart", " ", "+b x"}));
    EXPECT_TRUE(p.lines[0].format.bold && !p.lines[0].format.italic);
    EXPECT_TRUE(p.lines[1].format.bold && p.lines[1].format.italic);
    EXPECT_TRUE(!p.lines[2].format.bold && p.lines[2].format.italic);
    EXPECT_TRUE(p.lines[3].format.underline);
    EXPECT_EQ(p.lines[3].format.colour, HelpFormat::Colour::Red);
    EXPECT_EQ(p.lines[4].format.colour, HelpFormat::Colour::Blue);
    EXPECT_FALSE(p.lines[4].format.underline);
    EXPECT_EQ(p.lines[5].format.colour, HelpFormat::Colour::Black);
    // A code with more on its line is text and changes nothing.
    EXPECT_FALSE(p.lines[7].format.bold);
}

TEST_F(HelpFileTest, SizeStepsAndBullets) {
    write({"3", "T", "+1", "+1", "+1", "-1", "groot", ">", "punt 1", "punt 2", "<", "los", "<<"});
    const HelpPage p = load(3);
    ASSERT_EQ(p.lines.size(), 4u);
    EXPECT_EQ(p.lines[0].format.size_delta, 4);
    EXPECT_TRUE(p.lines[1].format.bullet && p.lines[2].format.bullet);
    EXPECT_FALSE(p.lines[3].format.bullet);
}

TEST_F(HelpFileTest, AliasChainIsFollowed) {
    write({"12@34", "34@56", "56", "Doel", "tekst", "<<"});
    const HelpPage p = load(12);
    EXPECT_TRUE(p.found);
    EXPECT_EQ(p.title, "Doel");
}

TEST_F(HelpFileTest, AliasCycleEndsWithAMessage) {
    write({"1@2", "2@1"});
    const HelpPage p = load(1);
    EXPECT_FALSE(p.found);
    EXPECT_EQ(texts(p), QStringList({"kring 1"}));
}

TEST_F(HelpFileTest, BadAliasTargetIsAnError) {
    write({"7@abc", "8@0", "9@-3"});
    EXPECT_EQ(texts(load(7)), QStringList({"Fout in helpbestand 0"}));
    EXPECT_EQ(texts(load(8)), QStringList({"Fout in helpbestand 0"}));
    EXPECT_EQ(texts(load(9)), QStringList({"Fout in helpbestand -3"}));
}

TEST_F(HelpFileTest, MalformedHeaderStopsTheSearch) {
    write({"1", "A", "<<", "12a", "x", "<<", "20", "B", "<<"});
    testing::MessageRecorder rec;
    EXPECT_TRUE(load(1).found);  // found before the bad line
    EXPECT_EQ(rec.count(), 0);
    const HelpPage p = load(20);
    EXPECT_EQ(texts(p), QStringList({"Fout in helpbestand 20"}));
    EXPECT_EQ(rec.texts(), QStringList({"error in file anederlands.hlp at helpnr 12a."}));
}

TEST_F(HelpFileTest, TrailingBlankMakesAHeaderMalformed) {
    write({"12 ", "T", "<<", "13", "U", "<<"});
    testing::MessageRecorder rec;
    EXPECT_FALSE(load(13).found);
    EXPECT_EQ(rec.count(), 1);
}

TEST_F(HelpFileTest, MissingPageAndHeaderOnLastLine) {
    write({"1", "A", "<<", "2"});
    EXPECT_EQ(texts(load(3)), QStringList({"Help Message 3 not found in helpfile"}));
    EXPECT_EQ(texts(load(2)), QStringList({"Help Message 2 not found in helpfile"}));
}

TEST_F(HelpFileTest, TitleOnLastLineGivesEmptyBody) {
    write({"4", "Alleen titel"});
    const HelpPage p = load(4);
    EXPECT_TRUE(p.found);
    EXPECT_EQ(p.title, "Alleen titel");
    EXPECT_TRUE(p.lines.empty());
}

TEST_F(HelpFileTest, PageWithoutEndRunsToTheEndOfTheFile) {
    write({"1", "A", "a", "2", "B", "b"});
    EXPECT_EQ(texts(load(1)), QStringList({"a", "2", "B", "b"}));
}

TEST_F(HelpFileTest, SharedBlockThroughLabel) {
    write({"1", "Een", "eigen regel", "@blok", "2", "Twee", "@blok", "blok", "gedeeld 1",
           "gedeeld 2", "<<", "na"});
    EXPECT_EQ(texts(load(1)), QStringList({"eigen regel", "gedeeld 1", "gedeeld 2"}));
    EXPECT_EQ(texts(load(2)), QStringList({"gedeeld 1", "gedeeld 2"}));
}

TEST_F(HelpFileTest, MissingLabelReportsUnexpectedEnd) {
    write({"1", "Een", "@nergens", "x", "<<"});
    EXPECT_EQ(texts(load(1)), QStringList({"unexpected eof after line @nergens"}));
    write({"1", "Een", "@laatste", "laatste"});
    EXPECT_EQ(texts(load(1)), QStringList({"unexpected eof after line @laatste"}));
}

TEST_F(HelpFileTest, JumpLineAfterALabelIsText) {
    write({"1", "Een", "@a", "a", "@b", "<<", "b", "nee"});
    EXPECT_EQ(texts(load(1)), QStringList({"@b"}));
}

TEST_F(HelpFileTest, MissingFileGivesErrorLine) {
    const HelpPage p = load_help_page("geen.hlp", 1);
    ASSERT_EQ(p.lines.size(), 1u);
    EXPECT_TRUE(p.lines[0].text.startsWith("error in helpfile"));
}

TEST_F(HelpFileTest, HugeFileIsScanned) {
    QStringList lines;
    for (int i = 1; i <= 20000; ++i)
        lines << QString::number(i) << "titel"
              << "tekst"
              << "<<";
    write(lines);
    const HelpPage p = load(20000);
    EXPECT_TRUE(p.found);
    EXPECT_EQ(texts(p), QStringList({"tekst"}));
}

TEST(ShippedHelp, MenuAndSettingsPagesExistInBothLanguages) {
    for (const char* file : {"anederlands.hlp", "aenglish.hlp"}) {
        for (int page : {695, 733, 734, 735}) {
            const HelpPage p = load_help_page(file, page);
            EXPECT_TRUE(p.found) << file << " " << page;
            EXPECT_GE(p.lines.size(), 3u) << file << " " << page;
        }
    }
}

}  // namespace
}  // namespace cifrala
