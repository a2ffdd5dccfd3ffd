#pragma once
// The lens formula window ("De lenzenformule"): exercises on 1/v + 1/b =
// 1/f worked step by step on the worksheet, an own exercise with two of
// the three distances, the situation sketch in the explanation window, and
// the ray diagram "Exploreer dynamisch" in a group over the worksheet, in
// which the object, the focal point and the lens size are dragged or
// nudged while v, b and f are shown live.
#include <array>
#include <optional>

#include "practice/common/practice_window.h"
#include "practice/lens/lens_diagram.h"
#include "practice/lens/lens_worker.h"

class QLabel;
class QLineEdit;

namespace cifrala {

class FloatingPanel;

class TLenzenForm : public PracticeWindow {
    Q_OBJECT
public:
    explicit TLenzenForm(QWidget* parent = nullptr);
    ~TLenzenForm() override;

    QImage picture() const override;
    QJsonObject description() const override;

    // What creating the window sets, again (a language was chosen in the
    // menu): the letters, the diagram's defaults, the group hidden.
    void set_up_again();

    // --- handlers ---
    void SpeedButton4Click();   // "Exploreer dynamisch"
    void SpeedButton5Click();   // "Situatieschets"
    void SpeedButton12Click();  // "Eigen opgave"
    void SpeedButton2Click();   // the own exercise's go button
    void SpeedButton9Click();   // "Synchroniseer"
    void SpeedButton10Click();  // copy the diagram
    void edit_changed();
    void Image2MouseDown(QPoint pos);
    void Image2MouseMove(QPoint pos);
    void Image2MouseUp();

    // Starts this exercise as a new one does (tests).
    void begin(const LensExercise& e);
    // The render mode: the asked distance of the generated exercises (0: drawn),
    // an own exercise typed when the window is shown, the diagram shown.
    void set_forced_kind(int kind) { forced_kind_ = kind; }
    void set_typed_exercise(const QString& v, const QString& b, const QString& f);
    void set_show_diagram(bool on) { show_diagram_ = on; }

    const LensWorker& worker() const { return worker_; }
    LensDiagram& diagram() { return diagram_; }
    const LensDiagram& diagram() const { return diagram_; }
    Surface& diagram_surface() { return surface(SurfaceRole::Second); }
    // The letters of v, b and f in the current language.
    const std::array<QString, 3>& letters() const { return letters_; }
    int picked_handle() const { return picked_; }

    QToolButton* SpeedButton1 = nullptr;   // help
    QToolButton* SpeedButton4 = nullptr;   // "Exploreer dynamisch"
    QToolButton* SpeedButton5 = nullptr;   // "Situatieschets"
    QToolButton* SpeedButton11 = nullptr;  // copy the worksheet
    QToolButton* SpeedButton12 = nullptr;  // "Eigen opgave"
    QCheckBox* CheckBox1 = nullptr;        // "Toon hint"
    // The own exercise.
    FloatingPanel* Panel1 = nullptr;
    QLabel* PanelCaption = nullptr;
    QLabel* PanelReason = nullptr;
    std::array<QLabel*, 3> EditLabels{};
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    // The ray diagram.
    FloatingPanel* GroupBox2 = nullptr;
    QLabel* GroupCaption = nullptr;
    SurfacePane* Image2 = nullptr;
    QLabel* Label4 = nullptr;              // v
    QLabel* Label5 = nullptr;              // b
    QLabel* Label6 = nullptr;              // f
    QToolButton* SpeedButton3 = nullptr;   // hides the group
    QToolButton* SpeedButton7 = nullptr;   // "Zoom out"
    QToolButton* SpeedButton8 = nullptr;   // "Zoom in"
    QToolButton* SpeedButton9 = nullptr;   // "Synchroniseer"
    QToolButton* SpeedButton10 = nullptr;  // copy the diagram
    // Pan left, right, down, up; object left, right, smaller, larger; focal
    // point left, right.
    QToolButton* ProSpeedButton1 = nullptr;
    QToolButton* ProSpeedButton2 = nullptr;
    QToolButton* ProSpeedButton3 = nullptr;
    QToolButton* ProSpeedButton4 = nullptr;
    QToolButton* ProSpeedButton5 = nullptr;
    QToolButton* ProSpeedButton6 = nullptr;
    QToolButton* ProSpeedButton7 = nullptr;
    QToolButton* ProSpeedButton8 = nullptr;
    QToolButton* ProSpeedButton14 = nullptr;
    QToolButton* ProSpeedButton15 = nullptr;

protected:
    void showing() override;
    void closing() override;
    void finished() override;

private:
    void create_bottom_row();
    void create_own_panel();
    void create_group();
    QToolButton* nudge_button(const QString& name, const QString& glyph, int tag,
                              std::function<void()> action);
    void fill_calibration_table();
    void take_letters();
    void new_exercise();  // "Volgende oefening"
    void rekenstap();
    void redraw_diagram();
    void refresh_labels();
    void refuse(const LensOwnResult& r);
    QLineEdit* field(int index) const;

    LensWorker worker_;
    LensDiagram diagram_;
    std::array<QString, 3> letters_;
    int picked_ = -1;
    int forced_kind_ = 0;
    std::optional<std::array<QString, 3>> typed_;
    bool show_diagram_ = false;
};

}  // namespace cifrala
