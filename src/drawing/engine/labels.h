#pragma once
// Writing short labels on a surface so that they stay wholly on it.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

namespace cifrala {

class Surface;

// The text cell of `text` with its top-left corner at `at`, moved onto the
// surface where it would stick out (the cell is not wider than the surface).
QRect label_cell_inside(const Surface& s, QPoint at, const QString& text);
// Writes `text` at `at` in the current font, moved onto the surface (and
// written smaller when it is wider or higher than the surface); returns the
// cell written.
QRect write_label_inside(Surface& s, QPoint at, const QString& text);

// Sets the label font (verdana at `size` points, not bold) and restores the
// surface's font when it goes.
class LabelFont {
public:
    LabelFont(Surface& s, int size, const QColor& colour);
    ~LabelFont();
    LabelFont(const LabelFont&) = delete;
    LabelFont& operator=(const LabelFont&) = delete;

private:
    Surface& s_;
    QString family_;
    int size_;
    bool bold_;
    QColor colour_;
};

}  // namespace cifrala
