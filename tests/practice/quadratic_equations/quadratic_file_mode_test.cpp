// Exercise files in the quadratic-equations window: the open dialog, the
// exercises taken from the file one by one with their number in the title,
// the end of the file, and every refused file with its message, after which
// the window goes on as before.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "practice/quadratic_equations/quadratic_fixture.h"
#include "support/message_recorder.h"
#include "text/file_dialogs.h"
#include "text/program_dir.h"
#include "text/textfile.h"

namespace cifrala {
namespace {

using namespace quadratic_messages;

class QuadraticFileMode : public testing::QuadraticFixture {
protected:
    QString plant(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QString lines(const QString& name, const QStringList& l) {
        return plant(name, (l.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    }
    // Opens the file through the open button, as the pupil does.
    void open(const QString& path) {
        FileDialogRequest asked;
        auto previous = set_file_dialog_handler([&](const FileDialogRequest& r) {
            asked = r;
            return path;
        });
        w.SpeedButton6Click();
        set_file_dialog_handler(previous);
        EXPECT_EQ(asked.kind, FileDialogRequest::Open);
        EXPECT_TRUE(asked.filter.contains(QStringLiteral("*.txt")));
        EXPECT_EQ(asked.directory, program_dir());
    }
    // The window still works: a new exercise can be worked to its end.
    void expect_usable() {
        w.Button1Click();
        EXPECT_TRUE(w.step_available());
        work_to_end();
        EXPECT_FALSE(w.step_available());
        EXPECT_TRUE(w.worker().solution.done);
    }
    QTemporaryDir dir;
    testing::MessageRecorder messages;
};

TEST_F(QuadraticFileMode, TheExercisesComeFromTheFileInOrder) {
    const QString title = w.windowTitle();
    open(lines("two.txt", {". two equations", "1", "-5", "6", "2", "-", "-8"}));
    EXPECT_TRUE(w.file_mode());
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(equation(), compact(QStringLiteral("x^2 - 5x + 6 = 0")));
    msg_param1 = QStringLiteral("1");
    EXPECT_EQ(w.windowTitle(),
              title + QStringLiteral("   ") + msg(kExerciseOf) + QStringLiteral(" 2"));
    work_to_end();
    EXPECT_EQ(sheet().last(),
              compact(QStringLiteral("x = 3 ")) + msg(kOr) + compact(QStringLiteral(" x = 2")));
    w.Button1Click();
    EXPECT_EQ(equation(), compact(QStringLiteral("2x^2 - 8 = 0")));
    EXPECT_EQ(w.file_exercise(), 2);
    work_to_end();
    EXPECT_TRUE(w.worker().solution.done);
    // The end of the file: the message, ordinary exercises again, the title
    // as it was and the last equation shown again.
    w.Button1Click();
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.texts().front(), msg(kFileDone));
    EXPECT_FALSE(w.file_mode());
    EXPECT_FALSE(read_file_is_open());
    EXPECT_EQ(w.windowTitle(), title);
    EXPECT_EQ(equation(), compact(QStringLiteral("2x^2 - 8 = 0")));
    expect_usable();
}

TEST_F(QuadraticFileMode, RefusedFilesLeaveTheWindowAsItWas) {
    struct Case {
        QString name;
        QByteArray bytes;
        int message;
    };
    QByteArray binary;
    for (int i = 0; i < 2000; ++i)
        binary += static_cast<char>((i * 91 + 7) % 256);
    const std::vector<Case> cases = {
        {QStringLiteral("empty.txt"), QByteArray(), kNoValues},
        {QStringLiteral("words.txt"), "1\r\nvijf\r\n6\r\n", kNotANumber},
        {QStringLiteral("seven.txt"), "1\r\n2\r\n3\r\n1\r\n2\r\n3\r\n1\r\n", kNotTriples},
        {QStringLiteral("linear.txt"), "0\r\n2\r\n3\r\n", kNotQuadratic},
        {QStringLiteral("long.txt"), "1\r\n" + QByteArray(100000, '9') + "\r\n3\r\n", kNotANumber},
        {QStringLiteral("big.txt"), "1\r\n2\r\n10^12\r\n", kTooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        begin(1, -5, 6);
        const QString before = equation();
        messages.clear();
        open(plant(c.name, c.bytes));
        ASSERT_EQ(messages.count(), 1) << messages.texts().join(" | ").toStdString();
        EXPECT_TRUE(messages.texts().front().startsWith(msg(c.message)))
            << messages.texts().front().toStdString();
        EXPECT_FALSE(w.file_mode());
        EXPECT_FALSE(read_file_is_open());
        EXPECT_EQ(equation(), before);
        expect_usable();
    }
    // A missing file and binary data.
    messages.clear();
    open(dir.filePath(QStringLiteral("missing.txt")));
    ASSERT_EQ(messages.count(), 1) << messages.texts().join(" | ").toStdString();
    EXPECT_EQ(messages.texts().front(), msg(kNoValues));
    messages.clear();
    open(plant(QStringLiteral("binary.txt"), binary));
    ASSERT_EQ(messages.count(), 1) << messages.texts().join(" | ").toStdString();
    EXPECT_FALSE(w.file_mode());
    expect_usable();
}

TEST_F(QuadraticFileMode, TheLineNumberOfANonNumberIsInTheMessage) {
    open(lines("third.txt", {"1", "2", "x + 1", "4"}));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.texts().front(), msg(kNotANumber) + QStringLiteral(" 3"));
}

TEST_F(QuadraticFileMode, OpeningASecondFileClosesTheFirst) {
    open(lines("a.txt", {"1", "2", "1", "1", "3", "2"}));
    EXPECT_EQ(w.file_exercises(), 2);
    open(lines("b.txt", {"3", "0", "-12"}));
    EXPECT_TRUE(w.file_mode());
    EXPECT_EQ(w.file_exercises(), 1);
    EXPECT_EQ(equation(), compact(QStringLiteral("3x^2 - 12 = 0")));
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(QuadraticFileMode, StopClosesTheFile) {
    open(lines("a.txt", {"1", "2", "1", "1", "3", "2"}));
    ASSERT_TRUE(read_file_is_open());
    w.Button3Click();
    EXPECT_FALSE(read_file_is_open());
    EXPECT_FALSE(w.CheckBox2->isVisibleTo(&w));
}

TEST_F(QuadraticFileMode, TheShippedExampleFilesAreGood) {
    for (const char* name : {"kwadratisch_eenvoudig.txt", "kwadratisch_abc.txt"}) {
        SCOPED_TRACE(name);
        const QString path = data_path(QString::fromLatin1(name));
        ASSERT_TRUE(QFile::exists(path));
        messages.clear();
        ASSERT_TRUE(w.open_exercise_file(path));
        const int n = w.file_exercises();
        EXPECT_GE(n, 5);
        for (int i = 0; i < n; ++i) {
            work_to_end();
            EXPECT_TRUE(w.worker().solution.done);
            if (i + 1 < n) w.Button1Click();
        }
        w.Button1Click();
        EXPECT_EQ(messages.count(), 1);
        EXPECT_FALSE(w.file_mode());
    }
}

}  // namespace
}  // namespace cifrala
