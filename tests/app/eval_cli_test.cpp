// The command-line evaluator: one line on standard output, the exit code,
// the message on standard error.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QFile>
#include <QLocale>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>

#include "app/eval_cli.h"
#include "text/language.h"
#include "text/messages.h"
#include "util/number_settings.h"

namespace cifrala {
namespace {

struct CliRun {
    int exit_code = -1;
    QString out, err;
};

// Runs the evaluator with standard output and error sent to files.
CliRun run_cli(const QStringList& args) {
    QTemporaryDir dir;
    const QString out_path = dir.filePath("out"), err_path = dir.filePath("err");
    std::fflush(stdout);
    std::fflush(stderr);
    const int saved_out = dup(1), saved_err = dup(2);
    FILE* out = std::fopen(out_path.toLocal8Bit().constData(), "w");
    FILE* err = std::fopen(err_path.toLocal8Bit().constData(), "w");
    dup2(fileno(out), 1);
    dup2(fileno(err), 2);
    CliRun r;
    r.exit_code = run_eval_cli(args);
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(saved_out, 1);
    dup2(saved_err, 2);
    close(saved_out);
    close(saved_err);
    std::fclose(out);
    std::fclose(err);
    QFile o(out_path), e(err_path);
    o.open(QIODevice::ReadOnly);
    e.open(QIODevice::ReadOnly);
    r.out = QString::fromLocal8Bit(o.readAll());
    r.err = QString::fromLocal8Bit(e.readAll());
    return r;
}

class EvalCli : public ::testing::Test {
protected:
    void SetUp() override {
        settings_ = number_settings;
        language_ = language_index;
    }
    void TearDown() override {
        number_settings = settings_;
        language_index = language_;
        set_language_prefix_from_index();
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    }

private:
    NumberSettings settings_;
    int language_ = 0;
};

TEST_F(EvalCli, ValueOnOneLineWithTheLocaleSeparator) {
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    CliRun r = run_cli({"3/4"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "0,75\n");
    EXPECT_TRUE(r.err.isEmpty());

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    r = run_cli({"2,5*2+0.25"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "5.25\n");
    // 15 significant digits, never an exponent.
    EXPECT_EQ(run_cli({"2pi"}).out, "6.28318530717958\n");  // pi has 15 digits
    EXPECT_EQ(run_cli({"10^20"}).out, "100000000000000000000\n");
    EXPECT_EQ(run_cli({"1/2^20"}).out, "0.00000095367431640625\n");
}

TEST_F(EvalCli, DegreesUnlessRadians) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(run_cli({"sin(30)"}).out, "0.5\n");
    EXPECT_EQ(run_cli({"sin(pi/2)", "--radians"}).out, "1\n");
    EXPECT_EQ(run_cli({"--radians", "cos(pi)"}).out, "-1\n");
}

TEST_F(EvalCli, EngineErrorsGiveTheirCode) {
    CliRun r = run_cli({"1/0"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "error -1\n");
    EXPECT_EQ(r.err, msg(370) + "\n");
    r = run_cli({"(3"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "error -502\n");
    r = run_cli({"exp(1000)"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "error -120\n");
    EXPECT_FALSE(r.err.trimmed().isEmpty());
    r = run_cli({});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "error -999\n");
}

TEST_F(EvalCli, ListFunctionErrorsGiveTheirMessageNumber) {
    CliRun r = run_cli({"max()"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "error -1234 message 1247\n");
    EXPECT_EQ(r.err, msg(1247) + "\n");
    r = run_cli({"2+log(1;5)"});
    EXPECT_EQ(r.out, "error -1234 message 701\n");
}

TEST_F(EvalCli, SeveralWordsAreOneExpression) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const CliRun r = run_cli({"3", "+", "4"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "7\n");
}

}  // namespace
}  // namespace cifrala
