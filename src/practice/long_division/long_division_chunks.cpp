#include "practice/long_division/long_division_chunks.h"

#include <QRect>

#include "formula/surface.h"
#include "practice/common/practice_texts.h"
#include "text/messages.h"
#include "util/format.h"

namespace cifrala {

using namespace division_messages;

namespace {

const QString kPlus = QStringLiteral(" + ");
const QString kIs = QStringLiteral(" = ");
const QString kTimes = QStringLiteral("×");

// The working area lies between the frame line under the exercise (y = 62)
// and the frame line above the hint (H - 70), right of the one at x = 10.
constexpr int kAreaTop = 68;
constexpr int kAreaLeft = 16;
constexpr int kBottomMargin = 76;
constexpr int kRightMargin = 15;

}  // namespace

ChunkDivisionWorker::ChunkDivisionWorker(StepHost& host)
    : StepWorker(host), s_(host.surface(SurfaceRole::Worksheet)) {}

void ChunkDivisionWorker::start(const Division& d) {
    dividend = d.dividend;
    divisor = d.divisor;
    rest = dividend;
    chunks.clear();
    finished = false;
    step = 0;
    s_.newline();
    s_.cursor.y -= 15;
    first_line_y_ = s_.cursor.y + s_.line_step(1.0);
    msg_param1 = int_text(dividend);
    msg_param2 = int_text(divisor);
    s_.toonhint(kChunkStart);
}

void ChunkDivisionWorker::rekenstap() {
    if (finished) return;
    if (rest < divisor) {
        end();
        return;
    }
    const qint64 c = choose_chunk(rest, divisor);
    chunks.push_back(c);
    step = static_cast<int>(chunks.size());
    rest -= c;
    if (rest != 0) {
        std::vector<Atom> line = running_sum();
        line.push_back({kPlus + int_text(rest)});
        // The closing summary (three lines) must still fit below it.
        write_line(line, kSummaryLines);
    } else {
        end();
    }
}

std::vector<ChunkDivisionWorker::Atom> ChunkDivisionWorker::running_sum() const {
    std::vector<Atom> atoms{{int_text(dividend) + kIs}};
    for (size_t i = 0; i < chunks.size(); ++i)
        atoms.push_back({(i > 0 ? kPlus : QString()) + int_text(chunks[i])});
    return atoms;
}

void ChunkDivisionWorker::end() {
    finished = true;
    host().show_control(ControlRole::TimesTable, false);
    const QString dd = int_text(divisor);
    qint64 quotient = 0;
    for (qint64 c : chunks)
        quotient += c / divisor;

    // The chunks as multiples of the divisor (a division without any chunk
    // takes the divisor 0 times).
    std::vector<Atom> terms{{int_text(dividend) + kIs}};
    std::vector<Atom> factors{{int_text(dividend) + kIs + dd + kTimes + QStringLiteral("(")}};
    if (chunks.empty()) {
        terms.push_back({dd + kTimes + QStringLiteral("0")});
        factors.push_back({QStringLiteral("0"), Qt::red});
    }
    for (size_t i = 0; i < chunks.size(); ++i) {
        const QString sep = i > 0 ? kPlus : QString();
        terms.push_back({sep + dd + kTimes + int_text(chunks[i] / divisor)});
        factors.push_back({sep + int_text(chunks[i] / divisor), Qt::red});
    }
    factors.push_back({QStringLiteral(")")});
    if (rest > 0) {
        terms.push_back({kPlus + int_text(rest)});
        factors.push_back({kPlus + int_text(rest)});
    }
    write_line(terms, 2);
    write_line(factors, 1);
    std::vector<Atom> result{{int_text(dividend) + QStringLiteral(" : ") + dd + kIs},
                             {int_text(quotient), Qt::red}};
    if (rest > 0)
        result.push_back({QStringLiteral(" (") + msg(kRestWord) + QLatin1Char(' ') +
                          int_text(rest) + QStringLiteral(")")});
    write_line(result, 0);
    host().show_control(ControlRole::OwnExercise, true);
    finish(practice_messages::kFinished);
}

void ChunkDivisionWorker::wipe_working_area() {
    s_.fill_rect(
        QRect(kAreaLeft, kAreaTop, s_.width() - kAreaLeft, s_.height() - kBottomMargin - kAreaTop),
        s_.background());
}

void ChunkDivisionWorker::write_line(const std::vector<Atom>& atoms, int lines_after) {
    Surface::Batch batch(s_);
    const int x0 = s_.style().frame.left_margin;
    const int limit = s_.width() - kRightMargin;
    const int bottom = s_.height() - kBottomMargin;
    // Lines follow each other at the full line height, also where one of
    // them is written smaller.
    const int line_height = s_.line_step(1.0);
    const int full_height = s_.text_height();
    s_.newline();
    // Room for this line and for the lines that must follow it on the same
    // sheet (the closing summary), else a fresh working area.
    if (s_.cursor.y + full_height + lines_after * line_height > bottom) {
        wipe_working_area();
        s_.cursor.y = first_line_y_;
    }
    auto width_of = [&] {
        int w = 0;
        for (const Atom& a : atoms)
            w += s_.text_width(a.text);
        return w;
    };
    // Too wide: written smaller, as every writing operation does.
    int applied = 0;
    while (s_.font_size() > 1 && x0 + width_of() > limit)
        applied += s_.shrink_font(1);
    const QColor colour = s_.font_colour();
    for (const Atom& a : atoms) {
        s_.set_font_colour(a.colour);
        s_.text_at(s_.cursor.x, s_.cursor.y, a.text);
        s_.cursor.x += s_.text_width(a.text);
    }
    s_.set_font_colour(colour);
    s_.restore_font(applied);
}

}  // namespace cifrala
