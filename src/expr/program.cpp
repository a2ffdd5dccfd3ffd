#include "expr/program.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <queue>
#include <string>

#include "expr/engine_state.h"
#include "expr/function_table.h"
#include "expr/list_functions.h"
#include "expr/prefix_functions.h"
#include "util/format.h"
#include "util/number_settings.h"
#include "util/round15.h"
#include "util/tolerance.h"

namespace cifrala::expr {
namespace {

using namespace expr_error;

enum class ItemKind : std::uint8_t { kBoundary, kOperand, kOperator, kCode, kOther, kOpen, kClose };

// What is known about an operand read from the text.
enum Flags : std::uint8_t {
    kFlagTwoSeparators = 1,     // "1,5.5"
    kFlagLeadingSeparator = 2,  // ",5"
    kFlagTooLarge = 4,          // beyond the range of reals
    kFlagNoDigits = 8,          // "," alone
    kFlagVariable = 16,
    kFlagCurveValue = 32,
};

struct Item {
    ItemKind kind = ItemKind::kOther;
    char16_t ch = 0;  // the operator
    int code = 0;     // the function code
    std::uint8_t flags = 0;
    int slot = -1;
    int pos = 0;
    int prev = -1, next = -1;
};

bool is_digit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}
bool is_separator(QChar c) {
    return c == u',' || c == u'.';
}
bool is_operator_char(char16_t c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '<' || c == '>' ||
           c == '=';
}
bool is_prefix_code(int code) {
    return code_kind(code) == Kind::kPrefix || code == code::kLog;
}

// Where a list call or curve reference stands in the text.
struct Span {
    qsizetype begin, end;
    int slot;
    bool curve;
};

struct ListEntry {
    int code;
    qsizetype pos;
    qsizetype open = -1, close = -1;  // the parentheses, when present
};

struct CurveEntry {
    qsizetype open = -1, close;  // open < 0: a "]" without "["
};

class Compiler {
public:
    Compiler(QStringView text, QChar var1, QChar var2, int depth)
        : text_(text.toString()), var1_(var1), var2_(var2), depth_(depth) {
        for (QChar& c : text_) {
            if (c == u':')
                c = u'/';
            else if (c == u'_')
                c = u'.';
        }
        program_ = std::make_unique<Program>();
        program_->slots = {0, 0};
    }

    std::unique_ptr<Program> compile() {
        if (depth_ >= kMaxNesting) {
            fail(kNotANumber);
            return std::move(program_);
        }
        match_brackets();
        scan();
        if (!failed_) emit_list_calls();
        if (!failed_) emit_curve_references();
        if (!failed_) tokenize();
        if (!failed_) reduce_groups();
        return std::move(program_);
    }

private:
    // ---- steps ----
    int new_slot(double v = 0) {
        program_->slots.push_back(v);
        return static_cast<int>(program_->slots.size() - 1);
    }
    int emit(Step step, int a, int b, bool negate_b = false, int fn = 0) {
        const int dst = new_slot();
        program_->steps.push_back({step, negate_b, static_cast<std::int16_t>(fn), a, b, dst});
        return dst;
    }
    void fail(int code) {
        program_->steps.push_back({Step::kFail, false, 0, code, 0, 0});
        failed_ = true;
    }
    void fail_list(int message) {
        program_->steps.push_back({Step::kFailList, false, 0, message, 0, 0});
        failed_ = true;
    }

    // ---- list calls and curve references ----
    void match_brackets() {
        const qsizetype n = text_.size();
        paren_match_.assign(static_cast<size_t>(n), -1);
        bracket_match_.assign(static_cast<size_t>(n), -1);
        std::vector<qsizetype> parens, brackets;
        for (qsizetype i = 0; i < n; ++i) {
            const QChar c = text_[i];
            if (c == u'(') {
                parens.push_back(i);
            } else if (c == u')' && !parens.empty()) {
                paren_match_[parens.back()] = i;
                parens.pop_back();
            } else if (c == u'[') {
                brackets.push_back(i);
            } else if (c == u']' && !brackets.empty()) {
                bracket_match_[brackets.back()] = i;
                brackets.pop_back();
            }
        }
    }

