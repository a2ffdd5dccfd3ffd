#include "practice/multitopic/topics/differentiation.h"

#include "practice/multitopic/topic_routines.h"
#include "practice/multitopic/topics/chain_rule.h"
#include "practice/multitopic/topics/power_rule.h"
#include "practice/multitopic/topics/two_quadratics.h"
#include "util/random.h"

namespace cifrala {

namespace {

template <typename Worker>
TopicRoutines routines_of() {
    return {[](StepHost& host) { return std::make_unique<Worker>(host); }, {}};
}

// "Kettingregel (alle varianten)": one of the chain-rule categories 1 to 5
// (topics 12 to 16) for every exercise.
TopicChoices draw_chain_category(const TopicChoices& from_menu) {
    TopicChoices c = from_menu;
    c.category = 1 + random(5);
    c.topic = 11 + c.category;
    return c;
}

}  // namespace

void register_differentiation_routines() {
    register_topic_routines(QStringLiteral("power_rule"), routines_of<PowerRuleWorker>());
    register_topic_routines(QStringLiteral("product_rule"), routines_of<ProductRuleWorker>());
    register_topic_routines(QStringLiteral("quotient_rule"), routines_of<QuotientRuleWorker>());
    for (const char* name : {"chain_rule", "chain_product_rule", "logarithmic_functions",
                             "exponential_functions", "sinusoids"})
        register_topic_routines(QString::fromLatin1(name), routines_of<ChainRuleWorker>());
    TopicRoutines all = routines_of<ChainRuleWorker>();
    all.draw = draw_chain_category;
    register_topic_routines(QStringLiteral("chain_rule_all"), all);
}

}  // namespace cifrala
