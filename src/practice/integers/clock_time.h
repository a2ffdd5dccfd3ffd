#pragma once
// Times of the clock and time topics as the pupil reads them: a time of day
// in seconds written "09:20:10" and decomposed "9x3600+20x60+10", a clock
// time in minutes (0:00 to 11:59) written "3:40", an elapsed time in
// minutes written "2:05" on the labels above the clocks.
#include <QString>

namespace cifrala {

// Minutes and seconds of a day.
inline constexpr int kMinutesOnTheClock = 12 * 60;
inline constexpr int kSecondsOfADay = 24 * 3600;

// "07" for 7.
QString two_digits(int n);
// hh:mm:ss, each zero-padded to two digits.
QString time_of_day_text(int seconds);
// h "x3600" "+" m "x60" "+" s.
QString decomposition_text(int seconds);
// h ":" mm of a clock time in minutes.
QString clock_text(int minutes);
// Hours ":" minutes, the minutes with a leading "0" below 10.
QString elapsed_label_text(int minutes);

// A clock time drawn for a new exercise: 60 * Random(12) + Random(60).
int random_clock_time();
// A time of day drawn for a new exercise: 3600 * Random(24) + 60 * Random(60) + Random(60).
int random_time_of_day();

}  // namespace cifrala