    void scan() {
        const qsizetype n = text_.size();
        for (qsizetype i = 0; i < n;) {
            const QChar c = text_[i];
            const int code = char_code(c);
            if (code && code_kind(code) == Kind::kList) {
                const bool paren = i + 1 < n && text_[i + 1] == u'(';
                if (!paren && (code == code::kLog || code == code::kPrt)) {
                    ++i;  // log as prefix function; prt stays and fails
                    continue;
                }
                const qsizetype close = paren ? paren_match_[i + 1] : -1;
                lists_.push_back({code, i, paren ? i + 1 : -1, close});
                if (close < 0) {
                    ++i;
                    continue;
                }
                spans_.push_back({i, close + 1, -1, false});
                list_span_.push_back(spans_.size() - 1);
                i = close + 1;
                continue;
            }
            if (c == u'[' && bracket_match_[i] >= 0) {
                curves_.push_back({i, bracket_match_[i]});
                spans_.push_back({i, bracket_match_[i] + 1, -1, true});
                curve_span_.push_back(spans_.size() - 1);
                i = bracket_match_[i] + 1;
                continue;
            }
            if (c == u']') {
                curves_.push_back({-1, i});
                curve_span_.push_back(-1);
            }
            ++i;
        }
    }

    // Splits the text between the parentheses at the semicolons that are
    // not inside inner parentheses or brackets.
    std::vector<QStringView> split_arguments(QStringView args) const {
        std::vector<QStringView> arguments;
        int depth = 0;
        qsizetype from = 0;
        for (qsizetype i = 0; i < args.size(); ++i) {
            const QChar c = args[i];
            if (c == u'(' || c == u'[')
                ++depth;
            else if ((c == u')' || c == u']') && depth > 0)
                --depth;
            else if (c == u';' && depth == 0) {
                arguments.push_back(args.mid(from, i - from));
                from = i + 1;
            }
        }
        arguments.push_back(args.mid(from));
        return arguments;
    }

    void emit_list_calls() {
        // The list pass takes the functions in a fixed order and, of each,
        // the last call first.
        std::vector<size_t> order(lists_.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            const int oa = list_order(lists_[a].code), ob = list_order(lists_[b].code);
            if (oa != ob) return oa < ob;
            return lists_[a].pos > lists_[b].pos;
        });
        // Span index of each entry that has its parentheses.
        std::vector<qsizetype> span_of(lists_.size(), -1);
        size_t next_span = 0;
        for (size_t i = 0; i < lists_.size(); ++i) {
            if (lists_[i].close >= 0) span_of[i] = list_span_[next_span++];
        }
        for (size_t idx : order) {
            const ListEntry& e = lists_[idx];
            if (e.close < 0) {
                fail_list(no_list_message(e.code));
                return;
            }
            const QStringView inner = QStringView(text_).mid(e.open + 1, e.close - e.open - 1);
            const ArgumentShape shape = argument_shape(e.code);
            std::vector<QStringView> arguments = split_arguments(inner);
            ListCall call;
            call.code = e.code;
            if (shape.count == 0) {
                // max and min: every piece is an argument
            } else if (shape.optional_first && arguments.size() == 1) {
                call.defaulted_first = true;
                call.default_first = shape.default_first;
            } else if (static_cast<int>(arguments.size()) < shape.count) {
                fail_list(shape.missing_message);
                return;
            } else if (static_cast<int>(arguments.size()) > shape.count) {
                // the rest belongs to the last argument
                const qsizetype start = arguments[shape.count - 1].data() - inner.data();
                arguments.resize(shape.count);
                arguments.back() = inner.mid(start);
            }
            if (shape.no_comma_in_last && arguments.back().contains(u',')) {
                fail_list(shape.missing_message);
                return;
            }
            for (QStringView argument : arguments) {
                call.args.push_back(Compiler(argument, var1_, var2_, depth_ + 1).compile());
            }
            program_->calls.push_back(std::move(call));
            const int dst =
                emit(Step::kList, 0, 0, false, static_cast<int>(program_->calls.size() - 1));
            spans_[span_of[idx]].slot = dst;
        }
    }

    void emit_curve_references() {
        for (size_t i = 0; i < curves_.size(); ++i) {
            const CurveEntry& e = curves_[i];
            if (e.open < 0) {
                fail(kBracketWithoutOpen);
                return;
            }
            const QStringView c = QStringView(text_).mid(e.open + 1, e.close - e.open - 1);
            CurveReference ref;
            if (c.size() > 2 && c[1] == u'(' && c.back() == u')') {
                if (c[0] < u'1' || c[0] > u'6') {
                    fail(kBadCurveReference);
                    return;
                }
                ref.curve = c[0].unicode() - '0';
                ref.with_argument = true;
                ref.argument = c.mid(2, c.size() - 3).toString();
            } else {
                bool ok = false;
                const int k = c.toInt(&ok);
                if (!ok || k < 1 || k > 6) {
                    fail(kBadCurveReference);
                    return;
                }
                ref.curve = k;
            }
            program_->curves.push_back(std::move(ref));
            const int dst =
                emit(Step::kCurve, 0, 0, false, static_cast<int>(program_->curves.size() - 1));
            spans_[curve_span_[i]].slot = dst;
        }
    }

