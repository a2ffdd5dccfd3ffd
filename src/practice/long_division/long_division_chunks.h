#pragma once
// Dividing in chunks ("happen"): each "Rekenstap" takes a multiple of the
// divisor off the rest and writes the dividend as the sum of the chunks
// taken so far plus the rest; at the end the sum is written with the
// divisor taken out and the quotient read off.
//
// A line too wide for the sheet is written smaller; when the sheet is full
// its working area is wiped and the lines continue at the top (the running
// sum always holds everything found so far). A chunk line is only written
// where the closing summary still fits below it, so the summary is never
// wiped.
#include <QColor>
#include <QString>
#include <vector>

#include "practice/common/step_worker.h"
#include "practice/long_division/long_division_exercise.h"

namespace cifrala {

class Surface;

// The step counter is the number of chunks taken.
class ChunkDivisionWorker : public StepWorker {
public:
    explicit ChunkDivisionWorker(StepHost& host);

    // Below the exercise line: nothing taken yet, the first hint.
    void start(const Division& d);
    // At the end the times table goes and the exercise finishes.
    void rekenstap() override;

    qint64 dividend = 0, divisor = 1, rest = 0;
    std::vector<qint64> chunks;

    // The lines of the closing summary.
    static constexpr int kSummaryLines = 3;

private:
    struct Atom {
        QString text;
        QColor colour = Qt::black;
    };
    void end();
    // One line, written smaller when it is too wide; when it and the
    // `lines_after` lines that follow do not fit, the working area is wiped
    // first.
    void write_line(const std::vector<Atom>& atoms, int lines_after);
    void wipe_working_area();
    std::vector<Atom> running_sum() const;

    Surface& s_;
    int first_line_y_ = 0;
};

}  // namespace cifrala
