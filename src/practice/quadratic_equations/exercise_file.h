#pragma once
// Exercise files of the quadratic-equations window: text files of integer
// triples A, B, C, one value a line (each line a constant expression, taken
// to the nearest whole number; a lone "-" is 0; lines beginning with "."
// are comments). The file is checked whole before it is used, and stays the
// shared input file while its exercises are worked.
#include <QString>

namespace cifrala {

// What the check found.
namespace exercise_file_result {
constexpr int kOk = 0;
constexpr int kNoValues = -1;         // no value lines at all
constexpr int kNotAnExpression = -2;  // a line that is no constant expression
constexpr int kNotTriples = -3;       // the number of value lines is no multiple of 3
constexpr int kNotQuadratic = -4;     // an exercise whose A is 0
constexpr int kTooLarge = -5;         // a value beyond the largest coefficient
}  // namespace exercise_file_result

struct ExerciseFileCheck {
    int result = exercise_file_result::kOk;
    int lines = 0;     // value lines read (up to the faulty one)
    int exercise = 0;  // the exercise of a faulty triple (1 = the first)
};

// Checks the whole file; on success it is left open as the shared input
// file at its first line.
ExerciseFileCheck check_number_file(const QString& name);

// The next three value lines as A, B, C. -2 at the end of the file (which is
// then closed), -1 for a line that is no whole number (the file is closed);
// a value for which no line is left keeps its previous value.
int read_number_triple(int& A, int& B, int& C);

// A value line as a whole number, the way the check and the reader read it.
bool read_value_line(const QString& line, long long& value);

}  // namespace cifrala
