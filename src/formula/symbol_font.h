#pragma once
// Characters of the symbol font by their code, as Unicode characters that the
// text font draws (214 the root sign, 177 plus-or-minus, Greek letters, ...).
#include <QString>

namespace cifrala {

QString symbol_character(int code);

}  // namespace cifrala
