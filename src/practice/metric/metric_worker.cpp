#include "practice/metric/metric_worker.h"

#include "formula/surface.h"
#include "practice/metric/metric_ladder.h"
#include "practice/metric/metric_style.h"
#include "util/number_settings.h"

namespace cifrala {

namespace {

using metric_ladder::kAqua;
using metric_ladder::kStepBlue;

constexpr int kAnswerShrink = 5;
constexpr int kSmallestAnswer = 8;  // points
constexpr int kGeneratedBlank = 23;
constexpr int kOwnBlank = 20;
// Below 10^-14 the number formatting writes "0".
constexpr int kSmallestPlainPower = -14;

QString power_text(const StandardForm& f) {
    return f.coefficient + QStringLiteral(" × 10^") + QString::number(f.power);
}

}  // namespace

void MetricWorker::write_unit(int column, bool given) {
    Surface& s = sheet();
    const bool litres = given ? given_in_litres(exercise_) : asked_in_litres(exercise_);
    const BaseUnit base = base_unit(exercise_.quantity, litres);
    s.my_textout(unit_prefix(column) + base.letters);
    if (!base.power.isEmpty()) s.in_de_machttxt(base.power);
}

void MetricWorker::start(const MetricExercise& e) {
    exercise_ = e;
    steps_ = metric_steps(e);
    next_ = 0;
    standard_form_next_ = false;
    finished = false;
    answer_text_.clear();
    standard_form_text_.clear();

    Surface& s = sheet();
    {
        Surface::Batch batch(s);
        s.clearimage();
        host().surface(SurfaceRole::ResultBox).clearimage();
        line_y_ = s.cursor.y;
        s.set_font_colour(kStepBlue);
        s.my_textout(plain_decimal_text(given_value(e), number_settings.decimal_separator) +
                     QLatin1Char(' '));
        s.set_font_colour(Qt::black);
        write_unit(e.from, true);
        answer_x_ = s.cursor.x + s.text_width(QStringLiteral(" =  "));
        const int blank = e.own ? kOwnBlank : kGeneratedBlank;
        s.my_textout(QStringLiteral(" = ") + QString(blank, QLatin1Char('_')) + QLatin1Char(' '));
        blank_end_ = s.cursor.x - s.text_width(QStringLiteral(" "));
        write_unit(e.to, false);
    }
    host().show_control(ControlRole::Step, true);
    step = 1;
    Surface& ladder = host().surface(SurfaceRole::Ladder);
    clear_ladder_steps(ladder, host().surface(SurfaceRole::LitreLadder));
    draw_direction_arrows(ladder);
}

void MetricWorker::rekenstap() {
    if (finished) return;
    if (standard_form_next_) {
        standard_form_next_ = false;
        write_standard_form();
        end_exercise();
        return;
    }
    if (next_ >= steps_.size()) return;
    const MetricStep st = steps_[next_++];
    if (st.hide) {
        host().show_control(ControlRole::NextExercise, false);
        host().show_control(ControlRole::OwnExercise, false);
    }
    switch (st.action) {
        case MetricAction::LadderArrow:
            ladder_arrow(host().surface(SurfaceRole::Ladder), st.a, st.b);
            break;
        case MetricAction::LadderFactor:
            ladder_factor(host().surface(SurfaceRole::Ladder), st.a, st.b,
                          zero_group(exercise_.quantity, false));
            break;
        case MetricAction::LitreFactor:
            litre_factor(host().surface(SurfaceRole::LitreLadder), st.a, st.b);
            break;
        case MetricAction::Answer:
            write_answer();
            if (host().ticked(ControlRole::StandardForm)) {
                standard_form_next_ = true;
                step = 4;
            } else {
                end_exercise();
            }
            return;
    }
    step = static_cast<int>(next_) + 1;
}

void MetricWorker::write_answer() {
    Surface& s = sheet();
    Surface::Batch batch(s);
    const QChar sep = number_settings.decimal_separator;
    const ExactDecimal result = converted_value(exercise_);
    // Lengths, areas and weights too small for the number formatting are
    // written in standard form; volumes are written out digit by digit.
    const bool in_power_form =
        exercise_.quantity != Quantity::Volume && result.leading_power() < kSmallestPlainPower;
    const StandardForm form = standard_form(result, sep);
    const QString text = in_power_form ? form.coefficient + QStringLiteral(" × 10")
                                       : grouped_decimal_text(result, sep);
    const QString power = in_power_form ? QString::number(form.power) : QString();

    const int size = s.font_size();
    const int x = answer_x_ - 8;
    const int y = line_y_ - 4;
    const SuperscriptStyle sup = metriek_superscript();
    // Smaller still where the answer would run past the blank.
    auto width_at = [&](int points) {
        s.set_font_size(points);
        int w = s.text_width(text);
        if (!power.isEmpty()) {
            s.set_font_size(std::max(1, points - sup.shrink));
            w += s.text_width(power);
        }
        s.set_font_size(size);
        return w;
    };
    int points = size - kAnswerShrink;
    while (points > kSmallestAnswer && x + width_at(points) > blank_end_)
        --points;
    const int w = width_at(points);
    s.set_font_size(points);
    s.fill_rect(QRect(x, y, w, s.text_height()), kAqua);
    s.set_font_colour(kStepBlue);
    s.text_at(x, y, text);
    if (!power.isEmpty()) {
        const int after = x + s.text_width(text);
        const int applied = s.shrink_font(sup.shrink);
        const size_t mark = s.display().size();
        s.text_at(after, y + sup.y_offset, power);
        s.record(DrawnSuperscript{power, {}, y}, mark);
        s.restore_font(applied);
    }
    s.set_font_colour(Qt::black);
    s.set_font_size(size);
    answer_text_ = in_power_form ? power_text(form) : text.trimmed();
}

void MetricWorker::write_standard_form() {
    Surface& box = host().surface(SurfaceRole::ResultBox);
    const StandardForm form =
        standard_form(converted_value(exercise_), number_settings.decimal_separator);
    const QString text = form.coefficient + QStringLiteral(" × 10");
    const QString power = QString::number(form.power);
    {
        Surface::Batch batch(box);
        box.clearimage();
        const int size = box.font_size();
        const SuperscriptStyle sup = standard_form_superscript();
        int points = size;
        // Smaller where the box is too narrow for all the digits.
        auto fits = [&](int p) {
            box.set_font_size(p);
            const int w = box.text_width(text);
            box.set_font_size(std::max(1, p - sup.shrink));
            const int total = 10 + w + 3 + box.text_width(power);
            box.set_font_size(size);
            return total <= box.width() - 2;
        };
        while (points > kSmallestAnswer && !fits(points))
            --points;
        box.set_font_size(points);
        box.set_font_colour(Qt::black);
        box.text_at(10, 10, text);
        const int after = box.text_width(text) + 13;
        const int applied = box.shrink_font(sup.shrink);
        const size_t mark = box.display().size();
        box.text_at(after, 3, power);
        box.record(DrawnSuperscript{power, {}, 10}, mark);
        box.restore_font(applied);
        box.set_font_size(size);
    }
    standard_form_text_ = power_text(form);
    host().place_control(ControlRole::ResultBox, QPoint(answer_x_, metriek_standard_form_top()));
}

void MetricWorker::end_exercise() {
    host().show_control(ControlRole::OwnExercise, true);
    finish(0);
}

}  // namespace cifrala
