#pragma once
// Qt's own texts in the chosen language: the buttons of the message boxes
// and the standard dialogs (save as picture, open a file). Qt writes them in
// English; the Dutch ones come from Qt's translation files (on Debian the
// package qt6-translations-l10n).
#include <QString>

namespace cifrala {

// Puts Qt's texts of the language (0 Dutch, 1 English) in place; windows that
// are open follow at once. False when the Dutch files are not installed (the
// dialogs then stay English).
bool apply_qt_translations(int language);

// The folder that holds Qt's translation files.
QString qt_translations_dir();

}  // namespace cifrala
