#pragma once
// The explanation window ("Toelichting"): a small window beside a practice
// window that shows a theory card for the topic being practised. What it
// draws depends on the shared topic code and on the current exercise of the
// window that opened it, which it reads each time it is shown; the cards
// themselves are registered by topic code (explanation_cards.h).
//
// It is shown without taking the keyboard from the window that showed it,
// and stays above that window. The graph cards can be zoomed with the
// mouse wheel and moved by dragging empty space; their points can be
// dragged where the graph allows it.
//
// The window is created once; explanation_window() gives the instance.
#include <QPointer>
#include <QVariantMap>
#include <QWidget>
#include <functional>
#include <memory>

#include "drawing/graphs/graph_drawing.h"
#include "drawing/graphs/graph_records.h"
#include "formula/surface.h"

class QLabel;
class QToolButton;

namespace cifrala {

class CardView;
class FloatingWindow;

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
    // Places the window at the lower right corner of `window` (a card that
    // places itself beside another window).
    void place_lower_right_of(const QWidget* window);

    // Set by the roots window around showing this window from its buttons:
    // the table of powers of 2, 3 and 5, and how a power is undone with a
    // root. They go before the topic's card.
    bool powers_table_mode = false;
    bool root_notation_mode = false;

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
    // Stacked fractions (centred in the wider piece); they leave the cursor
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

    // --- graphs: each clears the surface, draws the graph of the exercise
    // on the whole surface and allows dragging where the graph has points
    // that can move ---
    void teken_lijnformule(const LineGraph& e);
    void teken_expformule(const ExponentialGraph& e);
    void teken_sinusoide(const SinusoidGraph& e);
    void teken_parabool(const ParabolaGraph& e);
    void teken_wortelfie(const RootFunctionGraph& e);
    void teken_hyperbola(const HyperbolaGraph& e);
    void teken_puntsymmetrie_derdegraadsfunctie(const CubicGraph& e);
    void teken_lijnsymmetrie_parabool(const QuadraticGraph& e);
    // Writes the vertex's y_top back into the record.
    void teken_de_parabool(RootsParabolaGraph& e);
    void teken_sinusoide_grafiek(const SinusoidEquationGraph& e);
    void teken_breukongelijkheid(const FractionInequalityGraph& e);
    void teken_wortelongelijkheid(const RootInequalityGraph& e);
    // Shows a graph built elsewhere (what the teken_ operations do).
    void show_graph(GraphDrawing graph);
    // The graph on the surface, nullptr when the card is not a graph.
    GraphDrawing* graph() { return graph_.get(); }
    // Zoom and pan of a graph card; back to the card's own view.
    void zoom_graph(QPointF at, double factor);
    void pan_graph(QPointF delta);
    void reset_graph_view();
    // The coordinates under the mouse, as the window shows them.
    QString coordinates_at(QPoint pos) const;
    // Asks for a file name and saves the card as PNG or SVG.
    void save_card_as();

    // --- mouse (dragging figure points; only after a graph that allows it;
    // on empty space of a graph, the drag moves the whole view) ---
    void Image1MouseDown(QPoint pos);
    void Image1MouseMove(QPoint pos);
    void Image1MouseUp();
    void Image1MouseWheel(QPointF pos, int eighths_of_degree);
    bool dragging_allowed = false;
    int picked_point = -1;
    bool mouse_down = false;

    // The topic whose card is shown (0: none yet).
    int shown_topic() const { return shown_topic_; }
    QWidget* opener() const { return opener_; }

    CardView* Image1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;  // back to the card's own view (graphs)
    QToolButton* SpeedButton3 = nullptr;  // save as PNG or SVG
    QLabel* Label1 = nullptr;             // the coordinates under the mouse (graphs)
    // The Copy button sits in the card's top right corner; a card that
    // measures its text keeps this much room free at its right edge.
    static constexpr int kCopyButtonRoom = 30;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void paint_powers_table();
    void paint_root_notation();
    void redraw_graph();
    QSize surface_size() const;
    void show_graph_controls(bool shown);
    void make_surface(int w, int h);
    void fit_window_to_surface();
    void place_lower_right();
    void place_in_lower_right(const QRect& reference);
    void reparent_to(QWidget* owner);
    // A stacked fraction whose pieces are runs of text and superscripts.
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
    FloatingWindow* floating_ = nullptr;
    ExerciseSource exercise_;
    int shown_topic_ = 0;
    std::unique_ptr<GraphDrawing> graph_;
    // The graph's view as the card drew it, for reset_graph_view.
    Figure home_view_;
    bool panning_ = false;
    QPoint last_mouse_;
};

// How much one notch of the mouse wheel zooms a graph.
inline constexpr double kZoomPerNotch = 1.25;

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
constexpr int kResetView = 2433;
constexpr int kSave = 2434;
}  // namespace tekening_tags

// Messages of the window.
namespace tekening_messages {
constexpr int kPowersHeading = 2055;
constexpr int kRootHeading = 2056;
constexpr int kRootOddPositive = 2058;
constexpr int kRootNegative = 2057;
constexpr int kSaveCaption = 2435;
constexpr int kSaveFilter = 2436;
constexpr int kSaveFailed = 2437;
}  // namespace tekening_messages

}  // namespace cifrala
