// The start-up language choice from "language.txt" and its re-read when the
// start-up window is activated, with missing, empty and garbage files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/message_recorder.h"
#include "support/temp_data_dir.h"
#include "text/language.h"
#include "text/messages.h"
#include "text/program_dir.h"

namespace cifrala {
namespace {

class LanguageChoice : public ::testing::Test {
protected:
    void SetUp() override {
        language_index = 0;
        set_language_prefix_from_index();
        dir.write_lines("anederlands.msg", {"10", "Nederlands"});
        dir.write_lines("aenglish.msg", {"10", "English"});
    }
    void TearDown() override {
        language_index = 0;
        set_language_prefix_from_index();
    }
    void choose(const QByteArray& bytes) {
        dir.write_bytes("language.txt", bytes);
        select_startup_language();
    }
    testing::TempDataDir dir;
    testing::MessageRecorder messages;
};

TEST_F(LanguageChoice, OneSelectsEnglish) {
    choose("1\r\n");
    EXPECT_EQ(language_index, 1);
    EXPECT_EQ(language_prefix, "aenglish.");
    EXPECT_EQ(msg(10), "English");
    choose("1");  // no line end at all
    EXPECT_EQ(language_index, 1);
    choose("1   \n0\n");  // trailing blanks go before the number is read
    EXPECT_EQ(language_index, 1);
}

TEST_F(LanguageChoice, AnythingElseIsDutchAndNothingIsReported) {
    const QByteArray cases[] = {"0\r\n",
                                "",
                                "\r\n1\r\n",
                                "2\r\n",
                                "English\r\n",
                                "-1\r\n",
                                "99999999999999999999\r\n",
                                QByteArray("\0\x01\xff\xfe", 4),
                                QByteArray(100000, '1') + "\r\n"};
    for (const QByteArray& bytes : cases) {
        language_index = 1;
        choose(bytes);
        EXPECT_EQ(language_index, 0) << bytes.left(30).toHex().constData();
        EXPECT_EQ(language_prefix, "anederlands.");
        EXPECT_EQ(msg(10), "Nederlands");
    }
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(LanguageChoice, MissingFileIsDutchWithoutAMessage) {
    language_index = 1;
    select_startup_language();
    EXPECT_EQ(language_index, 0);
    EXPECT_EQ(language_prefix, "anederlands.");
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(LanguageChoice, ReReadComparesExactlyAndKeepsThePrefix) {
    choose(" 1 \r\n");
    EXPECT_EQ(language_index, 1);  // blanks are removed at start-up ...
    reread_language_choice();
    EXPECT_EQ(language_index, 0);  // ... but not by the re-read
    EXPECT_EQ(language_prefix, "aenglish.");
    EXPECT_EQ(msg(10), "English");

    dir.write_bytes("language.txt", "1\r\n");
    reread_language_choice();
    EXPECT_EQ(language_index, 1);
}

TEST_F(LanguageChoice, MissingOrGarbledMessageFilesKeepTheProgramGoing) {
    choose("1\r\n");
    dir.write_bytes("aenglish.msg", QByteArray("10\r\nEngl", 8));  // cut off in the text
    EXPECT_EQ(msg(10), "Engl");
    dir.write_bytes("aenglish.msg", QByteArray("\x00\x00\x10\r\n", 5));
    EXPECT_EQ(msg(10), "nrnotfounderrorinmsgfile");
    dir.write_bytes("aenglish.msg", QByteArray("10", 2));  // the number is the last line
    EXPECT_EQ(msg(10), "nrnotfounderrorinmsgfile");
}

// The choice made in the menu, kept in the user's config folder.
class RememberedLanguage : public LanguageChoice {
protected:
    void SetUp() override {
        LanguageChoice::SetUp();
        previous_config_ = user_config_dir();
        set_user_config_dir(config_.path() + QStringLiteral("/cifrala"));  // not there yet
    }
    void TearDown() override {
        set_user_config_dir(previous_config_);
        LanguageChoice::TearDown();
    }
    QByteArray saved() const {
        QFile f(user_config_dir() + QStringLiteral("/language.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir config_;
    QString previous_config_;
};

TEST_F(RememberedLanguage, TheFileBesideTheProgramIsTheFirstStartsDefault) {
    choose("1\r\n");
    EXPECT_EQ(language_index, 1);
    EXPECT_TRUE(saved().isEmpty());
}

TEST_F(RememberedLanguage, TheChoiceIsRememberedForTheNextStart) {
    dir.write_bytes("language.txt", "0\r\n");
    ASSERT_TRUE(save_language_choice(1));
    EXPECT_EQ(saved(), QByteArray("1\r\n"));
    select_startup_language();
    EXPECT_EQ(language_index, 1);
    EXPECT_EQ(language_prefix, "aenglish.");
    reread_language_choice();
    EXPECT_EQ(language_index, 1);
    // Back to Dutch, although the program's own file says English.
    dir.write_bytes("language.txt", "1\r\n");
    ASSERT_TRUE(save_language_choice(0));
    select_startup_language();
    EXPECT_EQ(language_index, 0);
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(RememberedLanguage, AFailedSaveKeepsThePreviousChoice) {
    ASSERT_TRUE(save_language_choice(1));
    // A folder where the file should go: the save fails with a message.
    const QString blocked = config_.path() + QStringLiteral("/blocked");
    QDir().mkpath(blocked + QStringLiteral("/language.txt"));
    set_user_config_dir(blocked);
    EXPECT_FALSE(save_language_choice(0));
    EXPECT_GE(messages.count(), 1);
    set_user_config_dir(config_.path() + QStringLiteral("/cifrala"));
    EXPECT_EQ(saved(), QByteArray("1\r\n"));
}

}  // namespace
}  // namespace cifrala
