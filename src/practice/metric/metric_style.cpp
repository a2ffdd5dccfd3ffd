#include "practice/metric/metric_style.h"

namespace cifrala {

namespace {

constexpr int kWorksheetPoints = 28;
constexpr int kStandardFormPoints = 24;
const QColor kAqua{0, 255, 255};

FontSpec verdana(int points) {
    FontSpec f;
    f.family = QStringLiteral("verdana");
    f.size = points;
    return f;
}

// A surface of its own on aqua, its cursor starting at (x, y).
SurfaceStyle aqua_style(int x, int y, int points, SuperscriptStyle superscript) {
    SurfaceStyle s;
    apply_frame(s, style_rows::plain_row(x, y, x, LineUnit{LineUnit::HeightOfW, 1.0},
                                         verdana(points)));
    s.frame.own_background = true;
    s.frame.background = kAqua;
    s.superscript = superscript;
    return s;
}

}  // namespace

FrameRow frame_metriek() {
    return style_rows::plain_row(10, 20, 10, LineUnit{LineUnit::HeightOfW, 1.0},
                                 verdana(kWorksheetPoints));
}

SuperscriptStyle metriek_superscript() {
    return {10, -7};
}

SurfaceStyle metriek_surface_style() {
    SurfaceStyle s;
    apply_frame(s, frame_metriek());
    s.superscript = metriek_superscript();
    return s;
}

SurfaceStyle metriek_ladder_style() {
    SurfaceStyle s = aqua_style(0, 0, kWorksheetPoints, metriek_superscript());
    s.frame.pen_after = 3;
    return s;
}

SurfaceStyle metriek_standard_form_style() {
    return aqua_style(10, 10, kStandardFormPoints, standard_form_superscript());
}

SuperscriptStyle standard_form_superscript() {
    return {10, -7};
}

int metriek_standard_form_top() {
    return 78;
}

}  // namespace cifrala
