#pragma once
// The pictures on the practice windows' speed buttons, drawn at run time.
#include <QIcon>

namespace cifrala {

enum class Glyph { Help, Copy, SavePicture, Previous };

QIcon glyph_icon(Glyph glyph);

}  // namespace cifrala
