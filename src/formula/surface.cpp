#include "formula/surface.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "formula/font_map.h"
#include "util/selection.h"

namespace cifrala {

namespace {

QColor from_rgb(std::uint32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace

Surface::Surface(int width, int height, SurfaceStyle style) : style_(std::move(style)) {
    new_picture(width, height);
    set_font(style_.font);
    set_pen(3, Qt::black);
}

void Surface::new_picture(int width, int height) {
    image_ = QImage(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    // 96 dpi, so that a saved picture opens at the size it has on screen.
    image_.setDotsPerMeterX(3780);
    image_.setDotsPerMeterY(3780);
    image_.fill(background());
    display_.clear();
}

void Surface::resize(int width, int height) {
    new_picture(width, height);
    touched(image_.rect());
}

Surface::Batch::~Batch() {
    if (--s_.batch_depth_ == 0 && !s_.dirty_.isNull()) {
        const QRect area = s_.dirty_;
        s_.dirty_ = QRect();
        if (s_.on_changed) s_.on_changed(area);
    }
}

Surface::Canvas::Canvas(Surface& s) : s_(s), painter_(&s.image_) {
    painter_.setRenderHint(QPainter::Antialiasing);
}

Surface::Canvas::~Canvas() {
    painter_.end();
    if (!area_.isNull()) s_.touched(area_.adjusted(-1, -1, 1, 1));
}

void Surface::Canvas::record(DrawnItem item) {
    const QRect r = bounding_rect(item);
    area_ = area_.isNull() ? r : area_.united(r);
    s_.display_.add(std::move(item));
}

// --- canvas state ---

void Surface::set_font(const FontSpec& font) {
    font_family_ = font.family;
    font_size_ = font.size;
    bold_ = font.bold;
    font_colour_ = font.colour;
    update_font();
}

void Surface::set_font_family(const QString& family) {
    font_family_ = family;
    update_font();
}

void Surface::set_font_size(int points) {
    font_size_ = points;
    update_font();
}

void Surface::set_bold(bool bold) {
    bold_ = bold;
    update_font();
}

void Surface::update_font() {
    font_ = make_font(font_family_, font_size_, bold_);
    metrics_.emplace(font_, &image_);
}

void Surface::set_pen(int width, const QColor& colour) {
    pen_width_ = width;
    pen_colour_ = colour;
}

QColor Surface::background() const {
    if (style_.frame.own_background) return style_.frame.background;
    return from_rgb(background_colour);
}

int Surface::shrink_font(int k) {
    const int applied = std::clamp(k, 0, std::max(0, font_size_ - 1));
    if (applied != 0) set_font_size(font_size_ - applied);
    return applied;
}

void Surface::restore_font(int applied) {
    if (applied != 0) set_font_size(font_size_ + applied);
}

// --- measuring ---

int Surface::text_width(const QString& text) const {
    return metrics_->horizontalAdvance(text);
}

int Surface::text_height(const QString&) const {
    return metrics_->height();
}

int Surface::line_step(double f) const {
    const LineUnit& u = style_.line_unit;
    switch (u.kind) {
        case LineUnit::Fixed:
            return static_cast<int>(std::lround(f * u.value));
        case LineUnit::HeightOfW:
            return static_cast<int>(std::lround(f * u.value * text_height(QStringLiteral("w"))));
        case LineUnit::HeightOfWPlus:
            return text_height(QStringLiteral("w")) + static_cast<int>(u.value);
        case LineUnit::Stored:
            return static_cast<int>(std::lround(f * u.value * stored_line_unit));
    }
    return 0;
}

// --- primitives ---

void Surface::touched(const QRect& area) {
    dirty_ = dirty_.isNull() ? area : dirty_.united(area);
    if (batch_depth_ == 0) {
        const QRect all = dirty_;
        dirty_ = QRect();
        if (on_changed) on_changed(all);
    }
}

void Surface::text_at(int x, int y, const QString& text) {
    if (text.isEmpty()) return;
    const QRect cell(x, y, text_width(text), text_height());
    {
        QPainter p(&image_);
        p.setFont(font_);
        p.setPen(font_colour_);
        p.drawText(QPoint(x, y + metrics_->ascent()), text);
    }
    display_.add(
        DrawnText{text, QPoint(x, y), font_size_, font_colour_, bold_, font_family_, cell});
    touched(cell);
}

void Surface::line(int x1, int y1, int x2, int y2) {
    {
        QPainter p(&image_);
        p.setPen(QPen(pen_colour_, pen_width_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawLine(x1, y1, x2, y2);
    }
    DrawnLine l{QPoint(x1, y1), QPoint(x2, y2), pen_width_, pen_colour_};
    display_.add(l);
    touched(bounding_rect(l).adjusted(-1, -1, 1, 1));
}

void Surface::polyline(const QPolygon& points) {
    {
        QPainter p(&image_);
        p.setPen(QPen(pen_colour_, pen_width_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawPolyline(points);
    }
    display_.add(DrawnPolygon{points, pen_colour_, pen_width_, false});
    const int m = pen_width_ + 1;
    touched(points.boundingRect().adjusted(-m, -m, m, m));
}

void Surface::filled_polygon(const QPolygon& points, const QColor& colour) {
    {
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(colour, 1));
        p.setBrush(colour);
        p.drawPolygon(points);
    }
    display_.add(DrawnPolygon{points, colour, 1, true});
    touched(points.boundingRect().adjusted(-2, -2, 2, 2));
}

void Surface::fill_rect(const QRect& area, const QColor& colour) {
    {
        QPainter p(&image_);
        p.fillRect(area, colour);
    }
    display_.cover(area);
    touched(area);
}

void Surface::draw_picture(int x, int y, const QImage& picture, const QString& name) {
    {
        QPainter p(&image_);
        p.drawImage(x, y, picture);
    }
    const QRect area(QPoint(x, y), picture.size());
    display_.cover(area);
    display_.add(DrawnImage{name, area});
    touched(area);
}

void Surface::record(DrawnItem item, size_t mark) {
    if (measure_only || display_.size() <= mark) return;
    const QRect r = display_.bounds_from(mark);
    std::visit(
        [&](auto& i) {
            if constexpr (requires { i.rect; }) i.rect = r;
        },
        item);
    display_.add(std::move(item));
}

// --- writing operations ---

int Surface::coord(const Coord& c, int size) const {
    int v = c.offset;
    if (c.base == Coord::End) v = size - c.offset;
    if (c.base == Coord::Middle) v = size / 2 + c.offset;
    if (c.plus_height_of_a) v += text_height(QStringLiteral("a"));
    return v;
}

void Surface::clearimage() {
    Batch batch(*this);
    fill_rect(image_.rect(), background());
    display_.clear();
    for (const FrameLine& l : style_.frame.lines) {
        set_pen(l.width, l.colour);
        line(coord(l.x1, width()), coord(l.y1, height()), coord(l.x2, width()),
             coord(l.y2, height()));
    }
    set_pen(style_.frame.pen_after, Qt::black);
    cursor.x = style_.frame.start_x;
    cursor.y = style_.frame.start_y;
}

void Surface::my_textout(const QString& text) {
    Batch batch(*this);
    int applied = 0;
    if (style_.shrink_to_fit) {
        while (font_size_ > 1 && cursor.x + text_width(text) > width())
            applied += shrink_font(1);
    }
    if (!measure_only) text_at(cursor.x, cursor.y, text);
    cursor.x += text_width(text);
    restore_font(applied);
}

void Surface::my_textout2(const QString& text) {
    Batch batch(*this);
    if (!measure_only) text_at(cursor.x, cursor.y, text);
    cursor.x += text_width(text) + style_.textout2_gap;
}

void Surface::newline(double f) {
    cursor.y += line_step(f);
    cursor.x = style_.frame.left_margin;
}

}  // namespace cifrala
