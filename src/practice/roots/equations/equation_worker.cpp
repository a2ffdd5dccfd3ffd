#include "practice/roots/equations/equation_worker.h"

#include "formula/surface.h"
#include "practice/common/step_sequence.h"
#include "practice/roots/equations/equation_writing.h"

namespace cifrala {

namespace {

constexpr int kAfterExercise = 30;

}  // namespace

EquationWorker::EquationWorker(StepHost& host, EquationExplainer& explainer, bool counts_before)
    : StepWorker(host),
      sheet_(host.surface(SurfaceRole::Worksheet)),
      seq_(host.sequence()),
      explainer_(explainer),
      counts_before_(counts_before) {}

void EquationWorker::rekenstap() {
    if (finished) return;
    const int n = counts_before_ ? step++ : ++step;
    card_step = n;
    seq_.then([this, n] { perform(n); });
    seq_.run();
}

void EquationWorker::next_step(int k) {
    step = counts_before_ ? k : k - 1;
}

void EquationWorker::line(double f) {
    sheet_.newline(f);
}

void EquationWorker::end_exercise() {
    seq_.then([this] {
        line(1.4);
        message_line(sheet_, equation_messages::kDone);
        finish(0);
    });
}

void EquationWorker::show_at(int top, int left) {
    seq_.then([this, top, left] { explainer_.show_at(top, left); });
}

void EquationWorker::reshow() {
    seq_.then([this] { explainer_.reshow(); });
}

void EquationWorker::hide_card() {
    seq_.then([this] { explainer_.hide(); });
}

void EquationWorker::flash(int ms) {
    reshow();
    seq_.pause(ms);
    hide_card();
}

void EquationWorker::place_after_exercise() {
    explainer_.move_to_sheet(
        QPoint(sheet_.cursor.x + kAfterExercise, sheet_.cursor.y + kAfterExercise));
}

void EquationWorker::after(int ms, std::function<void()> work) {
    seq_.pause(ms);
    seq_.then(std::move(work));
}

}  // namespace cifrala
