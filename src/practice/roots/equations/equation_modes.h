#pragma once
// The four equation topics of the roots window as modes, and the controls
// only they use: "Voorkennis" and "Formules" (topic 58), the undo button
// and the side panel with the factor pairs (topic 61). The controls are
// made once with the window and hidden by every mode that does not use them.
#include <QImage>
#include <QJsonObject>
#include <QObject>
#include <memory>
#include <vector>

#include "practice/common/practice_mode.h"
#include "practice/roots/equations/equation_worker.h"

class QLabel;
class QToolButton;

namespace cifrala {

class FloatingPanel;
class FractionWorker;
class PowerWorker;
class QuadraticElementaryWorker;
class RootWorker;
class SurfacePane;
class TwortelsherleidenForm;

class EquationControls : public QObject, public EquationExplainer {
    Q_OBJECT
public:
    explicit EquationControls(TwortelsherleidenForm& window);
    ~EquationControls() override;

    // One mode per topic, with its row name.
    struct ModeEntry {
        const char* name;
        int topic;
        std::unique_ptr<PracticeMode> mode;
    };
    std::vector<ModeEntry> make_modes();

    // Hides what only these topics show (every mode's frame does this).
    void hide_all();

    // The factor-pair panel as the render mode puts it beside the worksheet:
    // whether it is open, its picture (caption above the listing) and its
    // caption and lines as they read.
    bool side_panel_open() const;
    QImage side_panel_picture() const;
    QJsonObject side_panel_description() const;

    // --- handlers ---
    void SpeedButton12Click();  // "Voorkennis": the powers table
    void SpeedButton14Click();  // "Formules": how a power is undone
    void SpeedButton15Click();  // undo

    // --- the explanation window ---
    void show_at(int top, int left) override;
    void reshow() override;
    void hide() override;
    void move_to_sheet(QPoint on_worksheet) override;
    void move_top_to_sheet(int sheet_y) override;
    // The worker whose card the explanation window shows.
    void set_card_worker(const EquationWorker* worker) { card_worker_ = worker; }

    PowerWorker& powers() { return *powers_; }
    FractionWorker& fractions() { return *fractions_; }
    RootWorker& roots() { return *roots_; }
    QuadraticElementaryWorker& quadratic() { return *quadratic_; }

    QToolButton* SpeedButton12 = nullptr;  // "Voorkennis"
    QToolButton* SpeedButton14 = nullptr;  // "Formules"
    QToolButton* SpeedButton15 = nullptr;  // undo
    FloatingPanel* GroupBox6 = nullptr;    // the factor pairs
    QLabel* GroupBox6Caption = nullptr;
    SurfacePane* Image3 = nullptr;

private:
    bool explanation_allowed() const;
    void show_card();
    void set_panel_height(int height);

    TwortelsherleidenForm& w_;
    const EquationWorker* card_worker_ = nullptr;
    std::unique_ptr<PowerWorker> powers_;
    std::unique_ptr<FractionWorker> fractions_;
    std::unique_ptr<RootWorker> roots_;
    std::unique_ptr<QuadraticElementaryWorker> quadratic_;
};

}  // namespace cifrala
