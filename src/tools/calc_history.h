#pragma once
// The calculator's list of earlier sums: each expression with its result,
// newest last, and the recall with Up and Down in the expression field.
#include <QString>
#include <optional>
#include <vector>

namespace cifrala {

class CalcHistory {
public:
    struct Entry {
        QString expression;
        QString result;
    };

    static constexpr int kMaxEntries = 100;

    // Adds a worked sum; the same expression as the newest one replaces it.
    // Ends a recall in progress.
    void add(const QString& expression, const QString& result);
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

}  // namespace cifrala
