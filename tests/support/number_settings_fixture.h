#pragma once
// A fixture for tests of number texts: every test starts from the default
// number settings with the Dutch decimal comma, and the program's settings
// are restored afterwards.
#include <gtest/gtest.h>

#include "util/number_settings.h"

namespace cifrala::testing {

class DefaultNumberSettings : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = number_settings;
        number_settings = NumberSettings{};
        number_settings.decimal_separator = QLatin1Char(',');
    }
    void TearDown() override { number_settings = saved_; }

private:
    NumberSettings saved_;
};

}  // namespace cifrala::testing
