#pragma once
// Cards of the clock and quantities topics of the integers window: the
// average speed, one card per explanation step (topic 49 the introduction,
// topic 48 the working), the metric prefixes (topic 51) and the place
// values of the units of length (topic 53).
#include <QString>

namespace cifrala {

// Keys of the exercise values the average-speed cards read.
namespace speed_card_keys {
inline const QString kStep = QStringLiteral("speed_step");    // -1 the introduction, 0 to 4
inline const QString kDistance = QStringLiteral("distance");  // km
inline const QString kMinutes = QStringLiteral("minutes");    // the elapsed time
inline const QString kElapsedText = QStringLiteral("elapsed_text");
}  // namespace speed_card_keys

namespace speed_card_messages {
constexpr int kHeading = 1952;
constexpr int kStory = 1953;
constexpr int kDistance = 5275;  // # = the distance
constexpr int kFirstTime = 1954;
constexpr int kThenSpeed = 1955;
constexpr int kCovers = 5274;  // # = the distance
constexpr int kInHours = 1949;
constexpr int kAverageSpeed = 1950;
constexpr int kKmPerHour = 1951;
constexpr int kHours = -49;
// The comments by the speed: below 8, 25, 120, 900 km/h, and above.
constexpr int kComments[5] = {1956, 1957, 1958, 1959, 1960};
constexpr int kPrefixesHeading = 5440;
constexpr int kLengthHeading = 5445;
constexpr int kPlaceValues[3] = {1978, 1979, 1980};
}  // namespace speed_card_messages

// The comment on an average speed in km/h.
int speed_comment(double km_per_hour);

void register_time_units_cards();

}  // namespace cifrala
