#pragma once
// Reading numbers from text.
#include <QString>

namespace cifrala {

void remove_spaces(QString& text);
QString to_upper_ascii(const QString& text);
// Each character through an ASCII lower-casing (A-Z only).
QString to_lower_ascii(const QString& text);
// Trailing spaces removed, leading spaces and a sign allowed, "$" or "0x"
// introduce hexadecimal. Invalid text gives the value read up to the first
// invalid character; the result saturates at the 32-bit limits.
int parse_int(const QString& text);
// The first comma counts as the decimal point; invalid text gives 0.
double parse_real(const QString& text);
// Not empty, not a single space, and a valid integer or exactly "-".
bool is_integer_text(const QString& text);

}  // namespace cifrala