    // ---- items ----
    int add_item(Item it) {
        it.prev = items_[kTail].prev;
        it.next = kTail;
        const int index = static_cast<int>(items_.size());
        items_[it.prev].next = index;
        items_[kTail].prev = index;
        items_.push_back(it);
        return index;
    }
    void unlink(int i) {
        items_[items_[i].prev].next = items_[i].next;
        items_[items_[i].next].prev = items_[i].prev;
    }
    bool is_operand(int i) const { return items_[i].kind == ItemKind::kOperand; }
    bool is_op(int i, char16_t c) const {
        return items_[i].kind == ItemKind::kOperator && items_[i].ch == c;
    }

    // A literal number: a run of digits and separators.
    Item literal(qsizetype from, qsizetype to, double& value) const {
        Item it;
        it.kind = ItemKind::kOperand;
        it.pos = static_cast<int>(from);
        int separators = 0;
        bool digits = false, whole_part_nonzero = false;
        std::string ascii;
        ascii.reserve(static_cast<size_t>(to - from));
        for (qsizetype i = from; i < to; ++i) {
            const QChar c = text_[i];
            if (is_separator(c)) {
                ++separators;
                ascii.push_back('.');
            } else {
                digits = true;
                if (separators == 0 && c != u'0') whole_part_nonzero = true;
                ascii.push_back(static_cast<char>(c.unicode()));
            }
        }
        if (is_separator(text_[from])) it.flags |= kFlagLeadingSeparator;
        if (separators >= 2) it.flags |= kFlagTwoSeparators;
        if (!digits) it.flags |= kFlagNoDigits;
        double v = 0;
        if (separators < 2 && digits) {
            const auto r = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
            if (r.ec == std::errc::result_out_of_range) {
                if (whole_part_nonzero) it.flags |= kFlagTooLarge;
                v = 0;
            } else if (r.ec != std::errc() || r.ptr != ascii.data() + ascii.size()) {
                it.flags |= kFlagNoDigits;
            }
        }
        value = v;
        return it;
    }

    void tokenize() {
        items_.clear();
        items_.reserve(static_cast<size_t>(text_.size()) + 2);
        items_.push_back({ItemKind::kBoundary, 0, 0, 0, -1, -1, -1, kTail});
        items_.push_back({ItemKind::kBoundary, 0, 0, 0, -1, -1, kHead, -1});
        const QChar v1 = var1_, v2 = var2_;
        auto star_needed = [&](bool is_variable_or_curve) {
            const Item& last = items_[items_[kTail].prev];
            const bool after_operand =
                last.kind == ItemKind::kOperand || last.kind == ItemKind::kClose;
            return (is_variable_or_curve && after_operand) ||
                   (last.kind == ItemKind::kOperand && (last.flags & kFlagCurveValue));
        };
        auto add_star = [&](qsizetype pos) {
            Item s;
            s.kind = ItemKind::kOperator;
            s.ch = '*';
            s.pos = static_cast<int>(pos);
            add_item(s);
        };
        size_t span = 0;
        const qsizetype n = text_.size();
        for (qsizetype i = 0; i < n;) {
            if (span < spans_.size() && spans_[span].begin == i) {
                const Span& sp = spans_[span++];
                if (star_needed(sp.curve)) add_star(i);
                Item it;
                it.kind = ItemKind::kOperand;
                it.slot = sp.slot;
                it.pos = static_cast<int>(i);
                if (sp.curve) it.flags = kFlagCurveValue;
                add_item(it);
                i = sp.end;
                continue;
            }
            const QChar c = text_[i];
            Item it;
            it.pos = static_cast<int>(i);
            if (is_digit(c) || is_separator(c)) {
                qsizetype j = i + 1;
                while (j < n && (is_digit(text_[j]) || is_separator(text_[j])))
                    ++j;
                if (star_needed(false)) add_star(i);
                double value = 0;
                it = literal(i, j, value);
                it.slot = new_slot(value);
                add_item(it);
                i = j;
                continue;
            }
            const char16_t u = c.unicode();
            if (is_operator_char(u)) {
                it.kind = ItemKind::kOperator;
                it.ch = u;
            } else if (u == '(') {
                it.kind = ItemKind::kOpen;
            } else if (u == ')') {
                it.kind = ItemKind::kClose;
            } else if (!c.isNull() && (c == v1 || c == v2)) {
                it.kind = ItemKind::kOperand;
                it.flags = kFlagVariable;
                it.slot = c == v1 ? 0 : 1;
                if (star_needed(true)) add_star(i);
            } else if (int code = char_code(c)) {
                it.kind = ItemKind::kCode;
                it.code = code;
            } else {
                it.kind = ItemKind::kOther;
                it.ch = u;
            }
            if ((it.kind == ItemKind::kOpen || it.kind == ItemKind::kCode) && star_needed(false)) {
                add_star(i);
            }
            add_item(it);
            ++i;
        }
    }

