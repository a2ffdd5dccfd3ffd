#pragma once
// The rows of the typesetting tables, one per window (or per surface or mode
// of a window). A window composes its SurfaceStyle from its rows, for example
//     SurfaceStyle s = breuken_surface_style();
// or, for a window without a ready-made style,
//     SurfaceStyle s;
//     s.fraction = fraction_style_a(FractionRowA::Wortels);
//     s.hint = hint_style(HintRow::Staartdeel);
//     apply_frame(s, frame_wortels(0));
#include "formula/surface_style.h"

namespace cifrala {

// Stacked fraction, style A (fixed offsets).
enum class FractionRowA {
    Breuken,         // fractions window: breuk, breuktxt
    Staartdeel,      // long division: real arguments, no sign
    Wortels,         // roots window: the sign comes from the top text
    Kwadratisch,     // quadratic equations
    Ongelijkheden,   // quadratic inequalities: breuk3 with texts
    GeheleGetallen,  // integers window: offsets from the top's height
};
FractionStyleA fraction_style_a(FractionRowA row);

// Stacked fraction, style B (centred in the common width).
enum class FractionRowB {
    Diffketting,    // multi-topic window
    Lenzen,         // lens formula
    ExpVerglLate,   // exponential equations, phases of the solution above 6
    ExpVerglEarly,  // exponential equations, phases up to 6
    Tekening,       // explanation window
};
FractionStyleB fraction_style_b(FractionRowB row);

enum class SuperscriptRow {
    Staartdeel,        // in_de_machttxt, small = false (also the multi-topic window)
    StaartdeelSmall,   // small = true
    DiffkettingSmall,  // small = true in the multi-topic window
    ExpVergl,          // in_de_machttxt
    GeheleGetallen,    // macht
    Wortels,           // in_de_macht
    MetriekeStelsel,   // in_de_machttxt on a given canvas at a given position
};
SuperscriptStyle superscript_style(SuperscriptRow row);

enum class HintRow {
    Breuken,          // size 20, margin 5, y = H - 40
    Lenzen,           // size 20, margin 3 (also the multi-topic toonhint)
    Staartdeel,       // current size, margin 10, y = H - k * L - 44
    DiffkettingRow,   // gg_toonhint: current size, margin 10, y = H - k * L - 43
    DiffkettingText,  // gg_toonhinttxt: current size, margin 10, y = H - 39
    GeheleGetallen,   // toonhelp: size 24, margin 10, band of 50 cleared always
};
HintStyle hint_style(HintRow row);

// One row of the table of frames and cursors: the first surface's font, what
// clearing draws, the cursor after clearing, the left margin and the line unit.
struct FrameRow {
    FontSpec font;
    FrameSpec frame;
    LineUnit line_unit;
};
void apply_frame(SurfaceStyle& style, const FrameRow& row);

FrameRow frame_breuken();
// Long division: with the frame lines of the chunk method, or plain.
FrameRow frame_staartdeel(bool chunk_lines);
// Long division topics 54 and 55 (large numbers).
FrameRow frame_staartdeel_topic(int topic);
// Integers window; `font_size` is 36, 32 or 24 by topic.
FrameRow frame_gehele_getallen(int topic, int font_size);
// The integers window's number-line surface (clearimage4).
FrameRow frame_gehele_getallen_number_line();
FrameRow frame_metriek();
// Roots window, surface 1, 2 or 3 (the third is cleared in yellow).
FrameRow frame_wortels(int surface);
FrameRow frame_kwadratisch();
// Quadratic inequalities, surface 2 or 3.
FrameRow frame_ongelijkheden(int surface);
FrameRow frame_expvergl();
FrameRow frame_lenzen();
FrameRow frame_diffketting(int topic, int category);
FrameRow frame_tekening();

// Complete styles of the windows whose surfaces are fully given above.
SurfaceStyle breuken_surface_style();

}  // namespace cifrala
