#pragma once
// The times-tables test's panel (Panel8), which covers the whole window:
// the number of products and the time, "Start" and "Stop", the time bar,
// ten rows of question, answer field, marker button and correct product,
// the input group with its screen keys, "Check antwoorden" and the score.
// The time bar runs on a Countdown of the user-interface thread, so a tick
// never comes in the middle of a key press.
#include <QFrame>
#include <array>

#include "practice/common/score.h"
#include "practice/integers/times_table_round.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace cifrala {

class TimesTablePanel : public QFrame {
    Q_OBJECT
public:
    explicit TimesTablePanel(QWidget* window);

    // Shown for the topic: nothing marked, no time bar until "Start".
    void show_test_panel();
    // "Start" (Button4): a new row of products; false (with a message) when
    // the typed time cannot be read.
    bool Button4Click();
    // "Check antwoorden" (Button6).
    void Button6Click();
    // Stops the time bar (the window closes or another topic is shown).
    void stop();
    // The marker button of a wrong row: the correct product beside it.
    void marker_click(int row);

    // The input group's screen keys type into the focused answer field.
    void screen_key(const QByteArray& codes);
    // "Vorige invoerveld" / "Volgende invoerveld".
    void previous_field();
    void next_field();

    const TimesTableRound& round() const { return round_; }
    TimesTableRound& round() { return round_; }
    Countdown& countdown() { return countdown_; }
    bool running() const { return countdown_.running(); }
    int progress() const { return progress_; }
    TimesTableRound::BarColour bar_colour() const { return colour_; }
    const TimesTableRound::Marking& marking() const { return marking_; }
    bool marked() const { return marked_; }
    // The answer field of row i (0 to 9) and the row being typed in.
    QLineEdit* field(int row) const { return Edit[static_cast<size_t>(row)]; }
    int focused_row() const;
    // Where the on-screen keyboard opens, in panel coordinates.
    QPoint keyboard_place() const;

    QComboBox* ComboBox1;  // "Aantal opgaven"
    QLineEdit* Edit2;      // the time in seconds
    QPushButton* Button4;  // "Start"
    QPushButton* Button5;  // "Stop"
    QToolButton* keyboard_button;
    QProgressBar* Gauge1;
    QLabel* Label33;       // the score
    QPushButton* Button6;  // "Check antwoorden"
    QGroupBox* input_group;
    std::array<QLabel*, TimesTableRound::kMostRows> Question{};     // Label23 .. Label32
    std::array<QLineEdit*, TimesTableRound::kMostRows> Edit{};      // Edit3 .. Edit12
    std::array<QToolButton*, TimesTableRound::kMostRows> Marker{};  // SpeedButton23 .. 32
    std::array<QLabel*, TimesTableRound::kMostRows> Product{};      // Label34 .. Label43

Q_SIGNALS:
    // "Stop" on the panel.
    void stop_requested();
    // The on-screen keyboard is asked for.
    void keyboard_requested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void create_settings();
    void create_rows();
    void create_input_group();
    void tick();
    void time_up();
    void report();  // rapporteer
    void set_input_enabled(bool enabled);
    void set_bar_colour(TimesTableRound::BarColour colour);
    void answer_changed(int row);
    void focus_row(int row);
    int shown_rows() const;

    TimesTableRound round_;
    Countdown countdown_;
    TimesTableRound::Marking marking_;
    TimesTableRound::BarColour colour_ = TimesTableRound::BarColour::Green;
    int maximum_ = TimesTableRound::kDefaultSeconds;
    int progress_ = 0;
    bool marked_ = false;
    bool input_enabled_ = true;
};

// Text numbers of the panel.
namespace times_table_tags {
inline constexpr int kCountLabel = 1331;     // file 2
inline constexpr int kTimeLabel = 1332;      // file 2
inline constexpr int kSecondsLabel = 1333;   // file 2
inline constexpr int kInputGroup = 2771;     // file 3
inline constexpr int kCheck = 861;           // file 5
inline constexpr int kStart = 862;           // file 5
inline constexpr int kStop = 863;            // file 5
inline constexpr int kPreviousField = 2772;  // file 3
inline constexpr int kNextField = 2773;      // file 3
inline constexpr int kCursorLeft = 2774;     // file 3, hint
inline constexpr int kCursorRight = 2775;    // file 3, hint
inline constexpr int kDelete = 2776;         // file 3, hint
inline constexpr int kBackspace = 2777;      // file 3, hint
inline constexpr int kKeyboard = 4755;       // file 3: "Toetsenbord"
inline constexpr int kBadTime = 1817;        // message
}  // namespace times_table_tags

}  // namespace cifrala
