// Every practice test program starts with the program's catalogue
// registered: the windows, their render topics and the explanation cards.
#include <gtest/gtest.h>

#include "practice/catalogue.h"

namespace {

class Catalogue : public ::testing::Environment {
public:
    void SetUp() override { cifrala::register_catalogue(); }
};

const auto* const kCatalogue = ::testing::AddGlobalTestEnvironment(new Catalogue);

}  // namespace
