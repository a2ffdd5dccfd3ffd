#pragma once
// The quadratic-equations window (topic 26): an equation with whole-number
// coefficients in the strip at the top, in standard form or as a product,
// worked out on the worksheet below it in two thinking steps ("Eerste
// denkstap", "Tweede denkstap"); the side panel "Ontbinding" shows the search
// for the factor pair of the product-sum method. Exercises may also come
// from a text file of whole-number triples; the previous exercise can be
// taken back (undo); the number of decimals of the approximations can be
// changed, which works the exercise again.
//
// Component names where the frame already uses a member name: the frame's
// worksheet (Image1 member) is the window's Image2, the frame's stop button
// (Button3 member) its Button4; "Tweede denkstap" (Button3) is the member
// TweedeDenkstap.
#include <QString>
#include <optional>

#include "practice/common/practice_window.h"
#include "practice/quadratic_equations/quadratic_exercise.h"
#include "practice/quadratic_equations/quadratic_worker.h"

class QComboBox;
class QLabel;

namespace cifrala {

class CoverSheet;
class FloatingPanel;

class TkwadrverglForm : public PracticeWindow {
    Q_OBJECT
public:
    explicit TkwadrverglForm(QWidget* parent = nullptr);
    ~TkwadrverglForm() override;

    void apply_preset(Preset preset) override;
    bool step_available() const override;
    QImage picture() const override;
    QJsonObject description() const override;

    // --- handlers ---
    void eerste_denkstap();     // Button2
    void tweede_denkstap();     // Button3
    void SpeedButton2Click();   // one decimal more
    void SpeedButton3Click();   // one decimal less
    void ComboBox1Change();     // the number of decimals chosen
    void SpeedButton5Click();   // undo
    void SpeedButton6Click();   // open an exercise file
    void SpeedButton9Click();   // copy the strip
    void SpeedButton8Click();   // copy the side panel's surface
    void SpeedButton10Click();  // the abc formula in the explanation window

    // Opens this file as the exercise file (what the open dialog's choice
    // does); false when it was refused.
    bool open_exercise_file(const QString& path);
    bool file_mode() const { return file_.on; }
    int file_exercise() const { return file_.number; }
    int file_exercises() const { return file_.count; }

    // Starts this exercise as a new one does (tests).
    void begin(const QuadraticExercise& e);
    // Fixes the form of the generated exercises (render mode, tests):
    // product form or standard form; nullopt: drawn as the window draws it.
    void set_forced_form(std::optional<bool> product) { forced_product_ = product; }

    const QuadraticWorker& worker() const { return worker_; }
    QuadraticChoice choice() const;
    int decimals() const;
    Surface& strip() { return surface(SurfaceRole::Strip); }
    Surface& side_surface() { return surface(SurfaceRole::SidePanel); }

    SurfacePane* Image2 = nullptr;          // the worksheet
    SurfacePane* EquationStrip = nullptr;   // Image1, the equation
    SurfacePane* Image4 = nullptr;          // the side panel's surface
    QPushButton* TweedeDenkstap = nullptr;  // Button3
    QPushButton* Button4 = nullptr;         // "Stop"
    QCheckBox* CheckBox1 = nullptr;         // "Toon hint", not visible
    QCheckBox* CheckBox2 = nullptr;         // "Ook abc formule"
    QCheckBox* CheckBox3 = nullptr;         // "Ook grote getallen"
    QGroupBox* GroupBox3 = nullptr;         // "Decimalen"
    QToolButton* SpeedButton2 = nullptr;    // "+"
    QToolButton* SpeedButton3 = nullptr;    // "-"
    QComboBox* ComboBox1 = nullptr;         // 0 .. 8
    FloatingPanel* GroupBox2 = nullptr;     // "Ontbinding"
    QLabel* Label1 = nullptr;               // the side panel's caption
    CoverSheet* Panel1 = nullptr;           // over the worksheet
    CoverSheet* Panel3 = nullptr;           // over the side panel's surface
    QToolButton* SpeedButton1 = nullptr;    // help
    QToolButton* SpeedButton5 = nullptr;    // undo
    QToolButton* SpeedButton6 = nullptr;    // open
    QToolButton* SpeedButton8 = nullptr;    // copy the side panel
    QToolButton* SpeedButton9 = nullptr;    // copy the strip
    QToolButton* SpeedButton10 = nullptr;   // "abc formule"
    QToolButton* SpeedButton11 = nullptr;   // copy the worksheet
    QToolButton* SpeedButton12 = nullptr;   // hide the side panel

protected:
    void showing() override;
    void closing() override;
    void finished() override;

private:
    struct FileMode {
        bool on = false;
        int number = 0;  // the exercise in use (1 = the first)
        int count = 0;
        QString title;  // the window title before the file was opened
    };

    void create_strip();
    void create_side_panel();
    void create_bottom_row();
    void create_decimals_group();
    void map_roles();
    void fill_calibration_table();
    void new_exercise();  // "Volgende oefening"
    void init();          // a standard-form exercise
    void inithaakjes();   // a product-form exercise
    bool next_file_exercise(QuadraticExercise& e);
    void end_file_mode();
    void set_decimals(int n);
    void rekenstap();

    QuadraticWorker worker_;
    std::optional<QuadraticExercise> undo_;
    bool undo_due_ = false;
    FileMode file_;
    std::optional<bool> forced_product_;
    QWidget* drag_area_ = nullptr;  // what limits the side panel
};

}  // namespace cifrala
