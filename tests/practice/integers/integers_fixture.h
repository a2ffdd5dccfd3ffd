#pragma once
// The integers window worked headless: opened for a topic as the menu opens
// it, exercises generated or typed, worked press by press, and the worksheet
// read back as lines of mathematics that the expression engine evaluates.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <optional>

#include "expr/eval_text.h"
#include "formula/display_reader.h"
#include "practice/common/floating_panel.h"
#include "practice/integers/arithmetic_mode.h"
#include "practice/integers/integers_form.h"
#include "support/message_recorder.h"
#include "text/messages.h"
#include "util/selection.h"

namespace cifrala::testing {

class IntegersFixture : public ::testing::Test {
protected:
    void open(int topic) {
        selection.topic_code = topic;
        w.start_showing();
    }

    void level(int operators) {
        QRadioButton* r[4] = {w.RadioButton1, w.RadioButton2, w.RadioButton3, w.RadioButton4};
        r[operators]->setChecked(true);
    }

    // "Eigen opgave", the text, go.
    void own(const QString& typed) {
        w.SpeedButton2Click();
        w.Edit1->setText(typed);
        w.SpeedButton6Click();
    }

    // "Rekenstap" while it is there; the hint after every press.
    std::vector<QString> work_to_end(int limit = 60) {
        std::vector<QString> hints;
        for (int n = 0; n < limit && w.step_available(); ++n) {
            w.Button2Click();
            hints.push_back(read_hint(w.surface().display()));
        }
        return hints;
    }

    std::vector<ReadLine> lines() const { return read_lines(w.surface().display()); }

    // A line as the expression engine reads it: "×" and ":" as "*" and "/",
    // a fraction in brackets, a mixed number as a sum in brackets, a
    // superscript as a power; the closing "=" left out.
    static QString engine_line(const ReadLine& line) {
        QString out;
        const auto& t = line.tokens;
        for (size_t i = 0; i < t.size(); ++i) {
            const ReadToken& k = t[i];
            if (k.kind == ReadToken::Fraction) {
                out += QStringLiteral("(%1/%2)").arg(k.top, k.bottom);
            } else if (k.kind == ReadToken::Superscript) {
                out += QStringLiteral("^(%1)").arg(k.text.trimmed());
            } else {
                QString text = k.text;
                text.replace(QChar(0xD7), QLatin1Char('*'))
                    .replace(QLatin1Char(':'), QLatin1Char('/'));
                text.remove(QLatin1Char('=')).remove(QLatin1Char(' '));
                const bool whole_part =
                    i + 1 < t.size() && t[i + 1].kind == ReadToken::Fraction && !text.isEmpty() &&
                    std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
                if (whole_part) {
                    out += QStringLiteral("(%1+%2/%3)").arg(text, t[i + 1].top, t[i + 1].bottom);
                    ++i;
                } else {
                    out += text;
                }
            }
        }
        return out;
    }

    static std::optional<double> line_value(const ReadLine& line) {
        double v = 0;
        if (!eval_text(engine_line(line), v)) return std::nullopt;
        return v;
    }

    TGehele_getallen_Form w;
    MessageRecorder messages;
};

}  // namespace cifrala::testing
