#pragma once
// The shared settings a window changes for its own use while it is shown
// (number of decimals, exact fractions, exact roots, radians, the
// arrowhead): each change remembers the value from before the first change,
// and restore() puts back exactly the fields that were changed, so a
// setting another window changed meanwhile stays as that window left it.
#include <optional>

#include "util/number_settings.h"

namespace cifrala {

class SettingsWhileShown {
public:
    void set_fixed_decimals(bool fixed);
    void set_decimals(int decimals);
    void set_exact_fractions(bool exact);
    void set_exact_roots(bool exact);
    void set_radians(bool radians);
    void set_arrowhead(double length, double angle_degrees);

    bool changed() const;
    // Back to the values from before the first change; nothing to do twice.
    void restore();

private:
    std::optional<bool> fixed_decimals_;
    std::optional<int> decimals_;
    std::optional<bool> exact_fractions_;
    std::optional<bool> exact_roots_;
    std::optional<bool> radians_;
    std::optional<double> arrow_length_;
    std::optional<double> arrow_angle_;
};

}  // namespace cifrala
