#pragma once
// The memory figures that the maintenance command "Memory" shows.
#include <QStringList>

namespace cifrala {

// One line per figure, the number first and then its label, as the memo
// shows them.
QStringList memory_report_lines();

}  // namespace cifrala
