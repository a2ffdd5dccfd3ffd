#include "drawing/cards/explanation_cards.h"

#include <map>

#include "drawing/cards/arithmetic_cards.h"

namespace cifrala {

namespace {

std::map<int, ExplanationCard>& cards() {
    static std::map<int, ExplanationCard> c;
    return c;
}

// The cards that come with the program, registered on first use.
void register_builtin_cards() {
    static bool done = false;
    if (done) return;
    done = true;
    register_arithmetic_cards();
}

}  // namespace

void register_explanation_card(int topic, ExplanationCard card) {
    register_builtin_cards();
    cards()[topic] = std::move(card);
}

const ExplanationCard* find_explanation_card(int topic) {
    register_builtin_cards();
    auto it = cards().find(topic);
    return it == cards().end() ? nullptr : &it->second;
}

}  // namespace cifrala
