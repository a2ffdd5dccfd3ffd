#pragma once
// Help pages and the large message window.
#include <QString>

class QWidget;

namespace cifrala {

extern int help_number;  // the page asked for last
extern bool help_open;   // the pupil has the help window open

// What every help button does: set_help_number(k), mark the help window
// open, show the page and lay the help window out.
void request_help(int page);
void set_help_number(int page);
// Loads page n into the help window and shows it, when help_open is set.
void show_help(int n);
// The help window keeps itself in front of this window while both are shown
// (a practice window passes itself when it is shown; nullptr detaches).
void attach_help_to(QWidget* window);
// Brings an open help window in front again.
void raise_help();
// Hides the help window (clears help_open).
void close_help();

// Shows the large message window with up to four lines (empty lines are not
// shown); returns when the pupil presses OK.
void show_big_message(const QString& a, const QString& b, const QString& c, const QString& d);

}  // namespace cifrala

namespace cifrala {
class THelpForm;
class TGrootMessageForm;
// The help window (created on first use).
THelpForm* help_form();
// Routes show_big_message to this window.
void install_big_message_window(TGrootMessageForm* window);
}  // namespace cifrala
