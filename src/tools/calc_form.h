#pragma once
// The calculator ("Rekenapparaat"): a small stay-on-top tool window in which
// the pupil types an expression, or builds it with keys, and gets its value
// from the expression engine. The result can be shown as an exact fraction;
// "M" stores a value and "RM" appends it. Below the keys the window keeps a
// list of the sums worked so far; Up and Down in the expression field bring
// an earlier expression back, and the copy button (or Ctrl+C when nothing is
// selected) puts the result on the clipboard.
//
// The window is not modal: it stays usable beside a practice window that
// runs modally (see tool_window.h).
#include <QImage>
#include <QString>
#include <QWidget>
#include <map>

#include "tools/calc_history.h"
#include "tools/result_field.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace cifrala {

class FloatingWindow;

class TCalcForm : public QWidget {
    Q_OBJECT
public:
    explicit TCalcForm(QWidget* parent = nullptr);
    ~TCalcForm() override;

    static constexpr int kClientWidth = 510;
    static constexpr int kKeysHeight = 242;  // the keys and the scientific panel
    // The longest expression the calculator evaluates.
    static constexpr int kMaxExpressionLength = 500;

    // --- controls (component names as objectName) ---
    QLineEdit* Edit1;         // expression field
    QPushButton* Calcbutton;  // "="
    ResultField* Image1;      // result field (123 x 19)
    QPushButton* Button10;    // "C"
    QPushButton* Button22;    // "M"
    QPushButton* Button23;    // "RM"
    QWidget* Panel1;          // scientific keys
    QLabel* Panel4;           // cover over the scientific keys
    QScrollBar* ScrollBar1;
    QCheckBox* CheckBox1;  // "Breuken exact"
    QToolButton* copy_button;
    QToolButton* help_button;
    QListWidget* history_list;

    // The key with this component name.
    QAbstractButton* key(const QString& name) const;

    // --- handlers ---
    void CalcbuttonClick();  // "=" and Enter
    void Button10Click();    // "C"
    void Button22Click();    // "M"
    void Button23Click();    // "RM"
    void CheckBox1Click();
    void FormShow();
    void FormActivate();
    // A key: inserts its text at the caret (replacing a selection).
    void insert_key_text(const QString& text);
    // Copies the result text to the clipboard (nothing when there is none).
    void copy_result() const;
    void help_click();
    void ScrollBar1Change(int position);

    // "Toon/verberg rekenapparaat": shows the window when hidden (in front,
    // without taking the focus from the field being typed in), else hides
    // it. True when it is visible afterwards.
    bool toggle_visible();

    // --- state ---
    bool exact_fractions() const { return exact_fractions_; }
    const QString& memory() const { return memory_; }
    // The text shown in the result field (empty when it is clear).
    const QString& result_text() const { return result_text_; }
    const QImage& result_picture() const;
    const CalcHistory& history() const { return history_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void create_keys();
    void create_history();
    void clear_result();
    void write_result(const QString& text);
    void set_angle_hints();
    void focus_and_select();
    void report_failure();
    void recall(bool older);
    void add_to_history(const QString& expression, const QString& result, const QString& full);
    // Refuses texts the engine should not see; true when the text may be evaluated.
    bool acceptable_expression(const QString& text);

    FloatingWindow* floating_;
    std::map<QString, QAbstractButton*> keys_;
    QString result_text_;
    QString memory_;
    bool exact_fractions_ = false;
    CalcHistory history_;
};

}  // namespace cifrala
