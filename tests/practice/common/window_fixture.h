#pragma once
// A practice window worked headless as the menu opens it: the selection
// values reset (with the topic code of the menu button), the number
// settings read, the window shown; then "Rekenstap" pressed while it is
// there, and the worksheet read back as the pupil reads it.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "formula/display_reader.h"
#include "formula/surface_pane.h"
#include "util/number_settings.h"
#include "util/selection.h"

namespace cifrala::testing {

// Without a topic code: the window's menu button writes none.
inline constexpr int kNoTopicCode = -1;

template <class Window>
class WindowFixture : public ::testing::Test {
public:
    // Gets the menu's values ready; the fixture shows the window with
    // open() once it has set what the window must find on showing.
    explicit WindowFixture(int topic = kNoTopicCode, QString separator = QStringLiteral(" | "))
        : separator_(std::move(separator)) {
        selection = SelectionValues{};
        if (topic != kNoTopicCode) selection.topic_code = topic;
        init_number_settings();
    }

    void open() { w.start_showing(); }
    // Presses "Rekenstap" while it is there; the number of presses.
    int work_to_end(int limit = 20) {
        int n = 0;
        while (w.step_available() && n < limit) {
            w.Button2Click();
            ++n;
        }
        return n;
    }
    QStringList sheet() const { return read_line_texts(w.surface().display()); }
    // The lines joined, so that a line carried over to the next reads on.
    QString sheet_text() const { return sheet().join(separator_); }
    QString hint() const { return read_hint(w.surface().display()); }

    Window w;

private:
    QString separator_;
};

}  // namespace cifrala::testing
