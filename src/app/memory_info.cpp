#include "app/memory_info.h"

#include <sys/resource.h>
#include <sys/sysinfo.h>

#include <QFile>
#include <QString>

namespace cifrala {
namespace {

// A "Name:   123 kB" line of the status text, in bytes.
qint64 field_bytes(const QByteArray& status, const QByteArray& name) {
    for (const QByteArray& line : status.split('\n')) {
        if (!line.startsWith(name + ':')) continue;
        const QList<QByteArray> parts = line.mid(name.size() + 1).simplified().split(' ');
        bool ok = false;
        const qint64 value = parts.value(0).toLongLong(&ok);
        if (!ok || value < 0) return 0;
        const QByteArray unit = parts.value(1).toLower();
        return unit == "kb" ? value * 1024 : value;
    }
    return 0;
}

// The user part of the address space: the address-space limit when one is
// set, else the 47-bit user space of x86-64 Linux.
qint64 user_address_space() {
    rlimit lim{};
    if (getrlimit(RLIMIT_AS, &lim) == 0 && lim.rlim_cur != RLIM_INFINITY)
        return static_cast<qint64>(lim.rlim_cur);
    return qint64(1) << 47;
}

}  // namespace

ProcessMemory parse_process_status(const QByteArray& status) {
    return ProcessMemory{field_bytes(status, "VmRSS"), field_bytes(status, "VmSize")};
}

ProcessMemory process_memory() {
    // The files in /proc have no size: read until the end rather than up to it.
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return parse_process_status(f.readAll());
}

QStringList memory_report_lines() {
    struct sysinfo si {};
    sysinfo(&si);
    const qint64 unit = si.mem_unit ? si.mem_unit : 1;
    const qint64 total = static_cast<qint64>(si.totalram) * unit;
    const qint64 available = static_cast<qint64>(si.freeram + si.bufferram) * unit;
    const qint64 swap_total = static_cast<qint64>(si.totalswap) * unit;
    const qint64 swap_free = static_cast<qint64>(si.freeswap) * unit;
    const ProcessMemory own = process_memory();
    const qint64 space = user_address_space();
    const qint64 space_free = space - own.virtual_size;
    const qint64 load = total > 0 ? (100 * (total - available)) / total : 0;
    auto line = [](qint64 n, const char* label) {
        return QString::number(n) + QString::fromLatin1(label);
    };
    return {
        line(static_cast<qint64>(sizeof(struct sysinfo)), " Size of 'MemoryStatus' record"),
        line(load, "% memory in use"),
        line(total, " Total Physical Memory in bytes"),
        line(available, " Available Physical Memory in bytes"),
        line(swap_total, " Total Bytes of Paging File"),
        line(swap_free, " Available bytes in paging file"),
        line(space, " User Bytes of Address space"),
        line(space_free, " Available User bytes of address space"),
        QString(),
        line(swap_total - swap_free, "= Used page file memory"),
        line(own.virtual_size, "= Used virtual memory"),
        line(own.resident, "= Resident memory (in RAM) of this program"),
    };
}

}  // namespace cifrala
