// Message lookup by number: placeholders, diagnostics and the consistency check.
#include <gtest/gtest.h>

#include <QFile>

#include "support/message_recorder.h"
#include "support/temp_data_dir.h"
#include "text/language.h"
#include "text/messages.h"

namespace cifrala {
namespace {

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        language_index = 0;
        set_language_prefix_from_index();
        msg_param1 = msg_param2 = msg_param3 = msg_param4 = QString();
    }
    testing::TempDataDir dir;
};

TEST_F(MessagesTest, ReturnsTheLineAfterTheNumberLine) {
    dir.write_lines("anederlands.msg", {"1", "een", "-5", "min vijf", "12", "twaalf"});
    EXPECT_EQ(msg(12), "twaalf");
    EXPECT_EQ(msg_number, 12);
    EXPECT_EQ(msg(-5), "min vijf");
    EXPECT_EQ(msg(1), "een");
}

TEST_F(MessagesTest, MissingNumberAndNumberOnLastLineAreNotFound) {
    dir.write_lines("anederlands.msg", {"1", "een", "7"});
    EXPECT_EQ(msg(2), "nrnotfounderrorinmsgfile");
    EXPECT_EQ(msg(7), "nrnotfounderrorinmsgfile");
    EXPECT_EQ(msg_number, 7);
}

TEST_F(MessagesTest, FirstLineEqualToTheNumberWins) {
    // The text of entry 3 is "4": looking up 4 finds that line first.
    dir.write_lines("anederlands.msg", {"3", "4", "vier?", "4", "vier"});
    EXPECT_EQ(msg(4), "vier?");
    // Two entries with one number: the first is used.
    dir.write_lines("anederlands.msg", {"9", "eerste", "9", "tweede"});
    EXPECT_EQ(msg(9), "eerste");
}

TEST_F(MessagesTest, NumberLinesMustMatchExactly) {
    dir.write_lines("anederlands.msg", {"07", "nul zeven", "7 ", "spatie", "7", "zeven"});
    EXPECT_EQ(msg(7), "zeven");
}

TEST_F(MessagesTest, MissingFileGivesErrorWithCode) {
    const QString text = msg(1);
    ASSERT_TRUE(text.startsWith("error in msgfile"));
    bool number = false;
    text.mid(16).toInt(&number);  // the error code follows directly
    EXPECT_TRUE(number) << text.toStdString();
}

TEST_F(MessagesTest, PlaceholdersByNumberRange) {
    dir.write_lines("anederlands.msg",
                    {"5000", "geen # vervangen", "5001", "a # b", "6001", "# en #", "7001", "# # #",
                     "8001", "#-#-#-#", "8002", "alleen #"});
    msg_param1 = "1";
    msg_param2 = "2";
    msg_param3 = "3";
    msg_param4 = "4";
    EXPECT_EQ(msg(5000), "geen # vervangen");
    EXPECT_EQ(msg(5001), "a 1 b");
    EXPECT_EQ(msg(6001), "1 en 2");
    EXPECT_EQ(msg(7001), "1 2 3");
    EXPECT_EQ(msg(8001), "1-2-3-4");
    // Three placeholders missing: the marker is put in front three times.
    EXPECT_EQ(msg(8002), "msg error # msg error # msg error # alleen 1");
}

TEST_F(MessagesTest, PlaceholderTextWithHashIsFilledByTheNextStep) {
    dir.write_lines("anederlands.msg", {"6002", "[#] [#]"});
    msg_param1 = "x#y";
    msg_param2 = "Z";
    EXPECT_EQ(msg(6002), "[xZy] [#]");
}

TEST_F(MessagesTest, ReadsWindowsCodePageAndLineEnds) {
    dir.write_bytes("anederlands.msg", QByteArray("1\r\nDifferenti\xebren \x80 5\r\n2\nlf\n"));
    EXPECT_EQ(msg(1), QString::fromUtf8("Differentiëren € 5"));
    EXPECT_EQ(msg(2), "lf");
}

TEST_F(MessagesTest, SurvivesHugeLinesAndBinaryGarbage) {
    QByteArray junk(100000, 'x');
    QByteArray bytes = junk + "\r\n" + QByteArray("\0\x01\xff\r\n", 5) + "3\r\ndrie\r\n" + junk;
    dir.write_bytes("anederlands.msg", bytes);
    EXPECT_EQ(msg(3), "drie");
    EXPECT_EQ(msg(4), "nrnotfounderrorinmsgfile");
    dir.write_bytes("anederlands.msg", QByteArray());
    EXPECT_EQ(msg(3), "nrnotfounderrorinmsgfile");
}

TEST_F(MessagesTest, EnglishPrefixSelectsTheEnglishFile) {
    dir.write_lines("anederlands.msg", {"1", "een"});
    dir.write_lines("aenglish.msg", {"1", "one"});
    language_index = 1;
    set_language_prefix_from_index();
    EXPECT_EQ(msg(1), "one");
}

// --- the consistency check -------------------------------------------------

class CheckTest : public MessagesTest {
protected:
    void write_pair(const char* suffix, const QStringList& nl, const QStringList& en) {
        dir.write_lines(QString("anederlands.") + suffix, nl);
        dir.write_lines(QString("aenglish.") + suffix, en);
    }
    void write_all_consistent() {
        for (const char* s : {"msg", "2", "3", "4", "5", "6", "7", "8"})
            write_pair(s, {}, {});
        write_pair("msg", {"1", "een"}, {"1", "one"});
    }
};

TEST_F(CheckTest, ConsistentFilesReportNothing) {
    write_all_consistent();
    testing::MessageRecorder rec;
    check_message_files();
    EXPECT_EQ(rec.count(), 0) << rec.texts().join("|").toStdString();
}

TEST_F(CheckTest, FindsPlantedFaults) {
    write_all_consistent();
    // 2 only in Dutch; 3 twice in Dutch and once in English; 4 twice in Dutch only.
    write_pair("msg", {"1", "een", "2", "twee", "3", "drie", "3", "nog eens", "4", "x", "4", "y"},
               {"1", "one", "3", "three"});
    write_pair("5", {"12", "OK", ""}, {});
    write_pair("4", {"2500", "a", "b"}, {"2500", "a", "b", "1999", "c", "d"});
    testing::MessageRecorder rec;
    check_message_files();
    EXPECT_EQ(rec.texts(), QStringList({"fout in msg files bij nr 2", "fout in msg files bij nr 3",
                                        "fout in .5 files bij nr 12"}));
}

TEST_F(CheckTest, NumericTextCountsLikeANumberLine) {
    write_all_consistent();
    write_pair("msg", {"1", "een", "5", "17"}, {"1", "one", "5", "seventeen"});
    testing::MessageRecorder rec;
    check_message_files();
    EXPECT_EQ(rec.texts(), QStringList({"fout in msg files bij nr 17"}));
}

TEST_F(CheckTest, UnreadableFileIsReportedAndTheCheckGoesOn) {
    write_all_consistent();
    QFile::remove(dir.path() + "/aenglish.6");
    write_pair("8", {"3", "a", "b"}, {});
    testing::MessageRecorder rec;
    check_message_files();
    ASSERT_EQ(rec.count(), 2);
    EXPECT_EQ(rec.texts()[0], "error in msgfile aenglish.6");
    EXPECT_EQ(rec.texts()[1], "fout in .8 files bij nr 3");
}

TEST(ShippedFiles, PassTheConsistencyCheck) {
    testing::MessageRecorder rec;
    check_message_files();
    EXPECT_EQ(rec.count(), 0) << rec.texts().join("\n").toStdString();
}

}  // namespace
}  // namespace cifrala
