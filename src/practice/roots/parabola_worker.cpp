#include "practice/roots/parabola_worker.h"

#include <cstdlib>

#include "formula/surface.h"
#include "practice/common/step_sequence.h"
#include "practice/roots/function_writing.h"
#include "practice/roots/roots_function_texts.h"
#include "text/messages.h"
#include "util/format.h"

namespace cifrala {

using namespace parabola_messages;

namespace {

constexpr int kPauseSameHeight = 1000;
// Line distances in line units: the sheet holds the whole working with the
// table under it.
constexpr double kAfterRemark = 0.62;
constexpr double kAfterMath = 0.86;
constexpr double kAfterFraction = 1.3;
constexpr int kColumnWidth = 80;
constexpr int kColumns = 8;
constexpr int kCellHalfHeight = 50;
constexpr int kCellFont = 18;
constexpr int kVertexColumn = 4;
constexpr int kNotNegativeShift = 12;

const QString kIs = QStringLiteral(" = ");
const QString kIsZero = QStringLiteral(" = 0");

QString whole(qint64 n) {
    return int_to_text(n);
}

// The factor x - r: "(x - 2)", "(x + 3)".
QString factor_text(int r) {
    return QStringLiteral("(x ") + (r > 0 ? QStringLiteral("- ") : QStringLiteral("+ ")) +
           whole(std::abs(r)) + QStringLiteral(")");
}

// The sum p + q written as the pupil adds: "2 - 3", "0 + 4".
QString sum_text(int p, int q) {
    return whole(p) + (q < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) + whole(std::abs(q));
}

}  // namespace

ParabolaWorker::ParabolaWorker(StepHost& host) : CardStepWorker(host) {}

void ParabolaWorker::start(const ParabolaExercise& e) {
    host().sequence().cancel();
    exercise = e;
    x_axis = false;
    vertex = parabola_vertex(e);
    xs = table_xs(vertex);
    written.fill(false);
    table_drawn = false;
    range_of_table = false;
    parabola_shown = false;
    finished = false;
    step = 0;
    performed = 0;
    Surface& s = sheet();
    s.clearimage();
    remark(msg(kDrawGraphOf) + QStringLiteral("  "));
    s.my_textout(QStringLiteral("f(x) = "));
    write_quadratic(s, e.a, e.b, e.c);
    line(kAfterMath);
}

void ParabolaWorker::perform(int n) {
    performed = n;
    if (n == 1) x_axis = exercise.whole_roots && x_axis_chosen && x_axis_chosen();
    if (n <= 5) {
        if (x_axis) {
            x_axis_step(n);
        } else {
            y_axis_step(n);
        }
        return;
    }
    switch (n) {
        case 6:
            vertex_step();
            break;
        case 7:
            table_step();
            break;
        case 8:
            vertex_y_step();
            break;
        case 9:
            x_row_step();
            break;
        case 10:
            values_step();
            break;
        default:
            parabola_step();
            break;
    }
}

void ParabolaWorker::line(double f) {
    sheet().newline(f);
}

void ParabolaWorker::remark(const QString& text) {
    write_remark(sheet(), text);
}

void ParabolaWorker::or_between() {
    sheet().my_textout(QStringLiteral("   ") + msg(kOr) + QStringLiteral("   "));
}

void ParabolaWorker::y_axis_step(int n) {
    Surface& s = sheet();
    const ParabolaExercise& e = exercise;
    switch (n) {
        case 1: {
            remark(msg(kYAxisCrossing));
            line(kAfterRemark);
            s.my_textout(QStringLiteral("f(0) = "));
            write_quadratic_filled_in(s, e.a, e.b, e.c, QStringLiteral("0"));
            s.my_textout(kIs + whole(e.c));
            line(kAfterMath);
            remark(msg(kSameHeight) + QStringLiteral(" ") + whole(e.c));
            line(kAfterRemark);
            host().sequence().pause(kPauseSameHeight);
            host().sequence().then([this] {
                const ParabolaExercise& x = exercise;
                write_quadratic(sheet(), x.a, x.b, x.c);
                sheet().my_textout(kIs + whole(x.c));
                line(kAfterMath);
            });
            if (e.c == 0) ++step;
            break;
        }
        case 2:
            write_quadratic(s, e.a, e.b, 0);
            s.my_textout(kIsZero);
            line(kAfterMath);
            break;
        case 3:
            if (e.b == 0) {
                s.my_textout(QStringLiteral("x = 0"));
                line(kAfterMath);
                vertex = ParabolaVertex{};
                step = 5;  // the next press finds the vertex
                break;
            }
            s.my_textout(QStringLiteral("x ( "));
            write_linear(s, e.a, e.b);
            s.my_textout(QStringLiteral(" ) = 0"));
            line(kAfterMath);
            break;
        case 4:
            s.my_textout(QStringLiteral("x = 0"));
            or_between();
            write_linear(s, e.a, e.b);
            s.my_textout(kIsZero);
            line(kAfterMath);
            break;
        default:
            s.my_textout(QStringLiteral("x = 0"));
            or_between();
            s.my_textout(QStringLiteral("x = ") + whole(-e.b / e.a));
            line(kAfterMath);
            break;
    }
}

void ParabolaWorker::x_axis_step(int n) {
    Surface& s = sheet();
    const ParabolaExercise& e = exercise;
    const auto product_and_sum = [this, &s, &e] {
        if (e.c == 0) {
            remark(msg(kWriteAsProduct));
            ++step;
        } else {
            msg_param1 = whole(static_cast<qint64>(e.r1) * e.r2);
            remark(msg(kProductAndSum) + QStringLiteral(" ") + whole(-e.r1 - e.r2));
        }
        line(kAfterRemark);
    };
    switch (n) {
        case 1:
            remark(msg(kXAxisCrossings));
            line(kAfterRemark);
            write_quadratic(s, e.a, e.b, e.c);
            s.my_textout(kIsZero);
            line(kAfterMath);
            if (e.a == 1) {
                product_and_sum();
                ++step;  // no division by a
            }
            break;
        case 2:
            remark(msg(kMakeLeadingOne) + QStringLiteral("  ") +
                   (e.a == -1
                        ? msg(kTimesMinusOne)
                        : msg(kDivideBy) + QStringLiteral(" ") + whole(e.a) + QStringLiteral(":")));
            line(kAfterRemark);
            write_quadratic(s, 1, e.b / e.a, e.c / e.a);
            s.my_textout(kIsZero);
            line(kAfterMath);
            product_and_sum();
            break;
        case 3:
            msg_param1 = whole(-e.r1);
            remark(msg(kTheNumbersAre) + QStringLiteral(" ") + whole(-e.r2));
            line(kAfterRemark);
            break;
        case 4:
            if (e.c == 0) {
                s.my_textout(QStringLiteral("x") + factor_text(e.r2) + kIsZero);
            } else {
                s.my_textout(factor_text(e.r1) + factor_text(e.r2) + kIsZero);
            }
            line(kAfterMath);
            break;
        default:
            s.my_textout(QStringLiteral("x = ") + whole(e.r1));
            s.my_textout(QStringLiteral("  ") + msg(kOr) + QStringLiteral("  "));
            s.my_textout(QStringLiteral("x = ") + whole(e.r2));
            line(kAfterMath);
            break;
    }
}

void ParabolaWorker::vertex_step() {
    Surface& s = sheet();
    const ParabolaExercise& e = exercise;
    if (e.b == 0) {
        vertex = ParabolaVertex{};
        remark(msg(kAxisIsYAxis));
        line(kAfterMath);
        return;
    }
    remark(msg(kAxisBetween));
    s.my_textout(QStringLiteral("      x = "));
    const QString top = x_axis ? sum_text(e.r1, e.r2) : sum_text(0, -e.b / e.a);
    write_sum_over(s, top, QStringLiteral("2"));
    s.my_textout(kIs);
    write_number(s, vertex.x(), true);
    line(kAfterFraction);
}

int ParabolaWorker::column_x(int column) const {
    return table_left_ + column * kColumnWidth;
}

void ParabolaWorker::cell_number(int column, bool x_row, Rational v, const QColor& colour) {
    Surface& s = sheet();
    const int size = s.font_size();
    const QColor old = s.font_colour();
    s.set_font_size(kCellFont);
    s.set_font_colour(colour);
    const int shift = v.negative() ? 0 : kNotNegativeShift;
    s.cursor.x = column_x(column) + 8 + shift;
    if (v.whole()) {
        s.cursor.y = table_line_y_ + (x_row ? -34 : 12);
    } else {
        s.cursor.y = table_line_y_ + (x_row ? -42 : 9);
    }
    write_number(s, v, true);
    s.set_font_size(size);
    s.set_font_colour(old);
}

void ParabolaWorker::table_step() {
    Surface& s = sheet();
    remark(msg(kMakeTable));
    line(kAfterRemark);
    table_left_ = s.cursor.x;
    table_line_y_ = s.cursor.y + kCellHalfHeight;
    const int pen = s.pen_width();
    const QColor pen_colour = s.pen_colour();
    s.set_pen(2, Qt::black);
    s.line(column_x(0), table_line_y_, column_x(kColumns), table_line_y_);
    for (int k = 1; k < kColumns; ++k)
        s.line(column_x(k), table_line_y_ - kCellHalfHeight, column_x(k),
               table_line_y_ + kCellHalfHeight);
    s.set_pen(pen, pen_colour);
    const int size = s.font_size();
    s.set_font_size(kCellFont);
    s.text_at(column_x(0) + 8, table_line_y_ - 34, QStringLiteral("x"));
    s.text_at(column_x(0) + 8, table_line_y_ + 12, QStringLiteral("f(x)"));
    s.set_font_size(size);
    cell_number(kVertexColumn, true, vertex.x(), Qt::red);
    table_drawn = true;
    s.cursor.x = s.style().frame.left_margin;
    s.cursor.y = table_line_y_ + kCellHalfHeight + 10;
}

void ParabolaWorker::vertex_y_step() {
    cell_number(kVertexColumn, false, vertex_y(exercise), Qt::black);
}

void ParabolaWorker::x_row_step() {
    for (int k = 0; k < 6; ++k)
        cell_number(column_of(k), true, Rational(xs[static_cast<size_t>(k)]), Qt::black);
    // The graph shows the table's points from now on.
    range_of_table = true;
    if (question_marks) question_marks(true);
}

QPoint ParabolaWorker::button_place(int k) const {
    return QPoint(column_x(column_of(k)) + 24, table_line_y_ + 10);
}

void ParabolaWorker::write_value(int k) {
    if (k < 0 || k >= 6 || written[static_cast<size_t>(k)] || !table_drawn) return;
    written[static_cast<size_t>(k)] = true;
    cell_number(column_of(k), false, Rational(parabola_value(exercise, xs[static_cast<size_t>(k)])),
                Qt::black);
}

bool ParabolaWorker::all_written() const {
    for (bool w : written)
        if (!w) return false;
    return true;
}

void ParabolaWorker::values_step() {
    if (question_marks) question_marks(false);
    range_of_table = true;
    if (all_written()) {
        // Every value is in the table already: the parabola at once.
        step = performed = 11;
        parabola_step();
        return;
    }
    for (int k = 0; k < 6; ++k)
        write_value(k);
}

void ParabolaWorker::parabola_step() {
    range_of_table = true;
    parabola_shown = true;
    finish(0);
}

}  // namespace cifrala
