#include "practice/long_division/long_division_worker.h"

#include <QRect>
#include <algorithm>

#include "formula/cloud.h"
#include "formula/surface.h"
#include "practice/common/step_sequence.h"
#include "text/messages.h"
#include "util/format.h"
#include "util/integer_math.h"
#include "util/number_settings.h"

namespace cifrala {

using namespace division_messages;

namespace {

const QString kTimes = QStringLiteral(" × ");
const QString kIs = QStringLiteral(" = ");

qint64 value_of(const QString& digits) {
    return digits.trimmed().toLongLong();
}

int leading_spaces(const QString& text) {
    int n = 0;
    while (n < text.size() && text[n] == QLatin1Char(' '))
        ++n;
    return n;
}

}  // namespace

LongDivisionWorker::LongDivisionWorker(StepHost& host)
    : StepWorker(host), s_(host.surface(SurfaceRole::Worksheet)), seq_(host.sequence()) {}

void LongDivisionWorker::start(const Division& d, bool both_mode) {
    dividend = d.dividend;
    divisor = d.divisor;
    both = both_mode;
    dividend_text_ = int_text(dividend);
    divisor_text_ = int_text(divisor);
    step = 0;
    finished = false;
    past_comma = false;
    decimals = 0;
    decimal_digits.clear();
    running_quotient = 0;
    remainder = 0;
    remainder_text_.clear();
    number_.clear();
    digits_left_.clear();
}

int LongDivisionWorker::char_width() const {
    return s_.text_width(QStringLiteral(" "));
}

void LongDivisionWorker::hint(int message, int row) {
    s_.toonhint(message, row);
}

void LongDivisionWorker::show_cloud(QPoint at, const QString& first, const QString& second) {
    toonwolk_staartdeel(host().surface(SurfaceRole::Cloud), first, second);
    host().place_control(ControlRole::Cloud, at);
}

void LongDivisionWorker::show_result_box(int caption_message) {
    host().set_control_text(ControlRole::ResultBox, msg(caption_message));
    host().show_control(ControlRole::ResultBox, true);
}

void LongDivisionWorker::division_ended() {
    host().show_control(ControlRole::OwnExercise, true);
    finish(0);
}

void LongDivisionWorker::rekenstap() {
    if (finished) return;
    switch (step) {
        case 0:
            seq_.then([this] { stage0(); });
            break;
        case 1:
            stage1();
            break;
        case 2:
            stage2();
            break;
        case 3:
            stage3();
            break;
        case 4:
            stage4();
            break;
        case 5:
            stage5();
            break;
        default:
            break;
    }
    seq_.run();
}

// The layout: divisor, stroke, dividend, stroke, room for the quotient.
void LongDivisionWorker::stage0() {
    s_.clearimage();
    working_y_ = kTopY + kLine;
    working_x_ = s_.text_width(divisor_text_) + 60;
    quotient_x_ = working_x_ + s_.text_width(dividend_text_) + 200;
    s_.text_at(20, kTopY, divisor_text_);
    s_.text_at(working_x_, kTopY, dividend_text_);
    s_.line(working_x_ - 10, 10, working_x_ - 20, 55);
    s_.line(quotient_x_ - 20, 10, quotient_x_ - 10, 55);

    const FirstPart fp = first_part(dividend_text_, divisor);
    number_x_ = working_x_;
    if (fp.exists) {
        number_ = fp.piece;
        digits_left_ = fp.rest;
        digit_ = value_of(number_) / divisor;
        msg_param1 = dividend_text_;
        hint(kDividendIs, 2);
        msg_param1 = divisor_text_;
        hint(kDivisorIs, 1);
        msg_param1 = number_;
        msg_param2 = number_ + QStringLiteral(" : ") + divisor_text_;
        hint(kFirstPart, 0);
        step = 1;
    } else if (decimals_ticked()) {
        msg_param1 = divisor_text_;
        msg_param2 = dividend_text_;
        hint(kNoFirstPart, 0);
        number_ = dividend_text_;
        digits_left_.clear();
        digit_ = 0;
        step = 1;
    } else {
        remainder = dividend;
        remainder_text_ = dividend_text_;
        step = 5;
    }
}

// The first quotient digit, its product and the remainder.
void LongDivisionWorker::stage1() {
    seq_.then([this] {
        // The bottom band with the hint rows.
        const int rows_top = s_.height() - 44 - 2 * s_.line_step(1.0);
        const int top = std::min(s_.height() - 120, rows_top);
        s_.fill_rect(QRect(0, top, s_.width(), s_.height() - top), s_.background());
        const QString zeros = both ? zeros_text(static_cast<int>(digits_left_.size())) : QString();
        const QString q = int_text(digit_);
        s_.text_at(quotient_x_, kTopY, q + zeros);
        const QPoint cloud_at(quotient_x_ - 29, kLine / 2 + working_y_ - 10);
        quotient_x_ += s_.text_width(q);
        running_quotient = value_of(q + zeros);
        const QString first =
            q + zeros + kTimes + divisor_text_ + kIs + int_text(digit_ * divisor) + zeros;
        const QString second = int_text(digit_ + 1) + zeros + kTimes + divisor_text_ + kIs +
                               int_text((digit_ + 1) * divisor) + zeros;
        show_cloud(cloud_at, first, second);
    });
    seq_.pause(host().pause_ms());
    seq_.then([this] {
        const QString zeros = both ? zeros_text(static_cast<int>(digits_left_.size())) : QString();
        const QString product = int_text(digit_ * divisor) + zeros;
        const int shift = static_cast<int>(number_.size() + zeros.size() - product.size());
        s_.text_at(number_x_ + shift * char_width(), working_y_, product);
        remainder = value_of(number_) - digit_ * divisor;
    });
    seq_.pause(host().pause_ms());
    seq_.then([this] {
        const QString zeros = both ? zeros_text(static_cast<int>(digits_left_.size())) : QString();
        subtraction_line(number_x_, number_x_ + s_.text_width(number_ + zeros));
        remainder_text_ = both && remainder == 0 ? QStringLiteral(" ") : int_text(remainder);
        remainder_x_ =
            number_x_ + static_cast<int>(number_.size() - remainder_text_.size()) * char_width();
        s_.text_at(remainder_x_, working_y_ + kLine + 2,
                   remainder_text_ + (both ? digits_left_ : QString()));
        next_digit_x_ = remainder_x_ + s_.text_width(remainder_text_);
        working_y_ += kLine + 2;
        if (!digits_left_.isEmpty()) {
            step = 2;
            hint(kBringDown);
            if (both) stage2();
        } else {
            step = 5;
            end_hint_without_digits();
        }
    });
}

bool LongDivisionWorker::sheet_full_at(const Surface& s, int working_y) {
    // The next digit, the product under it and the remainder under that must
    // stay above the hint rows.
    const int hint_rows_top = s.height() - 44 - s.line_step(1.0);
    return s.height() - working_y < 150 ||
           working_y + 2 * kLine + 2 + s.text_height() > hint_rows_top;
}

bool LongDivisionWorker::sheet_full() const {
    return sheet_full_at(s_, working_y_);
}

int LongDivisionWorker::digits_that_fit(const Surface& sheet) {
    // The first piece's product and remainder, then two lines for every digit
    // brought down (the digit with the product under it, the remainder).
    int y = kTopY + kLine + kLine + 2;
    int n = 0;
    while (!sheet_full_at(sheet, y) && n < 1000) {
        ++n;
        y += kLine + kLine + 2;
    }
    return n;
}

// Bringing down the next digit (or, past the comma, a 0).
void LongDivisionWorker::stage2() {
    seq_.then([this] {
        hide_cloud();
        if (sheet_full()) {
            hint(kSheetFull);
            division_ended();
            return;
        }
        auto bring_down = [this](const QString& digit) {
            number_ = remainder_text_ + (both ? digits_left_ : digit);
            number_x_ = remainder_x_;
            digits_left_ = both || past_comma ? QString() : digits_left_.mid(1);
            working_y_ += kLine;
            msg_param1 = int_text(value_of(number_)) + QStringLiteral(" : ") + divisor_text_;
            hint(kHowOften);
            step = 3;
        };
        if (both) {
            bring_down(QString());
            return;
        }
        const QString digit = past_comma ? QStringLiteral("0") : digits_left_.left(1);
        const int from_y = past_comma ? kTopY + kLine : kTopY;
        host().set_control_text(ControlRole::SlidingDigit, digit);
        host().place_control(ControlRole::SlidingDigit, QPoint(next_digit_x_, from_y));
        seq_.animate([this, from_y](qint64 ms) {
            // A finished pause passes the largest time there is.
            const qint64 y =
                std::min<qint64>(from_y + 2 * std::min<qint64>(ms, 1000000), working_y_);
            host().place_control(ControlRole::SlidingDigit,
                                 QPoint(next_digit_x_, static_cast<int>(y)));
            return y >= working_y_;
        });
        seq_.then([this, digit, bring_down] {
            s_.text_at(next_digit_x_, working_y_, digit);
            host().show_control(ControlRole::SlidingDigit, false);
            bring_down(digit);
        });
    });
}

// The next quotient digit (in "both" mode one chunk), its product.
void LongDivisionWorker::stage3() {
    seq_.then([this] {
        digit_ = value_of(number_) / divisor;
        const QString d = int_text(digit_);
        if (past_comma) {
            ++decimals;
            decimal_digits += d;
        } else if (both) {
            running_quotient += digit_;
        } else {
            running_quotient = 10 * running_quotient + digit_;
        }
        if (both) update_result_box();
        s_.text_at(quotient_x_, both ? working_y_ : kTopY, d);
        quotient_x_ += s_.text_width(d);
        const QPoint cloud_at(quotient_x_ - 59, kLine / 2 + working_y_ - 10 + (both ? kLine : 0));
        show_cloud(
            cloud_at, d + kTimes + divisor_text_ + kIs + int_text(digit_ * divisor),
            int_text(digit_ + 1) + kTimes + divisor_text_ + kIs + int_text((digit_ + 1) * divisor));
    });
    seq_.pause(host().pause_ms());
    seq_.then([this] {
        const QString product = int_text(digit_ * divisor);
        const int end = number_x_ + s_.text_width(number_);
        s_.text_at(end - s_.text_width(product), working_y_, product);
    });
    seq_.pause(host().pause_ms());
    seq_.then([this] {
        const int end = number_x_ + s_.text_width(number_);
        subtraction_line(number_x_ + leading_spaces(number_) * char_width(), end);
        working_y_ += kLine + 2;
        remainder = value_of(number_) - digit_ * divisor;
        remainder_text_ = int_text(remainder);
        remainder_x_ = end - s_.text_width(remainder_text_);
        hint(kSubtract);
        step = 4;
    });
}

// The remainder under the line.
void LongDivisionWorker::stage4() {
    seq_.then([this] {
        hide_cloud();
        s_.text_at(remainder_x_, working_y_, remainder_text_);
        next_digit_x_ = remainder_x_ + s_.text_width(remainder_text_);
        const bool more = !digits_left_.isEmpty() &&
                          (!both || value_of(remainder_text_ + digits_left_) >= divisor);
        if (more) {
            hint(kBringDown);
            step = 2;
        } else {
            end_hint_without_digits();
            step = 5;
        }
    });
}

void LongDivisionWorker::end_hint_without_digits() {
    if (decimals_ticked() && remainder != 0) {
        hint(kGoOnPastComma, 0);
    } else {
        hint(0, 0);
        hint(kNoDigitsLeft, 1);
    }
}

// The decimal comma and one more decimal, or the end.
void LongDivisionWorker::stage5() {
    seq_.then([this] {
        if (decimals_ticked() && remainder != 0) {
            if (!past_comma) {
                const QString comma(number_settings.decimal_separator);
                s_.text_at(quotient_x_, kTopY, comma);
                quotient_x_ += s_.text_width(comma);
                decimals = 0;
                past_comma = true;
            }
            digits_left_ = QStringLiteral("0");
            if (both) s_.text_at(next_digit_x_, working_y_, digits_left_);
            stage2();
            return;
        }
        if (past_comma) {
            write_decimal_result();
        } else {
            write_final_result();
        }
        hide_cloud();
        division_ended();
    });
}

void LongDivisionWorker::subtraction_line(int from_x, int to_x) {
    const int y = working_y_ + kLine;
    s_.line(from_x, y, to_x, y);
    const int minus_y = working_y_ + s_.text_height() / 2;
    s_.line(to_x + 5, minus_y, to_x + 15, minus_y);
}

// The running result in "both" mode: the whole number found so far, or after
// the comma the decimals exactly as they were found.
void LongDivisionWorker::update_result_box() {
    Surface& r = host().surface(SurfaceRole::ResultBox);
    r.clearimage();
    QString value = int_text(running_quotient);
    if (past_comma) value += QString(number_settings.decimal_separator) + decimal_digits;
    r.my_textout2(dividend_text_);
    r.my_textout2(QStringLiteral(" : "));
    r.my_textout2(divisor_text_);
    r.my_textout2(kIs);
    r.my_textout2(value);
    show_result_box(kRunningCaption);
    hide_cloud();
}

void LongDivisionWorker::write_decimal_result() {
    Surface& r = host().surface(SurfaceRole::ResultBox);
    r.clearimage();
    const QString value =
        int_text(running_quotient) + QString(number_settings.decimal_separator) + decimal_digits;
    r.my_textout2(dividend_text_);
    r.my_textout2(QStringLiteral(" : "));
    r.my_textout2(divisor_text_);
    r.my_textout2(kIs);
    r.my_textout2(value);
    show_result_box(kResultCaption);
    hint(0, 1);
    hint(remainder == 0 ? kExact : 0, 0);
}

// The result as a fraction, a mixed number and, where it can, reduced.
void LongDivisionWorker::write_final_result() {
    Surface& r = host().surface(SurfaceRole::ResultBox);
    r.clearimage();
    const qint64 whole = dividend / divisor;
    const qint64 rest = dividend % divisor;
    r.breuk_real(static_cast<double>(dividend), static_cast<double>(divisor));
    if (dividend >= divisor) {
        r.my_textout2(kIs);
        r.my_textout2(int_text(whole));
        if (rest != 0) r.breuk_real(static_cast<double>(rest), static_cast<double>(divisor));
    }
    const qint64 g = gcd64(rest, divisor);
    if (rest != 0 && g > 1) {
        r.my_textout2(kIs);
        if (whole > 0) r.my_textout2(int_text(whole));
        r.breuk_real(static_cast<double>(rest / g), static_cast<double>(divisor / g));
    }
    show_result_box(kResultCaption);
    if (rest != 0) {
        hint(kWithRemainder, 1);
        msg_param1 = int_text(rest);
        hint(kRemainderIs, 0);
    } else {
        hint(kExact);
    }
}

}  // namespace cifrala
