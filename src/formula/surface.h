#pragma once
// A drawing surface: a fixed-size picture on which a practice window writes
// its exercise and worked solution, left to right and line by line, at its
// Formula cursor. The operations keep the names the windows' step logic uses
// (my_textout, newline, breuk, breuktxt, breuk_abc, in_de_machttxt, toonhint,
// clearimage, ...); where windows differ, the constants come from the
// surface's SurfaceStyle (each window keeps its rows beside its code).
//
// Every operation records what it drew in the display list and, when it
// returns, reports the changed area through `on_changed`, so a widget showing
// the surface repaints before the next operation starts.
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "formula/display_list.h"
#include "formula/surface_style.h"
#include "util/format.h"

namespace cifrala {

struct FormulaCursor {
    int x = 0;
    int y = 0;  // top of the main-size text of the current line
};

// Where a root sign's overbar starts (basiswortelteken).
struct RootSignEnd {
    int bar_x = 0;
    int bar_y = 0;
};

// A text of the speech cloud and where it goes (size 0: the cloud's size).
struct CloudText {
    QString text;
    int x = 0, y = 0;
    int size = 0;
};

class Surface {
public:
    Surface(int width, int height, SurfaceStyle style = {});
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // A new picture of this size, filled with the background, nothing on it.
    void resize(int width, int height);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }
    const DisplayList& display() const { return display_; }

    const SurfaceStyle& style() const { return style_; }
    // Changes the window constants; the current font, pen and cursor stay.
    void set_style(const SurfaceStyle& style) { style_ = style; }
    SurfaceStyle& style_ref() { return style_; }

    FormulaCursor cursor;
    // While set, the text-writing operations move the cursor but draw nothing.
    bool measure_only = false;
    // The line unit of windows that store one (LineUnit::Stored).
    int stored_line_unit = 40;

    // Called with the changed area when an operation ends.
    std::function<void(const QRect&)> on_changed;
    // The window's "Toon hint" check box; no gate means hints are shown.
    std::function<bool()> hints_enabled;

    // --- canvas state ---
    void set_font(const FontSpec& font);
    void set_font_family(const QString& family);
    void set_font_size(int points);
    int font_size() const { return font_size_; }
    void set_bold(bool bold);
    void set_font_colour(const QColor& colour) { font_colour_ = colour; }
    QColor font_colour() const { return font_colour_; }
    const QString& font_family() const { return font_family_; }
    bool bold() const { return bold_; }
    void set_pen(int width, const QColor& colour = Qt::black);
    void set_pen_width(int width) { pen_width_ = width; }
    void set_pen_colour(const QColor& colour) { pen_colour_ = colour; }
    int pen_width() const { return pen_width_; }
    QColor pen_colour() const { return pen_colour_; }
    // The surface's background: the shared colour, or the frame's own.
    QColor background() const;

    // --- measuring (current font) ---
    int text_width(const QString& text) const;
    int text_height(const QString& text = QStringLiteral("w")) const;
    // The pixel distance of newline(f).
    int line_step(double f = 1.0) const;

    // --- primitives: draw at a position, the cursor stays ---
    void text_at(int x, int y, const QString& text);
    void line(int x1, int y1, int x2, int y2);  // current pen
    void polyline(const QPolygon& points);
    void filled_polygon(const QPolygon& points, const QColor& colour);
    void fill_rect(const QRect& area, const QColor& colour);
    void draw_picture(int x, int y, const QImage& picture, const QString& name);

    // --- writing operations ---
    // Fills with the background, draws the frame lines, pen 2 black, cursor
    // at the start (clearimage1 .. clearimage4 of the windows).
    void clearimage();
    // Writes at the cursor and advances x by the text's width; with
    // shrink_to_fit in the style, a text that would pass the right edge is
    // written smaller.
    void my_textout(const QString& text);
    // x advances by the width plus the style's gap.
    void my_textout2(const QString& text);
    // y += line unit * f; x := left margin.
    void newline(double f = 1.0);

    // Style A stacked fractions.
    void breuk(int a, int b);
    void breuktxt(const QString& top, const QString& bottom);
    void breuk_abc(int a, int b, int c);
    // Real arguments (long division): nothing when |top| < 0.00001, only the
    // top when the bottom reads "1"; both written without sign.
    void breuk_real(double top, double bottom);

    // Style B stacked fractions: write, leave the cursor, return the x at
    // which to continue. A bottom of INT_MAX stands for an empty denominator.
    int breuk_b(int a, int b);
    int breuktxt_b(const QString& top, const QString& bottom, bool negative = false,
                   bool empty_bottom = false);

    // Superscripts.
    void in_de_machttxt(const QString& text, bool small = false);
    void macht(const QString& text);
    void in_de_macht(int n);
    // Writes a superscript on `canvas` at an explicit place; this surface's
    // cursor x advances by its width.
    void in_de_machttxt_at(Surface& canvas, int x, const QString& text, int y);

