#pragma once
// The explanation card of the parabola and function-value modes in what
// the render mode writes: the card drawn for the exercise as it stands,
// beside the worksheet in the picture, and its lines and size in the JSON
// ("card": the lines as they read, "card_topic", "card_width",
// "card_height"). A card without a topic adds nothing.
#include <QImage>
#include <QJsonObject>

#include "practice/roots/roots_form.h"

namespace cifrala {

// `right` beside `left`, both from the top, on the window's yellow.
QImage picture_beside(const QImage& left, const QImage& right);
QImage picture_with_card(const QImage& worksheet, const RootsCard& card);
void add_card_description(QJsonObject& o, const RootsCard& card);
// Draws the card on the explanation window's surface without showing the
// window; false when the topic has no card.
bool paint_card(const RootsCard& card);

}  // namespace cifrala
