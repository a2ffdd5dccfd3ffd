#pragma once
// The preparation of a parabola's drawing, one step per "Rekenstap": the
// crossing with the y-axis and the points at the same height (or the
// crossings with the x-axis), the axis of symmetry, the vertex and the
// table of seven points around it, which the pupil may fill in one value at
// a time with the question-mark buttons. The steps are numbered from 1; the
// counter holds the step last performed (0 after the exercise is written),
// and a step may skip the next one.
//
// The worker reaches the rest of its window through the mode: the method
// choice, read at the first step, the explanation card, redrawn after every
// step, and the six question-mark buttons.
#include <QColor>
#include <QPoint>
#include <array>
#include <functional>

#include "practice/roots/card_step_worker.h"
#include "practice/roots/parabola_exercise.h"

namespace cifrala {

class ParabolaWorker : public CardStepWorker {
public:
    explicit ParabolaWorker(StepHost& host);

    // Clears the worksheet and writes the function.
    void start(const ParabolaExercise& e);

    // --- supplied by the mode ---
    std::function<bool()> x_axis_chosen;       // read at the first step
    std::function<void(bool)> question_marks;  // shown at step 9, gone at step 10

    // --- the exercise and what the steps found ---
    ParabolaExercise exercise;
    bool x_axis = false;  // the method, once the first step has read it
    ParabolaVertex vertex;
    bool table_drawn = false;
    std::array<int, 6> xs{};        // the x of the six value columns
    std::array<bool, 6> written{};  // its f(x) is in the table
    bool range_of_table = false;    // the graph spans the table (from step 9)
    bool parabola_shown = false;    // step 11

    // The six value columns are 1, 2, 3, 5, 6 and 7 of the table.
    static int column_of(int k) { return k < 3 ? k + 1 : k + 2; }
    // Where the question-mark button of value k goes on the worksheet.
    QPoint button_place(int k) const;
    // Writes f(x) of value k in the f(x) row (a question mark's second click).
    void write_value(int k);
    bool all_written() const;

private:
    void perform(int n) override;
    void y_axis_step(int n);
    void x_axis_step(int n);
    void vertex_step();
    void table_step();
    void vertex_y_step();
    void x_row_step();
    void values_step();
    void parabola_step();
    void line(double f = 1.0);
    void remark(const QString& text);
    void or_between();
    // Column k of the table, its left edge.
    int column_x(int column) const;
    void cell_number(int column, bool x_row, Rational v, const QColor& colour);

    int table_left_ = 10;
    int table_line_y_ = 0;
};

}  // namespace cifrala
