#pragma once
// The lens formula 1/v + 1/b = 1/f with whole-number distances: v the
// object distance, b the image distance, f the focal length. One of the
// three is asked. The worked solution isolates the unknown reciprocal,
// brings both fractions to their least common denominator L, reduces the
// numerator N over L and turns the fraction over.
//
// A typed exercise may put the object at or inside the focal point (b is
// then infinite or negative: no image or a virtual image), and may give a
// negative image distance (a virtual image) when v or f is asked.
#include <QString>
#include <QtGlobal>

namespace cifrala {

struct LensExercise {
    int kind = 1;  // the asked distance: 1 v, 2 b, 3 f
    // The two given distances as given; the asked one as a whole number
    // (truncated towards zero where it is not whole, 0 where it is infinite).
    qint64 v = 0, b = 0, f = 0;
    // The exact distances as reals, for the ray diagram (b infinite when the
    // object stands in the focal point).
    double v_real = 0, b_real = 0, f_real = 0;
    bool own = false;
};

// The numbers of the worked solution.
struct LensSteps {
    // The isolated reciprocal: 1/first - 1/second (kinds 1 and 2) or
    // 1/first + 1/second (kind 3).
    qint64 first = 0, second = 0;
    bool add = false;
    qint64 L = 1;  // the least common denominator, positive
    qint64 N = 0;  // the numerator over L
    // The fraction N/L reduced (equal to N and L when they are coprime).
    qint64 n = 0, l = 1;
    bool reduces() const { return n != N; }
    // The answer is L/N reduced: none when N = 0 (no image).
    bool has_answer() const { return N != 0; }
};

LensSteps lens_steps(const LensExercise& e);

// The exercise kind with its distances. The numbers that the generation
// draws come from the program's random source; `level` 0..2; `kind` 1..3
// fixes the asked distance (0: drawn as well).
LensExercise generate_lens(int level, int kind = 0);
// An exercise with these distances (the asked one is computed).
LensExercise lens_exercise(int kind, qint64 v, qint64 b, qint64 f, bool own = false);

// The largest distance a pupil may type.
inline constexpr qint64 kLargestOwnDistance = 10000;

// What the own-exercise fields hold, checked in the order the window reads
// them: `message` 0 when the exercise is accepted, else the refusal and the
// field it is about (0 v, 1 b, 2 f).
struct LensOwnResult {
    int kind = 0;
    int message = 0;
    int field = 0;
    QString param;  // the refusal's # (the value it is about)
    LensExercise exercise;
};
// Exactly two of the three texts are expected to be filled: v empty gives
// kind 1, v and b filled kind 3, else kind 2.
LensOwnResult read_own_lens(const QString& v, const QString& b, const QString& f);

}  // namespace cifrala
