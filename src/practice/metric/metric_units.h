#pragma once
// The quantities of the metric window and their unit ladders: seven columns
// from milli to kilo, the base unit each quantity writes, the factor of one
// column and the zero group of the factor labels. Volumes have two ladders,
// cubic metres and litres; the litre stands one column to the right of the
// cubic decimetre.
#include <QString>

namespace cifrala {

enum class Quantity { Length = 1, Area = 2, Volume = 3, Weight = 4 };

// How a volume exercise converts.
enum class VolumeKind {
    Cubic = 0,          // cubic metres to cubic metres
    LitresToCubic = 1,  // litres to cubic metres
    CubicToLitres = 2,  // cubic metres to litres
    Litres = 3,         // litres to litres
};

namespace metric_columns {
inline constexpr int kCount = 7;
inline constexpr int kBase = 3;            // the column without a prefix
inline constexpr int kCubicDecimetre = 2;  // joined to the litre column
inline constexpr int kLitre = 3;
}  // namespace metric_columns

// "m", "c", "d", "", "da", "h", "k".
QString unit_prefix(int column);

// The base unit of a ladder as written: the letters and the superscript
// after them ("m" and "3" for cubic metres, "L" and nothing for litres).
struct BaseUnit {
    QString letters;
    QString power;  // empty: none
};
BaseUnit base_unit(Quantity q, bool litres);

// The power of ten of one column: 1 for lengths, weights and litres, 2 for
// areas, 3 for cubic metres.
int column_power(Quantity q, bool litres);

// The zero group that the factor labels repeat: "0", " 00", " 000".
QString zero_group(Quantity q, bool litres);

}  // namespace cifrala
