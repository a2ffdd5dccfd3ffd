#pragma once
// The panel of the estimating topic (Panel5), over the worksheet: the number
// line at its bottom, the card with the number, which the pupil drags until
// its point is above the right place, the labels that explain and judge,
// and "Switch", which turns the card between improper fraction and mixed
// number.
#include <QFrame>
#include <optional>

#include "practice/integers/number_line.h"

class QLabel;
class QToolButton;

namespace cifrala {

class SurfacePane;

class NumberLinePanel : public QFrame {
    Q_OBJECT
public:
    NumberLinePanel(QWidget* window, QSize size);

    // Shown for the topic: the number line drawn, no card until the first number.
    void prepare();
    // "Volgende opgave": a new number on the card, back in its place.
    void new_number();
    // Puts the card with the exercise's number back in its place.
    void restart();

    NumberLineExercise& exercise() { return exercise_; }
    const NumberLineExercise& exercise() const { return exercise_; }
    // Where the number lies and where the card points, in panel coordinates.
    int target_x() const;
    int card_point_x() const;
    // The card's place when a number starts.
    QPoint card_home() const;
    bool dragging() const { return anchor_.has_value(); }

    // The card's mouse actions, in card coordinates.
    void card_pressed(QPoint pos, Qt::MouseButton button);
    void card_moved(QPoint pos);
    void card_released();
    // Improper fraction <-> mixed number.
    void toggle_display();

    QLabel* Label1;       // how to drag
    QLabel* Label2;       // how to switch
    QLabel* Label3;       // right
    QLabel* Label4;       // not right
    QLabel* Label5;       // try again
    SurfacePane* Image2;  // the number line
    SurfacePane* Image3;  // the card
    QToolButton* Panel6;  // "Switch"

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void judge();

    NumberLineExercise exercise_;
    std::optional<QPoint> anchor_;
    bool moved_ = false;
};

// Messages of the panel.
namespace number_line_messages {
inline constexpr int kHowToDrag = 1921;
inline constexpr int kHowToSwitch = 1922;
inline constexpr int kRight = 1322;
inline constexpr int kNotRight = 1332;
inline constexpr int kTryAgain = 1923;
}  // namespace number_line_messages

}  // namespace cifrala
