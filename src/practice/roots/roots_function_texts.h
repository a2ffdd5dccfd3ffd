#pragma once
// The message and text numbers of the parabola and function-value modes of
// the roots window (the cards' own are in drawing/cards/roots_function_cards.h).

namespace cifrala {

namespace parabola_messages {
constexpr int kTitle = 2011;           // "Parabolen tekenen"
constexpr int kYAxisCrossing = 2003;   // where the graph cuts the y-axis
constexpr int kDrawGraphOf = 2004;     // in front of the function
constexpr int kSameHeight = 2005;      // which points lie at the same height
constexpr int kAxisIsYAxis = 2006;     // b = 0: the axis is the y-axis
constexpr int kAxisBetween = 2007;     // the axis lies halfway
constexpr int kMakeTable = 2008;       // the table of seven points
constexpr int kNotDivisible = 2009;    // "b" is not divisible by "a"
constexpr int kBothZero = 2010;        // b and c are both 0
constexpr int kXAxisCrossings = 2013;  // solve f(x) = 0
constexpr int kMakeLeadingOne = 2014;  // the x² term gets coefficient 1
constexpr int kTimesMinusOne = 2015;   // a = -1
constexpr int kDivideBy = 2016;        // divide every term by a
constexpr int kLoneMinus = 2017;       // a field holds only "-"
constexpr int kNotWhole = 2018;        // a field holds no whole number
constexpr int kRefused = 223;          // the first line of a refusal
constexpr int kWriteAsProduct = 1853;  // c = 0: x outside the brackets, a product
constexpr int kProductAndSum = 5277;   // two numbers with product #, sum ...
constexpr int kTheNumbersAre = 5278;   // the numbers are # and ...
constexpr int kOr = -57;               // "of"
constexpr int kZeroA = 5400;           // a = 0 is no parabola
constexpr int kTooLarge = 5401;        // the table values would not fit
}  // namespace parabola_messages

namespace function_value_messages {
constexpr int kTitle = 2019;  // "Bereken functiewaarde"
}  // namespace function_value_messages

namespace roots_function_tags {
constexpr int kRenderDescription = 5402;  // the render mode's line for every roots topic
constexpr int kParabolaHelp = 728;
constexpr int kFunctionValueHelp = 203;
constexpr int kMethodGroup = 2811;         // "Methode" (file 3)
constexpr int kYAxisMethod = 2151;         // "Snijpunt Y-as" (file 4)
constexpr int kXAxisMethod = 2152;         // "Snijpunten X-as" (file 4)
constexpr int kOwnFunction = 1341;         // "Eigen opgave" (file 2)
constexpr int kOwnFunctionGo = 5408;       // the go button of the own function (file 3)
constexpr int kRevealButton = 5409;        // a "?" button (file 3, hint)
constexpr int kValueGroup = 2812;          // "In te vullen waarde" (file 3)
constexpr int kCoefficientGroup = 2813;    // "Coëfficiënten" (file 3)
constexpr int kWholeNotNegative = 2153;    // (file 4)
constexpr int kWholeMaybeNegative = 2154;  // (file 4)
constexpr int kMaybeFraction = 2155;       // (file 4)
}  // namespace roots_function_tags

}  // namespace cifrala
