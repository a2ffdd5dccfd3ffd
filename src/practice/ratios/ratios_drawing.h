#pragma once
// The picture behind the ratio table: the table lines and the aid drawings
// (the factor between the rows, the base column and the factors from the
// base column), each an arc with an arrowhead and a label.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <array>

namespace cifrala {

class Surface;
struct RatioTable;

// Where the table lies on the picture (789 x 325).
struct RatioLayout {
    int left = 130;
    int top = 118;
    int column = 128;
    int row = 65;

    // row 0 upper, 1 lower; column 0 .. 2, 3 the base column.
    QRect cell(int r, int c) const { return QRect(left + c * column, top + r * row, column, row); }
    // The edit field inside a cell.
    QRect field(int r, int c) const { return cell(r, c).adjusted(14, 12, -14, -12); }
    int bottom() const { return top + 2 * row; }
    // The right edge of the table (with or without the base column).
    int right(bool base_column) const { return left + (base_column ? 4 : 3) * column; }
};

// Which aid drawings are shown.
struct RatioAids {
    bool lower_to_upper = false;  // left of the table
    bool upper_to_lower = false;  // right of the table
    bool base_column = false;
    std::array<bool, 3> from_base{};  // above the columns
    bool any() const {
        return lower_to_upper || upper_to_lower || base_column || from_base[0] || from_base[1] ||
               from_base[2];
    }
};

inline const QColor kRatioBackground{0, 255, 255};  // aqua

// Clears the surface and draws the lines and the shown aids.
void draw_ratio_picture(Surface& surface, const RatioLayout& layout, const RatioTable& table,
                        const RatioAids& aids);

// The factor u/l reduced: "x" and the whole number, or "x" and a fraction.
struct Factor {
    int numerator = 1;
    int denominator = 1;
};
Factor reduced_factor(int numerator, int denominator);

}  // namespace cifrala
