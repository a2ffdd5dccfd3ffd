#include "drawing/cards/explanation_cards.h"

#include <map>

namespace cifrala {

namespace {

std::map<int, ExplanationCard>& cards() {
    static std::map<int, ExplanationCard> c;
    return c;
}

}  // namespace

void register_explanation_card(int topic, ExplanationCard card) {
    cards()[topic] = std::move(card);
}

const ExplanationCard* find_explanation_card(int topic) {
    auto it = cards().find(topic);
    return it == cards().end() ? nullptr : &it->second;
}

}  // namespace cifrala
