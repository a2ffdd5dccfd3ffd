#pragma once
// The exercises of the long division window: the generated numbers of each
// level, the first piece of a written division, and the chunk the chunk
// method takes next.
#include <QString>
#include <QtGlobal>

namespace cifrala {

struct Division {
    int dividend = 0;
    int divisor = 1;
    bool operator==(const Division&) const = default;
};

// Level 0 "Eenvoudig", 1 "Gevorderd", 2 "Expert": quotient and divisor from
// the level's ranges, and in one case out of three a remainder.
Division generate_division(int level);

// The leading digits of the dividend that form the first number at least
// as large as the divisor, and the digits after them. No piece when the
// dividend is smaller than the divisor.
struct FirstPart {
    bool exists = false;
    QString piece;
    QString rest;
};
FirstPart first_part(const QString& dividend_text, qint64 divisor);

// The chunk method: the largest divisor * 10^k not above the rest, except
// that below ten divisors it takes five divisors or, below five, every
// whole divisor that fits.
qint64 choose_chunk(qint64 rest, qint64 divisor);

// Own exercises: both numbers whole and greater than 0.
bool valid_own_division(int dividend, int divisor);

// Messages of the window.
namespace division_messages {
constexpr int kTitle = 1987;
constexpr int kTitleEmployment = 1988;
constexpr int kTitleBigNumbers = 1993;
constexpr int kStart = 1583;          // the exercise is written
constexpr int kExact = 1584;          // ends without a remainder
constexpr int kWithRemainder = 1585;  // ends with a remainder (row 1)
constexpr int kBringDown = 1586;
constexpr int kSubtract = 1587;
constexpr int kNoDigitsLeft = 1588;  // row 1
constexpr int kGoOnPastComma = 1605;
constexpr int kSheetFull = 1902;
constexpr int kResultCaption = 1936;
constexpr int kRunningCaption = 1937;
constexpr int kRemainderIs = 5244;      // # remainder
constexpr int kDividendIs = 5245;       // # dividend (row 2)
constexpr int kDivisorIs = 5246;        // # divisor (row 1)
constexpr int kHowOften = 5247;         // # "number : divisor"
constexpr int kFirstPart = 6055;        // # first piece, # "piece : divisor"
constexpr int kNoFirstPart = 6058;      // # divisor, # dividend
constexpr int kChunkStart = 6059;       // # dividend, # divisor
constexpr int kRestWord = 2309;         // "rest" in "(rest 4)"
constexpr int kNotPositive = 2304;      // own exercise: a number is not above 0
constexpr int kTooLongForSheet = 5290;  // own exercise: # digits fit after the first piece
}  // namespace division_messages

}  // namespace cifrala
