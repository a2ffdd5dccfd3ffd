#pragma once
// One round of the timed times-tables test: up to ten products of two
// numbers from 2 to 9, all different, typed against a running time bar and
// marked when the time is up or on request.
#include <QString>
#include <vector>

namespace cifrala {

struct TimesTableRow {
    int a = 2;
    int b = 2;
    int product() const { return a * b; }
};

class TimesTableRound {
public:
    static constexpr int kMostRows = 10;
    static constexpr int kDefaultSeconds = 30;
    static constexpr int kMostSeconds = 3600;

    // The number of products chosen: outside 1 to 10 it is 10.
    static int row_count(int chosen);
    // The available time typed in seconds, 1 to 3600; false for anything else.
    static bool read_seconds(const QString& typed, int& seconds);

    // Draws `count` rows whose products all differ.
    void start(int count);
    int count() const { return static_cast<int>(rows_.size()); }
    const TimesTableRow& row(int i) const { return rows_.at(static_cast<size_t>(i)); }
    const std::vector<TimesTableRow>& rows() const { return rows_; }
    // Rows given by a test or a fixed exercise.
    void set_rows(std::vector<TimesTableRow> rows) { rows_ = std::move(rows); }

    // A typed answer is right when it reads as an expression with a whole
    // value equal to the product ("56", "7*8"); empty, "56,5" or "abc" are wrong.
    static bool answer_right(const QString& typed, int product);

    struct Marking {
        std::vector<bool> right;  // per row
        int score = 0;            // right answers
        int count = 0;            // rows marked
        int last_wrong = -1;      // the last wrong row, -1: none
    };
    // Marks the answers of the rows (a missing answer is wrong).
    Marking mark(const std::vector<QString>& answers) const;

    // The question of a row: "7 × 8 =".
    static QString question(const TimesTableRow& row);
    // "Score: 7 van 10".
    static QString score_text(int score, int count);

    // The colour of the time bar at a tick, from the progress before it.
    enum class BarColour { Green, Fuchsia, Red };
    static BarColour bar_colour(int progress, int maximum);

private:
    std::vector<TimesTableRow> rows_;
};

}  // namespace cifrala
