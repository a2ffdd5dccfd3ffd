// The drawing tests start with the explanation cards registered, as the
// program's catalogue registers them.
#include <gtest/gtest.h>

#include "drawing/cards/arithmetic_cards.h"

namespace {

class Cards : public ::testing::Environment {
public:
    void SetUp() override { cifrala::register_arithmetic_cards(); }
};

const auto* const kCards = ::testing::AddGlobalTestEnvironment(new Cards);

}  // namespace
