#pragma once
// A metric window worked headless: started as the menu starts it, its
// steps pressed one at a time, and what its surfaces show read back.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include "formula/surface_pane.h"
#include "practice/metric/metric_form.h"
#include "practice/metric/metric_reader.h"
#include "support/message_recorder.h"
#include "util/random.h"

namespace cifrala::testing {

// An arrow of a step and the signed power of ten of its factor label.
struct LadderStep {
    bool litre = false;  // on the litre ladder
    QPoint from, to;
};

class MetricFixture : public ::testing::Test {
protected:
    void start(Quantity q, bool standard, quint32 seed) {
        w.set_quantity(q);
        w.CheckBox1->setChecked(standard);
        seed_random(seed);
        w.start_showing();
    }

    Surface& sheet() { return w.surface(); }
    Surface& ladder() { return w.Image2->surface(); }
    Surface& litres() { return w.unit_images[2]->surface(); }
    Surface& names() { return w.unit_images[static_cast<size_t>(w.quantity()) - 1]->surface(); }
    Surface& standard_box() { return w.Image7->surface(); }

    std::vector<DrawnArrow> blue_arrows(const Surface& s) const {
        std::vector<DrawnArrow> out;
        for (const DrawnArrow& a : s.display().arrows())
            if (a.colour == QColor(0, 0, 255)) out.push_back(a);
        return out;
    }

    // The factor labels (blue texts "× 1 000", ": 10") of a surface as
    // signed powers of ten, with the middle of each label.
    struct Label {
        int power = 0;
        int middle = 0;
    };
    static std::vector<Label> factor_labels(const Surface& s) {
        static const QRegularExpression form(QStringLiteral("^([×:]) 1((?: ?0)*)$"));
        std::vector<Label> out;
        for (const DrawnText& t : s.display().texts()) {
            if (t.colour != QColor(0, 0, 255)) continue;
            const auto m = form.match(t.text);
            EXPECT_TRUE(m.hasMatch()) << t.text.toStdString();
            if (!m.hasMatch()) continue;
            const int zeros = static_cast<int>(m.captured(2).count(QLatin1Char('0')));
            out.push_back(
                {m.captured(1) == QStringLiteral("×") ? zeros : -zeros, t.rect.center().x()});
        }
        return out;
    }

    // The x of every column tick of a ladder at this height.
    static std::vector<int> ticks(const Surface& s, int ladder_y) {
        std::vector<int> xs;
        for (const DrawnLine& l : s.display().lines())
            if (l.from.x() == l.to.x() && std::max(l.from.y(), l.to.y()) == ladder_y)
                xs.push_back(l.from.x());
        std::sort(xs.begin(), xs.end());
        return xs;
    }
    // The column whose tick lies nearest to x.
    static int column_near(const std::vector<int>& xs, int x) {
        int best = 0;
        for (size_t i = 1; i < xs.size(); ++i)
            if (std::abs(xs[i] - x) < std::abs(xs[static_cast<size_t>(best)] - x))
                best = static_cast<int>(i);
        return best;
    }
    // The unit names of a row of the names surface, by column (a name and
    // the superscript after it).
    static std::vector<WrittenUnit> row_of_names(const Surface& s, const std::vector<int>& xs,
                                                 int top, int bottom) {
        std::vector<WrittenUnit> units(xs.size());
        const auto& items = s.display().items();
        for (size_t i = 0; i < items.size(); ++i) {
            const auto* t = std::get_if<DrawnText>(&items[i]);
            if (!t || t->pos.y() < top || t->pos.y() >= bottom || t->colour != QColor(Qt::black))
                continue;
            const bool superscript =
                i + 1 < items.size() && std::holds_alternative<DrawnSuperscript>(items[i + 1]);
            if (superscript) continue;
            WrittenUnit u{t->text, {}};
            if (i + 2 < items.size())
                if (const auto* p = std::get_if<DrawnText>(&items[i + 1]);
                    p && std::holds_alternative<DrawnSuperscript>(items[i + 2]))
                    u.power = p->text;
            units[static_cast<size_t>(column_near(xs, t->rect.center().x()))] = u;
        }
        return units;
    }

    // Presses "Rekenstap" while it is there.
    int work_to_end(int limit = 20) {
        int n = 0;
        while (w.step_available() && n < limit) {
            w.Button2Click();
            ++n;
        }
        return n;
    }

    MessageRecorder messages;
    TMetrieke_stelsel_Form w;
};

}  // namespace cifrala::testing
