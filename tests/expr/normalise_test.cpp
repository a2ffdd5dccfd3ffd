// Normalisation: bars, names and codes, constants, the root letter v,
// implicit multiplication, signs.
#include <QChar>

#include "expr_fixture.h"
#include "support/message_recorder.h"
#include "text/messages.h"

namespace cifrala::testing {
namespace {

class Normalise : public ExprTest {
protected:
    // What a name becomes: one character that is no typed letter.
    static QString code_of(const char* name) {
        QString t = QString::fromLatin1(name) + "1";
        normalise_expression(t);
        EXPECT_EQ(t.size(), 2) << name;
        return t.left(1);
    }
};

TEST_F(Normalise, EmptyTextStaysEmpty) {
    QString t;
    normalise_expression(t);
    EXPECT_TRUE(t.isEmpty());
}

TEST_F(Normalise, NamesBecomeSingleCodes) {
    const char* names[] = {
        "geometpdf", "geometcdf", "negbinpdf", "exp",     "negbincdf",  "ln",         "sqr",
        "abs",       "sinh",      "cosh",      "tanh",    "arcsin",     "arccos",     "arctan",
        "entier",    "invnorm",   "normal",    "normlft", "normbtwn",   "normrght",   "normpdf",
        "binompdf",  "binomcdf",  "hyppdf",    "hypcdf",  "poissonpdf", "poissoncdf", "sin",
        "cos",       "tan",       "log",       "fac",     "npr",        "ncr",        "random",
        "gauss",     "prt",       "max",       "min",     "gcd",        "lcm",        "ggd",
        "kgv",       "fnint"};
    QStringList codes;
    for (const char* n : names) {
        const QString c = code_of(n);
        EXPECT_FALSE(c[0].isLetterOrNumber() && c[0].unicode() < 128) << n;
        EXPECT_FALSE(codes.contains(c)) << n << " shares its code";
        codes << c;
    }
}

TEST_F(Normalise, LongerNamesWin) {
    EXPECT_NE(code_of("sinh"), code_of("sin"));
    EXPECT_NE(code_of("arcsin"), code_of("sin"));
    EXPECT_EQ(value("sinh(0)"), 0);
    EXPECT_EQ(value("arcsin(1)"), 90);
    EXPECT_EQ(value("tanh(0)+arctan(0)"), 0);
}

TEST_F(Normalise, UpperCaseIsReadAsLowerCase) {
    EXPECT_EQ(normalised(" SIN( 30 ) "), normalised("sin(30)"));
    EXPECT_EQ(value(" SIN( 30 ) "), 0.5);
    EXPECT_EQ(value("PI"), value("pi"));
    EXPECT_EQ(value("BinomPdf(10;0,5;3)"), 0.1171875);
}

TEST_F(Normalise, PiAndE) {
    EXPECT_EQ(normalised("2pi"), "2*3,14159265358979");
    EXPECT_EQ(value("2pi"), 6.28318530717958);
    EXPECT_EQ(value("3e"), 8.15484548537715);  // 3 * 2,71828182845905 to 15 digits
    EXPECT_EQ(value("(1+2)e"), value("3*exp(1)"));
    EXPECT_EQ(value("e"), 2.71828182845905);
    EXPECT_EQ(value("pi2"), value("pi*2"));
}

TEST_F(Normalise, StarInFrontOfNamesAfterDigitsAndBrackets) {
    EXPECT_EQ(normalised("3sin(30)"), "3*" + code_of("sin") + "(30)");
    EXPECT_EQ(normalised("(2)sqr4"), "(2)*" + code_of("sqr") + "4");
    EXPECT_EQ(normalised("x(x+1)"), "x*(x+1)");
    EXPECT_EQ(normalised("(x+1)x"), "(x+1)*x");
    EXPECT_EQ(normalised("(1)(2)"), "(1)*(2)");
    EXPECT_EQ(normalised("2(3)"), "2*(3)");
    EXPECT_EQ(normalised("(2)3"), "(2)*3");
    EXPECT_EQ(normalised("[2(x+1)]"), "[2(x+1)]");  // a curve reference
    EXPECT_EQ(normalised("2x"), "2x");              // read as a product by the evaluation
}

TEST_F(Normalise, SignsAndSpaces) {
    EXPECT_EQ(normalised("5 - - 3"), "5+3");
    EXPECT_EQ(normalised("5+-3"), "5-3");
    EXPECT_EQ(normalised("1---2"), "1-2");
    EXPECT_EQ(normalised("1----2"), "1++2");
}

TEST_F(Normalise, TheLetterVIsTheRootSign) {
    EXPECT_EQ(normalised("V16"), code_of("sqr") + "16");
    EXPECT_EQ(value("V16"), 4);
    EXPECT_EQ(value("v16"), 4);
    EXPECT_EQ(value("3v4"), 6);
    EXPECT_EQ(value("V(9+16)"), 5);
}

TEST_F(Normalise, NoRootSignInATextWithKgv) {
    EXPECT_EQ(value("kgv(4;6)"), 12);
    const QString t = normalised("kgv(4;6)+v9");
    EXPECT_TRUE(t.endsWith("v9")) << t.toStdString();
    // The letter v after "+" is no operand.
    EXPECT_EQ(error("kgv(4;6)+v9"), expr_error::kBadSumOperand);
    EXPECT_EQ(error("kgv(4;6)*v9"), expr_error::kBadProductOperand);
}

TEST_F(Normalise, BarsBecomeAbsoluteValues) {
    EXPECT_EQ(normalised("|-3|"), code_of("abs") + "(-3)");
    EXPECT_EQ(value("|-3|"), 3);
    EXPECT_EQ(value("|2-5|*2"), 6);
    EXPECT_EQ(value("||x|-5|", 2), 3);
    EXPECT_EQ(value("2|x-5|", 2), 6);
}

TEST_F(Normalise, BarsSideBySideAreTwoAbsoluteValues) {
    EXPECT_EQ(value("|x|+|x-5|", 2), 5);
    EXPECT_EQ(value("|-2|*|-3|"), 6);
}

TEST_F(Normalise, ASingleBarIsReported) {
    MessageRecorder recorder;
    QString t = "|x+1";
    normalise_expression(t, QLatin1Char('x'), QLatin1Char('x'));
    ASSERT_EQ(recorder.count(), 1);
    EXPECT_EQ(recorder.texts()[0], msg(566) + "\n|x+1");
    EXPECT_NE(evaluate_expression(QLatin1Char('x'), QLatin1Char('x'), t, 1, 1).error, 0);
    recorder.clear();
    normalise_expression(t = "|1|+|2", QChar(), QChar());
    EXPECT_EQ(recorder.count(), 1);
}

TEST_F(Normalise, TypedCharactersAreNeverCodes) {
    // Characters outside ASCII keep their meaning of "not a number".
    for (const QString& typed :
         {QString::fromUtf8("ë"), QString::fromUtf8("€"), QString::fromUtf8("π"),
          QString::fromUtf8("ÿ"), QString(QChar(0xE0E4)), QString(QChar(0xE0F9))}) {
        EXPECT_NE(error(typed + "(30)"), 0) << typed.toStdString();
        EXPECT_NE(error(typed + "16"), 0) << typed.toStdString();
    }
    // The Kelvin sign is no "k" of kgv, the dotless I no letter of sin.
    EXPECT_NE(error(QString::fromUtf8("\u212Agv(4;6)")), 0);
    EXPECT_NE(error(QString::fromUtf8("s\u0130n(30)")), 0);
}

}  // namespace
}  // namespace cifrala::testing
