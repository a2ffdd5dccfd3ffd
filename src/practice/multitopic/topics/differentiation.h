#pragma once
// The differentiation topics of the multi-topic window: the power rule, the
// product and quotient rules and the chain-rule family with all its
// variants drawn at random.
namespace cifrala {

// Registers their routines under the names of their rows in the topic table.
void register_differentiation_routines();

}  // namespace cifrala
