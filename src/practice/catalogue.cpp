#include "practice/catalogue.h"

#include "drawing/cards/algebra_window_cards.h"
#include "drawing/cards/arithmetic_cards.h"
#include "drawing/cards/derivative_cards.h"
#include "drawing/cards/lens_cards.h"
#include "drawing/cards/quadratic_cards.h"
#include "drawing/cards/roots_cards.h"
#include "drawing/cards/roots_equation_cards.h"
#include "drawing/cards/roots_function_cards.h"
#include "drawing/cards/time_units_cards.h"
#include "practice/exponential/exponential_registration.h"
#include "practice/figures/graph_render_topic.h"
#include "practice/fractions/fractions_registration.h"
#include "practice/inequalities/inequalities_registration.h"
#include "practice/integers/integers_registration.h"
#include "practice/lens/lens_registration.h"
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
    register_inequalities_window();
    register_integers_window();
    register_exponential_window();
    register_fractions_window();
    register_long_division_window();
    register_metric_window();
    register_multitopic_window();
    register_lens_window();
    // Figures drawn without a window.
    register_graph_render_topic();
    // The explanation cards.
    register_arithmetic_cards();
    register_roots_cards();
    register_roots_equation_cards();
    register_roots_function_cards();
    register_derivative_cards();
    register_quadratic_cards();
    register_algebra_window_cards();
    register_lens_cards();
    register_time_units_cards();
}

}  // namespace cifrala
