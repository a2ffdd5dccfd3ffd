#pragma once
// Text and message numbers of the metric system window.

namespace cifrala {

namespace metric_tags {
inline constexpr int kTitle = 2341;             // file 3
inline constexpr int kChoiceGroup = 2332;       // file 3, "Maak je keuze"
inline constexpr int kLength = 2101;            // file 4; 2102 area, 2103 volume, 2104 weight
inline constexpr int kStandardFormCheck = 551;  // file 8
inline constexpr int kFrom = 1232;              // file 2
inline constexpr int kTo = 1233;                // file 2
inline constexpr int kValue = 1234;             // file 2
inline constexpr int kStandardFormBox = 5466;   // file 3, caption and hint
inline constexpr int kOwnGo = 5467;             // file 3, caption and hint
inline constexpr int kLadderBox = 5468;         // file 3, hint
inline constexpr int kValueField = 5469;        // file 6
inline constexpr int kHelpPage = 702;
}  // namespace metric_tags

namespace metric_messages {
inline constexpr int kLadderCaption = 1591;  // 1592 area, 1593 volume, 1594 weight
inline constexpr int kSameUnits = 1981;
inline constexpr int kRenderDescription = 5464;
}  // namespace metric_messages

}  // namespace cifrala
