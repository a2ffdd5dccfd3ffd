#include "expr/function_table.h"

#include <array>

namespace cifrala::expr {
namespace {

using enum Kind;
constexpr FunctionEntry kTable[] = {
    {"pi", 0, kConstant},      {"geometpdf", 255, kList},  {"geometcdf", 254, kList},
    {"negbinpdf", 253, kList}, {"exp", 252, kPrefix},      {"negbincdf", 251, kList},
    {"ln", 250, kPrefix},      {"sqr", 249, kPrefix},      {"abs", 248, kPrefix},
    {"sinh", 247, kPrefix},    {"cosh", 246, kPrefix},     {"tanh", 245, kPrefix},
    {"arcsin", 244, kPrefix},  {"arccos", 243, kPrefix},   {"arctan", 242, kPrefix},
    {"entier", 241, kPrefix},  {"invnorm", 240, kList},    {"e", 0, kConstant},
    {"v", 0, kRootSign},       {"normal", 239, kReserved}, {"normlft", 238, kList},
    {"normbtwn", 237, kList},  {"normrght", 236, kList},   {"normpdf", 235, kList},
    {"binompdf", 234, kList},  {"binomcdf", 233, kList},   {"hyppdf", 232, kList},
    {"hypcdf", 231, kList},    {"poissonpdf", 230, kList}, {"poissoncdf", 229, kList},
    {"sin", 228, kPrefix},     {"cos", 227, kPrefix},      {"tan", 226, kPrefix},
    {"log", 225, kList},  // prefix when no "(" follows
    {"fac", 224, kPrefix},     {"npr", 223, kList},        {"ncr", 222, kList},
    {"random", 221, kPrefix},  {"gauss", 220, kList},      {"prt", 219, kList},
    {"max", 218, kList},       {"min", 217, kList},        {"gcd", 216, kList},
    {"lcm", 215, kList},       {"ggd", 214, kList},        {"kgv", 213, kList},
    {"fnint", 212, kReserved},
};

struct ByCode {
    std::array<const FunctionEntry*, 256> entry{};
    ByCode() {
        for (const FunctionEntry& e : kTable) {
            if (e.code > 0) entry[e.code] = &e;
        }
    }
};

const ByCode& by_code() {
    static const ByCode table;
    return table;
}

}  // namespace

const FunctionEntry* function_table() {
    return kTable;
}
int function_table_size() {
    return static_cast<int>(std::size(kTable));
}

Kind code_kind(int code) {
    if (code <= 0 || code > 255 || !by_code().entry[code]) return Kind::kReserved;
    return by_code().entry[code]->kind;
}

const char* code_name(int code) {
    if (code <= 0 || code > 255 || !by_code().entry[code]) return "?";
    return by_code().entry[code]->name;
}

}  // namespace cifrala::expr
