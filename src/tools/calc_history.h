#pragma once
// The calculator's list of earlier sums: each expression with its result,
// newest last, and the recall with Up and Down in the expression field. The
// list shows each result as the result field does and, beside it, with 15
// significant digits, so that a result that the number settings round off
// (1/998 shows 0 with 2 decimals) can still be read.
#include <QString>
#include <optional>
#include <vector>

namespace cifrala {

class CalcHistory {
public:
    struct Entry {
        QString expression;
        QString result;  // as the result field shows it
        QString full;    // the value with 15 significant digits (may be empty)
    };

    static constexpr int kMaxEntries = 100;

    // Adds a worked sum; the same expression as the newest one replaces it.
    // Ends a recall in progress.
    void add(const QString& expression, const QString& result, const QString& full = QString());
    void clear();
    const std::vector<Entry>& entries() const { return entries_; }

    // Up: the previous expression (the first call remembers `draft`, the
    // text being typed). Nothing when there is no earlier one.
    std::optional<QString> older(const QString& draft);
    // Down: the next expression, and after the newest the draft again.
    std::optional<QString> newer();
    // The entry shown by the recall, -1 when none.
    int recall_index() const { return position_; }
    void end_recall() { position_ = -1; }

private:
    std::vector<Entry> entries_;
    int position_ = -1;
    QString draft_;
};

// The line of the list: "1/998 = 0   (0,00100200400801603)", or
// "pi ≈ 3  16/113   (3,14159265358979)"; the full value only when it says
// more than the shown result.
QString history_line(const CalcHistory::Entry& entry);

}  // namespace cifrala
