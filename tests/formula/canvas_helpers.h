#pragma once
// Helpers for the canvas tests: measuring as a surface measures, and finding
// what a surface drew.
#include <gtest/gtest.h>
#include <QFontMetrics>

#include "formula/font_map.h"
#include "formula/surface.h"

namespace cifrala::testing {

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
