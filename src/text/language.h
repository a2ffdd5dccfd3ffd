#pragma once
// The current language: 0 Dutch, 1 English, and the prefix of its file names.
#include <QString>

namespace cifrala {

extern int language_index;
extern QString language_prefix;  // "anederlands." or "aenglish."

QString prefix_for_language(int index);
void set_language_prefix_from_index();

// The language choice file. The one in the user's config folder holds the
// choice made in the menu; the one beside the program is the default for a
// first start.
inline constexpr const char* kLanguageFile = "language.txt";

// Start-up choice: the first line of "language.txt", trailing blanks removed,
// read as an integer; 1 selects English, anything else (or no file) Dutch.
void select_startup_language();
// The re-read when the start-up window is activated: the first line must be
// exactly "1" for English; the prefix is left as it is.
void reread_language_choice();
// Remembers the language for the next start: writes "language.txt" in the
// user's config folder (replaced atomically). False after a message when the
// file cannot be written.
bool save_language_choice(int index);

}  // namespace cifrala