    // ---- reduction ----
    void reduce_groups() {
        std::vector<int> open;
        for (int it = items_[kHead].next; it != kTail;) {
            const int next = items_[it].next;
            if (items_[it].kind == ItemKind::kOpen) {
                open.push_back(it);
            } else if (items_[it].kind == ItemKind::kClose) {
                if (open.empty()) {
                    fail(kCloseWithoutOpen);
                    return;
                }
                const int left = open.back();
                open.pop_back();
                reduce(left, it, false);
                if (failed_) return;
                unlink(left);
                unlink(it);
            }
            it = next;
        }
        if (!open.empty()) {
            fail(kOpenWithoutClose);
            return;
        }
        reduce(kHead, kTail, true);
        if (failed_) return;
        const int only = items_[kHead].next;
        if (only == kTail || items_[only].next != kTail || !is_operand(only) ||
            (items_[only].flags & (kFlagTwoSeparators | kFlagNoDigits))) {
            fail(kNotANumber);
            return;
        }
        if (items_[only].flags & kFlagTooLarge) {
            fail(kOutOfRange);
            return;
        }
        program_->result = items_[only].slot;
    }

    void reduce(int left, int right, bool top) {
        prefix_pass(left, right);
        if (failed_) return;
        binary_pass(left, right, u"^", kNoLeftOperand, kNoLeftOperand, kBadExponent);
        if (failed_) return;
        binary_pass(left, right, u"*/", kBadProductOperand, kNoLeftOperand, kBadProductOperand);
        if (failed_) return;
        dash_pass(left, right, top);
        sum_pass(left, right);
        if (failed_) return;
        if (top) variable_pass(left, right);
        binary_pass(left, right, u"<>=", kBadProductOperand, kNoLeftOperand, kBadProductOperand);
    }

    // The operand right after item `at` (possibly "-" and an operand); -1
    // when there is none.
    int right_operand(int at, int right, bool& negate) const {
        const int n = items_[at].next;
        negate = false;
        if (n == right) return -1;
        if (is_operand(n)) return n;
        if (is_op(n, '-')) {
            const int nn = items_[n].next;
            if (nn != right && is_operand(nn)) {
                negate = true;
                return nn;
            }
        }
        return -1;
    }
    int left_number_error(int i) const {
        const std::uint8_t f = items_[i].flags;
        if (f & kFlagTwoSeparators) return expr_error::kTwoSeparators;
        if (f & kFlagLeadingSeparator) return kMisplacedSeparator;
        if (f & kFlagTooLarge) return kOutOfRange;
        return 0;
    }
    int right_number_error(int i, bool negate, int invalid) const {
        const std::uint8_t f = items_[i].flags;
        if (f & kFlagTwoSeparators) return expr_error::kTwoSeparators;
        if (f & kFlagLeadingSeparator) return negate ? kMisplacedSeparator : invalid;
        if (f & kFlagTooLarge) return kOutOfRange;
        return 0;
    }

    // Replaces items first..last (inclusive, last an operand) by that operand
    // holding `slot`.
    void collapse(int first, int last, int slot) {
        for (int i = first; i != last;) {
            const int next = items_[i].next;
            unlink(i);
            i = next;
        }
        items_[last].slot = slot;
        items_[last].flags = 0;
    }

    static Step step_for(char16_t c) {
        switch (c) {
            case '^':
                return Step::kPower;
            case '*':
                return Step::kMultiply;
            case '/':
                return Step::kDivide;
            case '+':
                return Step::kAdd;
            case '-':
                return Step::kSubtract;
            case '<':
                return Step::kLess;
            case '>':
                return Step::kGreater;
            default:
                return Step::kEqual;
        }
    }

