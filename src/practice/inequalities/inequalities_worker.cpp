#include "practice/inequalities/inequalities_worker.h"

#include <cstdlib>

#include "formula/surface.h"
#include "practice/inequalities/inequalities_texts.h"
#include "practice/inequalities/inequality_writing.h"
#include "text/messages.h"

namespace cifrala {

using namespace inequalities_messages;

namespace {

// The subscript of y1 and y2 on the worksheet.
constexpr int kIndexShrink = 10;
constexpr int kIndexDrop = 18;
const QString kTwo = QStringLiteral("  ");

// " - x1" for a positive root, " + |x1|" for a negative one.
QString factor_sign(int root) {
    return root > 0 ? QStringLiteral(" - ") + number_text(root)
                    : QStringLiteral(" + ") + number_text(std::abs(root));
}

}  // namespace

InequalitiesWorker::InequalitiesWorker(StepHost& host) : StepWorker(host) {}

void InequalitiesWorker::begin(const InequalityExercise& e) {
    exercise = e;
    finished = false;
    sheet().clearimage();
    write_inequality(sheet(), exercise);
    step = 1;
    host().show_control(ControlRole::Step, true);
}

void InequalitiesWorker::newline(double f) {
    sheet().newline(f);
}

void InequalitiesWorker::write_or() {
    sheet().my_textout(kTwo + msg(kOr) + kTwo);
}

void InequalitiesWorker::rekenstap() {
    if (finished) return;
    switch (step) {
        case 1:
            name_functions();
            break;
        case 2:
            equation();
            break;
        case 3:
            solve();
            break;
        case 4:
            answer();
            break;
        default:
            return;
    }
    ++step;
}

void InequalitiesWorker::name_functions() {
    Surface& s = sheet();
    host().show_control(ControlRole::NextExercise, false);
    newline(0.8);
    s.my_textout(msg(kNameFunctions));
    newline(0.9);
    write_with_index(s, QStringLiteral("y"), QStringLiteral("1"), kIndexShrink, kIndexDrop);
    s.my_textout(QStringLiteral(" = "));
    write_parabola(s, exercise);
    newline(0.8);
    write_with_index(s, QStringLiteral("y"), QStringLiteral("2"), kIndexShrink, kIndexDrop);
    s.my_textout(QStringLiteral(" = "));
    write_line(s, exercise.s, exercise.n);
    host().show_control(ControlRole::Explain, true);
}

void InequalitiesWorker::equation() {
    newline(0.8);
    sheet().my_textout(msg(kSolveEquation));
    newline(0.8);
    write_inequality(sheet(), exercise, true);
}

void InequalitiesWorker::solve() {
    Surface& s = sheet();
    const InequalityExercise& e = exercise;
    newline(0.9);
    write_parabola(s, e);
    write_term(s, -e.s, true);
    write_term(s, -e.n, false);
    s.my_textout(QStringLiteral(" = 0"));
    newline(0.9);
    s.my_textout(QStringLiteral("x"));
    s.in_de_machttxt(QStringLiteral("2"));
    write_term(s, e.b - e.s, true);
    write_term(s, e.c - e.n, false);
    s.my_textout(QStringLiteral(" = 0"));
    newline(0.8);
    if (e.x1 == 0 || e.x2 == 0) {
        const int other = e.x1 == 0 ? e.x2 : e.x1;
        s.my_textout(QStringLiteral("x(x") + factor_sign(other) + QStringLiteral(") = 0"));
    } else {
        s.my_textout(QStringLiteral("(x") + factor_sign(e.x1) + QStringLiteral(")(x") +
                     factor_sign(e.x2) + QStringLiteral(") = 0"));
    }
    newline(0.8);
    s.my_textout(QStringLiteral("x = ") + number_text(e.x1));
    write_or();
    s.my_textout(QStringLiteral("x = ") + number_text(e.x2));
}

void InequalitiesWorker::answer() {
    Surface& s = sheet();
    const InequalityExercise& e = exercise;
    newline(0.7);
    s.my_textout(msg(kReadAnswer) + kTwo);
    const std::vector<AxisPiece> pieces = solution_pieces(e);
    const QString x1 = number_text(e.x1), x2 = number_text(e.x2);
    if (pieces.size() == 1) {
        s.my_textout(x1 + QStringLiteral(" < x < ") + x2);
        newline(0.7);
        s.my_textout(msg(kIntervalNotation) + QStringLiteral(" "));
        open_bracket(s);
        s.my_textout(x1 + QStringLiteral(" ; ") + x2);
        closing_bracket(s);
    } else {
        s.my_textout(QStringLiteral("x < ") + x1);
        write_or();
        s.my_textout(QStringLiteral("x > ") + x2);
        newline(0.7);
        s.my_textout(msg(kIntervalNotation) + QStringLiteral(" "));
        open_bracket(s);
        left_arrow(s);
        s.my_textout(QStringLiteral("; ") + x1);
        closing_bracket(s);
        s.my_textout(kTwo + msg(kBetweenIntervals) + kTwo);
        open_bracket(s);
        s.my_textout(QStringLiteral(" ") + x2 + QStringLiteral(" ;"));
        right_arrow(s);
        closing_bracket(s);
    }
    // The window has no hint line: the closing words stand on the sheet.
    newline(1);
    s.my_textout(msg(kFinished));
    finish(0);
}

}  // namespace cifrala
