#pragma once
// The pictures on the keys of the calculator and the on-screen keyboard,
// drawn at run time.
#include <QIcon>

namespace cifrala {

enum class KeyGlyph { RootSign, Pi, Copy, Help, Calculator, Keyboard };

QIcon key_glyph_icon(KeyGlyph glyph, QSize size);

}  // namespace cifrala
