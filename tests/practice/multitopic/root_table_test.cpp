// The table of root equations: the shipped file, a missing file (the topic
// cannot be opened and the menu's button says why) and malformed files,
// which are reported once and never taken.
#include <gtest/gtest.h>

#include "practice/multitopic/diffketting_form.h"
#include "practice/multitopic/multitopic_texts.h"
#include "practice/multitopic/root_table.h"
#include "practice/multitopic/topic_routines.h"
#include "support/message_recorder.h"
#include "support/temp_data_dir.h"
#include "text/messages.h"

namespace cifrala {
namespace {

using testing::MessageRecorder;
using testing::TempDataDir;

QStringList numbers(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QString::number(i % 7 + 1);
    return lines;
}

// A folder with the language files and the given awortel.txt (none when
// `lines` is empty).
struct Folder {
    explicit Folder(const QStringList& lines = {}) {
        for (const char* f : {"anederlands.msg", "aenglish.msg"})
            dir.copy_shipped(QString::fromLatin1(f));
        if (!lines.isEmpty()) dir.write_lines(kRootTableFile, lines);
    }
    TempDataDir dir;
};

// A worker that writes one line and ends, standing in for the routines of
// the root equations.
class OneLine : public TopicWorker {
public:
    using TopicWorker::TopicWorker;
    void generate(const TopicChoices&) override { step = 0; }
    void show_step() override { finish(0); }
};

class RootEquationsBuilt : public ::testing::Test {
protected:
    void SetUp() override {
        register_topic_routines(QStringLiteral("root_equations"),
                                {[](StepHost& h) { return std::make_unique<OneLine>(h); }, {}});
    }
    void TearDown() override {
        register_topic_routines(QStringLiteral("root_equations"), TopicRoutines{});
    }
};

TEST(RootTable, TheShippedTableHasFortyTwoEquationsWithAWholeSolution) {
    MessageRecorder messages;
    const RootTable t = load_root_table();
    ASSERT_EQ(t.status, RootTable::Loaded);
    ASSERT_EQ(t.records.size(), 42u);
    EXPECT_EQ(messages.count(), 0);
    for (const RootRecord& r : t.records) {
        // V(a x + b) = x + c for a whole x with x + c >= 0.
        int solutions = 0;
        for (int x = -100; x <= 100; ++x)
            if (x + r.c >= 0 && r.a * x + r.b == (x + r.c) * (x + r.c)) ++solutions;
        EXPECT_GE(solutions, 1) << r.a << " " << r.b << " " << r.c;
        EXPECT_NE(r.a, 0);
    }
}

TEST(RootTable, BlanksAroundTheNumbersAndCommentLinesAreAllowed) {
    QStringList lines{QStringLiteral(". a comment")};
    for (const QString& n : numbers(126))
        lines << QStringLiteral("  ") + n + QStringLiteral("   ");
    Folder folder(lines);
    MessageRecorder messages;
    const RootTable t = load_root_table();
    EXPECT_EQ(t.status, RootTable::Loaded);
    EXPECT_EQ(messages.count(), 0);
    ASSERT_EQ(t.records.size(), 42u);
    EXPECT_EQ(t.records[0].a, 1);
    EXPECT_EQ(t.records[0].c, 3);
}

TEST(RootTable, AMissingFileIsNoFault) {
    Folder folder;
    MessageRecorder messages;
    EXPECT_EQ(load_root_table().status, RootTable::Missing);
    EXPECT_EQ(messages.count(), 0);
}

TEST(RootTable, MalformedFilesAreReportedOnce) {
    struct Case {
        const char* what;
        QStringList lines;
        int fault_line;
    };
    QStringList not_a_number = numbers(126);
    not_a_number[4] = QStringLiteral("vijf");
    QStringList too_long = numbers(126);
    too_long[7] = QString(100000, QLatin1Char('7'));
    QStringList too_large = numbers(126);
    too_large[9] = QStringLiteral("99999999999");
    const Case cases[] = {{"too few records", numbers(10), 11},
                          {"not a number", not_a_number, 5},
                          {"a line of 100000 characters", too_long, 8},
                          {"outside 32 bits", too_large, 10},
                          {"an empty line", numbers(3) << QString() << numbers(122), 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Folder folder(c.lines);
        MessageRecorder messages;
        const RootTable t = load_root_table();
        EXPECT_EQ(t.status, RootTable::Malformed);
        EXPECT_EQ(t.fault_line, c.fault_line);
        EXPECT_TRUE(t.records.empty());
        ASSERT_EQ(messages.count(), 1);
        EXPECT_TRUE(messages.texts()[0].contains(kRootTableFile));
    }
}

TEST_F(RootEquationsBuilt, WithTheTableTheTopicOpens) {
    TdiffkettingForm w;
    EXPECT_TRUE(w.serves(23, kAnyCode));
    EXPECT_TRUE(w.unavailable_caption(23, kAnyCode).isEmpty());
}

TEST_F(RootEquationsBuilt, WithoutTheTableTheTopicCannotBeOpened) {
    Folder folder;
    TdiffkettingForm w;
    EXPECT_FALSE(w.serves(23, kAnyCode));
    EXPECT_EQ(w.unavailable_caption(23, kAnyCode), QStringLiteral("awortel.txt not found"));
    EXPECT_TRUE(w.unavailable_caption(9, 7).isEmpty());
    EXPECT_TRUE(w.unavailable_caption(65, kAnyCode).isEmpty());
}

TEST_F(RootEquationsBuilt, WithADamagedTableTheTopicCannotBeOpenedEither) {
    Folder folder(numbers(20));
    MessageRecorder messages;
    TdiffkettingForm w;
    EXPECT_EQ(messages.count(), 1);
    EXPECT_FALSE(w.serves(23, kAnyCode));
    EXPECT_EQ(w.unavailable_caption(23, kAnyCode), msg(multitopic_messages::kRootTableDamaged));
}

}  // namespace
}  // namespace cifrala
