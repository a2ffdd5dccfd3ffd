#include "tools/calc_history.h"

#include "tools/calc_result.h"

namespace cifrala {

void CalcHistory::add(const QString& expression, const QString& result, const QString& full) {
    position_ = -1;
    if (!entries_.empty() && entries_.back().expression == expression) {
        entries_.back().result = result;
        entries_.back().full = full;
        return;
    }
    entries_.push_back(Entry{expression, result, full});
    if (static_cast<int>(entries_.size()) > kMaxEntries) entries_.erase(entries_.begin());
}

void CalcHistory::clear() {
    entries_.clear();
    position_ = -1;
}

std::optional<QString> CalcHistory::older(const QString& draft) {
    if (entries_.empty()) return std::nullopt;
    if (position_ < 0) {
        draft_ = draft;
        position_ = static_cast<int>(entries_.size()) - 1;
    } else if (position_ > 0) {
        --position_;
    } else {
        return std::nullopt;
    }
    return entries_[static_cast<size_t>(position_)].expression;
}

std::optional<QString> CalcHistory::newer() {
    if (position_ < 0) return std::nullopt;
    ++position_;
    if (position_ >= static_cast<int>(entries_.size())) {
        position_ = -1;
        return draft_;
    }
    return entries_[static_cast<size_t>(position_)].expression;
}

QString history_line(const CalcHistory::Entry& entry) {
    // A result that only approximates the value carries its own sign for it.
    const QString approximately = QString(kApproximatelySign) + QLatin1Char(' ');
    QString line = entry.result.startsWith(approximately)
                       ? entry.expression + QLatin1Char(' ') + entry.result
                       : entry.expression + QStringLiteral(" = ") + entry.result;
    if (!entry.full.isEmpty() && entry.full != entry.result)
        line += QStringLiteral("   (") + entry.full + QLatin1Char(')');
    return line;
}

}  // namespace cifrala
