#pragma once
// The panel of "Maak kloppend" that covers the whole roots window: the sum
// a ? b ? c = d with its two places, the red operator buttons above the red
// place and the blue ones below the blue place, the operators chosen, the
// feedback, the score, the level and clock choices, the time bar and the
// game's own "Volgende oefening" and "Stop". It only shows; GameMode plays.
#include <QFrame>
#include <array>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;

namespace cifrala {

class GamePanel : public QFrame {
    Q_OBJECT
public:
    explicit GamePanel(QWidget* parent);

    // The operator buttons of a place (0 red, 1 blue), in the order
    // +, -, x, :.
    QToolButton* operator_button(int place, int op) const;
    // The chosen operator shown over a place; clicking it takes it back.
    QToolButton* chosen_operator(int place) const { return place == 0 ? Panel9 : Panel10; }
    // 0 "Eenvoudig", 1 "Gevorderd", 2 "Expert".
    int level() const;
    // 0 "Geen", 1 "Kort", 2 "Lang".
    int clock() const;
    // The feedback in green (right) or red, in the largest size up to 48
    // points in which its widest line fits.
    void show_feedback(const QString& text, bool right);
    // The time bar's colour.
    void set_bar_colour(const QColor& colour);

    QLabel* Label6;   // a
    QLabel* Label7;   // b
    QLabel* Label8;   // c
    QLabel* Label9;   // d
    QLabel* Label10;  // "="
    QLabel* Label11;  // the red place "?"
    QLabel* Label12;  // the blue place "?"
    QFrame* Panel6;   // red operators
    QFrame* Panel7;   // blue operators
    QToolButton* SpeedButton16;
    QToolButton* SpeedButton17;
    QToolButton* SpeedButton18;
    QToolButton* SpeedButton19;
    QToolButton* SpeedButton20;
    QToolButton* SpeedButton21;
    QToolButton* SpeedButton22;
    QToolButton* SpeedButton23;
    QToolButton* Panel9;         // the red operator chosen
    QToolButton* Panel10;        // the blue operator chosen
    QLabel* Label15;             // feedback
    QGroupBox* GroupBox8;        // "Score"
    QLabel* Label17;             // attempts
    QLabel* Label16;             // correct
    QToolButton* SpeedButton24;  // "Volgende oefening"
    QPushButton* button3;        // "Stop"
    QGroupBox* GroupBox7;        // "Niveau"
    std::array<QRadioButton*, 3> level_buttons{};
    QGroupBox* GroupBox9;                          // "Tijdcontrole"
    std::array<QRadioButton*, 3> clock_buttons{};  // "Geen", "Kort", "Lang"
    QProgressBar* Gauge1;
    QTimer* Timer1;  // 100 milliseconds
    QFrame* Panel8;  // the cover over the sum until the first exercise

private:
    void create_sum();
    void create_operator_panels();
    void create_side();

    std::array<std::array<QToolButton*, 4>, 2> operators_{};
};

}  // namespace cifrala