    // Applies one binary operator at item `at`; returns the result item or
    // -1 after a failure.
    int apply_binary(int at, int left, int right, int first_code, int left_code, int right_code) {
        bool negate;
        const int r = right_operand(at, right, negate);
        if (r < 0) {
            fail(right_code);
            return -1;
        }
        const int l = items_[at].prev;
        if (l == left) {
            fail(first_code);
            return -1;
        }
        if (!is_operand(l)) {
            fail(left_code);
            return -1;
        }
        if (int e = left_number_error(l)) {
            fail(e);
            return -1;
        }
        if (int e = right_number_error(r, negate, right_code)) {
            fail(e);
            return -1;
        }
        const int dst = emit(step_for(items_[at].ch), items_[l].slot, items_[r].slot, negate);
        collapse(at, r, dst);
        unlink(l);
        return r;
    }

    void binary_pass(int left, int right, const char16_t* ops, int first_code, int left_code,
                     int right_code) {
        for (int it = items_[left].next; it != right;) {
            const Item& item = items_[it];
            if (item.kind == ItemKind::kOperator &&
                std::char_traits<char16_t>::find(ops, std::char_traits<char16_t>::length(ops),
                                                 item.ch)) {
                const int result = apply_binary(it, left, right, first_code, left_code, right_code);
                if (result < 0) return;
                it = items_[result].next;
            } else {
                it = item.next;
            }
        }
    }

    // A "-" that stands for a sign: 0 - operand.
    int apply_negation(int at, int right) {
        bool negate;
        const int r = right_operand(at, right, negate);
        if (r < 0) {
            fail(kBadSumOperand);
            return -1;
        }
        if (int e = right_number_error(r, negate, kBadSumOperand)) {
            fail(e);
            return -1;
        }
        const int dst = emit(Step::kNegate, 0, items_[r].slot, negate);
        collapse(at, r, dst);
        return r;
    }

    void sum_pass(int left, int right) {
        const int first = items_[left].next;
        if (first != right && is_op(first, '-')) {
            if (apply_negation(first, right) < 0) return;
        } else if (first != right && is_op(first, '+')) {
            unlink(first);
        }
        for (int it = items_[left].next; it != right;) {
            const Item& item = items_[it];
            if (item.kind == ItemKind::kOperator && (item.ch == '+' || item.ch == '-')) {
                const int before = item.prev;
                const bool sign = item.ch == '-' && before != left &&
                                  items_[before].kind == ItemKind::kOperator &&
                                  (items_[before].ch == '<' || items_[before].ch == '>' ||
                                   items_[before].ch == '=');
                const int result = sign ? apply_negation(it, right)
                                        : apply_binary(it, left, right, kBadSumOperand,
                                                       kNoLeftOperand, kBadSumOperand);
                if (result < 0) return;
                it = items_[result].next;
            } else {
                it = item.next;
            }
        }
    }

    // Runs of "+" and "-" are rewritten: in a group "--" becomes "+"; at the
    // top level "----" becomes "--", "---" "-", "--" "+" and "++" "+".
    void dash_pass(int left, int right, bool top) {
        for (int it = items_[left].next; it != right;) {
            if (!(is_op(it, '+') || is_op(it, '-'))) {
                it = items_[it].next;
                continue;
            }
            std::vector<int> run;
            QString signs;
            int j = it;
            for (; j != right && (is_op(j, '+') || is_op(j, '-')); j = items_[j].next) {
                run.push_back(j);
                signs += QChar(items_[j].ch);
            }
            if (run.size() >= 2) {
                if (top) {
                    signs.replace(QLatin1StringView("----"), QLatin1StringView("--"));
                    signs.replace(QLatin1StringView("---"), QLatin1StringView("-"));
                    signs.replace(QLatin1StringView("--"), QLatin1StringView("+"));
                    signs.replace(QLatin1StringView("++"), QLatin1StringView("+"));
                } else {
                    signs.replace(QLatin1StringView("--"), QLatin1StringView("+"));
                }
                for (size_t k = 0; k < run.size(); ++k) {
                    if (k < static_cast<size_t>(signs.size()))
                        items_[run[k]].ch = signs[k].unicode();
                    else
                        unlink(run[k]);
                }
            }
            it = j;
        }
    }

    void variable_pass(int left, int right) {
        for (int it = items_[left].next; it != right; it = items_[it].next) {
            if (is_operand(it) && (items_[it].flags & kFlagVariable)) {
                // Every occurrence of a variable gives the same value: it is
                // written out once and read where it occurs again.
                int& written = written_variable_[items_[it].slot];
                if (written < 0) written = emit(Step::kRoundVariable, items_[it].slot, 0);
                items_[it].slot = written;
                items_[it].flags = 0;
            }
        }
    }

