#pragma once
// The constants in which the windows' typesetting differs: fonts, frames,
// line units, fraction offsets, superscripts and the hint line. Each window
// builds its surface style from its own rows (see style_rows.h); the writing
// operations of Surface only read these values.
#include <QColor>
#include <QString>
#include <vector>

namespace cifrala {

struct FontSpec {
    QString family = QStringLiteral("verdana");  // as the windows name it; see font_map.h
    int size = 24;                               // points on a 96-dpi screen
    bool bold = false;
    QColor colour = Qt::black;
};

// A coordinate on the surface: from its start, from its end (W or H minus the
// offset) or from its middle (W or H div 2 plus the offset); optionally plus
// the text height of "a" in the surface font.
struct Coord {
    enum Base { Start, End, Middle };
    Base base = Start;
    int offset = 0;
    bool plus_height_of_a = false;
};

struct FrameLine {
    Coord x1, y1, x2, y2;
    int width = 10;
    QColor colour = QColor(0, 0, 255);
};

// What clearing a surface draws and where writing then starts.
struct FrameSpec {
    std::vector<FrameLine> lines;
    int start_x = 10, start_y = 10;  // cursor after clearing
    int left_margin = 10;            // x after newline
    int pen_after = 2;               // pen width after clearing (black)
    bool own_background = false;     // fill with `background` instead of the shared colour
    QColor background;
};

// The distance by which newline(f) moves down.
struct LineUnit {
    enum Kind {
        Fixed,          // round(f * value)
        HeightOfW,      // round(f * value * text height of "w"), measured at each newline
        HeightOfWPlus,  // text height of "w" + value (no factor)
        Stored,         // round(f * the surface's stored line unit)
    };
    Kind kind = Fixed;
    double value = 68;
};

// Stacked fraction with fixed offsets from the text top y.
struct FractionStyleA {
    enum Sign {
        NoSign,       // numbers are written as they are
        FromProduct,  // a * b < 0 writes "-" first, then |a| over |b|
        FromTopText,  // a leading "-" of the top text is written in front
    };
    int shrink = 6;
    int top_offset = -12;         // when the top is at least as wide as the bottom
    int top_offset_narrow = -12;  // when the top is narrower
    int bottom_offset = 26;
    int bottom_offset_narrow = 26;
    int bar_offset = 21;
    Sign sign = FromProduct;
    int sign_gap = 5;
    int sign_y = 0;        // y offset of the "-"
    bool wide_bar = true;  // an equally wide or wider top: bar one pixel beyond each end
    // Integers window: bottom and bar at y + h - 10, h = text height of the
    // top at the reduced size (top at y + top_offset); pen width 2 first.
    bool offsets_from_height = false;
    int gap_after = 5;
};

// Stacked fraction centred in the wider of its two parts; returns the x at
// which the caller continues and leaves the cursor where it was.
struct FractionStyleB {
    int shrink = 8;
    int top_offset = -5;
    int bottom_offset = 22;
    int bar_offset = 25;
    int sign_offset = 0;
    int pen_during = 2;  // 0: unchanged
    int pen_after = 3;   // 0: unchanged
    int extra_gap = 0;
};

struct SuperscriptStyle {
    int shrink = 5;
    int y_offset = -9;
};

// The hint line: band [hint y, hint y + band height) across the surface.
struct HintStyle {
    int size = 20;  // 0: the surface's current size
    int margin = 5;
    int from_bottom = 40;  // hint y = H - from_bottom (- k * line unit for a row)
    int band_height = 40;
    bool clear_when_hidden = false;  // the band is cleared even with hints off
};

// The four pieces of a fraction with exponents in numerator and denominator.
struct ExponentFractionStyle {
    int unit = 62;  // L; 0: the surface's line unit
};

struct RootSignStyle {
    int pen_width = 0;  // 0: the current pen
};

struct SurfaceStyle {
    FontSpec font;
    FrameSpec frame;
    LineUnit line_unit;
    FractionStyleA fraction;
    FractionStyleB fraction_b;
    SuperscriptStyle superscript;
    SuperscriptStyle superscript_small{10, -2};
    HintStyle hint;
    ExponentFractionStyle exponent_fraction;
    RootSignStyle root_sign;
    bool shrink_to_fit = false;  // my_textout shrinks a text that would pass the right edge
    int textout2_gap = 5;        // my_textout2
};

}  // namespace cifrala
