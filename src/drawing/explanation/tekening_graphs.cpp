// The graph cards of the explanation window: drawing a graph of the current
// exercise, dragging its points, zooming and moving its view, showing the
// coordinates under the mouse, and saving the card.
#include <QLabel>
#include <QToolButton>
#include <cmath>

#include "drawing/engine/navigation.h"
#include "drawing/engine/transform.h"
#include "drawing/explanation/card_export.h"
#include "drawing/explanation/card_view.h"
#include "drawing/explanation/tekening_form.h"
#include "drawing/graphs/graph_operations.h"
#include "text/file_dialogs.h"
#include "text/messages.h"
#include "text/notify.h"
#include "util/format.h"

namespace cifrala {

namespace {

// The view of a figure: its windows, steps and transform.
void copy_view(const Figure& from, Figure& to) {
    to.axes = from.axes;
    to.origin = from.origin;
    to.pixels_per_unit = from.pixels_per_unit;
}

}  // namespace

void TtekeningForm::show_graph(GraphDrawing graph) {
    graph_ = std::make_unique<GraphDrawing>(std::move(graph));
    copy_view(graph_->figure, home_view_);
    dragging_allowed = graph_->draggable;
    picked_point = -1;
    redraw_graph();
    show_graph_controls(true);
}

void TtekeningForm::redraw_graph() {
    if (graph_) draw_graph(*graph_, *surface_);
}

QSize TtekeningForm::surface_size() const {
    return QSize(surface_->width(), surface_->height());
}

void TtekeningForm::teken_lijnformule(const LineGraph& e) {
    show_graph(line_graph(e, surface_size()));
}
void TtekeningForm::teken_expformule(const ExponentialGraph& e) {
    show_graph(exponential_graph(e, surface_size()));
}
void TtekeningForm::teken_sinusoide(const SinusoidGraph& e) {
    show_graph(sinusoid_graph(e, surface_size()));
}
void TtekeningForm::teken_parabool(const ParabolaGraph& e) {
    show_graph(parabola_graph(e, surface_size()));
}
void TtekeningForm::teken_wortelfie(const RootFunctionGraph& e) {
    show_graph(root_function_graph(e, surface_size()));
}
void TtekeningForm::teken_hyperbola(const HyperbolaGraph& e) {
    show_graph(hyperbola_graph(e, surface_size()));
}
void TtekeningForm::teken_puntsymmetrie_derdegraadsfunctie(const CubicGraph& e) {
    show_graph(cubic_symmetry_graph(e, surface_size()));
}
void TtekeningForm::teken_lijnsymmetrie_parabool(const QuadraticGraph& e) {
    show_graph(parabola_symmetry_graph(e, surface_size()));
}
void TtekeningForm::teken_de_parabool(RootsParabolaGraph& e) {
    show_graph(roots_parabola_graph(e, surface_size()));
}
void TtekeningForm::teken_sinusoide_grafiek(const SinusoidEquationGraph& e) {
    show_graph(sinusoid_equation_graph(e, surface_size()));
}
void TtekeningForm::teken_breukongelijkheid(const FractionInequalityGraph& e) {
    show_graph(fraction_inequality_graph(e, surface_size()));
}
void TtekeningForm::teken_wortelongelijkheid(const RootInequalityGraph& e) {
    show_graph(root_inequality_graph(e, surface_size()));
}

// --- the view ---

void TtekeningForm::zoom_graph(QPointF at, double factor) {
    if (!graph_) return;
    zoom_at(graph_->figure, at, factor);
    redraw_graph();
}

void TtekeningForm::pan_graph(QPointF delta) {
    if (!graph_) return;
    pan_by(graph_->figure, delta);
    redraw_graph();
}

void TtekeningForm::reset_graph_view() {
    if (!graph_) return;
    copy_view(home_view_, graph_->figure);
    place_all_points(graph_->figure);
    redraw_graph();
}

QString TtekeningForm::coordinates_at(QPoint pos) const {
    if (!graph_) return QString();
    const QPointF w = surface_to_world(graph_->figure, QPointF(pos));
    return QStringLiteral("x = ") + format_real(w.x()) + QStringLiteral("   y = ") +
           format_real(w.y());
}

void TtekeningForm::save_card_as() {
    const QString name =
        ask_file_name({FileDialogRequest::Save, this, msg(tekening_messages::kSaveCaption),
                       msg(tekening_messages::kSaveFilter), QString()});
    if (name.isEmpty()) return;
    if (!save_card(*surface_, name))
        show_message(msg(tekening_messages::kSaveFailed) + QLatin1Char(' ') + name);
}

// --- mouse ---

void TtekeningForm::Image1MouseDown(QPoint pos) {
    mouse_down = true;
    last_mouse_ = pos;
    picked_point = -1;
    panning_ = false;
    if (!graph_) return;
    if (dragging_allowed) {
        const int p = nearest_point(graph_->figure, QPointF(pos));
        if (p > 0 && graph_->figure.points[static_cast<size_t>(p)].kind == FigurePoint::Free)
            picked_point = p;
    }
    panning_ = picked_point < 0;
}

void TtekeningForm::Image1MouseMove(QPoint pos) {
    if (graph_) {
        if (mouse_down && picked_point > 0) {
            if (drag_point(graph_->figure, picked_point, QPointF(pos))) redraw_graph();
        } else if (mouse_down && panning_) {
            pan_graph(QPointF(pos - last_mouse_));
        }
        Label1->setText(coordinates_at(pos));
        Label1->adjustSize();
        Label1->move(2, surface_->height() - Label1->height() - 2);
        Label1->show();
    }
    last_mouse_ = pos;
}

void TtekeningForm::Image1MouseUp() {
    mouse_down = false;
    picked_point = -1;
    panning_ = false;
}

void TtekeningForm::Image1MouseWheel(QPointF pos, int eighths_of_degree) {
    if (!graph_ || eighths_of_degree == 0) return;
    zoom_graph(pos, std::pow(kZoomPerNotch, std::clamp(eighths_of_degree, -1200, 1200) / 120.0));
}

}  // namespace cifrala