    // Prefix functions: the lowest code first, of equal codes the first one.
    // A function whose operand is another function waits until that one is
    // applied, so chains such as sqr sqr 16 work from the inside out.
    enum class State { kReady, kWaiting, kInvalid };
    State classify(int c, int right) const {
        const int n = items_[c].next;
        if (n == right) return State::kInvalid;
        auto waits_on = [&](int i) {
            return items_[i].kind == ItemKind::kCode && is_prefix_code(items_[i].code);
        };
        if (is_operand(n)) return State::kReady;
        if (waits_on(n)) return State::kWaiting;
        if (is_op(n, '-')) {
            const int nn = items_[n].next;
            if (nn != right && is_operand(nn)) return State::kReady;
            if (nn != right && waits_on(nn)) return State::kWaiting;
        }
        return State::kInvalid;
    }

    void prefix_pass(int left, int right) {
        using Entry = std::pair<std::pair<int, int>, int>;  // (code, position), item
        std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
        auto push = [&](int i) { queue.push({{items_[i].code, items_[i].pos}, i}); };
        for (int it = items_[left].next; it != right; it = items_[it].next) {
            if (items_[it].kind == ItemKind::kCode && is_prefix_code(items_[it].code) &&
                classify(it, right) != State::kWaiting) {
                push(it);
            }
        }
        while (!queue.empty()) {
            const int c = queue.top().second;
            queue.pop();
            if (classify(c, right) == State::kInvalid) {
                fail(kBadFunctionOperand);
                return;
            }
            bool negate;
            const int r = right_operand(c, right, negate);
            if (int e = right_number_error(r, negate, kBadFunctionOperand)) {
                fail(e);
                return;
            }
            const int dst = emit(Step::kPrefix, 0, items_[r].slot, negate, items_[c].code);
            collapse(c, r, dst);
            // A function waiting on this one can now be applied.
            int before = items_[r].prev;
            if (is_op(before, '-')) before = items_[before].prev;
            if (before != left && items_[before].kind == ItemKind::kCode &&
                is_prefix_code(items_[before].code) && classify(before, right) == State::kReady) {
                push(before);
            }
        }
    }

    static constexpr int kHead = 0, kTail = 1;

    QString text_;
    QChar var1_, var2_;
    int depth_;
    std::unique_ptr<Program> program_;
    bool failed_ = false;
    std::vector<qsizetype> paren_match_, bracket_match_;
    std::vector<ListEntry> lists_;
    std::vector<size_t> list_span_;
    std::vector<CurveEntry> curves_;
    std::vector<qsizetype> curve_span_;
    std::vector<Span> spans_;
    std::vector<Item> items_;
    int written_variable_[2] = {-1, -1};
};

// ---- running ----

// The value as the engine writes it back: 0 below the limit, 15 significant
// digits otherwise; false when it lies outside the range of reals.
inline bool write(double v, double limit, double& out) {
    if (!std::isfinite(v)) return false;
    if (std::fabs(v) < limit) {
        out = 0;
        return true;
    }
    out = round_to_15_digits(v);
    return std::isfinite(out);
}

constexpr double kProductLimit = 1e-30;

int run_list_call(const ListCall& call, double v1, double v2, double limit, double& out) {
    EngineState& state = engine_state();
    std::vector<double> args;
    args.reserve(call.args.size() + 1);
    if (call.defaulted_first) args.push_back(call.default_first);
    for (size_t i = 0; i < call.args.size(); ++i) {
        const Evaluation e = run(*call.args[i], v1, v2);
        if (!e.ok()) {
            // A failing inner list function keeps its own message.
            if (!(e.error == kListFunctionFailed && state.function_message != 0)) {
                state.function_message = argument_message(
                    call.code, static_cast<int>(i) + (call.defaulted_first ? 1 : 0));
            }
            return kListFunctionFailed;
        }
        args.push_back(e.value);
    }
    const ListResult r = compute_list_function(call.code, args);
    if (r.message != 0) {
        state.function_message = r.message;
        return kListFunctionFailed;
    }
    if (!write(r.value, limit, out)) {
        state.function_message = kMsgListOverflow;
        return kListFunctionFailed;
    }
    return 0;
}

int run_curve(const CurveReference& ref, double v2, double limit, double& out) {
    CurveProvider* curves = engine_state().curves;
    if (!curves) return kBadCurveReference;
    if (ref.curve == curves->current_curve()) return kCurveRefersToItself;
    double at = v2;
    if (ref.with_argument) {
        const QChar letter = curves->curve_variable(ref.curve);
        const Evaluation e = evaluate_expression(letter, letter, ref.argument, v2, v2);
        if (!e.ok()) return kBadCurveReference;
        at = e.value;
    }
    double value = 0;
    if (!curves->evaluate_curve(ref.curve, at, value) || !write(value, limit, out)) {
        return kBadCurveReference;
    }
    return 0;
}

}  // namespace

