#include "practice/catalogue.h"

#include "drawing/cards/arithmetic_cards.h"
#include "drawing/cards/derivative_cards.h"
#include "drawing/cards/quadratic_cards.h"
#include "drawing/cards/roots_cards.h"
#include "practice/figures/graph_render_topic.h"
#include "practice/fractions/fractions_registration.h"
#include "practice/integers/integers_registration.h"
#include "practice/long_division/long_division_registration.h"
#include "practice/metric/metric_registration.h"
#include "practice/multitopic/multitopic_registration.h"
#include "practice/quadratic_equations/quadratic_registration.h"
#include "practice/ratios/ratios_registration.h"
#include "practice/roots/roots_registration.h"

namespace cifrala {

void register_catalogue() {
    static bool done = false;
    if (done) return;
    done = true;
    // The windows, in the order in which the program makes them.
    register_ratios_window();
    register_quadratic_window();
    register_roots_window();
    register_integers_window();
    register_fractions_window();
    register_long_division_window();
    register_metric_window();
    register_multitopic_window();
    // Figures drawn without a window.
    register_graph_render_topic();
    // The explanation cards.
    register_arithmetic_cards();
    register_roots_cards();
    register_derivative_cards();
    register_quadratic_cards();
}

}  // namespace cifrala
