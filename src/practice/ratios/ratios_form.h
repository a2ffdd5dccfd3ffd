#pragma once
// The ratios window ("Verhoudingen oefenen"): a ratio table of two rows and
// three columns. The program gives the upper row and one lower number; the
// pupil types the two missing lower numbers and presses "Check". Aid
// drawings show the factor between the rows or a reduced base column; each
// aid, the calculator and every wrong check lower the value of the table.
// The pupil may also type a table of their own.
#include <array>

#include "practice/common/own_exercise_fields.h"
#include "practice/common/practice_window.h"
#include "practice/ratios/ratio_worker.h"

class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace cifrala {

class FloatingPanel;

class TverhoudingenForm : public PracticeWindow {
    Q_OBJECT
public:
    explicit TverhoudingenForm(QWidget* parent = nullptr);
    ~TverhoudingenForm() override;

    // The menu's preset: the next table is a new one, even after a wrong check.
    void preset_new_exercise() { worker_.forget_retry(); }
    void apply_preset(Preset preset) override {
        if (preset == Preset::RatiosNewExercise) preset_new_exercise();
    }

    // --- handlers ---
    void BitBtn1Click();       // "Check"
    void SpeedButton1Click();  // factor from the lower to the upper row
    void SpeedButton2Click();  // factor from the upper to the lower row
    void SpeedButton3Click();  // base column
    void SpeedButton4Click() { from_base_click(0); }
    void SpeedButton5Click() { from_base_click(1); }
    void SpeedButton6Click() { from_base_click(2); }
    void SpeedButton7Click();   // "Toon/verberg rekenapparaat"
    void SpeedButton8Click();   // the on-screen keyboard
    void SpeedButton10Click();  // "Eigen opgave"
    void SpeedButton11Click();  // go: own table

    // --- state ---
    const RatioTable& table() const { return worker_.table(); }
    double value() const { return worker_.value(); }
    bool retry() const { return worker_.retry(); }
    const RatioAids& aids() const { return worker_.aids(); }
    const RatioLayout& layout() const { return worker_.layout(); }
    // Puts a table on the window as the own-exercise go does (for tests of
    // the judging with known numbers).
    void set_table(const RatioTable& table);
    // The lower field of column i (Edit4 .. Edit6).
    QLineEdit* lower_field(int column) const { return lower_[static_cast<size_t>(column)]; }
    // Where the calculator opens the first time (screen coordinates, before
    // it is kept on the screen).
    QPoint calculator_place() const;
    QLineEdit* upper_field(int column) const { return upper_[static_cast<size_t>(column)]; }

    // --- controls ---
    QFrame* Panel1;  // the table area
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QLineEdit* Edit7;      // base column, upper
    QLineEdit* Edit8;      // base column, lower
    QPushButton* BitBtn1;  // "Check"
    QPushButton* BitBtn2;  // "Stop"
    QLabel* Label1;        // "Waarde van deze tabel:"
    QLabel* Label2;        // the value, "100%"
    QLabel* Label5;        // why the typed numbers cannot be checked
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton5;
    QToolButton* SpeedButton6;
    QToolButton* SpeedButton7;
    QToolButton* SpeedButton8;
    QToolButton* SpeedButton10;
    QToolButton* SpeedButton11;
    FloatingPanel* Panel2;  // own exercise
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label6;  // why an own table cannot be made
    QLineEdit* Edit9;
    QLineEdit* Edit10;
    QLineEdit* Edit11;
    QLineEdit* Edit12;
    QLineEdit* Edit13;
    QLineEdit* Edit14;

protected:
    void showing() override;
    void closing() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void new_exercise();
    void create_table();
    void create_aid_buttons();
    void create_bottom_controls();
    void create_own_exercise_panel();
    void place_bottom_row();
    void fill_calibration_table();

    // "Volgende oefening" and after every check: a new table unless retry.
    void new_table();
    // The aid buttons unticked, the base column and its buttons hidden.
    void hide_aid_controls();
    void fill_table();
    void place_aid_buttons();
    void from_base_click(int column);
    // Enables "Check" while all three lower fields hold whole numbers above 0.
    bool validate_lower();
    void focus_first_empty();
    // After an aid: back into the field the pupil was typing in.
    void back_to_typing();
    // The field the pupil was typing in (else the first empty one).
    QLineEdit* field_to_type_in() const;
    // A key that types a character of a number or a sum.
    static bool typed_character(const QKeyEvent& key);
    void check_from_key();
    OwnExerciseFields::Refusal check_own_table(bool complete) const;

    RatioWorker worker_;
    bool tools_placed_ = false;
    std::array<QLineEdit*, 3> upper_{};
    std::array<QLineEdit*, 3> lower_{};
    std::array<QToolButton*, 3> from_base_{};
    OwnExerciseFields* own_fields_ = nullptr;
    QPointer<QLineEdit> typing_in_;
};

// Text and message numbers of the ratios window.
namespace ratios_tags {
inline constexpr int kTitle = 2101;         // file 3
inline constexpr int kRowFactor = 2102;     // file 3, hint
inline constexpr int kBaseColumn = 2103;    // file 3, hint
inline constexpr int kFromBase = 2104;      // file 3, hint
inline constexpr int kCheck = 2106;         // file 3, hint
inline constexpr int kOwnCaption1 = 4751;   // file 2
inline constexpr int kOwnCaption2 = 4752;   // file 2
inline constexpr int kValueCaption = 4753;  // file 2
inline constexpr int kCalculator = 4754;    // file 3, caption and hint
inline constexpr int kKeyboard = 4755;      // file 3, caption and hint
inline constexpr int kOwnGo = 4756;         // file 3, caption and hint
inline constexpr int kLowerField = 4757;    // file 6
inline constexpr int kOwnField = 4758;      // file 6
inline constexpr int kHelpPage = 688;
}  // namespace ratios_tags

namespace ratios_messages {
inline constexpr int kFirstColumnWrong = 1497;  // 1498, 1499: second, third column
inline constexpr int kAllRight = 1500;
inline constexpr int kTryAgain = 1686;
inline constexpr int kNotWhole = 1915;
inline constexpr int kTypeWholeNumber = 4760;
inline constexpr int kTooLarge = 4761;
inline constexpr int kAboveZero = 4762;
inline constexpr int kExactlyOneLower = 4763;
inline constexpr int kFillAllFields = 4764;
}  // namespace ratios_messages

}  // namespace cifrala
