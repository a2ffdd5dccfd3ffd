#pragma once
// A multi-topic window opened for a topic as the menu opens it, and
// exercises of it worked offscreen to their end.
#include <gtest/gtest.h>

#include <memory>

#include "practice/multitopic/diffketting_form.h"
#include "practice/multitopic/multitopic_mode.h"
#include "util/number_settings.h"
#include "util/selection.h"

namespace cifrala::testing {

class MultiTopicTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_selection_ = selection;
        saved_numbers_ = number_settings;
        window = std::make_unique<TdiffkettingForm>();
    }
    void TearDown() override {
        window.reset();
        selection = saved_selection_;
        number_settings = saved_numbers_;
    }

    // The menu's codes for the topic (chain_all: category 6 with the
    // chain-rule choice), then the window set up as showing does.
    void open(int topic, int category, int level = 0) {
        selection.topic_code = topic;
        selection.category_code = category;
        selection.chain_rule_choice = category == 6 ? 6 : -1;
        selection.integration_kind = -1;
        window->set_level(level);
        window->start_showing();
    }

    // A new exercise and every step to its end; the number of presses.
    int work(int most = 40) {
        window->Button1Click();
        int presses = 0;
        while (window->step_available() && presses < most) {
            window->Button2Click();
            ++presses;
        }
        return presses;
    }

    TopicWorker& worker() { return window->topic_mode()->topic_worker(); }
    template <typename W>
    W& worker_as() {
        return dynamic_cast<W&>(worker());
    }

    std::unique_ptr<TdiffkettingForm> window;

private:
    SelectionValues saved_selection_;
    NumberSettings saved_numbers_;
};

// The eight differentiation topics with their categories, and the variant
// that draws the chain-rule category (topic 0, category 6).
struct TopicCode {
    int topic;
    int category;
};
inline const TopicCode kDifferentiation[] = {{9, 7},  {10, 8}, {11, 9}, {12, 1}, {13, 2},
                                             {14, 3}, {15, 4}, {16, 5}, {0, 6}};

}  // namespace cifrala::testing
