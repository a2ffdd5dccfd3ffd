#pragma once
// The text and message numbers of the quadratic-equations window.

namespace cifrala {

namespace quadratic_tags {
constexpr int kTitle = 1665;  // file 3: "Kwadratische vergelijkingen"
constexpr int kFirstStep = 842;
constexpr int kSecondStep = 843;
constexpr int kAbcOption = 581;
constexpr int kBigNumbers = 582;
constexpr int kDecimalsGroup = 2700;
constexpr int kSidePanel = 2701;
constexpr int kMoreDecimals = 2112;
constexpr int kFewerDecimals = 2113;
constexpr int kAbcCard = 2114;
constexpr int kOpen = 4961;
constexpr int kUndo = 4962;
constexpr int kCopyStrip = 4963;
constexpr int kCopySidePanel = 4964;
constexpr int kHelpPage = 689;
}  // namespace quadratic_tags

namespace quadratic_messages {
constexpr int kOr = -57;  // the word between two solutions
constexpr int kNoSolutions = 1501;
constexpr int kNoWholePair = 1502;
constexpr int kNotANumber = 1503;
constexpr int kNotTriples = 1504;
constexpr int kNoValues = 1505;
constexpr int kFileDone = 1506;
constexpr int kSquareDiscriminant = 1508;
constexpr int kCannotSimplify = 1514;
constexpr int kProductFirst = 1525;
constexpr int kStandardFirst = 1526;
constexpr int kProductSumFirst = 1527;
constexpr int kProductIsZero = 1528;
constexpr int kDivideByFactor = 1529;
constexpr int kFinished = 1540;
constexpr int kRootOfNegative = 366;
constexpr int kOpenTitle = 638;
constexpr int kNotQuadratic = 4965;
constexpr int kTooLarge = 4966;
constexpr int kCardHeading = 4967;
constexpr int kCardCases = 4968;
constexpr int kRenderDescription = 4969;
constexpr int kExerciseOf = 5238;  // "Vergelijking # van"
}  // namespace quadratic_messages

}  // namespace cifrala