    // The pieces of a fraction with exponents in numerator and denominator.
    void my_textoutteller(const QString& text);
    void my_textoutmachtinteller(const QString& text);
    void my_textoutnoemer(const QString& text);
    void my_textoutmachtinnoemer(const QString& text);
    void my_textoutbreuk_met_machten_in_teller_en_noemer(const QString& top, const QString& bottom,
                                                         const QString& top_exponent,
                                                         const QString& bottom_exponent);

    // Root sign with its corner at (x0, y0); `radicand`, when the caller
    // knows it, is recorded with the sign for those who read the surface.
    RootSignEnd basiswortelteken(int x0, int y0, double scale, const QString& radicand = QString());
    // A root sign over its radicand: the sign with its corner at (x, y +
    // corner_dy) and scaled by `scale`, then what `write_radicand` writes at
    // the cursor, starting a little after the sign, and the overbar from the
    // sign to 2 pixels past the cursor; x continues after the bar. Records a
    // root that reads `radicand` and encloses everything it drew.
    void wortel_over(const QString& radicand, double scale, int corner_dy,
                     const std::function<void()>& write_radicand);
    // The same over a text in the current font.
    void worteluittxt(const QString& text, double scale, int corner_dy);
    // The quadratic-equation window's root sign in a fraction line, w = the x
    // just after the text in front of it.
    void wortelteken_in_breuk(int w);
    // One character of the symbol font (214 root sign, 177 plus-or-minus).
    void my_textoutSymbol(int code);
    // Horizontal arrow of 80 pixels after the cursor, red arrowhead; x += 90.
    void teken_pijl(bool to_the_right, const QColor& colour);

    // Hint line: message n (n <= 0 only clears the line).
    void toonhint(int n);
    // On hint row k counted from the bottom (long division, multi-topic).
    void toonhint(int n, int row);
    // With another row of the hint table than the surface's own.
    void toonhint_with(const HintStyle& hint, int n, int row = 0);
    void toonhinttxt_with(const HintStyle& hint, const QString& text, int row = 0);

    // The speech cloud: the picture "awolk3.bmp" at (0, 0), then the texts in
    // "Verdana" 24, red.
    void toonwolk(const std::vector<CloudText>& texts);

    // An antialiased painter on the surface for code that draws many items at
    // once (the figure engine). What it draws must be recorded with record();
    // the area of the recorded items is reported when the canvas ends. No
    // other operation may draw on the surface while a canvas is open.
    class Canvas {
    public:
        explicit Canvas(Surface& s);
        ~Canvas();
        Canvas(const Canvas&) = delete;
        Canvas& operator=(const Canvas&) = delete;
        QPainter& painter() { return painter_; }
        void record(DrawnItem item);

    private:
        Surface& s_;
        QPainter painter_;
        QRect area_;
    };

    // Collects the changes of nested operations into one report.
    class Batch {
    public:
        explicit Batch(Surface& s) : s_(s) { ++s_.batch_depth_; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Surface& s_;
    };

    // A composite item (fraction, root, ...) for what a writer outside the
    // surface has just drawn since `mark` (display().size() before it drew);
    // its rectangle becomes the rectangle around those items. Nothing is
    // recorded while measuring or when nothing was drawn.
    void record(DrawnItem item, size_t mark);

    // Lowers the font by k points (not below 1) and returns by how much it
    // went down; restore_font adds that back, so the size after a pair of
    // calls is the size before it.
    int shrink_font(int k);
    void restore_font(int applied);

private:
    void new_picture(int width, int height);
    void update_font();
    void touched(const QRect& area);
    int coord(const Coord& c, int size) const;
    void write_minus(int y_offset, int gap);
    void stack_a(const QString& top, const QString& bottom);
    void superscript(const QString& text, const SuperscriptStyle& st);
    void piece(const QString& text, int shrink, int dy);
    void write_hint(const HintStyle& hint, const QString* text, int row);
    // Draws the root sign (nothing while measuring) and returns its end.
    RootSignEnd root_sign(int x0, int y0, double scale);
    int exponent_unit() const;

    QImage image_;
    SurfaceStyle style_;
    DisplayList display_;

    QString font_family_;
    int font_size_ = 24;
    bool bold_ = false;
    QColor font_colour_ = Qt::black;
    QFont font_;
    std::optional<QFontMetrics> metrics_;
    int pen_width_ = 3;
    QColor pen_colour_ = Qt::black;

    int batch_depth_ = 0;
    QRect dirty_;
};

// The root sign's polyline with its corner at (x0, y0), scaled about it
// (what basiswortelteken draws); its overbar starts at round(x0 + 35 * scale) - 1.
QPolygon root_sign_polygon(int x0, int y0, double scale);

inline QString int_text(long long n) {
    return int_to_text(static_cast<qint64>(n));
}

}  // namespace cifrala
