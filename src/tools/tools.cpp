#include "tools/tools.h"

#include <QPointer>

#include "tools/calc_form.h"
#include "tools/keyboard_form.h"

namespace cifrala {

namespace {

template <typename T>
struct Slot {
    QPointer<T> window;
    bool owned = false;
};

Slot<TCalcForm>& calculator_slot() {
    static Slot<TCalcForm> s;
    return s;
}

Slot<Ttoetsenbord>& keyboard_slot() {
    static Slot<Ttoetsenbord> s;
    return s;
}

template <typename T>
T* get_or_create(Slot<T>& slot) {
    if (!slot.window) {
        slot.window = new T(nullptr);
        slot.owned = true;
    }
    return slot.window;
}

template <typename T>
void replace(Slot<T>& slot, T* form) {
    if (slot.window == form) return;
    if (slot.owned) delete slot.window.data();
    slot.window = form;
    slot.owned = false;
}

}  // namespace

TCalcForm* calculator() {
    return get_or_create(calculator_slot());
}
Ttoetsenbord* keyboard() {
    return get_or_create(keyboard_slot());
}
void set_calculator(TCalcForm* form) {
    replace(calculator_slot(), form);
}
void set_keyboard(Ttoetsenbord* form) {
    replace(keyboard_slot(), form);
}
bool calculator_exists() {
    return !calculator_slot().window.isNull();
}
bool keyboard_exists() {
    return !keyboard_slot().window.isNull();
}

void destroy_tools() {
    replace<TCalcForm>(calculator_slot(), nullptr);
    replace<Ttoetsenbord>(keyboard_slot(), nullptr);
}

}  // namespace cifrala
