// Exercise files of the quadratic-equations window, with planted good and
// bad files: the check refuses what cannot be worked, the reader gives the
// triples in order, and nothing hangs or crashes.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "practice/quadratic_equations/exercise_file.h"
#include "support/message_recorder.h"
#include "text/textfile.h"

namespace cifrala {
namespace {

using namespace exercise_file_result;

class ExerciseFile : public ::testing::Test {
protected:
    void TearDown() override { close_read_file(); }
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
    QTemporaryDir dir;
    testing::MessageRecorder messages;
};

TEST_F(ExerciseFile, AGoodFileStaysOpenAtItsFirstTriple) {
    const QString path = lines(
        "good.txt", {". a comment", "1", "-5", "6", "2", "3/4", "-", ".x", "1 + 2", " - 7 ", "4"});
    const ExerciseFileCheck c = check_number_file(path);
    EXPECT_EQ(c.result, kOk);
    EXPECT_EQ(c.lines, 9);
    EXPECT_TRUE(read_file_is_open());
    int A = 0, B = 0, C = 0;
    EXPECT_EQ(read_number_triple(A, B, C), 0);
    EXPECT_EQ(A, 1);
    EXPECT_EQ(B, -5);
    EXPECT_EQ(C, 6);
    EXPECT_EQ(read_number_triple(A, B, C), 0);
    EXPECT_EQ(A, 2);
    EXPECT_EQ(B, 1);  // 3/4 to the nearest whole number
    EXPECT_EQ(C, 0);  // a lone "-"
    EXPECT_EQ(read_number_triple(A, B, C), 0);
    EXPECT_EQ(A, 3);
    EXPECT_EQ(B, -7);
    EXPECT_EQ(C, 4);
    EXPECT_EQ(read_number_triple(A, B, C), -2);
    EXPECT_FALSE(read_file_is_open());
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(ExerciseFile, AMissingFileHasNoValues) {
    EXPECT_EQ(check_number_file(dir.filePath("missing.txt")).result, kNoValues);
    EXPECT_FALSE(read_file_is_open());
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(ExerciseFile, AnEmptyFileOrOneWithOnlyCommentsHasNoValues) {
    EXPECT_EQ(check_number_file(plant("empty.txt", {})).result, kNoValues);
    EXPECT_EQ(check_number_file(lines("comments.txt", {".one", ".two"})).result, kNoValues);
    EXPECT_FALSE(read_file_is_open());
}

TEST_F(ExerciseFile, ALineThatIsNoNumberIsRefusedWhereItIsRead) {
    const ExerciseFileCheck c = check_number_file(lines("words.txt", {"1", "2", "drie", "4"}));
    EXPECT_EQ(c.result, kNotAnExpression);
    EXPECT_EQ(c.lines, 3);
    EXPECT_FALSE(read_file_is_open());
}

TEST_F(ExerciseFile, SevenValueLinesAreNoTriples) {
    const ExerciseFileCheck c =
        check_number_file(lines("seven.txt", {"1", "2", "3", "1", "2", "3", "1"}));
    EXPECT_EQ(c.result, kNotTriples);
    EXPECT_EQ(c.lines, 7);
    EXPECT_FALSE(read_file_is_open());
}

TEST_F(ExerciseFile, ATripleWithAZeroLeadingCoefficientIsRefused) {
    const ExerciseFileCheck c =
        check_number_file(lines("linear.txt", {"1", "2", "1", "0", "4", "5"}));
    EXPECT_EQ(c.result, kNotQuadratic);
    EXPECT_EQ(c.exercise, 2);
    // "-" is 0 as well, and so is a fraction that rounds to it.
    EXPECT_EQ(check_number_file(lines("dash.txt", {"-", "2", "1"})).result, kNotQuadratic);
    EXPECT_EQ(check_number_file(lines("small.txt", {"1/3", "2", "1"})).result, kNotQuadratic);
}

TEST_F(ExerciseFile, ValuesTooLargeForTheArithmeticAreRefused) {
    EXPECT_EQ(check_number_file(lines("big.txt", {"1", "10^9", "1"})).result, kTooLarge);
    EXPECT_EQ(check_number_file(lines("huge.txt", {"1", "1", "-10^20"})).result, kTooLarge);
    EXPECT_EQ(check_number_file(lines("edge.txt", {"1000000", "-1000000", "1000000"})).result, kOk);
}

TEST_F(ExerciseFile, ALineOfAHundredThousandCharactersIsNoNumber) {
    QByteArray longline(100000, '7');
    const ExerciseFileCheck c =
        check_number_file(plant("long.txt", "1\r\n" + longline + "\r\n3\r\n"));
    EXPECT_EQ(c.result, kNotAnExpression);
    EXPECT_EQ(c.lines, 2);
    QByteArray sum;
    for (int i = 0; i < 25000; ++i)
        sum += "1+2+";
    EXPECT_EQ(check_number_file(plant("sum.txt", "1\r\n" + sum + "3\r\n3\r\n")).result,
              kNotAnExpression);
}

TEST_F(ExerciseFile, BinaryDataIsRefused) {
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += static_cast<char>((i * 37 + 11) % 256);
    const int r = check_number_file(plant("binary.txt", bytes)).result;
    EXPECT_TRUE(r == kNotAnExpression || r == kNoValues) << r;
    EXPECT_FALSE(read_file_is_open());
    QByteArray zeros(1000, '\0');
    const int z = check_number_file(plant("zeros.txt", zeros)).result;
    EXPECT_TRUE(z == kNotAnExpression || z == kNoValues) << z;
}

TEST_F(ExerciseFile, AShortLastTripleKeepsThePreviousThirdValue) {
    // The reader on its own (the check refuses such a file).
    ASSERT_TRUE(open_read_file(lines("short.txt", {"1", "2", "3", "4", "5"}), false));
    int A = 0, B = 0, C = 0;
    EXPECT_EQ(read_number_triple(A, B, C), 0);
    EXPECT_EQ(read_number_triple(A, B, C), 0);
    EXPECT_EQ(A, 4);
    EXPECT_EQ(B, 5);
    EXPECT_EQ(C, 3);
    EXPECT_EQ(read_number_triple(A, B, C), -2);
}

TEST_F(ExerciseFile, AReaderMeetsALineThatIsNoNumber) {
    ASSERT_TRUE(open_read_file(lines("bad.txt", {"1", "x", "3"}), false));
    int A = 0, B = 0, C = 0;
    EXPECT_EQ(read_number_triple(A, B, C), -1);
    EXPECT_FALSE(read_file_is_open());
}

TEST(ValueLine, ReadsAsTheFileReaderDoes) {
    long long v = 0;
    EXPECT_TRUE(read_value_line(QStringLiteral(" 1 2 "), v));
    EXPECT_EQ(v, 12);
    EXPECT_TRUE(read_value_line(QStringLiteral("-"), v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(read_value_line(QStringLiteral("2,6"), v));
    EXPECT_EQ(v, 3);
    EXPECT_TRUE(read_value_line(QStringLiteral("-7/2"), v));
    EXPECT_EQ(v, -4);  // ties to even
    EXPECT_FALSE(read_value_line(QString(), v));
    EXPECT_FALSE(read_value_line(QStringLiteral("1/0"), v));
    EXPECT_FALSE(read_value_line(QStringLiteral("x"), v));
}

}  // namespace
}  // namespace cifrala
