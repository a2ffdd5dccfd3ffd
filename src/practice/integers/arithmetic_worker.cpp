#include "practice/integers/arithmetic_worker.h"

#include <algorithm>

#include "formula/surface.h"
#include "practice/common/practice_texts.h"
#include "practice/integers/arithmetic_expression.h"
#include "practice/integers/arithmetic_generator.h"

namespace cifrala {

namespace {

constexpr double kLineGap = 0.8;
// Measured lines at most (more never fit).
constexpr int kMostMeasuredLines = 60;
// The lowest line stays clear of the frame line above the hint band.
constexpr int kBottomClearance = 75;
constexpr int kRightClearance = 5;
// Below the top of a line its fractions reach this far beyond the text height.
constexpr int kFractionDepth = 12;
// Draws of a new expression at most; all but a few in a thousand fit at once.
constexpr int kMostDraws = 200;

}  // namespace

void ArithmeticWorker::start(const QString& expression, const ExpressionLayout& layout) {
    expression_ = expression;
    layout_ = layout;
    step = 0;
    finished = false;
    sheet().clearimage();
    host().hint(0);
    const WrittenLine w = write_expression(sheet(), expression_, layout_);
    if (w.failed) {
        host().hint(own_expression_messages::kNotReadable);
        finish(0);
    } else if (w.finished) {
        finish(practice_messages::kFinished);
    }
}

void ArithmeticWorker::rekenstap() {
    if (finished) {
        host().hint(0);
        return;
    }
    const Rewriting r = rewrite_once(expression_);
    if (r.division_by_zero) {
        host().hint(r.hint);
        finish(0);
        return;
    }
    if (!r.changed) {
        host().hint(kCannotGoOn);
        finish(0);
        return;
    }
    expression_ = r.expression;
    sheet().newline(kLineGap);
    const WrittenLine w = write_expression(sheet(), expression_, layout_);
    ++step;
    if (w.failed) {
        host().hint(own_expression_messages::kNotReadable);
        finish(0);
        return;
    }
    host().hint(r.hint);
    if (w.finished) finish(practice_messages::kFinished);
}

bool ArithmeticWorker::fits(Surface& sheet, const QString& expression,
                            const ExpressionLayout& layout) {
    const WorkedLines worked = work_out(expression, kMostMeasuredLines);
    if (worked.stuck && !worked.division_by_zero) return false;
    const FormulaCursor kept = sheet.cursor;
    const bool was_measuring = sheet.measure_only;
    sheet.measure_only = true;
    sheet.cursor = {sheet.style().frame.start_x, sheet.style().frame.start_y};
    int right = 0;
    for (size_t i = 0; i < worked.lines.size(); ++i) {
        if (i > 0) sheet.newline(kLineGap);
        right = std::max(right, write_expression(sheet, worked.lines[i], layout).right);
    }
    const int bottom = sheet.cursor.y + sheet.text_height() + kFractionDepth;
    sheet.cursor = kept;
    sheet.measure_only = was_measuring;
    return right <= sheet.width() - kRightClearance && bottom <= sheet.height() - kBottomClearance;
}

QString ArithmeticWorker::new_expression(Surface& sheet, const ArithmeticOptions& options,
                                         const ExpressionLayout& layout) {
    QString e = generate_expression(options);
    for (int draw = 1; draw < kMostDraws && !fits(sheet, e, layout); ++draw)
        e = generate_expression(options);
    return e;
}

}  // namespace cifrala
