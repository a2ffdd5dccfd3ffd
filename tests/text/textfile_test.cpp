// The shared input and output file: comments, ".end of file", error messages
// and the atomic save.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

#include "support/message_recorder.h"
#include "support/temp_data_dir.h"
#include "text/language.h"
#include "text/textfile.h"

namespace cifrala {
namespace {

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        language_index = 0;
        set_language_prefix_from_index();
        dir.write_lines("anederlands.msg",
                        {"324", "niet gevonden:", "325", "kijk na", "327", "kan niet maken:", "328",
                         "schrijffout", "329", "leesfout", "1076", "in gebruik:"});
    }
    void TearDown() override { close_read_file(); }
    testing::TempDataDir dir;
};

TEST_F(TextFileTest, SkipsCommentsButReturnsEmptyLinesAndEndMarker) {
    dir.write_lines("data.txt", {".comment", "one", "", ". also comment", ".end of file", "two"});
    ASSERT_TRUE(open_read_file("data.txt", true));
    EXPECT_EQ(read_line(), "one");
    EXPECT_EQ(read_line(), "");
    EXPECT_EQ(read_line(), ".end of file");
    EXPECT_EQ(read_line(), "two");
    EXPECT_EQ(read_line(), "");  // end of the file
    EXPECT_EQ(read_line(), "");
    EXPECT_EQ(read_line_count(), 6);  // comment lines count too
    close_read_file();
}

TEST_F(TextFileTest, CommentOnlyFileOpensAndReadsEmpty) {
    dir.write_lines("c.txt", {".a", ".b"});
    testing::MessageRecorder rec;
    ASSERT_TRUE(open_read_file("c.txt", true));
    EXPECT_EQ(read_line(), "");
    close_read_file();
    EXPECT_EQ(rec.count(), 0);
}

TEST_F(TextFileTest, FileEndingInACommentReturnsEmptyAfterTheLastLine) {
    dir.write_lines("d.txt", {"x", ".trailing"});
    ASSERT_TRUE(open_read_file("d.txt", false));
    EXPECT_EQ(read_line(), "x");
    EXPECT_EQ(read_line(), "");
    close_read_file();
}

TEST_F(TextFileTest, MissingFileIsReportedOnlyWhenAsked) {
    testing::MessageRecorder rec;
    EXPECT_FALSE(open_read_file("none.txt", false));
    EXPECT_EQ(rec.count(), 0);
    EXPECT_FALSE(open_read_file("none.txt", true));
    ASSERT_EQ(rec.count(), 1);
    EXPECT_EQ(rec.texts()[0], "niet gevonden: none.txt\nkijk na");
}

TEST_F(TextFileTest, EmptyFileDoesNotCountAsOpen) {
    dir.write_bytes("empty.txt", QByteArray());
    testing::MessageRecorder rec;
    EXPECT_FALSE(open_read_file("empty.txt", true));
    EXPECT_EQ(rec.texts(), QStringList({"niet gevonden: empty.txt\nkijk na"}));
    EXPECT_FALSE(read_file_is_open());
    EXPECT_EQ(read_line(), "");
}

TEST_F(TextFileTest, SecondOpenWithoutCloseIsReportedAndStillOpens) {
    dir.write_lines("a.txt", {"a"});
    dir.write_lines("b.txt", {"b"});
    testing::MessageRecorder rec;
    ASSERT_TRUE(open_read_file("a.txt", true));
    ASSERT_TRUE(open_read_file("b.txt", true));
    EXPECT_EQ(rec.texts(), QStringList({"opened file not closed error"}));
    EXPECT_EQ(read_line(), "b");
    close_read_file();
    close_read_file();
}

TEST_F(TextFileTest, UnreadableFileGivesTheIoErrorMessage) {
    // A folder opens for reading on Linux but every read fails.
    QDir(dir.path()).mkdir("folder.txt");
    testing::MessageRecorder rec;
    EXPECT_FALSE(open_read_file("folder.txt", true));
    ASSERT_EQ(rec.count(), 1);
    EXPECT_TRUE(rec.texts()[0].startsWith("niet gevonden: folder.txt\nI/O error= "));
}

TEST_F(TextFileTest, LongAndBinaryLinesAreReadWhole) {
    QByteArray big(100000, 'a');
    dir.write_bytes("big.txt", big + "\r\n" + QByteArray("\x80\x01\xff", 3) + "\nlast");
    ASSERT_TRUE(open_read_file("big.txt", false));
    EXPECT_EQ(read_line().size(), 100000);
    EXPECT_EQ(read_line().size(), 3);
    EXPECT_EQ(read_line(), "last");
    close_read_file();
}

TEST_F(TextFileTest, WritesCrLfInWindowsCodePage) {
    ASSERT_TRUE(open_write_file(dir.path(), "out.txt"));
    write_line("+");
    write_line(QString::fromUtf8("één"));
    EXPECT_TRUE(close_write_file());
    EXPECT_EQ(dir.read_bytes("out.txt"), QByteArray("+\r\n\xe9\xe9n\r\n"));
}

TEST_F(TextFileTest, WriteIntoNewFolderCreatesIt) {
    const QString sub = dir.path() + "/config/cifrala";
    ASSERT_TRUE(open_write_file(sub, "x.def"));
    write_line("-");
    EXPECT_TRUE(close_write_file());
    EXPECT_TRUE(QFile::exists(sub + "/x.def"));
}

TEST_F(TextFileTest, UnwritableFolderIsReportedAndNothingIsWritten) {
    // The config "folder" is a plain file, so nothing can be created below it.
    dir.write_lines("blocker", {"x"});
    testing::MessageRecorder rec;
    EXPECT_FALSE(open_write_file(dir.path() + "/blocker/cifrala", "keep.def"));
    ASSERT_EQ(rec.count(), 1);
    EXPECT_TRUE(rec.texts()[0].startsWith("kan niet maken: keep.def\n errorno="));
    write_line("ignored");  // writing without an open file is harmless
    EXPECT_FALSE(close_write_file());
    EXPECT_EQ(dir.read_bytes("blocker"), QByteArray("x\r\n"));
}

TEST_F(TextFileTest, WriteErrorAbandonsTheSaveAndKeepsTheOldFile) {
    dir.write_lines("full.def", {"old"});
    ASSERT_TRUE(open_write_file(dir.path(), "full.def"));
    write_line("partial");
    // The target is replaced by a folder before the commit: the rename must fail.
    QFile::remove(dir.path() + "/full.def");
    QDir(dir.path()).mkdir("full.def");
    QDir(dir.path() + "/full.def").mkdir("child");
    testing::MessageRecorder rec;
    EXPECT_FALSE(close_write_file());
    EXPECT_EQ(rec.count(), 1);
    EXPECT_TRUE(QFileInfo(dir.path() + "/full.def").isDir());
}

}  // namespace
}  // namespace cifrala
