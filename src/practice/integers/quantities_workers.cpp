#include "practice/integers/quantities_workers.h"

#include <cstdlib>

#include "formula/surface.h"
#include "practice/common/practice_texts.h"
#include "practice/integers/conversion_picture.h"
#include "text/messages.h"
#include "util/format.h"
#include "util/random.h"

namespace cifrala {

using namespace quantity_messages;

namespace {

const QColor kRed(255, 0, 0);
// A hanging arrow starts this far above the bottom of the line's text.
constexpr int kBelowOverlap = 14;
// A standing arrow rises this far above the top of the line.
constexpr int kAboveRise = 80;
constexpr int kAboveLeft = 90;  // pressure: the arrow starts left of the cursor
constexpr int kRightClearance = 10;
constexpr int kSmallestStandardForm = 16;

QString power_of_ten_text(int k) {
    return ExactDecimal(1, k).text();
}

}  // namespace

// --- shared ---

void QuantityWorker::put(const QString& text, const QColor& colour) {
    Surface& s = sheet();
    const QColor kept = s.font_colour();
    s.set_font_colour(colour);
    s.my_textout(text);
    s.set_font_colour(kept);
}

void QuantityWorker::area_unit(int prefix_position, const QColor& colour) {
    put(prefix::text(prefix_position) + QLatin1Char('m'), colour);
    Surface& s = sheet();
    const QColor kept = s.font_colour();
    s.set_font_colour(colour);
    s.macht(QStringLiteral("2"));
    s.set_font_colour(kept);
}

int QuantityWorker::fit_line(const QString& whole) {
    Surface& s = sheet();
    const int room = s.width() - kRightClearance - s.cursor.x;
    int shrunk = 0;
    while (s.text_width(whole) > room && s.font_size() > kSmallestStandardForm)
        shrunk += s.shrink_font(1);
    return shrunk;
}

QuantityWorker::Room QuantityWorker::leave_room(const QString& widest) {
    Surface& s = sheet();
    Room r{s.cursor.x, s.cursor.y, s.text_width(widest)};
    put(QStringLiteral("?"));
    s.cursor.x = r.x + std::max(r.width, s.text_width(QStringLiteral("? ")));
    return r;
}

void QuantityWorker::fill_room(const Room& room, const QString& text, const QColor& colour) {
    Surface& s = sheet();
    const FormulaCursor kept = s.cursor;
    const int shrunk = s.shrink_font(room.shrunk);
    s.fill_rect(QRect(room.x, room.y, s.text_width(QStringLiteral("?")) + 2, s.text_height()),
                s.background());
    s.cursor = {room.x, room.y};
    put(text, colour);
    s.restore_font(shrunk);
    s.cursor = kept;
}

void QuantityWorker::write_standard_form(const ExactDecimal& r, const QString& unit_width) {
    const StandardForm f = standard_form(r);
    Surface& s = sheet();
    const QString words = msg(kStandardForm) + QLatin1Char(' ');
    const QString number = f.mantissa.text() + QChar(0xD7) + QStringLiteral("10");
    const QString exponent = int_to_text(f.exponent);
    // A line that would pass the edge is written smaller (there is no room
    // for one more line below it).
    const auto width = [&] {
        return s.text_width(words + number + exponent + QLatin1Char(' ') + unit_width);
    };
    const int room = s.width() - kRightClearance - s.cursor.x;
    int shrunk = 0;
    while (width() > room && s.font_size() > kSmallestStandardForm)
        shrunk += s.shrink_font(1);
    put(words + number);
    s.macht(exponent);
    shrunk_ = shrunk;
}

void QuantityWorker::end_standard_form_line() {
    sheet().restore_font(shrunk_);
    shrunk_ = 0;
}

// --- speed ---

SpeedExercise random_speed_exercise() {
    SpeedExercise e;
    e.from_metres_per_second = random(2) == 0;
    e.value = random_value(random(990) + 10);
    return e;
}

double SpeedWorker::converted(const SpeedExercise& e) {
    return e.from_metres_per_second ? (e.value * ExactDecimal(36, -1)).to_double()
                                    : e.value.to_double() / 3.6;
}

void SpeedWorker::start(const SpeedExercise& e) {
    e_ = e;
    finished = false;
    sheet().clearimage();
    host().hint(0);
    put(e_.value.text() +
        msg(e_.from_metres_per_second ? kFromMetresPerSecond : kFromKilometresPerHour));
    step = 0;
}

void SpeedWorker::rekenstap() {
    if (finished) return;
    Surface& s = sheet();
    const bool d = e_.from_metres_per_second;
    const ExactDecimal per_km = e_.value.times_ten_to(-3);
    switch (step) {
        case 0:
            s.newline(2);
            put(e_.value.text());
            draw_conversion_arrow(s, ArrowPicture::Above,
                                  QPoint(s.cursor.x, s.cursor.y - kAboveRise),
                                  d ? QStringLiteral(":1000") : QStringLiteral("×1000"));
            if (d) {
                put(QStringLiteral(" m/s = ") + per_km.text() + QStringLiteral(" km/s"));
            } else {
                put(QStringLiteral(" km = ") + e_.value.times_ten_to(3).text() +
                    QStringLiteral(" m"));
            }
            step = 1;
            return;
        case 1: {
            s.newline(0.7);
            put(d ? per_km.text() : QStringLiteral("1"));
            draw_conversion_arrow(s, ArrowPicture::Below,
                                  QPoint(s.cursor.x, s.cursor.y + s.text_height() - kBelowOverlap),
                                  QStringLiteral("×3600"));
            if (d) {
                put(QStringLiteral(" km/s = "));
                put((per_km * ExactDecimal(3600)).text() + msg(kKmPerHour), kRed);
            } else {
                msg_param1 = QStringLiteral("3600");
                put(msg(kHourIsSeconds));
            }
            step = 2;
            return;
        }
        case 2:
            s.newline(2);
            if (d) {
                put(e_.value.text() + QStringLiteral(" m/s = ") +
                    (e_.value * ExactDecimal(36, -1)).text() + msg(kKmPerHour));
            } else {
                put(e_.value.times_ten_to(3).text() + QStringLiteral(" : 3600 = "));
                s.newline(0.7);
                put(format_real(converted(e_)) + QStringLiteral(" m/s"));
            }
            step = 3;
            finish(practice_messages::kFinished);
            return;
        default:
            return;
    }
}

QString SpeedWorker::answer() const {
    return e_.from_metres_per_second ? (e_.value * ExactDecimal(36, -1)).text() + msg(kKmPerHour)
                                     : format_real(converted(e_)) + QStringLiteral(" m/s");
}

// --- pressure ---

PressureExercise random_pressure_exercise(bool extended) {
    PressureExercise e;
    e.value = random_value(random(1000) + 50);
    do {
        e.f1 = prefix::plain_draw();
        e.f2 = prefix::plain_draw();
    } while (e.f1 == e.f2 || std::abs(e.f1 - e.f2) > 3);
    do {
        e.a1 = extended ? prefix::extended_draw() : prefix::plain_draw();
        e.a2 = extended ? prefix::extended_draw() : prefix::plain_draw();
    } while (e.a1 == e.a2 || (extended && std::abs(e.a1 - e.a2) > 5));
    return e;
}

void PressureWorker::unit(int force, int area, const QColor& colour) {
    put(prefix::text(force) + QStringLiteral("N/"), colour);
    area_unit(area, colour);
}

void PressureWorker::start(const PressureExercise& e) {
    e_ = e;
    finished = false;
    sheet().clearimage();
    host().hint(0);
    put(e_.value.text() + QLatin1Char(' '));
    unit(e_.f1, e_.a1);
    put(QStringLiteral(" = ... "));
    unit(e_.f2, e_.a2);
    step = 0;
    if (explanation) explanation(true);
}

void PressureWorker::rekenstap() {
    if (finished) return;
    Surface& s = sheet();
    switch (step) {
        case 0: {
            s.newline(2);
            put(e_.value.text() + QLatin1Char(' '));
            const int zeros = std::abs(e_.f1 - e_.f2);
            draw_conversion_arrow(s, ArrowPicture::Above,
                                  QPoint(s.cursor.x - kAboveLeft, s.cursor.y - kAboveRise),
                                  (e_.f1 < e_.f2 ? QStringLiteral(":1") : QStringLiteral("×1")) +
                                      QString(zeros, QLatin1Char('0')));
            put(prefix::text(e_.f1), kRed);
            put(QStringLiteral("N = ") + e_.force().text() + QLatin1Char(' '));
            put(prefix::text(e_.f2), kRed);
            put(QStringLiteral("N"));
            step = 1;
            break;
        }
        case 1: {
            s.newline(0.7);
            const QPoint line(s.cursor.x, s.cursor.y);
            put(QStringLiteral("1 "));
            area_unit(e_.a1, kRed);
            put(QStringLiteral(" = ") + e_.area().text() + QLatin1Char(' '));
            area_unit(e_.a2, kRed);
            QString factor = e_.a2 < e_.a1 ? QStringLiteral("×1") : QStringLiteral(":1");
            for (int i = 0; i < std::abs(e_.a1 - e_.a2); ++i)
                factor += QStringLiteral(" 00");
            draw_conversion_arrow(s, ArrowPicture::Below,
                                  QPoint(line.x(), line.y() + s.text_height() - kBelowOverlap),
                                  factor);
            step = 2;
            break;
        }
        case 2:
            s.newline(2);
            put(e_.force().text() + QStringLiteral(" : ") + e_.area().text() +
                QStringLiteral(" = "));
            s.newline(0.7);
            put(e_.result().text() + QLatin1Char(' '));
            unit(e_.f2, e_.a2);
            step = 3;
            if (e_.result().below_ten_from_one()) finish(practice_messages::kFinished);
            break;
        case 3:
            s.newline(0.9);
            write_standard_form(e_.result(), prefix::text(e_.f2) + QStringLiteral("N/") +
                                                 prefix::text(e_.a2) + QStringLiteral("m2"));
            put(QStringLiteral(" "));
            unit(e_.f2, e_.a2);
            end_standard_form_line();
            step = 4;
            finish(practice_messages::kFinished);
            break;
        default:
            return;
    }
    if (explanation) explanation(true);
}

// --- concentration ---

ConcentrationExercise random_concentration_exercise() {
    ConcentrationExercise e;
    e.value = random_value(random(1000) + 10);
    do {
        e.g1 = prefix::plain_draw();
        e.g2 = prefix::plain_draw();
        e.w1 = prefix::plain_draw();
        e.w2 = prefix::plain_draw();
    } while (e.g1 == e.g2 || e.w1 == e.w2 || std::abs(e.g1 - e.g2) + std::abs(e.w1 - e.w2) >= 7);
    return e;
}

void ConcentrationWorker::start(const ConcentrationExercise& e) {
    e_ = e;
    finished = false;
    sheet().clearimage();
    host().hint(0);
    put(e_.value.text() + QLatin1Char(' ') + prefix::text(e_.g1) + QStringLiteral("g/") +
        prefix::text(e_.w1) + QStringLiteral("L  ="));
    put(QStringLiteral(" ? "), kRed);
    put(QLatin1Char(' ') + prefix::text(e_.g2) + QStringLiteral("g/") + prefix::text(e_.w2) +
        QLatin1Char('L'));
    step = 0;
}

// number, unit = (room for the converted number) unit, each unit with the
// prefix being converted in red; the line is written smaller where it would
// not fit. Returns the x of the given unit's red prefix.
int ConcentrationWorker::conversion_line(const QString& number, const RedPrefixUnit& given,
                                         const QString& converted, const RedPrefixUnit& asked) {
    Surface& s = sheet();
    const int shrunk = fit_line(number + QLatin1Char(' ') + given.text() + QStringLiteral(" = ") +
                                converted + QLatin1Char(' ') + asked.text());
    put(number + QLatin1Char(' ') + given.before);
    const int red_x = s.cursor.x;
    put(given.prefix, kRed);
    put(given.after + QStringLiteral(" = "));
    room_ = leave_room(converted + QLatin1Char(' '));
    room_.shrunk = shrunk;
    put(asked.before);
    put(asked.prefix, kRed);
    put(asked.after);
    s.restore_font(shrunk);
    return red_x;
}

void ConcentrationWorker::rekenstap() {
    if (finished) return;
    Surface& s = sheet();
    const QPoint below(0, s.text_height() - kBelowOverlap);
    const int mass_gap = std::abs(e_.g1 - e_.g2);
    const int volume_gap = std::abs(e_.w1 - e_.w2);
    switch (step) {
        case 0: {
            s.newline(1.5);
            const QString per_litre = QStringLiteral("g/") + prefix::text(e_.w1) + QLatin1Char('L');
            mass_prefix_x_ =
                conversion_line(e_.value.text(), {QString(), prefix::text(e_.g1), per_litre},
                                e_.after_mass().text(), {QString(), prefix::text(e_.g2), per_litre});
            step = 1;
            return;
        }
        case 1:
            draw_conversion_arrow(s, ArrowPicture::Below, QPoint(mass_prefix_x_, room_.y) + below,
                                  (e_.g1 < e_.g2 ? QStringLiteral(":") : QStringLiteral("×")) +
                                      power_of_ten_text(mass_gap));
            step = 2;
            return;
        case 2:
            fill_room(room_, e_.after_mass().text());
            step = 3;
            return;
        case 3: {
            s.newline(2.1);
            const QString grams = prefix::text(e_.g2) + QStringLiteral("g/");
            volume_prefix_x_ = conversion_line(
                e_.after_mass().text(), {grams, prefix::text(e_.w1), QStringLiteral("L")},
                e_.result().text(), {grams, prefix::text(e_.w2), QStringLiteral("L")});
            step = 4;
            return;
        }
        case 4:
            draw_conversion_arrow(s, ArrowPicture::Below, QPoint(volume_prefix_x_, room_.y) + below,
                                  (e_.w2 < e_.w1 ? QStringLiteral(":") : QStringLiteral("×")) +
                                      power_of_ten_text(volume_gap));
            step = 5;
            return;
        case 5:
            fill_room(room_, e_.result().text());
            step = 6;
            if (e_.result().below_ten_from_one()) finish(practice_messages::kFinished);
            return;
        case 6:
            s.newline(2.1);
            write_standard_form(e_.result(), prefix::text(e_.g2) + QStringLiteral("g/") +
                                                 prefix::text(e_.w2) + QLatin1Char('L'));
            put(QLatin1Char(' ') + prefix::text(e_.g2) + QStringLiteral("g/") +
                prefix::text(e_.w2) + QLatin1Char('L'));
            end_standard_form_line();
            step = 7;
            finish(practice_messages::kFinished);
            return;
        default:
            return;
    }
}

}  // namespace cifrala
