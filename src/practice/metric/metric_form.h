#pragma once
// The metric system window ("Het Metrieke stelsel"): converting a length,
// area, volume or weight from one unit into another on a unit ladder. The
// exercise is one line on the worksheet with a blank for the answer; each
// press of "Rekenstap" draws an arrow or a factor on the ladder below it,
// the last one writes the answer into the blank and, when the pupil knows
// it, the answer in standard form. The pupil chooses the quantity and may
// type an exercise of their own.
#include <QPoint>
#include <array>
#include <optional>

#include "practice/common/practice_window.h"
#include "practice/metric/metric_worker.h"

class QButtonGroup;
class QFrame;
class QLineEdit;

namespace cifrala {

class FloatingPanel;

class TMetrieke_stelsel_Form : public PracticeWindow {
    Q_OBJECT
public:
    explicit TMetrieke_stelsel_Form(QWidget* parent = nullptr);
    ~TMetrieke_stelsel_Form() override;

    // --- handlers ---
    // "Volgende oefening", the quantity buttons and the double clicks start
    // a new exercise of the ticked quantity.
    void quantity_click(Quantity q);
    // A double click on the worksheet or the ladder box: the cover sheet,
    // which stays over the ladder, and a new exercise.
    void worksheet_double_click();
    void SpeedButton4Click();  // "Eigen opgave"
    void SpeedButton5Click();  // go: the own exercise

    // --- state ---
    Quantity quantity() const;
    void set_quantity(Quantity q);
    // The next generated volumes convert this way (the render mode).
    void set_forced_volume_kind(std::optional<VolumeKind> kind) { forced_kind_ = kind; }
    const MetricWorker& worker() const { return worker_; }
    // Puts this exercise on the worksheet as the own-exercise go does (for
    // tests with known numbers).
    void set_exercise(const MetricExercise& e);
    // Why the go button is disabled (0: it is not; -1: nothing typed).
    int own_refusal() const { return own_refusal_; }

    // --- controls ---
    QGroupBox* GroupBox1;                             // "Maak je keuze"
    std::array<QRadioButton*, 4> quantity_buttons{};  // RadioButton1 .. RadioButton4
    QCheckBox* CheckBox1;                             // "Ik weet wat de standaardvorm is."
    QToolButton* SpeedButton4;                        // "Eigen opgave"
    QGroupBox* GroupBox2;                             // the ladder box
    SurfacePane* Image2;                              // the upper ladder
    QLabel* Label1;                                   // ": 10"
    QLabel* Label2;                                   // "× 10"
    std::array<QFrame*, 4> unit_panels{};             // Panel2 .. Panel5
    std::array<SurfacePane*, 4> unit_images{};        // Image3 .. Image6
    QGroupBox* GroupBox3;                             // "Antwoord in standaardvorm"
    SurfacePane* Image7;
    FloatingPanel* Panel6;                        // the own exercise
    std::array<QRadioButton*, 7> from_buttons{};  // RadioButton5 .. RadioButton11
    std::array<QRadioButton*, 7> to_buttons{};    // RadioButton12 .. RadioButton18
    QFrame* Panel7;                               // "mm" .. "km" with their rows of "2"s and "3"s
    QFrame* Panel9;                               // "mg" .. "kg"
    QLineEdit* Edit1;
    QToolButton* SpeedButton5;
    QLabel* Label6;  // why the go button is disabled

    QImage picture() const override;
    QJsonObject description() const override;
    void place_control(ControlRole role, QPoint on_worksheet) override;

protected:
    void showing() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void create_bottom_row();
    void create_ladder_box();
    void create_standard_form_box();
    void create_own_exercise_panel();
    void fill_calibration_table();

    void new_exercise();
    // The ladder box for the quantity: height, visible names, factor texts
    // and caption.
    void vul_eenheden_in(Quantity q);
    void herstel_eenheden();
    // The unit names under the own-exercise buttons for the ticked quantity.
    void eigen_opgave_panel_update();
    void open_own_exercise_panel();
    void validate_own_value();
    // The new exercise's set-up shared by the generated and the own ones.
    void put_exercise(const MetricExercise& e);
    int checked_column(const std::array<QRadioButton*, 7>& buttons) const;

    MetricWorker worker_;
    std::optional<VolumeKind> forced_kind_;
    std::optional<QPoint> box_anchor_;
    int own_refusal_ = -1;
    QButtonGroup* from_group_ = nullptr;
    QButtonGroup* to_group_ = nullptr;
    std::array<QLabel*, 7> length_names_{};
    std::array<QLabel*, 7> area_powers_{};
    std::array<QLabel*, 7> volume_powers_{};
};

}  // namespace cifrala
