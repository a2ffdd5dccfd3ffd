#pragma once
// The card of the lens formula window (topic 6, "Situatieschets"): the
// picture of a lens with object, image, focal points and the formula,
// "alenzenformule.bmp" in Dutch and "alensformula.bmp" in English, from the
// program folder, at its own size.
#include <QString>

namespace cifrala {

namespace lens_card_messages {
constexpr int kPictureMissing = 5517;  // "De tekening # ontbreekt."
}  // namespace lens_card_messages

// The picture's file name for the language (0 Dutch, 1 English).
QString lens_picture_name(int language);

void register_lens_cards();

}  // namespace cifrala
