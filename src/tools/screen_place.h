#pragma once
// Placing the floating tool windows: never partly off the screen.
#include <QPoint>

class QWidget;

namespace cifrala {

// The position nearest to `wanted` at which the whole window, frame
// included, lies on the available area of the screen at `wanted` (or the
// primary screen).
QPoint within_screen(const QWidget* window, QPoint wanted);

}  // namespace cifrala
