#include "practice/common/settings_while_shown.h"

#include "formula/arrowhead.h"

namespace cifrala {

namespace {

template <typename T>
void change(std::optional<T>& saved, T& field, T value) {
    if (!saved) saved = field;
    field = value;
}

template <typename T>
void put_back(std::optional<T>& saved, T& field) {
    if (saved) field = *saved;
    saved.reset();
}

}  // namespace

void SettingsWhileShown::set_fixed_decimals(bool fixed) {
    change(fixed_decimals_, number_settings.fixed_decimals, fixed);
}

void SettingsWhileShown::set_decimals(int decimals) {
    change(decimals_, number_settings.decimals, decimals);
}

void SettingsWhileShown::set_exact_fractions(bool exact) {
    change(exact_fractions_, number_settings.exact_fractions, exact);
}

void SettingsWhileShown::set_exact_roots(bool exact) {
    change(exact_roots_, number_settings.exact_roots, exact);
}

void SettingsWhileShown::set_radians(bool radians) {
    change(radians_, number_settings.radians, radians);
}

void SettingsWhileShown::set_arrowhead(double length, double angle_degrees) {
    change(arrow_length_, arrowhead_length, length);
    change(arrow_angle_, arrowhead_angle_degrees, angle_degrees);
}

bool SettingsWhileShown::changed() const {
    return fixed_decimals_ || decimals_ || exact_fractions_ || exact_roots_ || radians_ ||
           arrow_length_ || arrow_angle_;
}

void SettingsWhileShown::restore() {
    put_back(fixed_decimals_, number_settings.fixed_decimals);
    put_back(decimals_, number_settings.decimals);
    put_back(exact_fractions_, number_settings.exact_fractions);
    put_back(exact_roots_, number_settings.exact_roots);
    put_back(radians_, number_settings.radians);
    put_back(arrow_length_, arrowhead_length);
    put_back(arrow_angle_, arrowhead_angle_degrees);
}

}  // namespace cifrala
