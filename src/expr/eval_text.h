#pragma once
// The readers through which every typed answer is evaluated, so that an
// answer may be typed as an expression ("3/4", 2*5, sqr(16)).
#include <QString>

namespace cifrala {

// Removes all spaces, then normalises and evaluates the text without
// variables. "-" alone is ok with value 0; an empty text is not ok. On
// failure value is 0 and last_evaluation_error() tells the engine's code.
bool eval_text(const QString& text, double& value);
// As eval_text, the value rounded to the nearest integer (ties to even). A
// value outside the 32-bit range is not ok (code -120).
bool eval_text_int(const QString& text, int& value);
// The verdict of eval_text only.
bool is_valid_expression(const QString& text);

// The engine's error code of the last reader call (0 after success).
int last_evaluation_error();
// The message number left by a failing list function in the last reader call
// (0 when none failed); the calculator shows msg() of it when positive.
int function_message_number();

}  // namespace cifrala
