#pragma once
// The roots window: one frame for eight topics of the menu. "Wortels
// herleiden" (topic 22, and any topic without a mode of its own) works
// roots out step by step with the hint area under the worksheet; "Maak
// kloppend" (62) is a game on a panel over the whole window. "Parabolen
// tekenen" (56) and "Bereken functiewaarde" (57) work with the explanation
// window beside the worksheet; the equation topics (58 to 61) work equations
// out on the whole worksheet. Each mode sets the frame up with set_frame (the
// worksheet 572 pixels high with the hint area, or 681 without it) and adds
// what it shows.
#include <QVariantMap>
#include <functional>

#include "practice/common/practice_window.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace cifrala {

class CoverSheet;
class EquationControls;
class FunctionValueMode;
class GameMode;
class GamePanel;
class ParabolaMode;
class RootsMode;

// The explanation card that belongs to the exercise on the sheet: what the
// render mode puts beside the worksheet (topic 0: none).
struct RootsCard {
    int topic = 0;
    std::function<QVariantMap()> values;
};

// The worksheet's height and whether the hint area is under it.
struct RootsFrame {
    int worksheet_height = 681;
    bool hint_area = false;
};
inline constexpr int kRootsWorksheetWithHints = 572;
inline constexpr int kRootsFullWorksheet = 681;

class TwortelsherleidenForm : public PracticeWindow {
    Q_OBJECT
public:
    explicit TwortelsherleidenForm(QWidget* parent = nullptr);
    ~TwortelsherleidenForm() override;

    // What showing does in every mode before the mode's own set-up: the
    // factoring group, "Rekenstap", both cover sheets and the game panel
    // hidden, "Volgende oefening" shown, both surfaces cleared, the
    // worksheet's height and the hint area as the mode wants them.
    void set_frame(const RootsFrame& frame);
    // A control of one mode: set_frame hides it for every mode.
    void add_mode_control(QWidget* control) { mode_controls_.push_back(control); }
    // Set by a mode after set_frame (which clears it).
    RootsCard side_card;
    // "Bereken functiewaarde" shows its options panel (Preset::ShowPanel4).
    void apply_preset(Preset preset) override;
    QImage picture() const override;
    QJsonObject description() const override;

    // --- handlers ---
    void CheckBox1Click();     // "Toon hint"
    void SpeedButton5Click();  // copy the hint area
    void show_hint_cover();    // double click on the hint area

    Surface& hint_area() { return surface(SurfaceRole::HintArea); }
    RootsMode& roots_mode() const { return *roots_; }
    GameMode& game_mode() const { return *game_; }
    EquationControls& equations() const { return *equations_; }
    // Starts an exercise as soon as the window is shown (render mode).
    void set_start_on_show(bool on) { start_on_show_ = on; }

    QPushButton* Button7 = nullptr;        // "Stop"
    QCheckBox* CheckBox1 = nullptr;        // "Toon hint"
    QGroupBox* GroupBox2 = nullptr;        // "Ontbinden"
    QRadioButton* RadioButton4 = nullptr;  // "Priemfactoren"
    QRadioButton* RadioButton5 = nullptr;  // "Kwadraten"
    QToolButton* SpeedButton1 = nullptr;   // help
    QToolButton* SpeedButton4 = nullptr;   // copy the worksheet
    QToolButton* SpeedButton5 = nullptr;   // copy the hint area
    SurfacePane* Image2 = nullptr;         // the hint area
    CoverSheet* Panel1 = nullptr;          // over the worksheet
    CoverSheet* Panel2 = nullptr;          // over the hint area
    GamePanel* Panel5 = nullptr;           // the game

protected:
    void showing() override;
    void closing() override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class RootsMode;
    friend class GameMode;
    friend class EquationControls;
    friend class ParabolaMode;
    friend class FunctionValueMode;

    void create_factoring_group();
    void create_hint_area();
    void layout_bottom_row();
    void fill_calibration_table();
    void add_modes();

    RootsMode* roots_ = nullptr;
    GameMode* game_ = nullptr;
    EquationControls* equations_ = nullptr;
    FunctionValueMode* function_value_ = nullptr;
    std::vector<QPointer<QWidget>> mode_controls_;
    bool start_on_show_ = false;
};

}  // namespace cifrala