std::unique_ptr<Program> compile(QStringView text, QChar var1, QChar var2, int depth) {
    return Compiler(text, var1, var2, depth).compile();
}

namespace {

// What one step that reads only its operands gives before it is written
// back: a = s[in.a], b the right operand with its sign.
struct RawStep {
    int error = 0;
    double value = 0;
};

// Below what magnitude a step's value becomes 0.
inline double step_limit(Step step, double sum_limit) {
    return step == Step::kPower || step == Step::kMultiply || step == Step::kDivide ? kProductLimit
                                                                                    : sum_limit;
}
// Comparisons give 0 or 1 as they are; every other value is written back.
inline bool step_written(Step step) {
    return !(step == Step::kLess || step == Step::kGreater || step == Step::kEqual);
}

[[gnu::always_inline]] inline RawStep raw_step(const Instruction& in, double a, double b,
                                               double sum_limit) {
    RawStep r;
    switch (in.step) {
        case Step::kPrefix: {
            const PrefixResult f = apply_prefix_function(in.fn, b);
            r.error = f.error;
            r.value = f.value;
            break;
        }
        case Step::kPower: {
            const double n = nearest_whole(b);
            if (std::fabs(b - n) < 1e-5) {
                if (n < 0 && is_zero(a)) return {kPowerTooLarge, 0};
                r.value = n == 0 ? 1 : std::pow(a, n);
                if (!(std::fabs(r.value) <= 1e30)) return {kPowerTooLarge, 0};
            } else {
                if (!(a > 0)) return {kNegativeBase, 0};
                if (b * std::log(a) > 226) return {kPowerTooLarge, 0};
                r.value = std::pow(a, b);
            }
            break;
        }
        case Step::kMultiply:
            r.value = a * b;
            break;
        case Step::kDivide:
            if (is_zero(b)) return {kDivisionByZero, 0};
            r.value = a / b;
            break;
        case Step::kAdd:
            r.value = a + b;
            break;
        case Step::kSubtract:
            r.value = a - b;
            break;
        case Step::kNegate:
            r.value = -b;
            break;
        case Step::kRoundVariable:
            r.value = a;
            break;
        case Step::kLess:
            r.value = is_negative(a - b) ? 1 : 0;
            break;
        case Step::kGreater:
            r.value = is_positive(a - b) ? 1 : 0;
            break;
        case Step::kEqual:
            r.value = std::fabs(a - b) < 1e-5 ? 1 : 0;
            break;
        default:
            r.error = kNotANumber;  // not a step on operands
    }
    return r;
}

inline int arithmetic_step(const Instruction& in, double a, double b, double sum_limit,
                           double& out) {
    const RawStep r = raw_step(in, a, b, sum_limit);
    if (r.error) return r.error;
    if (!step_written(in.step)) {
        out = r.value;
        return 0;
    }
    return write(r.value, step_limit(in.step, sum_limit), out) ? 0 : kOutOfRange;
}

double sum_limit() {
    return number_settings.tiny_mode ? 1e-30 : 1e-14;
}

}  // namespace

bool runs_side_by_side(const Program& p) {
    if (p.result < 0) return false;
    for (const Instruction& in : p.steps) {
        switch (in.step) {
            case Step::kList:
            case Step::kCurve:
            case Step::kFailList:
                return false;
            case Step::kPrefix:
                if (in.fn == code::kRandom) return false;
                break;
            default:
                break;
        }
    }
    return true;
}

Evaluation run(const Program& p, double value1, double value2) {
    constexpr size_t kLocal = 96;
    double local[kLocal];
    std::vector<double> heap;
    double* s = local;
    if (p.slots.size() > kLocal) {
        heap = p.slots;
        s = heap.data();
    } else {
        std::copy(p.slots.begin(), p.slots.end(), local);
    }
    s[0] = value1;
    s[1] = value2;
    const double limit = sum_limit();
    for (const Instruction& in : p.steps) {
        switch (in.step) {
            case Step::kList: {
                const int e = run_list_call(p.calls[in.fn], value1, value2, limit, s[in.dst]);
                if (e) return {e, 0};
                continue;
            }
            case Step::kCurve: {
                const int e = run_curve(p.curves[in.fn], value2, limit, s[in.dst]);
                if (e) return {e, 0};
                continue;
            }
            case Step::kFail:
                return {in.a, 0};
            case Step::kFailList:
                engine_state().function_message = in.a;
                return {kListFunctionFailed, 0};
            default: {
                const double b = in.negate_b ? -s[in.b] : s[in.b];
                if (const int e = arithmetic_step(in, s[in.a], b, limit, s[in.dst])) return {e, 0};
            }
        }
    }
    return {0, s[p.result]};
}

