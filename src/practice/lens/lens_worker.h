#pragma once
// The worked solution of a lens-formula exercise, one line per step: the
// given distances and what is asked; the formula with the known values; the
// unknown reciprocal on its own; both fractions over their least common
// denominator; the numerators taken together and the fraction reduced; the
// fraction turned over into the answer, as a mixed number when it has a
// whole number in front. An object in the focal point ends at 1/b = 0 (no image); an
// object inside it ends with a negative b (a virtual image), explained on
// the sheet.
//
// The worker reaches its window only through the step host (the worksheet,
// the hint line and the end of the exercise).
#include <QString>

#include "practice/common/step_worker.h"
#include "practice/lens/lens_exercise.h"

namespace cifrala {

class LensWorker : public StepWorker {
public:
    explicit LensWorker(StepHost& host);

    // The exercise on the cleared sheet: step 0 written, its hint shown.
    void begin(const LensExercise& e);
    // Raises the step counter and writes that step.
    void rekenstap() override;

    LensExercise exercise;
    LensSteps steps;

private:
    void write_step();
    void write_given();
    void write_formula();
    void write_isolated();
    void write_over_common_denominator();
    void write_taken_together();
    void write_reduced();
    void write_answer();
    // One or two lines of explanation in a smaller size; each message's #
    // is its parameter.
    void write_note(int first, const QString& first_param, int second, const QString& second_param);
    // 1/[letter of the asked distance].
    void unknown_reciprocal();
    // A fraction; one with a negative value stands in brackets after a sign.
    void fraction(qint64 top, qint64 bottom, bool bracket_negative);
    void fraction_letter(const QString& letter);
    void text(const QString& t);
    QString letter(int kind) const;
};

}  // namespace cifrala
