#pragma once
// The ray diagram of the lens window, a figure of the drawing engine: the
// optical axis and the lens line, the object as an arrow standing on the
// axis, the focal points F on both sides, the lens, and the three rays from
// the object's tip (parallel to the axis and then through F, through the
// lens centre, through the other F and then parallel), which meet in the
// image's tip. An object inside the focal point gives a virtual image where
// the rays' backward extensions (dashed) meet; an object in the focal point
// gives parallel rays and no image.
//
// Four points are handles: the object's foot (along the axis), the object's
// tip (its height), the focal point (along the axis) and the top of the lens
// (its size). Everything else follows them.
//
// Figure points: 1 O, 2 X, 3 Y, 4 object foot, 5 object tip, 6 F, 7 F
// mirrored, 8 the parallel ray on the lens, 9 image tip, 10 image foot, 11
// the focal ray on the lens, 12 lens top, 13 lens bottom; 14 to 16 where
// the three rays leave the view, 17 to 22 the ends of the axis, the lens
// line and the object's perpendicular.
#include <QPointF>
#include <QString>
#include <array>

#include "drawing/engine/figure.h"

namespace cifrala {

class Surface;
struct LensExercise;

struct LensDiagramValues {
    double object_x = -5;  // negative: left of the lens
    double object_height = 2.5;
    double focal_x = 2;
    double lens_half = 3;  // the lens's half-height
    double units = 12;     // world units across the surface
    int pan_x = 0, pan_y = 0;
};

namespace lens_points {
constexpr int kO = 1, kX = 2, kY = 3, kObjectFoot = 4, kObjectTip = 5, kFocus = 6,
              kFocusMirrored = 7, kParallelOnLens = 8, kImageTip = 9, kImageFoot = 10,
              kFocalOnLens = 11, kLensTop = 12, kLensBottom = 13, kParallelEnd = 14,
              kCentralEnd = 15, kFocalEnd = 16, kAxisLeft = 17, kAxisRight = 18, kLensLow = 19,
              kLensHigh = 20, kPerpendicularLow = 21, kPerpendicularHigh = 22;
}  // namespace lens_points

// The segments of the figure, by what they are.
namespace lens_segments {
constexpr int kAxis = 1, kLensLine = 2, kPerpendicular = 3, kObject = 4, kImage = 5,
              kParallelIn = 6, kParallelOut = 7, kCentral = 8, kFocalIn = 9, kFocalOut = 10,
              kParallelBack = 11, kCentralBack = 12, kFocalBack = 13, kThroughTip = 14,
              kFocusLine = 15, kCentreLine = 16, kMirroredLine = 17, kLens = 18, kFocalLength = 19;
}  // namespace lens_segments

// The colours the pupil tells the rays apart by.
QColor lens_parallel_ray_colour();
QColor lens_central_ray_colour();
QColor lens_focal_ray_colour();

// units = max(2|f|, 2|b|, 2|v|) + 2 with b = |f v| / (|v| - |f|); an image
// far away (or none) counts as ten times the larger of v and f.
double lens_diagram_units(double object_x, double focal_x);

class LensDiagram {
public:
    LensDiagram();
    LensDiagram(const LensDiagram&) = delete;
    LensDiagram& operator=(const LensDiagram&) = delete;

    LensDiagramValues values;
    // The names of v, b and f in the current language (two characters at
    // most).
    std::array<QString, 3> letters{QStringLiteral("v"), QStringLiteral("b"), QStringLiteral("f")};

    // What showing the window sets: v = 5, f = 2, object height 2.5, lens
    // half-height 3, units from the formula, no pan.
    void reset_defaults();
    // The exercise's distances, an object half as high as it is far, the
    // lens a little higher than object and image, the view centred on them;
    // drawn on `s`.
    void synchronise(const LensExercise& e, Surface& s);
    // Clears `s` (white) and draws the figure.
    void draw(Surface& s);

    // The handle within 10 pixels of a surface position, else -1.
    int pick(QPointF surface) const;
    // Moves a handle to the mouse's projection on its line; false when
    // nothing moved.
    bool drag(int handle, QPointF surface);

    // The nudges of the group's buttons (the figure follows; draw after).
    void move_object(double dx);
    void grow_object(double dh);
    void move_focus(double dx);
    void zoom(double factor);  // units *= factor
    void pan(int dx, int dy);

    // Read back from the figure.
    double object_distance() const;  // |object position|
    double focal_length() const;     // |focal x|
    bool image_exists() const;
    double image_x() const;       // point 10's x (negative: a virtual image)
    double image_height() const;  // point 9's y
    bool virtual_image() const { return image_exists() && image_x() < 0; }
    // The image's name with its magnification (image height over object
    // height), as the diagram writes it beside the image.
    QString image_name() const;
    // "v = 5", "b = 3,33333" (with its sign: negative for a virtual image;
    // "∞" without image), "f = 2".
    QString label_text(int which) const;

    // The figure's surface size and transform for `s` (picking before the
    // first drawing needs them).
    void set_view(int width, int height);

    Figure figure;

private:
    void build();
    void set_handles();
    void recompute(Figure& f);
    void read_back();
    void write_labels(const Figure& f, Surface& s, int size) const;
};

}  // namespace cifrala
