#pragma once
// Helpers for the canvas tests: measuring as a surface measures, and finding
// what a surface drew.
#include <gtest/gtest.h>
#include <QFontMetrics>

#include "formula/font_map.h"
#include "formula/style_rows.h"
#include "formula/surface.h"

namespace cifrala::testing {

// A worksheet laid out as the fractions window lays out its own: "verdana"
// 24 from (150, 20), line unit 68, a frame line left of the margin and one
// above the hint line, the hint in size 20 at the bottom.
inline SurfaceStyle worksheet_style() {
    using namespace style_rows;
    SurfaceStyle s;
    FrameRow r = plain_row(150, 20, 150, LineUnit{LineUnit::Fixed, 68});
    r.frame.lines = {vertical(130, from_start(10), from_end(50)),
                     horizontal(from_end(50), from_start(10), from_end(10))};
    apply_frame(s, r);
    s.hint = HintStyle{20, 5, 40, 40, false};
    return s;
}

inline int width_at(const QString& text, int points, const QString& family = "verdana") {
    return QFontMetrics(make_font(family, points, false)).horizontalAdvance(text);
}

inline int height_at(int points, const QString& family = "verdana") {
    return QFontMetrics(make_font(family, points, false)).height();
}

// The only run with this text; fails the test when there is not exactly one.
inline DrawnText only_text(const Surface& s, const QString& text) {
    const auto found = s.display().find_texts(text);
    EXPECT_EQ(found.size(), 1u) << "text " << text.toStdString() << " in "
                                << s.display().joined_text().toStdString();
    return found.empty() ? DrawnText{} : found.front();
}

// The lines that are not frame lines (pen narrower than 10).
inline std::vector<DrawnLine> thin_lines(const Surface& s) {
    std::vector<DrawnLine> out;
    for (const DrawnLine& l : s.display().lines())
        if (l.width < 10) out.push_back(l);
    return out;
}

}  // namespace cifrala::testing
