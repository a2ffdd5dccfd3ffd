#pragma once
// The explanation window ("Toelichting"): a small window beside a practice
// window that shows a theory card for the topic being practised. What it
// draws depends on the shared topic code and on the current exercise of the
// window that opened it, which it reads each time it is shown; the cards
// themselves are registered by topic code (explanation_cards.h).
//
// The window is created once; explanation_window() gives the instance.
#include <QPointer>
#include <QVariantMap>
#include <QWidget>
#include <functional>
#include <memory>

#include "formula/surface.h"

class QToolButton;

namespace cifrala {

class SurfacePane;

class TtekeningForm : public QWidget {
    Q_OBJECT
public:
    explicit TtekeningForm(QWidget* parent = nullptr);
    ~TtekeningForm() override;

    // The values of the opener's current exercise that the cards read.
    using ExerciseSource = std::function<QVariantMap()>;

    // --- showing ---
    // Draws the card for the current topic code with the opener's exercise,
    // places the window and shows it in front of the opener (usable while
    // the opener runs modally).
    void show_for(QWidget* opener, ExerciseSource exercise);
    // Draws the card for the current selection and places the window.
    void FormShow();
    // The window whose lower right corner the cards go to (the multi-topic
    // window); without one, the opener's.
    void set_reference_window(QWidget* window) { reference_ = window; }

    // --- the surface ---
    // Surface of w x h pixels, cleared white, line unit 35; the window fits it.
    void init(int w, int h);
    // White, cursor at (3, 5).
    void cleartekening();
    Surface& surface() { return *surface_; }
    const Surface& surface() const { return *surface_; }
    // Copy: the whole surface to the clipboard.
    void SpeedButton1Click();

    // --- writing primitives ---
    void my_textout_2(const QString& text);
    void newline(double f = 1.0);
    void in_de_machttxt(const QString& text);
    void in_de_subtxt(const QString& text);
    // Stacked fractions (centred in the wider part); they leave the cursor
    // and return the x at which the caller continues. A bottom of INT_MAX
    // stands for an empty denominator.
    int breuktxt(const QString& top, const QString& bottom);
    int breuk(int a, int b);
    int breuktxt_met_pi_in_teller(const QString& top, const QString& bottom);
    int breuk_met_macht_in_noemer(const QString& top, const QString& bottom,
                                  const QString& exponent);
    // A small fraction as an exponent, after the cursor; x advances.
    void breuktxt_in_de_macht(const QString& top, const QString& bottom);
    // (top / bottom) raised to `exponent`; x advances.
    void breuk_in_de_machttxt(const QString& top, const QString& bottom, const QString& exponent);
    // Root sign over `text`, sized by `factor` (0.7 in the cards); x advances.
    void worteluittxt(const QString& text, double factor = 0.7);
    // A small root as an exponent; x advances.
    void worteluittxt_in_macht_txt(const QString& text);
    // Root over a fraction; x advances.
    void wortelbreuktxt(const QString& top, const QString& bottom);
    void wortel_uit_breuk_ab(int a, int b);
    // A fraction with a root over its numerator; x advances.
    void tellerwortelbreuktxt(const QString& radicand, const QString& bottom);
    RootSignEnd basiswortelteken(int x0, int y0, double scale);
    // Summation sign with its limits; x advances.
    void sigma(const QString& lower, const QString& upper);
    void index(const QString& text);
    // A sequence term: name with its index below it.
    void rijterm(const QString& name, const QString& index_text);
    // A small framed sign with a text, and a small multiplication dot.
    void bordje(const QString& text);
    void maal();
    void my_textoutSymbol(int code);

    // --- mouse (dragging figure points; only after a graph that allows it) ---
    void Image1MouseDown(QPoint pos);
    void Image1MouseMove(QPoint pos);
    void Image1MouseUp();
    bool dragging_allowed = false;
    int picked_point = -1;
    bool mouse_down = false;

    // The topic whose card is shown (0: none yet).
    int shown_topic() const { return shown_topic_; }
    QWidget* opener() const { return opener_; }

    SurfacePane* Image1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    // The Copy button sits in the card's top right corner; a card that
    // measures its text keeps this much room free at its right edge.
    static constexpr int kCopyButtonRoom = 30;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void make_surface(int w, int h);
    void fit_window_to_surface();
    void place_lower_right();
    void reparent_to(QWidget* owner);
    // A stacked fraction whose parts are runs of text and superscripts.
    struct Run {
        QString text;
        bool superscript = false;
    };
    int stacked(const std::vector<Run>& top, const std::vector<Run>& bottom,
                bool empty_bottom = false);
    int run_width(const std::vector<Run>& runs);
    void write_runs(int x, int y, const std::vector<Run>& runs);

    Surface* surface_ = nullptr;  // Image1's
    QPointer<QWidget> opener_;
    QPointer<QWidget> reference_;
    ExerciseSource exercise_;
    int shown_topic_ = 0;
};

// The window's one instance (created on first use when the program has not
// created it yet).
TtekeningForm* explanation_window();
// Hides the window if it exists (a practice window that closes).
void hide_explanation_window();
bool explanation_window_visible();

// Text numbers of the window.
namespace tekening_tags {
constexpr int kCaption = 2431;
constexpr int kCopy = 2432;
}  // namespace tekening_tags

}  // namespace cifrala