namespace {

// write() inline: 0 and the value, or kOutOfRange.
[[gnu::always_inline]] inline int write_inline(double v, double limit, double& out) {
    if (!std::isfinite(v)) return kOutOfRange;
    if (std::fabs(v) < limit) {
        out = 0;
        return 0;
    }
    out = round_to_15_digits_inline(v);
    return std::isfinite(out) ? 0 : kOutOfRange;
}

constexpr size_t kBlock = 64;

// One step over a block of values: the step's kind is fixed, so the loop
// holds no decision but the one per value that failed before.
template <Step S>
void step_block(const Instruction& in, const double* a, const double* b, double* d, int* error,
                size_t m, double sum_limit) {
    constexpr bool product = S == Step::kPower || S == Step::kMultiply || S == Step::kDivide;
    const double limit = product ? kProductLimit : sum_limit;
    const bool negate = in.negate_b;
    for (size_t i = 0; i < m; ++i) {
        if (error[i]) continue;
        const double bv = negate ? -b[i] : b[i];
        double r;
        if constexpr (S == Step::kMultiply) {
            r = a[i] * bv;
        } else if constexpr (S == Step::kAdd) {
            r = a[i] + bv;
        } else if constexpr (S == Step::kSubtract) {
            r = a[i] - bv;
        } else if constexpr (S == Step::kNegate) {
            r = -bv;
        } else if constexpr (S == Step::kRoundVariable) {
            r = a[i];
        } else {
            const RawStep raw = raw_step(in, a[i], bv, sum_limit);
            if (raw.error) {
                error[i] = raw.error;
                continue;
            }
            if (!step_written(in.step)) {
                d[i] = raw.value;
                continue;
            }
            r = raw.value;
        }
        error[i] = write_inline(r, limit, d[i]);
    }
}

}  // namespace

void run_many(const Program& p, const double* values, size_t n, Evaluation* out) {
    // Blocks of values small enough for every slot to stay in the cache; a
    // step is applied to the whole block, so its values are worked on side
    // by side instead of one after the other.
    const size_t slots = p.slots.size();
    std::vector<double> buffer(slots * kBlock);
    const double limit = sum_limit();
    for (size_t base = 0; base < n; base += kBlock) {
        const size_t m = std::min(kBlock, n - base);
        for (size_t k = 0; k < slots; ++k)
            std::fill_n(&buffer[k * kBlock], m, p.slots[k]);
        std::copy_n(values + base, m, &buffer[0]);
        std::copy_n(values + base, m, &buffer[kBlock]);
        int error[kBlock] = {};
        for (const Instruction& in : p.steps) {
            if (in.step == Step::kFail) {
                for (size_t i = 0; i < m; ++i)
                    if (!error[i]) error[i] = in.a;
                continue;
            }
            const double* a = &buffer[static_cast<size_t>(in.a) * kBlock];
            const double* b = &buffer[static_cast<size_t>(in.b) * kBlock];
            double* d = &buffer[static_cast<size_t>(in.dst) * kBlock];
            switch (in.step) {
                case Step::kMultiply:
                    step_block<Step::kMultiply>(in, a, b, d, error, m, limit);
                    break;
                case Step::kAdd:
                    step_block<Step::kAdd>(in, a, b, d, error, m, limit);
                    break;
                case Step::kSubtract:
                    step_block<Step::kSubtract>(in, a, b, d, error, m, limit);
                    break;
                case Step::kNegate:
                    step_block<Step::kNegate>(in, a, b, d, error, m, limit);
                    break;
                case Step::kRoundVariable:
                    step_block<Step::kRoundVariable>(in, a, b, d, error, m, limit);
                    break;
                case Step::kPower:
                    step_block<Step::kPower>(in, a, b, d, error, m, limit);
                    break;
                case Step::kDivide:
                    step_block<Step::kDivide>(in, a, b, d, error, m, limit);
                    break;
                default:  // prefix functions and comparisons
                    step_block<Step::kPrefix>(in, a, b, d, error, m, limit);
            }
        }
        const double* result = &buffer[static_cast<size_t>(p.result) * kBlock];
        for (size_t i = 0; i < m; ++i)
            out[base + i] = error[i] ? Evaluation{error[i], 0} : Evaluation{0, result[i]};
    }
}

}  // namespace cifrala::expr
