#pragma once
// The cards of the algebra windows that have one of their own: the card on
// which the quadratic inequalities window draws its graph check (topic 7),
// and the power rules of the exponential-equations window (topic 28).
#include <QVariantMap>

#include "drawing/graphs/graph_records.h"

namespace cifrala {

namespace algebra_card_messages {
constexpr int kPowerRulesHeading = 5482;  // "Rekenregels voor machten van #"
}  // namespace algebra_card_messages

// The values the graph check's card reads from the inequalities window, and
// back (absent values keep the record's defaults).
QVariantMap inequality_graph_values(const QuadraticInequalityGraph& g);
QuadraticInequalityGraph inequality_graph_from(const QVariantMap& values);

void register_algebra_window_cards();

}  // namespace cifrala
