#pragma once
// The names of the expression language and their internal codes.
//
// During normalisation a name is replaced by one character that stands for
// its code. These characters lie in a private-use block of Unicode, and the
// normalisation turns any typed character of that block into U+FFFD, so a
// typed character can never be taken for a function.
#include <QChar>
#include <QStringView>

namespace cifrala::expr {

enum class Kind {
    kConstant,  // pi, e
    kRootSign,  // the letter v
    kPrefix,    // applies to the operand right after it
    kList,      // followed by a parenthesised, ";"-separated argument list
    kReserved,  // recognised, not computed
};

struct FunctionEntry {
    const char* name;
    int code;  // 0 for pi, e and v
    Kind kind;
};

// The table in replacement order: a longer name that contains a shorter one
// comes first.
const FunctionEntry* function_table();
int function_table_size();

// Codes, named for the engine's use.
namespace code {
inline constexpr int kGeometPdf = 255, kGeometCdf = 254, kNegBinPdf = 253, kExp = 252,
                     kNegBinCdf = 251, kLn = 250, kSqr = 249, kAbs = 248, kSinh = 247, kCosh = 246,
                     kTanh = 245, kArcsin = 244, kArccos = 243, kArctan = 242, kEntier = 241,
                     kInvNorm = 240, kNormal = 239, kNormLft = 238, kNormBtwn = 237,
                     kNormRght = 236, kNormPdf = 235, kBinomPdf = 234, kBinomCdf = 233,
                     kHypPdf = 232, kHypCdf = 231, kPoissonPdf = 230, kPoissonCdf = 229, kSin = 228,
                     kCos = 227, kTan = 226, kLog = 225, kFac = 224, kNpr = 223, kNcr = 222,
                     kRandom = 221, kGauss = 220, kPrt = 219, kMax = 218, kMin = 217, kGcd = 216,
                     kLcm = 215, kGgd = 214, kKgv = 213, kFnint = 212;
}  // namespace code

inline constexpr char16_t kCodeBase = 0xE000;
inline QChar code_char(int code) {
    return QChar(char16_t(kCodeBase + code));
}
// The code a character stands for, 0 when it is no function code.
inline int char_code(QChar c) {
    const char16_t u = c.unicode();
    return u > kCodeBase && u <= kCodeBase + 255 ? u - kCodeBase : 0;
}
// True for every character of the block the codes live in.
inline bool in_code_block(QChar c) {
    return c.unicode() >= kCodeBase && c.unicode() <= kCodeBase + 255;
}

// The kind of a code (kReserved for codes not in the table).
Kind code_kind(int code);
// The name of a code, for diagnostics and tests.
const char* code_name(int code);

}  // namespace cifrala::expr
