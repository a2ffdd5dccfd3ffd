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
        write_line(line);
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
    write_line(terms);
    write_line(factors);
    std::vector<Atom> result{{int_text(dividend) + QStringLiteral(" : ") + dd + kIs},
                             {int_text(quotient), Qt::red}};
    if (rest > 0)
        result.push_back({QStringLiteral(" (") + msg(kRestWord) + QLatin1Char(' ') +
                          int_text(rest) + QStringLiteral(")")});
    write_line(result);
    host().show_control(ControlRole::OwnExercise, true);
    finish(practice_messages::kFinished);
}

void ChunkDivisionWorker::wipe_working_area() {
    s_.fill_rect(
        QRect(kAreaLeft, kAreaTop, s_.width() - kAreaLeft, s_.height() - kBottomMargin - kAreaTop),
        s_.background());
}

void ChunkDivisionWorker::write_line(const std::vector<Atom>& atoms) {
    Surface::Batch batch(s_);
    const int x0 = s_.style().frame.left_margin;
    const int limit = s_.width() - kRightMargin;
    auto width_of = [this](const std::vector<Atom>& run) {
        int w = 0;
        for (const Atom& a : run)
            w += s_.text_width(a.text);
        return w;
    };

    // Slightly too wide: a little smaller; much too wide: on more lines.
    int applied = 0;
    if (x0 + width_of(atoms) > limit) {
        while (applied < kMaxShrink && x0 + width_of(atoms) > limit)
            applied += s_.shrink_font(1);
        if (x0 + width_of(atoms) > limit) {
            s_.restore_font(applied);
            applied = 0;
        }
    }
    std::vector<std::vector<Atom>> lines(1);
    const int indent = atoms.empty() ? 0 : s_.text_width(atoms.front().text);
    int x = x0;
    for (const Atom& a : atoms) {
        const int w = s_.text_width(a.text);
        if (!lines.back().empty() && x + w > limit) {
            lines.emplace_back();
            x = x0 + indent;
        }
        lines.back().push_back(a);
        x += w;
    }

    // Room for all of it, else a fresh working area.
    const int line_height = s_.line_step(1.0);
    const int bottom = s_.height() - kBottomMargin;
    s_.newline();
    const int needed = static_cast<int>(lines.size() - 1) * line_height + s_.text_height();
    if (s_.cursor.y + needed > bottom) {
        wipe_working_area();
        s_.cursor.y = first_line_y_;
    }
    const QColor colour = s_.font_colour();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            s_.newline();
            s_.cursor.x = x0 + indent;
        }
        for (size_t j = 0; j < lines[i].size(); ++j) {
            Atom a = lines[i][j];
            // A continued line starts with its "+", not with a blank.
            if (i > 0 && j == 0 && a.text.startsWith(QLatin1Char(' '))) a.text.remove(0, 1);
            s_.set_font_colour(a.colour);
            s_.text_at(s_.cursor.x, s_.cursor.y, a.text);
            s_.cursor.x += s_.text_width(a.text);
        }
    }
    s_.set_font_colour(colour);
    s_.restore_font(applied);
}

}  // namespace cifrala
