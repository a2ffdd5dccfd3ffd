#pragma once
// What a surface shows as a JSON document: its size, every item of its
// display list in drawing order (kind, position, texts), the lines as the
// pupil reads them, the hint and the last line (the answer) as text.
#include <QJsonObject>

namespace cifrala {

class Surface;

QJsonObject surface_to_json(const Surface& surface);

}  // namespace cifrala
