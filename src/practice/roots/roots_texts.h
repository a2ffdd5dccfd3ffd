#pragma once
// The message and text numbers of the roots window.

namespace cifrala {

namespace roots_messages {
constexpr int kTitle = 2012;  // "Wortels herleiden"
// Hints of the steps.
constexpr int kDecimalFirst = 1509;  // write the decimal number as a fraction
constexpr int kOddDecimals = 1510;   // odd number of decimals: times 10 first
constexpr int kEvenDecimals = 1511;  // even number: roots of top and bottom
constexpr int kSimplifyNumerator = 1512;
constexpr int kSimplifyFraction = 1513;  // shared with the other windows
constexpr int kSimplest = 1514;          // it cannot be simplified any further
constexpr int kMixedFirst = 1515;        // write the mixed number as a fraction
constexpr int kDenominatorNotSquare = 1516;
constexpr int kSimplifyRootInNumerator = 1517;
constexpr int kDenominatorSquare = 1518;
constexpr int kFirstPrimes = 1520;
constexpr int kFirstSquares = 1521;
constexpr int kSplitRoot = 1522;  // root of a product = product of roots
constexpr int kRootsOfSquares = 1523;
constexpr int kMultiplyWholes = 1524;
constexpr int kBothSquares = 1556;  // numerator and denominator are squares
}  // namespace roots_messages

namespace roots_tags {
constexpr int kHelpPage = 690;         // the roots mode and the game
constexpr int kFactoringGroup = 2233;  // "Ontbinden" (file 3)
constexpr int kPrimeFactors = 2078;    // "Priemfactoren" (file 4)
constexpr int kSquares = 2079;         // "Kwadraten" (file 4)
constexpr int kCopyHintArea = 2461;    // copy the hint area (file 3, hint)
constexpr int kHintAreaCover = 2462;   // the cover sheet of the hint area (file 3, hint)
}  // namespace roots_tags

namespace game_messages {
constexpr int kTitle = 2064;  // "Maak kloppend"
constexpr int kRight = 2065;
constexpr int kWrong = 2066;
constexpr int kSolution = 2067;
constexpr int kAttempts = 2068;
constexpr int kCorrect = 2069;
constexpr int kTimeUp = 2070;
}  // namespace game_messages

namespace game_tags {
constexpr int kNextExercise = 2814;    // "Volgende oefening" (file 3)
constexpr int kClockGroup = 2821;      // "Tijdcontrole" (file 3)
constexpr int kNoClock = 2161;         // "Geen" (file 4)
constexpr int kShortClock = 2162;      // "Kort" (file 4)
constexpr int kLongClock = 2163;       // "Lang" (file 4)
constexpr int kScoreGroup = 2822;      // "Score" (file 3)
constexpr int kRedOperators = 2823;    // hint of the red operator panel (file 3)
constexpr int kBlueOperators = 2824;   // hint of the blue operator panel (file 3)
constexpr int kChosenOperator = 2825;  // hint of a chosen operator: click to take it back
}  // namespace game_tags

}  // namespace cifrala
