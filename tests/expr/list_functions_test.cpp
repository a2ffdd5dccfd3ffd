// The list functions: values from closed forms or independent sums,
// argument order, domains, and their message numbers.
#include <cmath>

#include "expr_fixture.h"

namespace cifrala::testing {
namespace {

class ListFunctions : public ExprTest {
protected:
    static void expect_relative(const QString& typed, double exact, double tolerance = 1e-14) {
        const double v = value(typed);
        EXPECT_LE(std::fabs(v - exact), std::fabs(exact) * tolerance)
            << typed.toStdString() << " gave " << v << ", expected " << exact;
    }
    // C(n, k) in long double by the product formula.
    static long double choose(int n, int k) {
        long double c = 1;
        for (int i = 0; i < k; ++i)
            c = c * (n - i) / (i + 1);
        return c;
    }
};

TEST_F(ListFunctions, BinomialSmall) {
    EXPECT_EQ(value("binompdf(10;0,5;3)"), 120.0 / 1024);
    EXPECT_EQ(value("binomcdf(10;0,5;3)"), 176.0 / 1024);
    EXPECT_EQ(value("binomcdf(3;0,5;5)"), 1);  // more successes than trials
    EXPECT_EQ(value("binompdf(5;1;5)"), 0);    // p outside [10^-5, 1 - 10^-5]
    EXPECT_EQ(value("binompdf(5;0,000001;0)"), 0);
    EXPECT_EQ(value("binompdf(5;0,5;-1)"), 0);
    EXPECT_EQ(value("binompdf(5;0,5;6)"), 0);
    EXPECT_EQ(value("binomcdf(5;0,5;-1)"), 0);
    EXPECT_EQ(value("binomcdf(5;1,5;2)"), 0);
    EXPECT_EQ(value("binomcdf(0;0,5;2)"), 0);
    // Whole arguments are truncated.
    EXPECT_EQ(value("binompdf(10,9;0,5;3.7)"), 120.0 / 1024);
    const long double p = 0.3L, q = 0.7L;
    expect_relative("binompdf(20;0,3;6)", double(choose(20, 6) * powl(p, 6) * powl(q, 14)));
    long double cdf = 0;
    for (int i = 0; i <= 6; ++i)
        cdf += choose(20, i) * powl(p, i) * powl(q, 20 - i);
    expect_relative("binomcdf(20;0,3;6)", double(cdf));
}

// P(X <= k) for a binomial(n, p), summed in long double with log-gamma terms.
double reference_binomcdf(int n, long double p, int k) {
    long double s = 0;
    for (int i = 0; i <= k; ++i) {
        s += expl(lgammal(n + 1.0L) - lgammal(i + 1.0L) - lgammal(n - i + 1.0L) + i * logl(p) +
                  (n - i) * log1pl(-p));
    }
    return double(s);
}

TEST_F(ListFunctions, BinomialLargeNIsExact) {
    // Relative 1e-12 against independent sums; the engine shows 15 digits.
    expect_relative("binomcdf(2000;0,3;600)", reference_binomcdf(2000, 0.3L, 600), 1e-12);
    expect_relative("binomcdf(5000;0,5;2500)", reference_binomcdf(5000, 0.5L, 2500), 1e-12);
    expect_relative("binomcdf(5000;0,5;2300)", reference_binomcdf(5000, 0.5L, 2300), 1e-12);
    expect_relative("binomcdf(3000;0,01;10)", reference_binomcdf(3000, 0.01L, 10), 1e-12);
    expect_relative("binomcdf(8000;0,2;1700)", reference_binomcdf(8000, 0.2L, 1700), 1e-12);
    const double pdf = double(expl(lgammal(5001.0L) - 2 * lgammal(2501.0L) + 5000 * logl(0.5L)));
    expect_relative("binompdf(5000;0,5;2500)", pdf, 1e-12);
    // Far in the tail the 15-digit value keeps its relative accuracy too.
    expect_relative("binomcdf(2000;0,5;850)", reference_binomcdf(2000, 0.5L, 850), 1e-12);
}

TEST_F(ListFunctions, BinomialHugeN) {
    // The distribution is symmetric: half the mass and half the middle term.
    const double n = 1e9;
    const double middle = std::sqrt(2 / (M_PI * n)) * (1 - 1 / (4 * n));
    expect_relative("binomcdf(1000000000;0,5;500000000)", 0.5 + middle / 2, 1e-9);
    EXPECT_EQ(list_message("binomcdf(4000000000000;0,5;2000000000000)"), 1410);
}

TEST_F(ListFunctions, Hypergeometric) {
    expect_relative("hyppdf(5;5;4;2)", 100.0 / 210);
    EXPECT_EQ(value("hyppdf(5;5;4;2)"), 0.476190476190476);
    expect_relative("hypcdf(10;5;6;3)", 1435.0 / 5005);
    EXPECT_EQ(value("hyppdf(5;5;4;5)"), 0);  // x > n
    EXPECT_EQ(value("hyppdf(2;2;5;1)"), 0);  // more drawn than there are
    EXPECT_EQ(value("hypcdf(10;5;6;-1)"), 0);
    EXPECT_EQ(value("hypcdf(10;5;6;6)"), 1);
    EXPECT_EQ(list_message("hypcdf(2;2;5;1)"), 734);
    // Large: sum of exact terms in long double.
    long double s = 0;
    for (int x = 0; x <= 150; ++x) {
        s += expl(lgammal(501.0L) - lgammal(x + 1.0L) - lgammal(501.0L - x) + lgammal(701.0L) -
                  lgammal(301.0L - x) - lgammal(401.0L + x) - lgammal(1201.0L) + lgammal(301.0L) +
                  lgammal(901.0L));
    }
    expect_relative("hypcdf(500;700;300;150)", double(s), 1e-12);
}

TEST_F(ListFunctions, Poisson) {
    expect_relative("poissonpdf(2;0)", std::exp(-2.0));
    expect_relative("poissonpdf(3,5;4)", std::exp(-3.5) * std::pow(3.5, 4) / 24);
    expect_relative("poissoncdf(2;3)", std::exp(-2.0) * (1 + 2 + 2 + 4.0 / 3));
    EXPECT_EQ(value("poissoncdf(2;-1)"), 0);
    EXPECT_EQ(value("poissonpdf(2;-0,5)"), 0);
    EXPECT_EQ(value("poissonpdf(0;0)"), 1);
    long double s = 0;
    for (int i = 0; i <= 1000; ++i)
        s += expl(-1000.0L + i * logl(1000.0L) - lgammal(i + 1.0L));
    expect_relative("poissoncdf(1000;1000)", double(s), 1e-12);
}

TEST_F(ListFunctions, Geometric) {
    EXPECT_EQ(value("geometpdf(0,5;3)"), 0.125);
    EXPECT_EQ(value("geometcdf(0,5;3)"), 0.875);
    expect_relative("geometcdf(0,2;4)", 1 - std::pow(0.8, 4));
    expect_relative("geometpdf(0,2;4)", 0.2 * std::pow(0.8, 3));
    EXPECT_EQ(value("geometpdf(0,5;0)"), 0);
    EXPECT_EQ(value("geometcdf(1;5)"), 1);
    expect_relative("geometcdf(0,000001;1000000000000)", 1 - std::exp(1e12 * std::log1p(-1e-6)));
}

TEST_F(ListFunctions, NegativeBinomial) {
    EXPECT_EQ(value("negbinpdf(0,5;2;3)"), 0.25);
    EXPECT_EQ(value("negbincdf(0,5;2;3)"), 0.5);
    expect_relative("negbinpdf(0,3;3;5)", 6 * 0.027 * 0.49);
    EXPECT_EQ(value("negbinpdf(0,5;3;2)"), 0);  // fewer trials than successes
    EXPECT_EQ(value("negbinpdf(0,5;0;2)"), 0);
    EXPECT_EQ(value("negbincdf(0,5;2;0)"), 0);
    double s = 0;
    for (int d = 3; d <= 12; ++d)
        s += double(choose(d - 1, 2)) * std::pow(0.3, 3) * std::pow(0.7, d - 3);
    expect_relative("negbincdf(0,3;3;12)", s);
}

TEST_F(ListFunctions, Counting) {
    EXPECT_EQ(value("npr(5;2)"), 20);
    EXPECT_EQ(value("npr(10;0)"), 1);
    EXPECT_EQ(value("npr(3;5)"), 0);
    EXPECT_EQ(value("ncr(5;2)"), 10);
    EXPECT_EQ(value("ncr(2;5)"), 0);
    EXPECT_EQ(value("ncr(52;5)"), 2598960);
    EXPECT_EQ(value("ncr(60;30)"), 118264581564861000.0);  // 118264581564861424 to 15 digits
    EXPECT_EQ(value("ncr(5;0)"), 1);
    EXPECT_EQ(list_message("npr(-1;2)"), 753);
    EXPECT_EQ(list_message("ncr(-1;2)"), 756);
    EXPECT_EQ(list_message("npr(1000;500)"), 1401);
    EXPECT_EQ(list_message("ncr(100000;50000)"), 1401);
}

TEST_F(ListFunctions, LogarithmToABase) {
    EXPECT_EQ(value("log(2;8)"), 3);
    EXPECT_EQ(value("log(100)"), 2);
    EXPECT_EQ(value("log(10;0,001)"), -3);
    expect_relative("log(3;10)", std::log(10.0) / std::log(3.0));
    EXPECT_EQ(list_message("log(1;5)"), 701);
    EXPECT_EQ(list_message("log(1,000001;5)"), 701);
    EXPECT_EQ(list_message("log(0;5)"), 702);
    EXPECT_EQ(list_message("log(0)"), 703);
    EXPECT_EQ(list_message("log(2;-1)"), 703);
    EXPECT_EQ(list_message("log(1/0;2)"), 699);
    EXPECT_EQ(list_message("log(2;1/0)"), 700);
    EXPECT_EQ(list_message("log(1/0)"), 700);  // the one argument is x
}

TEST_F(ListFunctions, NthRoot) {
    EXPECT_EQ(value("prt(3;-8)"), -2);
    EXPECT_EQ(value("prt(16)"), 4);
    EXPECT_EQ(value("prt(4;81)"), 3);
    EXPECT_EQ(value("prt(5;32)"), 2);
    EXPECT_EQ(value("prt(3;27)+1"), 4);
    EXPECT_EQ(list_message("prt(2;-4)"), 703);
    EXPECT_EQ(list_message("prt(2;0)"), 703);
    EXPECT_EQ(list_message("prt(1;5)"), 1207);
    EXPECT_EQ(list_message("prt(0;5)"), 1208);
    EXPECT_EQ(list_message("prt(1/0;5)"), 1205);
    EXPECT_EQ(list_message("prt(2;1/0)"), 1206);
}

TEST_F(ListFunctions, MaximumAndMinimum) {
    EXPECT_EQ(value("max(3;7;5)"), 7);
    EXPECT_EQ(value("min(3;7;5)"), 3);
    EXPECT_EQ(value("max(1;2)+min(5;6)"), 7);
    EXPECT_EQ(value("max(-5)"), -5);
    EXPECT_EQ(value("max(-1" + QString(100, '0') + ";-1" + QString(95, '0') + ")"), -1e95);
    EXPECT_EQ(value("max(2*3;(1+2)*4;sqr(9))"), 12);
    EXPECT_EQ(list_message("max()"), 1247);
    EXPECT_EQ(list_message("max(3;)"), 1247);
    EXPECT_EQ(list_message("min(1;1/0)"), 1247);
    EXPECT_EQ(list_message("max5"), 1244);
    EXPECT_EQ(list_message("min"), 1244);
}

TEST_F(ListFunctions, GcdAndLcm) {
    EXPECT_EQ(value("gcd(12;18)"), 6);
    EXPECT_EQ(value("ggd(12;18)"), 6);
    EXPECT_EQ(value("gcd(-12;18,4)"), 6);
    EXPECT_EQ(value("kgv(4;6)"), 12);
    EXPECT_EQ(value("lcm(4;6)"), 12);
    EXPECT_EQ(value("lcm(0;5)"), 0);
    EXPECT_EQ(value("gcd(0;0)"), 0);
    EXPECT_EQ(value("gcd(1000000000000000000000;15)"), 5);  // 10^21 exactly
    EXPECT_EQ(value("lcm(4294967296;3)"), 12884901888.0);
    EXPECT_EQ(list_message("gcd(12)"), 1396);
    EXPECT_EQ(list_message("kgv(12)"), 1399);
    EXPECT_EQ(list_message("gcd(1/0;2)"), 1394);
    EXPECT_EQ(list_message("gcd(2;1/0)"), 1395);
    EXPECT_EQ(list_message("lcm(1/0;2)"), 1397);
    EXPECT_EQ(list_message("lcm(2;1/0)"), 1398);
    EXPECT_EQ(list_message("lcm(123456789012;987654321098)"), 1401);  // beyond 2^53
}

TEST_F(ListFunctions, Gauss) {
    EXPECT_EQ(value("gauss(10;0)"), 10);
    double sum = 0, squares = 0;
    constexpr int n = 4000;
    for (int i = 0; i < n; ++i) {
        const double g = value("gauss(10;2)");
        sum += g;
        squares += g * g;
    }
    const double mean = sum / n;
    const double sd = std::sqrt(squares / n - mean * mean);
    EXPECT_NEAR(mean, 10, 0.15);  // 5 standard errors
    EXPECT_NEAR(sd, 2, 0.12);
    // Two calls in one expression are two draws.
    EXPECT_NE(value("gauss(0;1)-gauss(0;1)"), 0);
    EXPECT_EQ(list_message("gauss(1;-1)"), 758);
    EXPECT_EQ(list_message("gauss(1/0;1)"), 1412);
    EXPECT_EQ(list_message("gauss(1;1/0)"), 757);
    EXPECT_EQ(list_message("gauss(1)"), 735);
}

TEST_F(ListFunctions, NormalDistribution) {
    // Table values of the standard normal distribution.
    expect_relative("normlft(1,96;0;1)", 0.9750021048517795);
    expect_relative("normlft(1;0;1)", 0.8413447460685429);
    expect_relative("normlft(-3;0;1)", 0.0013498980316301, 1e-13);
    expect_relative("normlft(-7;0;1)", 1.279812543885835e-12, 1e-12);
    expect_relative("normrght(1;0;1)", 0.15865525393145707);
    expect_relative("normrght(13;10;2)", 0.06680720126885807);
    expect_relative("normpdf(0;0;1)", 0.3989422804014327);
    expect_relative("normpdf(1;1;2)", 0.19947114020071635);
    expect_relative("normbtwn(-1;1;0;1)", 0.6826894921370859);
    expect_relative("normbtwn(4;6;0;1)", 3.167124183311998e-05 - 9.865876450377e-10, 1e-10);
    EXPECT_EQ(value("normbtwn(1;-1;0;1)"), 0);
    expect_relative("invnorm(0,975;0;1)", 1.959963984540054);
    expect_relative("invnorm(0,001;0;1)", -3.090232306167814);
    expect_relative("invnorm(0,9999;0;1)", 3.719016485455709, 1e-13);
    EXPECT_EQ(value("invnorm(0,5;3;2)"), 3);
    expect_relative("invnorm(0,841344746068543;100;15)", 115, 1e-13);
}

TEST_F(ListFunctions, NormalDistributionFailures) {
    EXPECT_EQ(list_message("normlft(1;0;0)"), 1408);
    EXPECT_EQ(list_message("normpdf(1;0;-1)"), 1408);
    EXPECT_EQ(list_message("normbtwn(1;2;0;0)"), 1408);
    EXPECT_EQ(list_message("invnorm(1;0;1)"), 1409);
    EXPECT_EQ(list_message("invnorm(0;0;1)"), 1409);
    EXPECT_EQ(list_message("invnorm(0,5;0;0)"), 1408);
    EXPECT_EQ(list_message("normlft(1;0)"), 1406);
    EXPECT_EQ(list_message("normbtwn(1;2;0)"), 1407);
    EXPECT_EQ(list_message("normrght(1/0;0;1)"), 1402);
    EXPECT_EQ(list_message("normrght(1;1/0;1)"), 1403);
    EXPECT_EQ(list_message("normrght(1;0;1/0)"), 1404);
    EXPECT_EQ(list_message("normbtwn(1;2;0;1/0)"), 1405);
}

TEST_F(ListFunctions, ArgumentMessagesAndMissingArguments) {
    EXPECT_EQ(list_message("binompdf(1/0;0,5;3)"), 718);
    EXPECT_EQ(list_message("binompdf(10;1/0;3)"), 719);
    EXPECT_EQ(list_message("binompdf(10;0,5;1/0)"), 720);
    EXPECT_EQ(list_message("binomcdf(1/0;0,5;3)"), 722);
    EXPECT_EQ(list_message("binomcdf(10;1/0;3)"), 723);
    EXPECT_EQ(list_message("binomcdf(10;0,5;1/0)"), 724);
    EXPECT_EQ(list_message("binompdf(10;0,5)"), 744);
    EXPECT_EQ(list_message("binompdf(10;0,5;3,5)"), 744);  // a comma in the last argument
    EXPECT_EQ(list_message("hyppdf(1/0;5;4;2)"), 725);
    EXPECT_EQ(list_message("hyppdf(5;1/0;4;2)"), 726);
    EXPECT_EQ(list_message("hyppdf(5;5;1/0;2)"), 727);
    EXPECT_EQ(list_message("hyppdf(5;5;4;1/0)"), 728);
    EXPECT_EQ(list_message("hyppdf(5;5;4)"), 729);
    EXPECT_EQ(list_message("hypcdf(1/0;5;4;2)"), 730);
    EXPECT_EQ(list_message("hypcdf(5;5;4;1/0)"), 733);
    EXPECT_EQ(list_message("poissonpdf(1/0;2)"), 736);
    EXPECT_EQ(list_message("poissonpdf(2;1/0)"), 737);
    EXPECT_EQ(list_message("poissoncdf(1/0;2)"), 738);
    EXPECT_EQ(list_message("poissoncdf(2;1/0)"), 739);
    EXPECT_EQ(list_message("poissonpdf(2)"), 735);
    EXPECT_EQ(list_message("geometpdf(1/0;2)"), 740);
    EXPECT_EQ(list_message("geometpdf(0,5;1/0)"), 741);
    EXPECT_EQ(list_message("geometcdf(1/0;2)"), 742);
    EXPECT_EQ(list_message("geometcdf(0,5;1/0)"), 743);
    EXPECT_EQ(list_message("negbinpdf(1/0;2;3)"), 745);
    EXPECT_EQ(list_message("negbinpdf(0,5;1/0;3)"), 746);
    EXPECT_EQ(list_message("negbinpdf(0,5;2;1/0)"), 747);
    EXPECT_EQ(list_message("negbincdf(1/0;2;3)"), 748);
    EXPECT_EQ(list_message("negbincdf(0,5;1/0;3)"), 749);
    EXPECT_EQ(list_message("negbincdf(0,5;2;1/0)"), 750);
    EXPECT_EQ(list_message("npr(1/0;2)"), 751);
    EXPECT_EQ(list_message("npr(5;1/0)"), 752);
    EXPECT_EQ(list_message("ncr(1/0;2)"), 754);
    EXPECT_EQ(list_message("ncr(5;1/0)"), 755);
    EXPECT_EQ(list_message("binompdf5"), 721);
    EXPECT_EQ(list_message("ncr(5;2"), 721);
}

TEST_F(ListFunctions, NestedCallsAndTheOrderOfThePass) {
    EXPECT_EQ(value("max(binompdf(10;0,5;3);0,1)"), 120.0 / 1024);
    EXPECT_EQ(value("binompdf(max(5;10);0,5;min(3;4))"), 120.0 / 1024);
    EXPECT_EQ(value("max(max(1;2);max(3;max(4;5)))"), 5);
    EXPECT_EQ(value("2max(1;2)3"), 12);
    // binompdf comes before max in the pass; of two logs the last first.
    EXPECT_EQ(list_message("max()+binompdf(1;2)"), 744);
    EXPECT_EQ(list_message("log(1;5)+log(0)"), 703);
    // A failing inner call keeps its own message.
    EXPECT_EQ(list_message("max(log(0);2)"), 703);
}

TEST_F(ListFunctions, ArgumentsUseTheVariables) {
    EXPECT_EQ(value("max(x;2*x)", 3), 6);
    EXPECT_EQ(value("binompdf(10;0,5;x)", 3), 120.0 / 1024);
}

TEST_F(ListFunctions, DeepNestingEndsInAnError) {
    QString deep;
    for (int i = 0; i < 10000; ++i)
        deep += "max(";
    deep += "1";
    for (int i = 0; i < 10000; ++i)
        deep += ")";
    EXPECT_EQ(eval(deep).error, expr_error::kListFunctionFailed);
}

}  // namespace
}  // namespace cifrala::testing
