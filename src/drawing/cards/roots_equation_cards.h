#pragma once
// The step cards of the equation topics of the roots window (58 "Met
// machten", 59 "Met breuken", 60 "Met wortels", 61 "Kwadratisch
// (elementair)"): what the coming step does, with the numbers of the
// exercise where they help. The card reads the step it belongs to and the
// exercise's values from the roots window.
#include <QStringList>
#include <QVariantMap>
#include <vector>

namespace cifrala {

void register_roots_equation_cards();

// The message numbers of the card of this topic and step (for tests; the
// numbers above 5000 take the exercise's value as their parameter).
struct EquationCardText {
    std::vector<int> messages;
    std::vector<QString> parameters;  // one per message ("" for none)
    QString formula;                  // a line of the exercise's numbers
};
EquationCardText equation_card_text(int topic, const QVariantMap& exercise);

}  // namespace cifrala
