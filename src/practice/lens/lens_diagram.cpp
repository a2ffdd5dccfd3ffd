#include "practice/lens/lens_diagram.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "drawing/engine/draw_figure.h"
#include "drawing/engine/labels.h"
#include "drawing/engine/navigation.h"
#include "drawing/engine/transform.h"
#include "formula/surface.h"
#include "practice/lens/lens_exercise.h"
#include "practice/lens/lens_texts.h"
#include "text/messages.h"
#include "util/format.h"

namespace cifrala {

namespace {

using namespace lens_points;
using namespace lens_segments;

// No handle comes closer to the lens or the axis than this.
constexpr double kSmallest = 0.05;
// Two lines this close to parallel do not meet.
constexpr double kParallel = 1e-12;
// The handles are picked within this many pixels.
constexpr double kPickPixels = 10;
// The lens is never more than this many times the object's height.
constexpr double kLargestLens = 20;
constexpr int kLabelGap = 4;

const QColor kSilver(192, 192, 192);
const QColor kMagenta(255, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kHandle(0, 90, 200);

constexpr std::array<int, 4> kHandles{kObjectFoot, kObjectTip, kFocus, kLensTop};

bool is_handle(int slot) {
    return std::find(kHandles.begin(), kHandles.end(), slot) != kHandles.end();
}

double nan() {
    return std::numeric_limits<double>::quiet_NaN();
}

// Where the line through a and b meets the line through c and d.
bool intersect(QPointF a, QPointF b, QPointF c, QPointF d, QPointF& at) {
    const QPointF r = b - a, s = d - c;
    const double det = r.x() * s.y() - r.y() * s.x();
    const double scale = std::max(1.0, std::hypot(r.x(), r.y()) * std::hypot(s.x(), s.y()));
    if (std::fabs(det) <= kParallel * scale) return false;
    const QPointF ac = c - a;
    const double t = (ac.x() * s.y() - ac.y() * s.x()) / det;
    at = a + t * r;
    return std::isfinite(at.x()) && std::isfinite(at.y());
}

// The point of the line from a through b at first coordinate x.
QPointF at_x(QPointF a, QPointF b, double x) {
    if (std::fabs(b.x() - a.x()) < kParallel) return QPointF(nan(), nan());
    const double t = (x - a.x()) / (b.x() - a.x());
    return a + t * (b - a);
}

void set(FigurePoint& p, QPointF at) {
    p.x = at.x();
    p.y = at.y();
}

QPointF world(const FigurePoint& p) {
    return QPointF(p.x, p.y);
}

void style(Figure& f, int slot, int a, int b, const QColor& colour, int width,
           Qt::PenStyle pen = Qt::SolidLine, bool hidden = false) {
    add_segment(f, slot, a, b);
    FigureSegment& s = f.segments[static_cast<size_t>(slot)];
    s.colour = colour;
    s.width = width;
    s.style = pen;
    s.hidden = hidden;
}

}  // namespace

QColor lens_parallel_ray_colour() {
    return QColor(0, 0, 255);
}
QColor lens_central_ray_colour() {
    return QColor(0, 150, 0);
}
QColor lens_focal_ray_colour() {
    return QColor(230, 120, 0);
}

double lens_diagram_units(double object_x, double focal_x) {
    const double v = std::fabs(object_x), f = std::fabs(focal_x);
    // An image far away counts as three times the larger of v and f; no
    // image (the object in the focal point) does not count.
    double b = 0;
    if (std::fabs(v - f) > 1e-9) b = std::min(3 * std::max(v, f), std::fabs(f * v / (v - f)));
    const double units = std::max({2 * f, 2 * b, 2 * v}) + 2;
    return std::isfinite(units) && units > 0 ? units : 12;
}

LensDiagram::LensDiagram() {
    reset_defaults();
}

void LensDiagram::reset_defaults() {
    values = LensDiagramValues{};
    values.units = lens_diagram_units(values.object_x, values.focal_x);
    build();
}

void LensDiagram::set_view(int width, int height) {
    figure.surface_width = std::max(1, width);
    figure.surface_height = std::max(1, height);
    if (!(values.units > 0) || !std::isfinite(values.units)) values.units = 12;
    figure.pixels_per_unit = figure.surface_width / values.units;
    figure.axes[0].scale = figure.axes[1].scale = 1;
    figure.origin =
        QPointF(figure.surface_width / 2 + values.pan_x, figure.surface_height / 2 + values.pan_y);
}

void LensDiagram::build() {
    const int w = figure.surface_width, h = figure.surface_height;
    reset_figure(figure);
    figure.coordinate_system = false;
    figure.surface_width = w;
    figure.surface_height = h;
    set_view(w, h);
    for (int i = 1; i <= kPerpendicularHigh; ++i) {
        add_point(figure, i, kNoName, 0, 0);
        FigurePoint& p = figure.points[static_cast<size_t>(i)];
        p.kind = is_handle(i) ? FigurePoint::Free : FigurePoint::Computed;
        p.not_drawn = !is_handle(i) && i != kFocusMirrored;
        p.name_shown = false;
    }
    for (int i : kHandles) {
        FigurePoint& p = figure.points[static_cast<size_t>(i)];
        p.name = QString::number(i);
        p.colour = kHandle;
        p.dot_size = 4;
    }
    for (int i : {kFocus, kFocusMirrored}) {
        FigurePoint& p = figure.points[static_cast<size_t>(i)];
        p.name = QStringLiteral("F");
        p.name_shown = true;
        p.colour = kRed;
        p.dot_size = 4;
    }
    figure.points[kO].name = QStringLiteral("O");
    figure.points[kX].name = QStringLiteral("X");
    figure.points[kY].name = QStringLiteral("Y");

    const QColor parallel = lens_parallel_ray_colour(), central = lens_central_ray_colour(),
                 focal = lens_focal_ray_colour();
    style(figure, kAxis, kAxisLeft, kAxisRight, kSilver, 1, Qt::DashLine);
    style(figure, kLensLine, kLensLow, kLensHigh, kSilver, 1, Qt::DashLine);
    style(figure, kPerpendicular, kPerpendicularLow, kPerpendicularHigh, kSilver, 1, Qt::DashLine);
    // The construction lines only serve the construction.
    style(figure, kThroughTip, kObjectTip, kParallelOnLens, kSilver, 2, Qt::SolidLine, true);
    style(figure, kFocusLine, kFocus, kParallelOnLens, kSilver, 2, Qt::SolidLine, true);
    style(figure, kCentreLine, kObjectTip, kO, kSilver, 2, Qt::SolidLine, true);
    style(figure, kMirroredLine, kObjectTip, kFocusMirrored, kSilver, 2, Qt::SolidLine, true);
    style(figure, kLens, kLensTop, kLensBottom, kRed, 5);
    style(figure, kFocalLength, kO, kFocus, kRed, 2);
    style(figure, kParallelIn, kObjectTip, kParallelOnLens, parallel, 2);
    style(figure, kParallelOut, kParallelOnLens, kImageTip, parallel, 2);
    style(figure, kCentral, kObjectTip, kImageTip, central, 2);
    style(figure, kFocalIn, kObjectTip, kFocalOnLens, focal, 2);
    style(figure, kFocalOut, kFocalOnLens, kImageTip, focal, 2);
    style(figure, kParallelBack, kParallelOnLens, kImageTip, parallel, 1, Qt::DashLine, true);
    style(figure, kCentralBack, kObjectTip, kImageTip, central, 1, Qt::DashLine, true);
    style(figure, kFocalBack, kFocalOnLens, kImageTip, focal, 1, Qt::DashLine, true);
    style(figure, kObject, kObjectFoot, kObjectTip, kMagenta, 3);
    style(figure, kImage, kImageFoot, kImageTip, kMagenta, 3);
    figure.segments[kObject].arrow = true;
    figure.segments[kImage].arrow = true;

    figure.recompute = [this](Figure& f) { recompute(f); };
    figure.own_labels = [this](const Figure& f, Surface& s, int size) { write_labels(f, s, size); };
    set_handles();
}

void LensDiagram::set_handles() {
    values.object_x = std::min(values.object_x, -kSmallest);
    values.object_height = std::max(values.object_height, kSmallest);
    values.focal_x = std::max(values.focal_x, kSmallest);
    values.lens_half = std::max(values.lens_half, kSmallest);
    set(figure.points[kObjectFoot], QPointF(values.object_x, 0));
    set(figure.points[kObjectTip], QPointF(values.object_x, values.object_height));
    set(figure.points[kFocus], QPointF(values.focal_x, 0));
    set(figure.points[kLensTop], QPointF(0, values.lens_half));
    set_view(figure.surface_width, figure.surface_height);
    recompute(figure);
    place_all_points(figure);
}

void LensDiagram::recompute(Figure& f) {
    auto P = [&f](int i) -> FigurePoint& { return f.points[static_cast<size_t>(i)]; };
    // The handles stay on their lines: the foot and F on the axis, the tip
    // above the foot, the lens top on the lens line.
    const auto kept = [](double x, double fallback) { return std::isfinite(x) ? x : fallback; };
    const double xo = std::min(kept(P(kObjectFoot).x, values.object_x), -kSmallest);
    const double h = std::max(kept(P(kObjectTip).y, values.object_height), kSmallest);
    const double fx = std::max(kept(P(kFocus).x, values.focal_x), kSmallest);
    const double half = std::max(kept(P(kLensTop).y, values.lens_half), kSmallest);
    set(P(kObjectFoot), QPointF(xo, 0));
    set(P(kObjectTip), QPointF(xo, h));
    set(P(kFocus), QPointF(fx, 0));
    set(P(kLensTop), QPointF(0, half));
    values.object_x = xo;
    values.object_height = h;
    values.focal_x = fx;
    values.lens_half = half;

    set(P(kO), QPointF(0, 0));
    set(P(kX), QPointF(1, 0));
    set(P(kY), QPointF(0, 1));
    set(P(kFocusMirrored), QPointF(-fx, 0));
    set(P(kParallelOnLens), QPointF(0, h));
    set(P(kLensBottom), QPointF(0, -half));
    QPointF image;
    const bool has_image = intersect(world(P(kFocus)), world(P(kParallelOnLens)),
                                     world(P(kObjectTip)), QPointF(0, 0), image);
    set(P(kImageTip), has_image ? image : QPointF(nan(), nan()));
    set(P(kImageFoot), has_image ? QPointF(image.x(), 0) : QPointF(nan(), nan()));
    set(P(kFocalOnLens), at_x(world(P(kObjectTip)), world(P(kFocusMirrored)), 0));

    // The view's world rectangle, a unit wider on each side.
    const QPointF top_left = surface_to_world(f, QPointF(0, 0));
    const QPointF bottom_right = surface_to_world(f, QPointF(f.surface_width, f.surface_height));
    const double left = top_left.x() - 1, right = bottom_right.x() + 1;
    const double top = top_left.y() + 1, bottom = bottom_right.y() - 1;
    set(P(kAxisLeft), QPointF(left, 0));
    set(P(kAxisRight), QPointF(right, 0));
    set(P(kLensLow), QPointF(0, bottom));
    set(P(kLensHigh), QPointF(0, top));
    set(P(kPerpendicularLow), QPointF(xo, bottom));
    set(P(kPerpendicularHigh), QPointF(xo, top));
    const double far_right = std::max(right, 1.0);
    set(P(kParallelEnd), at_x(world(P(kParallelOnLens)), world(P(kFocus)), far_right));
    set(P(kCentralEnd), at_x(world(P(kObjectTip)), QPointF(0, 0), far_right));
    set(P(kFocalEnd), QPointF(far_right, P(kFocalOnLens).y));

    // A real image: the rays end in its tip. A virtual one: the rays go on
    // to the right and their extensions back (dashed) meet in its tip.
    const bool real = has_image && image.x() > 0;
    const bool virt = has_image && image.x() < 0;
    auto seg = [&f](int i) -> FigureSegment& { return f.segments[static_cast<size_t>(i)]; };
    seg(kParallelOut).b = real ? kImageTip : kParallelEnd;
    seg(kCentral).b = real ? kImageTip : kCentralEnd;
    seg(kFocalOut).b = real ? kImageTip : kFocalEnd;
    seg(kFocalIn).hidden = !std::isfinite(P(kFocalOnLens).y);
    seg(kFocalOut).hidden = seg(kFocalIn).hidden;
    for (int i : {kParallelBack, kCentralBack, kFocalBack})
        seg(i).hidden = !virt;
    seg(kImage).hidden = !has_image;
    seg(kImage).style = virt ? Qt::DashLine : Qt::SolidLine;
    P(kImageTip).not_drawn = true;
    place_all_points(f);
}

void LensDiagram::read_back() {
    values.object_x = figure.points[kObjectFoot].x;
    values.object_height = figure.points[kObjectTip].y;
    values.focal_x = figure.points[kFocus].x;
    values.lens_half = figure.points[kLensTop].y;
}

void LensDiagram::draw(Surface& s) {
    s.clearimage();
    figure.surface_width = s.width();
    figure.surface_height = s.height();
    // The values are what counts: a drag has read them back from the handles.
    set_handles();
    draw_figure(figure, s, 12);
}

void LensDiagram::synchronise(const LensExercise& e, Surface& s) {
    values.object_x = -std::fabs(e.v_real);
    values.focal_x = std::fabs(e.f_real);
    values.units = lens_diagram_units(values.object_x, values.focal_x);
    values.object_height = std::fabs(values.object_x) / 2;
    const double h = values.object_height, v = std::fabs(values.object_x);
    const double image = std::isfinite(e.b_real) && v > 0 ? std::fabs(e.b_real) * h / v : h;
    values.lens_half = std::min(std::max(image, h), kLargestLens * h) + 0.5;
    values.pan_x = values.pan_y = 0;
    set_handles();
    draw(s);
    // The view centred on what matters: between object and image, wide
    // enough for both focal points.
    const FigurePoint& tip = figure.points[kObjectTip];
    const FigurePoint& image_tip = figure.points[kImageTip];
    const bool has_image = image_tip.valid;
    double lo = std::min(values.object_x, -values.focal_x), hi = values.focal_x;
    if (has_image) {
        lo = std::min(lo, image_tip.x);
        hi = std::max(hi, image_tip.x);
    }
    const double mid_x = (lo + hi) / 2;
    const QPointF mid = world_to_surface_unclamped(figure, mid_x, 0);
    const double other = has_image ? image_tip.surface.y() : figure.points[kO].surface.y();
    const double tips = (tip.surface.y() + other) / 2;
    const double limit = 4.0 * s.width();
    values.pan_x =
        static_cast<int>(std::lround(std::clamp(s.width() / 2 - mid.x(), -limit, limit)));
    values.pan_y = static_cast<int>(std::lround(std::clamp(s.height() / 2 - tips, -limit, limit)));
    draw(s);
}

int LensDiagram::pick(QPointF surface) const {
    int best = -1;
    double best_distance = kPickPixels;
    for (int i : kHandles) {
        const FigurePoint& p = figure.points[static_cast<size_t>(i)];
        if (!p.valid) continue;
        const double d = std::hypot(p.surface.x() - surface.x(), p.surface.y() - surface.y());
        if (d < best_distance) {
            best = i;
            best_distance = d;
        }
    }
    return best;
}

bool LensDiagram::drag(int handle, QPointF surface) {
    if (!is_handle(handle)) return false;
    if (!drag_point(figure, handle, surface)) return false;
    read_back();
    return true;
}

void LensDiagram::move_object(double dx) {
    values.object_x += dx;
    set_handles();
}

void LensDiagram::grow_object(double dh) {
    values.object_height += dh;
    set_handles();
}

void LensDiagram::move_focus(double dx) {
    values.focal_x += dx;
    set_handles();
}

void LensDiagram::zoom(double factor) {
    const double next = values.units * factor;
    if (next > 1e-3 && next < 1e7) values.units = next;
    set_handles();
}

void LensDiagram::pan(int dx, int dy) {
    values.pan_x += dx;
    values.pan_y += dy;
    set_handles();
}

double LensDiagram::object_distance() const {
    return std::fabs(figure.points[kObjectFoot].x);
}

double LensDiagram::focal_length() const {
    return std::fabs(figure.points[kFocus].x);
}

bool LensDiagram::image_exists() const {
    return figure.points[kImageFoot].valid && std::isfinite(figure.points[kImageFoot].x);
}

double LensDiagram::image_x() const {
    return figure.points[kImageFoot].x;
}

double LensDiagram::image_height() const {
    return figure.points[kImageTip].y;
}

QString LensDiagram::label_text(int which) const {
    const QString lead =
        letters[static_cast<size_t>(std::clamp(which, 0, 2))] + QStringLiteral(" = ");
    switch (which) {
        case 0:
            return lead + format_real(object_distance());
        case 1:
            return lead + (image_exists() ? format_real(image_x()) : QStringLiteral("∞"));
        default:
            return lead + format_real(focal_length());
    }
}

QString LensDiagram::image_name() const {
    const double h = figure.points[kObjectTip].y;
    msg_param1 = format_real(h > 0 ? std::fabs(image_height() / h) : 0);
    return msg(virtual_image() ? lens_messages::kVirtualImageName : lens_messages::kImageName);
}

void LensDiagram::write_labels(const Figure& f, Surface& s, int size) const {
    auto P = [&f](int i) -> const FigurePoint& { return f.points[static_cast<size_t>(i)]; };
    const double axis_y = P(kO).surface.y();
    // A label whose place lies off the surface (the view moved or zoomed) is
    // left out rather than pushed onto the edge.
    const auto centred = [&s](double x, double y, const QString& text) {
        if (!(x >= 0 && x <= s.width() && y >= -s.text_height() && y <= s.height())) return;
        write_label_inside(
            s, QPoint(static_cast<int>(x) - s.text_width(text) / 2, static_cast<int>(y)), text);
    };
    {
        // The distances under the axis, f in blue just below it.
        LabelFont font(s, size, Qt::black);
        const double below = axis_y + kLabelGap + s.text_height() + 2;
        centred((P(kObjectFoot).surface.x() + P(kO).surface.x()) / 2, below, letters[0]);
        // A virtual image's b lies on the object's side: a row lower.
        if (image_exists())
            centred((P(kImageFoot).surface.x() + P(kO).surface.x()) / 2,
                    virtual_image() ? below + s.text_height() : below, letters[1]);
    }
    {
        LabelFont font(s, size, kBlue);
        centred((P(kFocus).surface.x() + P(kO).surface.x()) / 2, axis_y + kLabelGap, letters[2]);
    }
    LabelFont font(s, size - 2, kMagenta);
    if (image_exists()) {
        const QString name = image_name();
        const QPointF tip = P(kImageTip).surface;
        const double y = P(kImageTip).y < 0 ? tip.y() + kLabelGap + 4
                                            : tip.y() - s.text_height() - kLabelGap - 4;
        if (!name.isEmpty() && std::isfinite(tip.x()) && std::fabs(tip.x()) < 1e6 &&
            std::fabs(y) < 1e6)
            centred(tip.x(), y, name);
    }
}

}  // namespace cifrala
