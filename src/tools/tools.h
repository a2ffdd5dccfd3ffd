#pragma once
// The one calculator and the one on-screen keyboard of the program.
//
// The application creates them at start-up (keyboard first, then the
// calculator, the order of the translation pass), either by calling
// keyboard() and calculator(), which create the windows without a parent
// and own them, or by creating them itself and handing them over with
// set_keyboard() / set_calculator() (then it keeps the ownership).
// Practice windows reach them through these accessors.
namespace cifrala {

class TCalcForm;
class Ttoetsenbord;

TCalcForm* calculator();   // created on first use
Ttoetsenbord* keyboard();  // created on first use
void set_calculator(TCalcForm* form);
void set_keyboard(Ttoetsenbord* form);
// Whether the window exists (without creating it).
bool calculator_exists();
bool keyboard_exists();
// Deletes the windows that calculator() and keyboard() created (at the end
// of the program, before the QApplication goes).
void destroy_tools();

}  // namespace cifrala
