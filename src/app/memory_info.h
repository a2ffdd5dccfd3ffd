#pragma once
// The memory figures that the maintenance command "Memory" shows.
#include <QByteArray>
#include <QStringList>

namespace cifrala {

// This process's own memory, in bytes (0 when unknown).
struct ProcessMemory {
    qint64 resident = 0;      // in physical memory now (VmRSS)
    qint64 virtual_size = 0;  // its whole address space in use (VmSize)
};

// The figures of a /proc/<pid>/status text.
ProcessMemory parse_process_status(const QByteArray& status);
// This process's figures, from /proc/self/status.
ProcessMemory process_memory();

// One line per figure, the number first and then its label, as the memo
// shows them; the last two are the process's virtual and resident size.
QStringList memory_report_lines();

}  // namespace cifrala
