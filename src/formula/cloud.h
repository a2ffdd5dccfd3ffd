#pragma once
// The speech clouds of the long-division and multi-topic windows, written on
// the window's cloud surface. The window shows (and places) the surface.
#include <QString>

namespace cifrala {

class Surface;

// Long division: the first text at (50, 85), the second in brackets at
// (50, 135), message 1916 at (200, 170) in size 18.
void toonwolk_staartdeel(Surface& cloud, const QString& first, const QString& second);
// Multi-topic window: c at (50, 80), b at (50, 120), a at (140, 160).
void toonwolk_diffketting(Surface& cloud, const QString& a, const QString& b, const QString& c);

}  // namespace cifrala
