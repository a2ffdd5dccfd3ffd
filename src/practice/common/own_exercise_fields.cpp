#include "practice/common/own_exercise_fields.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "expr/eval_text.h"
#include "text/messages.h"
#include "util/text_utils.h"
#include "util/tolerance.h"

namespace cifrala {

namespace {

const char* const kNormalHint = "normal_hint";
const char* const kRefused = "refused";

}  // namespace

OwnExerciseFields::OwnExerciseFields(QAbstractButton* go, QLabel* reason, QObject* parent)
    : QObject(parent), go_(go), reason_(reason) {}

void OwnExerciseFields::add_field(QLineEdit* field, bool required) {
    fields_.push_back(Field{field, required});
    connect(field, &QLineEdit::textChanged, this, [this] { validate(); });
}

void OwnExerciseFields::clear_fields() {
    for (const Field& f : fields_) {
        if (!f.edit) continue;
        const QSignalBlocker block(f.edit);
        f.edit->clear();
    }
    validate();
}

bool OwnExerciseFields::read_int(const QLineEdit* field, int& value, int empty_value) {
    const QString text = field->text().trimmed();
    if (text.isEmpty()) {
        value = empty_value;
        return true;
    }
    if (!is_integer_text(text)) return false;
    if (text == QLatin1String("-")) {
        value = 0;
        return true;
    }
    // Read as the expression engine reads every typed number.
    return eval_text_int(text, value);
}

bool OwnExerciseFields::read_int_expression(const QLineEdit* field, int& value, int empty_value) {
    const QString text = field->text().trimmed();
    if (text.isEmpty()) {
        value = empty_value;
        return true;
    }
    // A value that is not whole ("1,5") is refused rather than rounded, so
    // the exercise is always the one the pupil meant.
    double v = 0;
    if (!eval_text(text, v)) return false;
    return near_integer(v, value);
}

OwnExerciseFields::Reading OwnExerciseFields::classify(const QLineEdit* field) const {
    int value = 0;
    if (read(field, value)) return Reading::Ok;
    const QString text = field->text().trimmed();
    if (expressions_) {
        // A whole value beyond the 32-bit range ("2^40", "99999999999").
        double v = 0;
        if (eval_text(text, v) && std::isfinite(v) && std::fabs(v) >= 2147483647.5 &&
            std::fabs(v - std::nearbyint(v)) < 1e-6 * std::fabs(v))
            return Reading::TooLarge;
        return Reading::NotWhole;
    }
    // Only digits after an optional sign, but too many of them.
    qsizetype i = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')) ? 1 : 0;
    if (i >= text.size()) return Reading::NotWhole;
    for (; i < text.size(); ++i)
        if (!text[i].isDigit()) return Reading::NotWhole;
    return Reading::TooLarge;
}

bool OwnExerciseFields::validate() {
    Refusal refusal;
    bool complete = true;
    for (const Field& f : fields_) {
        if (!f.edit) continue;
        const QString text = f.edit->text().trimmed();
        if (text.isEmpty()) {
            if (f.required) complete = false;
            continue;
        }
        const Reading r = classify(f.edit);
        if (r != Reading::Ok && refusal.message == 0)
            refusal = Refusal{f.edit, r == Reading::TooLarge ? kTooLarge : kNotAWholeNumber};
    }
    if (refusal.message == 0 && check_) refusal = check_(complete);
    refusal_ = refusal;
    for (const Field& f : fields_)
        if (f.edit) mark(f.edit, f.edit == refusal.field ? refusal.message : 0);
    if (reason_) {
        reason_->setText(refusal.message != 0 ? msg(refusal.message) : QString());
        reason_->setVisible(refusal.message != 0);
    }
    const bool ok = complete && refusal.message == 0;
    if (go_) go_->setEnabled(ok);
    return ok;
}

void OwnExerciseFields::mark(QLineEdit* field, int message) {
    const bool was_refused = field->property(kRefused).toBool();
    if (message != 0) {
        if (!was_refused) field->setProperty(kNormalHint, field->toolTip());
        field->setProperty(kRefused, true);
        field->setToolTip(msg(message));
        field->setStyleSheet(QStringLiteral("QLineEdit { background: #ffd0d0; }"));
    } else if (was_refused) {
        field->setProperty(kRefused, false);
        field->setToolTip(field->property(kNormalHint).toString());
        field->setStyleSheet(QString());
    }
}

}  // namespace cifrala
