#pragma once
// The work of the metric window: the exercise line on the worksheet (the
// value and its unit, a blank, the asked unit), then one action per press
// of "Rekenstap" on the unit ladders, the answer in the blank and, when the
// pupil knows it, the answer in standard form.
#include <QString>
#include <vector>

#include "practice/common/step_worker.h"
#include "practice/metric/metric_decimal.h"
#include "practice/metric/metric_exercise.h"

namespace cifrala {

class MetricWorker : public StepWorker {
public:
    explicit MetricWorker(StepHost& host) : StepWorker(host) {}

    // Clears the worksheet and writes the exercise; the ladders lose the
    // steps of the previous exercise.
    void start(const MetricExercise& e);
    void rekenstap() override;

    const MetricExercise& exercise() const { return exercise_; }
    // What the last press wrote, for those who read the window: the answer
    // as it stands in the blank and the standard form ("4,5 × 10^-3"); empty
    // until written.
    const QString& answer_text() const { return answer_text_; }
    const QString& standard_form_text() const { return standard_form_text_; }
    // Where the answer is written (the x of the blank on the worksheet).
    int answer_x() const { return answer_x_; }
    int blank_end() const { return blank_end_; }

private:
    // eenheidstxt: the unit of a column at the cursor, given or asked.
    void write_unit(int column, bool given);
    void write_answer();
    void write_standard_form();
    void end_exercise();

    MetricExercise exercise_;
    std::vector<MetricStep> steps_;
    size_t next_ = 0;
    bool standard_form_next_ = false;
    int line_y_ = 0;
    int answer_x_ = 0;
    int blank_end_ = 0;
    QString answer_text_;
    QString standard_form_text_;
};

}  // namespace cifrala
