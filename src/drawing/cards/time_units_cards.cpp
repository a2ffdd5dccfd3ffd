#include "drawing/cards/time_units_cards.h"

#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <functional>

#include "drawing/cards/explanation_cards.h"
#include "drawing/explanation/tekening_form.h"
#include "text/messages.h"
#include "util/format.h"

namespace cifrala {

namespace {

using namespace speed_card_messages;

constexpr int kMargin = 3;
constexpr int kBottomMargin = 8;
constexpr int kTopRightOffset = 40;

// The words of `text` in lines no wider than `width`.
QStringList wrapped(const Surface& s, const QString& text, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && s.text_width(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines;
}

// A text wrapped to the card's width, each piece on its own line.
void paragraph(TtekeningForm& w, const QString& text) {
    Surface& s = w.surface();
    const QStringList lines =
        wrapped(s, text, s.width() - 2 * kMargin - TtekeningForm::kCopyButtonRoom);
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0) w.newline(1);
        w.my_textout_2(lines[i]);
    }
}

// Paints a card of width w and at least height h; a card whose text needs
// more room grows downwards.
void sized_card(TtekeningForm& w, int width, int height,
                const std::function<void(TtekeningForm&)>& paint) {
    w.init(width, height);
    paint(w);
    const Surface& s = w.surface();
    const int needed = s.cursor.y + s.text_height() + kBottomMargin;
    if (needed > height) {
        w.init(width, needed);
        paint(w);
    }
}

// At the top right of the window that opened the card, clear of its
// buttons along the bottom and of the start of the worked lines.
void place_top_right(TtekeningForm& w) {
    const QWidget* opener = w.opener();
    if (!opener) return;
    const QRect g = opener->frameGeometry();
    const QSize own = w.frameGeometry().size().expandedTo(w.size());
    w.move(g.left() + g.width() - own.width() - 2, g.top() + kTopRightOffset);
}

// Where it stands, but wholly on the screen: a wide card shown after a card
// that sat at the right edge would otherwise run off it.
void keep_on_screen(TtekeningForm& w) {
    const QScreen* screen = w.screen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const QSize own = w.frameGeometry().size().expandedTo(w.size());
    const int x = std::max(room.left(), std::min(w.x(), room.right() + 1 - own.width()));
    const int y = std::max(room.top(), std::min(w.y(), room.bottom() + 1 - own.height()));
    if (x != w.x() || y != w.y()) w.move(x, y);
}

QString hours_word() {
    return QLatin1Char(' ') + msg(kHours);
}

// Topic 49: the introduction of the average speed.
void paint_speed_introduction(TtekeningForm& w, const CardRequest& r) {
    const int distance = r.exercise.value(speed_card_keys::kDistance).toInt();
    sized_card(w, 750, 200, [distance](TtekeningForm& c) {
        Surface& s = c.surface();
        s.set_bold(true);
        c.my_textout_2(msg(kHeading));
        s.set_bold(false);
        c.newline(1.2);
        paragraph(c, msg(kStory));
        c.newline(1);
        msg_param1 = int_to_text(distance);
        paragraph(c, msg(kDistance));
        c.newline(1);
        paragraph(c, msg(kFirstTime));
        c.newline(1);
        paragraph(c, msg(kThenSpeed));
    });
}

// Topic 48: the average speed worked out up to the step the integers window
// has reached.
void paint_speed_steps(TtekeningForm& w, const CardRequest& r) {
    const QVariantMap& e = r.exercise;
    const int step = e.value(speed_card_keys::kStep).toInt();
    const int distance = e.value(speed_card_keys::kDistance).toInt();
    const int minutes = std::max(1, e.value(speed_card_keys::kMinutes).toInt());
    const QString elapsed = e.value(speed_card_keys::kElapsedText).toString();
    const double hours = minutes / 60.0;
    const QString hours_text = format_real(hours);
    const double speed = distance * 60.0 / minutes;
    // Two decimals are exact, or the number is rounded ("≈").
    const bool hours_exact = minutes * 100 % 60 == 0;
    const bool speed_exact = static_cast<qint64>(distance) * 6000 % minutes == 0;
    const auto is = [](bool exact) {
        return exact ? QStringLiteral(" = ")
                     : QStringLiteral(" ") + QChar(0x2248) + QLatin1Char(' ');
    };
    sized_card(w, 700, 250, [&](TtekeningForm& c) {
        Surface& s = c.surface();
        msg_param1 = int_to_text(distance);
        paragraph(c, msg(kCovers) + QLatin1Char(' ') + elapsed + QLatin1Char('.'));
        c.newline(1);
        c.my_textout_2(msg(kInHours));
        const bool whole = minutes % 60 == 0;
        if (step >= 1 && !whole) {
            c.newline(1.4);
            c.my_textout_2(elapsed + QStringLiteral(" = "));
            if (minutes >= 60) c.my_textout_2(int_to_text(minutes / 60) + QLatin1Char(' '));
            s.cursor.x = c.breuk(minutes % 60, 60);
            c.my_textout_2(hours_word());
            if (step >= 2) c.my_textout_2(is(hours_exact) + hours_text + hours_word());
        }
        if (step >= 3) {
            c.newline(whole ? 1.4 : 1.8);
            c.my_textout_2(msg(kAverageSpeed) + QStringLiteral(" = "));
            s.cursor.x = c.breuktxt(int_to_text(distance) + QStringLiteral(" km"),
                                    hours_text + hours_word());
            if (step >= 4) {
                c.my_textout_2(is(speed_exact) + format_real(speed) + msg(kKmPerHour));
                c.newline(1.6);
                paragraph(c, msg(speed_comment(speed)));
            }
        }
    });
}

// Topic 51: the prefixes from tera to nano with their powers of ten.
void paint_prefixes(TtekeningForm& w, const CardRequest&) {
    struct Row {
        const char* symbol;
        const char* name;
        int exponent;
    };
    static const Row rows[] = {{"T", "tera", 12},  {"G", "giga", 9},   {"M", "mega", 6},
                               {"k", "kilo", 3},   {"h", "hecto", 2},  {"da", "deca", 1},
                               {"", "", 0},        {"d", "deci", -1},  {"c", "centi", -2},
                               {"m", "milli", -3}, {"µ", "micro", -6}, {"n", "nano", -9}};
    sized_card(w, 350, 490, [](TtekeningForm& c) {
        Surface& s = c.surface();
        s.set_bold(true);
        msg_param1 = QStringLiteral("tera");
        paragraph(c, msg(kPrefixesHeading));
        s.set_bold(false);
        c.newline(1.3);
        for (const Row& row : rows) {
            const int y = s.cursor.y;
            s.set_font_colour(row.exponent == 0 ? QColor(Qt::red) : QColor(Qt::black));
            s.cursor = {12, y};
            c.my_textout_2(QString::fromUtf8(row.symbol) + (row.exponent == 0 ? "-" : ""));
            s.cursor = {62, y};
            c.my_textout_2(QString::fromUtf8(row.name));
            s.cursor = {175, y};
            c.my_textout_2(QStringLiteral("10"));
            c.in_de_machttxt(int_to_text(row.exponent));
            c.newline(1);
        }
        s.set_font_colour(Qt::black);
        s.cursor.y -= s.line_step(1);
    });
    place_top_right(w);
}

// Topic 53: the units of length in their places, each one ten times the
// next, and what a scale means.
void paint_place_values(TtekeningForm& w, const CardRequest&) {
    static const char* const units[] = {"km", "hm", "dam", "m", "dm", "cm", "mm"};
    sized_card(w, 600, 210, [](TtekeningForm& c) {
        Surface& s = c.surface();
        s.set_bold(true);
        msg_param1 = QStringLiteral("10");
        paragraph(c, msg(kLengthHeading));
        s.set_bold(false);
        c.newline(1.3);
        const int y = s.cursor.y;
        const int cell = 76;
        const int h = s.text_height() + 6;
        s.set_pen(1, Qt::black);
        for (int i = 0; i < 7; ++i) {
            const int x = kMargin + 6 + i * cell;
            const QString u = QString::fromLatin1(units[i]);
            s.line(x, y - 3, x + cell, y - 3);
            s.line(x, y - 3 + h, x + cell, y - 3 + h);
            s.line(x, y - 3, x, y - 3 + h);
            if (i == 6) s.line(x + cell, y - 3, x + cell, y - 3 + h);
            s.set_font_colour(u == QLatin1String("m") ? QColor(Qt::red) : QColor(Qt::black));
            s.text_at(x + (cell - s.text_width(u)) / 2, y, u);
        }
        s.set_font_colour(Qt::black);
        c.newline(1.5);
        for (int i = 0; i < 3; ++i) {
            if (i > 0) c.newline(1.1);
            paragraph(c, msg(kPlaceValues[i]));
        }
    });
    place_top_right(w);
}

}  // namespace

int speed_comment(double km_per_hour) {
    const double limits[4] = {8, 25, 120, 900};
    for (int i = 0; i < 4; ++i)
        if (km_per_hour < limits[i]) return kComments[i];
    return kComments[4];
}

void register_time_units_cards() {
    // Not placed at the multi-topic window's corner: they stay where they are,
    // kept on the screen.
    register_explanation_card(48, {[](TtekeningForm& w, const CardRequest& r) {
                                       paint_speed_steps(w, r);
                                       keep_on_screen(w);
                                   },
                                   CardPlacement::Self});
    register_explanation_card(49, {[](TtekeningForm& w, const CardRequest& r) {
                                       paint_speed_introduction(w, r);
                                       keep_on_screen(w);
                                   },
                                   CardPlacement::Self});
    register_explanation_card(51, {paint_prefixes, CardPlacement::Self});
    register_explanation_card(53, {paint_place_values, CardPlacement::Self});
}

}  // namespace cifrala
