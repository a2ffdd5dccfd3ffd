#include "formula/symbol_font.h"

namespace cifrala {

namespace {

// Symbol-font letters A..Z and a..z stand for Greek letters.
constexpr char16_t kUpper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι',
                                 u'ϑ', u'Κ', u'Λ', u'Μ', u'Ν', u'Ο', u'Π', u'Θ', u'Ρ',
                                 u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
constexpr char16_t kLower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι',
                                 u'ϕ', u'κ', u'λ', u'μ', u'ν', u'ο', u'π', u'θ', u'ρ',
                                 u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};

struct Code {
    int code;
    char16_t ch;
};

constexpr Code kCodes[] = {
    {34, u'∀'},  {36, u'∃'},  {39, u'∋'},  {42, u'∗'},  {45, u'−'},  {64, u'≅'},  {94, u'⊥'},
    {161, u'ϒ'}, {162, u'′'}, {163, u'≤'}, {164, u'⁄'}, {165, u'∞'}, {171, u'↔'}, {172, u'←'},
    {173, u'↑'}, {174, u'→'}, {175, u'↓'}, {176, u'°'}, {177, u'±'}, {178, u'″'}, {179, u'≥'},
    {180, u'×'}, {181, u'∝'}, {182, u'∂'}, {183, u'•'}, {184, u'÷'}, {185, u'≠'}, {186, u'≡'},
    {187, u'≈'}, {188, u'…'}, {196, u'⊗'}, {197, u'⊕'}, {198, u'∅'}, {199, u'∩'}, {200, u'∪'},
    {206, u'∈'}, {207, u'∉'}, {208, u'∠'}, {209, u'∇'}, {213, u'∏'}, {214, u'√'}, {215, u'⋅'},
    {216, u'¬'}, {217, u'∧'}, {218, u'∨'}, {219, u'⇔'}, {220, u'⇐'}, {222, u'⇒'}, {229, u'∑'},
    {242, u'∫'}, {255, u'π'},
};

}  // namespace

QString symbol_character(int code) {
    if (code >= 'A' && code <= 'Z') return QString(QChar(kUpper[code - 'A']));
    if (code >= 'a' && code <= 'z') return QString(QChar(kLower[code - 'a']));
    for (const Code& c : kCodes)
        if (c.code == code) return QString(QChar(c.ch));
    if (code > 0 && code < 128) return QString(QChar(code));
    return QStringLiteral("?");
}

}  // namespace cifrala
