#pragma once
// The hint and title messages of the differentiation topics.
namespace cifrala::derivative_hints {

// The power rule.
constexpr int kWriteAsPowers = 1607;       // each term as one power of x
constexpr int kSplitFraction = 1608;       // one fraction per term
constexpr int kWorkOutExponents = 1552;    // subtract the exponents
constexpr int kDifferentiateTerms = 1610;  // n x^(n-1) for every term
constexpr int kSimplify = 1611;            // work out coefficients and exponents
constexpr int kSchoolNotation = 1612;      // roots and fractions again
constexpr int kDone = 1613;                // the derivative is finished

// The product and quotient rules.
constexpr int kApplyProductRule = 1614;
constexpr int kDifferentiateFactors = 1615;
constexpr int kExpandBrackets = 1616;
constexpr int kCollectTerms = 1617;
constexpr int kWhichRule = 1618;  // also: write the function as a power first
constexpr int kDifferentiateNumeratorAndDenominator = 1619;

// The chain-rule family.
constexpr int kApplyChainRule = 1620;
constexpr int kNegativePowerAsFraction = 1622;
constexpr int kPowerAsRoot = 1623;
constexpr int kAddNumerators = 1628;
constexpr int kCommonFactor = 1629;
constexpr int kCommonDenominator = 1630;
constexpr int kCollectNumerator = 1631;
constexpr int kProductAndChainRule = 1632;
constexpr int kExponentialOutside = 1634;
constexpr int kCollectBracket = 1636;
constexpr int kMultiplyCoefficients = 1637;
constexpr int kSimplifyFraction = 1513;  // shared with the fractions window
constexpr int kWorkOutProducts = 1565;   // shared with the fractions window

}  // namespace cifrala::derivative_hints
