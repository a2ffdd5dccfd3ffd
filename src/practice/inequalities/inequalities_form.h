#pragma once
// The quadratic-inequalities window (topic 7): an inequality parabola <
// line or parabola > line worked out by the standard method, one
// "Rekenstap" at a time, and the graph check ("Grafiekcontrole") in the
// explanation window: the parabola, the line, the solution in colour and
// the vertex with its computation in the vertex panel ("Bereken").
//
// Component names where the frame already uses a member name: the frame's
// worksheet (Image1 member) is the window's Image2, "Volgende oefening"
// (Button1 member) its Button7, "Rekenstap" (Button2) its Button8 and
// "Stop" (Button3) its Button6.
#include <optional>

#include "drawing/graphs/graph_records.h"
#include "practice/common/practice_window.h"
#include "practice/inequalities/inequalities_worker.h"

class QCheckBox;
class QGroupBox;

namespace cifrala {

class FloatingPanel;

class TOngelijkhedenForm : public PracticeWindow {
    Q_OBJECT
public:
    explicit TOngelijkhedenForm(QWidget* parent = nullptr);
    ~TOngelijkhedenForm() override;

    QImage picture() const override;
    QJsonObject description() const override;

    // --- handlers ---
    void CheckBox1Click();     // "Grafiekcontrole"
    void graph_box_click();    // "Eerste grafiek", "Tweede grafiek", "Kleur oplossing"
    void SpeedButton2Click();  // "Bereken": the vertex panel
    void SpeedButton3Click();  // "Hide" on the vertex panel

    // Starts this exercise as a new one does (tests).
    void begin(const InequalityExercise& e);
    // The relation of the generated exercises (render mode, tests);
    // nullopt: drawn as the window draws it.
    void set_forced_relation(std::optional<bool> less) { forced_less_ = less; }
    // The render mode adds the graph check, every box ticked and the vertex
    // shown, beside the worksheet.
    void set_render_graph(bool on) { render_graph_ = on; }

    const InequalitiesWorker& worker() const { return worker_; }
    // The graph check as the boxes stand now.
    QuadraticInequalityGraph graph_record() const;
    bool vertex_shown() const { return vertex_shown_; }
    Surface& vertex_surface() { return surface(SurfaceRole::SidePanel); }

    SurfacePane* Image2 = nullptr;        // the worksheet
    SurfacePane* Image3 = nullptr;        // the vertex surface
    QPushButton* Button6 = nullptr;       // "Stop"
    QPushButton* Button7 = nullptr;       // "Volgende oefening"
    QPushButton* Button8 = nullptr;       // "Rekenstap"
    QCheckBox* CheckBox1 = nullptr;       // "Grafiekcontrole"
    QGroupBox* GroupBox2 = nullptr;       // "Grafieken"
    QCheckBox* CheckBox3 = nullptr;       // "Eerste grafiek"
    QToolButton* SpeedButton2 = nullptr;  // "Bereken"
    QCheckBox* CheckBox4 = nullptr;       // "Tweede grafiek"
    QCheckBox* CheckBox5 = nullptr;       // "Kleur oplossing"
    FloatingPanel* Panel2 = nullptr;      // the vertex panel
    QToolButton* SpeedButton3 = nullptr;  // its "Hide"

protected:
    void showing() override;
    void closing() override;
    void finished() override;

private:
    void create_bottom_row();
    void create_graphs_group();
    void create_vertex_panel();
    void fill_calibration_table();
    void new_exercise();  // Button7Click
    void rekenstap();
    void untick(QCheckBox* box);
    void hide_vertex();
    // Draws the graph check in the explanation window (algorithm 5).
    void draw_graph_check();
    void write_vertex_panel();
    void raise_beside();

    InequalitiesWorker worker_;
    std::optional<bool> forced_less_;
    bool render_graph_ = false;
    bool vertex_shown_ = false;
};

}  // namespace cifrala
