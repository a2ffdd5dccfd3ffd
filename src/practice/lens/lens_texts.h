#pragma once
// The text and message numbers of the lens formula window.

namespace cifrala {

namespace lens_tags {
constexpr int kTitle = 2401;  // file 3: "De lenzenformule", also the diagram group
constexpr int kExplore = 2402;
constexpr int kSketch = 2403;
constexpr int kZoomOut = 2405;
constexpr int kZoomIn = 2406;
constexpr int kObjectSmaller = 2411;
constexpr int kObjectLeft = 2412;
constexpr int kObjectRight = 2413;
constexpr int kObjectLarger = 2414;
constexpr int kFocusLeft = 2415;
constexpr int kFocusRight = 2416;
constexpr int kPanDown = 2417;
constexpr int kPanUp = 2418;
constexpr int kPanLeft = 2419;
constexpr int kPanRight = 2420;
constexpr int kSynchronise = 2421;
constexpr int kGo = 5500;          // file 3: the own exercise's go button
constexpr int kOwnCaption = 5501;  // file 2: the own exercise's caption
constexpr int kHelpPage = 714;
}  // namespace lens_tags

namespace lens_messages {
constexpr int kSimplify = 1513;
constexpr int kCannotSimplify = 1514;
// The names of v, b and f; their first two characters label the diagram.
constexpr int kLetterV = 1697;
constexpr int kLetterB = 1698;
constexpr int kLetterF = 1699;
// "Bereken ..." for kinds 1 to 3 (1700 + kind - 1).
constexpr int kAsk = 1700;
// The answer's name for kinds 1 to 3 (1702 + kind).
constexpr int kAnswerName = 1702;
constexpr int kWriteFormula = 1706;
constexpr int kIsolate = 1707;
constexpr int kSubtract = 1708;
constexpr int kTurnOver = 1709;
constexpr int kAdd = 1710;
constexpr int kBUnreadable = 1966;
constexpr int kVUnreadable = 1967;
constexpr int kFUnreadable = 1968;
constexpr int kFNotBelowB = 1969;
constexpr int kVEqualsB = 1971;
// "Gegeven: ..." with the first known distance as #, for kinds 1, 2, 3.
constexpr int kGivenKind1 = 5253;
constexpr int kCommonDenominator = 5254;  // # = the common denominator
constexpr int kGivenKind2 = 5255;
constexpr int kGivenKind3 = 5256;
// The window's own messages; # is the value they are about.
constexpr int kVNotPositive = 5502;
constexpr int kFNotPositive = 5503;
constexpr int kBZero = 5504;
constexpr int kNoFocalLength = 5505;
constexpr int kDivergingLens = 5506;
constexpr int kTooLarge = 5507;
constexpr int kVirtualLine1 = 5508;
constexpr int kVirtualLine2 = 5509;
constexpr int kNoImageLine1 = 5510;
constexpr int kNoImageLine2 = 5511;
// The image's name in the diagram, # = the magnification.
constexpr int kImageName = 5512;
constexpr int kVirtualImageName = 5513;
constexpr int kVirtualGiven = 5516;
constexpr int kRenderDescription = 5488;  // the render topic in the usage text
}  // namespace lens_messages

}  // namespace cifrala
