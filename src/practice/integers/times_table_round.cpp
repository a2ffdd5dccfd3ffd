#include "practice/integers/times_table_round.h"

#include <set>

#include "expr/eval_text.h"
#include "practice/common/score.h"
#include "text/messages.h"
#include "util/random.h"
#include "util/tolerance.h"

namespace cifrala {

namespace {

// The word between the score and the number of products.
constexpr int kOutOf = -45;

}  // namespace

int TimesTableRound::row_count(int chosen) {
    return chosen >= 1 && chosen <= kMostRows ? chosen : kMostRows;
}

bool TimesTableRound::read_seconds(const QString& typed, int& seconds) {
    double v = 0;
    int whole = 0;
    if (!eval_text(typed, v) || !near_integer(v, whole)) return false;
    if (whole < 1 || whole > kMostSeconds) return false;
    seconds = whole;
    return true;
}

void TimesTableRound::start(int count) {
    count = row_count(count);
    std::set<int> products;
    do {
        rows_.clear();
        products.clear();
        for (int i = 0; i < count; ++i) {
            TimesTableRow r;
            r.a = random(8) + 2;
            r.b = random(8) + 2;
            rows_.push_back(r);
            products.insert(r.product());
        }
    } while (static_cast<int>(products.size()) < count);
}

bool TimesTableRound::answer_right(const QString& typed, int product) {
    if (typed.trimmed().isEmpty()) return false;
    double v = 0;
    int whole = 0;
    return eval_text(typed, v) && near_integer(v, whole) && whole == product;
}

TimesTableRound::Marking TimesTableRound::mark(const std::vector<QString>& answers) const {
    Marking m;
    Tally tally;
    for (int i = 0; i < count(); ++i) {
        const QString typed =
            i < static_cast<int>(answers.size()) ? answers[static_cast<size_t>(i)] : QString();
        const bool right = answer_right(typed, row(i).product());
        tally.add(right);
        m.right.push_back(right);
        if (!right) m.last_wrong = i;
    }
    m.score = tally.correct();
    m.count = tally.attempts();
    return m;
}

QString TimesTableRound::question(const TimesTableRow& row) {
    return QString::number(row.a) + QStringLiteral(" × ") + QString::number(row.b) +
           QStringLiteral(" =");
}

QString TimesTableRound::score_text(int score, int count) {
    return QStringLiteral("Score: ") + QString::number(score) + QLatin1Char(' ') + msg(kOutOf) +
           QLatin1Char(' ') + QString::number(count);
}

TimesTableRound::BarColour TimesTableRound::bar_colour(int progress, int maximum) {
    if (maximum <= 0) return BarColour::Red;
    const double x = static_cast<double>(progress) / maximum;
    if (x <= 0.5) return BarColour::Green;
    if (x <= 0.7) return BarColour::Fuchsia;
    return BarColour::Red;
}

}  // namespace cifrala
