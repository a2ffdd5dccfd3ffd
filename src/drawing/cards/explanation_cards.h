#pragma once
// The theory cards of the explanation window, one per topic code. A card
// sizes the window's surface with init(w, h) and writes its lines with the
// window's writing primitives; the values of the current exercise that it
// needs come from the window that opened the explanation window.
//
// A group of cards lives in its own file with a function that registers
// them, for example
//     register_explanation_card(42, {paint_times_table});
// and the program's catalogue (practice/catalogue.cpp) calls that function.
//
// A graph card sizes the surface and fills the graph's record from the
// exercise; the window draws the graph and lets the pupil drag and zoom it:
//     void paint_parabola(TtekeningForm& w, const CardRequest& r) {
//         w.init(600, 450);
//         w.teken_parabool({r.exercise.value("p").toInt(), r.exercise.value("q").toInt(),
//                           r.exercise.value("r").toDouble(), r.exercise.value("s").toDouble()});
//     }
#include <QVariantMap>
#include <functional>

namespace cifrala {

class TtekeningForm;

// Where the window goes once the card is drawn.
enum class CardPlacement {
    LowerRight,  // at the lower right corner of the reference window
    Keep,        // where it is
    Self,        // the card places the window itself
};

struct CardRequest {
    int topic = 0;
    QVariantMap exercise;  // the opener's current exercise, read when the card is drawn
};

using CardPainter = std::function<void(TtekeningForm&, const CardRequest&)>;

struct ExplanationCard {
    CardPainter paint;
    CardPlacement placement = CardPlacement::LowerRight;
};

// A later registration for the same topic replaces the earlier one.
void register_explanation_card(int topic, ExplanationCard card);
// nullptr when the topic has no card (the window then draws nothing).
const ExplanationCard* find_explanation_card(int topic);

}  // namespace cifrala
