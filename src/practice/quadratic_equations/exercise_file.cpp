#include "practice/quadratic_equations/exercise_file.h"

#include <cmath>

#include "expr/eval_text.h"
#include "practice/quadratic_equations/quadratic_exercise.h"
#include "text/textfile.h"

namespace cifrala {

using namespace exercise_file_result;

namespace {

// Longer lines are not read as expressions at all.
constexpr int kLongestLine = 1000;

QString without_blanks(const QString& line) {
    QString t = line;
    t.remove(QLatin1Char(' '));
    t.remove(QLatin1Char('\t'));
    return t;
}

}  // namespace

bool read_value_line(const QString& line, long long& value) {
    const QString t = without_blanks(line);
    value = 0;
    if (t == QLatin1String("-")) return true;
    if (t.isEmpty() || t.size() > kLongestLine) return false;
    // Bytes that no expression holds, and a lone absolute-value bar, which
    // the expression reader would report in a message of its own.
    for (QChar c : t)
        if (c.unicode() < 0x21 || c.unicode() > 0x7e) return false;
    if (t.count(QLatin1Char('|')) % 2 != 0) return false;
    if (!is_valid_expression(t)) return false;
    double v = 0;
    if (!eval_text(t, v) || !std::isfinite(v)) return false;
    if (std::fabs(v) > 1e15) {
        value = v < 0 ? -kLargestCoefficient - 1 : kLargestCoefficient + 1;
        return true;
    }
    value = static_cast<long long>(std::nearbyint(v));
    return true;
}

ExerciseFileCheck check_number_file(const QString& name) {
    ExerciseFileCheck check;
    if (!open_read_file(name, false)) {
        check.result = kNoValues;
        return check;
    }
    long long triple[3] = {0, 0, 0};
    while (true) {
        const QString line = read_line();
        if (line.isNull()) break;
        ++check.lines;
        long long v = 0;
        if (line == QLatin1String(".end of file") || !read_value_line(line, v)) {
            close_read_file();
            check.result = kNotAnExpression;
            return check;
        }
        const int place = (check.lines - 1) % 3;
        triple[place] = v;
        if (std::llabs(v) > kLargestCoefficient) {
            close_read_file();
            check.result = kTooLarge;
            check.exercise = (check.lines + 2) / 3;
            return check;
        }
        if (place == 2 && triple[0] == 0) {
            close_read_file();
            check.result = kNotQuadratic;
            check.exercise = check.lines / 3;
            return check;
        }
    }
    close_read_file();
    if (check.lines == 0) {
        check.result = kNoValues;
    } else if (check.lines % 3 != 0) {
        check.result = kNotTriples;
    } else if (!open_read_file(name, false)) {
        check.result = kNoValues;
    }
    return check;
}

int read_number_triple(int& A, int& B, int& C) {
    if (!read_file_is_open()) return -2;
    int* values[3] = {&A, &B, &C};
    for (int i = 0; i < 3; ++i) {
        const QString line = read_line();
        if (line.isNull()) {
            if (i == 0) {
                close_read_file();
                return -2;
            }
            break;  // the rest keeps its previous value
        }
        long long v = 0;
        if (!read_value_line(line, v) || std::llabs(v) > kLargestCoefficient) {
            close_read_file();
            return -1;
        }
        *values[i] = static_cast<int>(v);
    }
    return 0;
}

}  // namespace cifrala
