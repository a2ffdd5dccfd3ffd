#pragma once
// The exponential-equations window (topic 28): an equation whose sides are
// products of powers and roots of one base g, worked out one stage per
// "Rekenstap" until x is found; the powers panel ("Toon machten") lists
// g¹ .. g⁷, and "Formules" shows the power rules in the explanation
// window.
//
// Component names where the frame already uses a member name: "Toon hint"
// is the window's CheckBox2, the cover sheet its Panel2.
#include <optional>

#include "practice/common/practice_window.h"
#include "practice/exponential/exponential_worker.h"

class QCheckBox;
class QTableWidget;

namespace cifrala {

class TExpverglForm : public PracticeWindow {
    Q_OBJECT
public:
    explicit TExpverglForm(QWidget* parent = nullptr);
    ~TExpverglForm() override;

    // --- handlers ---
    void CheckBox1Click();     // "Toon machten"
    void CheckBox2Click();     // "Toon hint"
    void SpeedButton5Click();  // "Formules"

    // Showing starts an exercise at once instead of waiting (render mode).
    void set_start_on_show(bool on) { start_on_show_ = on; }
    // Starts this exercise as a new one does (tests).
    void begin(const ExpExercise& x);

    const ExponentialWorker& worker() const { return worker_; }
    int phase() const { return worker_.phase; }
    // The powers panel's rows: the exponents and g to those powers.
    QStringList powers_rows() const;

    QCheckBox* CheckBox1 = nullptr;       // "Toon machten"
    QCheckBox* CheckBox2 = nullptr;       // "Toon hint"
    QToolButton* SpeedButton5 = nullptr;  // "Formules"
    QWidget* Panel1 = nullptr;            // the powers panel
    QTableWidget* Grid1 = nullptr;        // x
    QTableWidget* Grid2 = nullptr;        // g^x

protected:
    void showing() override;
    void closing() override;
    void finished() override;

private:
    void create_bottom_row();
    void create_powers_panel();
    void fill_calibration_table();
    void new_exercise();
    void rekenstap();
    void refresh_powers();

    ExponentialWorker worker_;
    bool start_on_show_ = false;
};

}  // namespace cifrala
