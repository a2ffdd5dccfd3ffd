#pragma once
// The edit fields of an own-exercise panel. Each change validates all fields
// again; the go button is enabled only when every required field (and every
// filled optional one) holds a whole number and the window's own check
// passes. When an exercise is refused, the field that is the cause turns red
// and says why in its hint, and the reason stands in the panel's label.
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;

namespace cifrala {

class OwnExerciseFields : public QObject {
    Q_OBJECT
public:
    struct Refusal {
        QLineEdit* field = nullptr;
        int message = 0;  // 0: accepted
    };
    // `complete`: every required field is filled.
    using Check = std::function<Refusal(bool complete)>;

    OwnExerciseFields(QAbstractButton* go, QLabel* reason, QObject* parent = nullptr);

    void add_field(QLineEdit* field, bool required);
    // The window's own conditions; runs when no field holds a non-number.
    void set_check(Check check) { check_ = std::move(check); }
    // Empties the fields and disables the go button.
    void clear_fields();
    // Validates now; true when the go button is enabled.
    bool validate();
    Refusal refusal() const { return refusal_; }

    // A field's number: an empty field gives `empty_value`, a lone "-" gives
    // 0. False when the text is not a whole number.
    static bool read_int(const QLineEdit* field, int& value, int empty_value = 0);
    // As read_int, but the field may hold any expression with a whole value
    // ("3*7", "144/12"; not "1,5").
    static bool read_int_expression(const QLineEdit* field, int& value, int empty_value = 0);
    // Fields of this panel are read as expressions from now on.
    void accept_expressions() { expressions_ = true; }
    // The field's number as this panel reads it.
    bool read(const QLineEdit* field, int& value, int empty_value = 0) const {
        return expressions_ ? read_int_expression(field, value, empty_value)
                            : read_int(field, value, empty_value);
    }

    // What a field holds, as this panel reads it: a number that fits, a
    // whole number too large to work with, or no whole number at all.
    enum class Reading { Ok, TooLarge, NotWhole };
    Reading classify(const QLineEdit* field) const;

    // Message shown for a field that does not hold a whole number.
    static constexpr int kNotAWholeNumber = 1351;
    // Message shown for a whole number too large to work with.
    static constexpr int kTooLarge = 1354;

private:
    struct Field {
        QPointer<QLineEdit> edit;
        bool required;
    };
    void mark(QLineEdit* field, int message);

    QPointer<QAbstractButton> go_;
    QPointer<QLabel> reason_;
    std::vector<Field> fields_;
    Check check_;
    Refusal refusal_;
    bool expressions_ = false;
};

}  // namespace cifrala
