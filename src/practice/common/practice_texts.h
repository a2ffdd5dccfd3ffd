#pragma once
// The text and message numbers that all practice windows share.

namespace cifrala {

// Text numbers of the controls all practice windows share.
namespace practice_tags {
constexpr int kNextExercise = 841;
constexpr int kStep = 855;
constexpr int kShowHint = 531;
constexpr int kLevelGroup = 2105;
constexpr int kLevel1 = 2061;
constexpr int kOwnExercise = 2711;
constexpr int kHelp = 2440;
constexpr int kCopy = 2441;
constexpr int kHide = 2442;
constexpr int kSavePicture = 2443;
constexpr int kCoverSheet = 2444;
}  // namespace practice_tags

// Messages all practice windows share.
namespace practice_messages {
constexpr int kFinished = 1540;
constexpr int kSaveFailed = 1357;
constexpr int kSaveTitle = 1358;
constexpr int kSaveFilter = 1359;
}  // namespace practice_messages

}  // namespace cifrala
