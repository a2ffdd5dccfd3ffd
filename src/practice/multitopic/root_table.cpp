#include "practice/multitopic/root_table.h"

#include <QFileInfo>

#include "text/messages.h"
#include "text/notify.h"
#include "text/program_dir.h"
#include "text/textfile.h"

namespace cifrala {

namespace {

constexpr int kFaultMessage = 4984;  // "The table of root equations cannot be read:"

// The number on the next line; 0 when there is one, else the number of the
// line that should have held it.
int read_number(int& value) {
    const int before = read_line_count();
    const QString line = read_line();
    if (read_line_count() == before) return before + 1;  // the end of the file
    bool ok = false;
    value = line.trimmed().toInt(&ok);
    return ok ? 0 : read_line_count();
}

}  // namespace

RootTable load_root_table() {
    RootTable table;
    if (!QFileInfo(data_path(kRootTableFile)).isFile()) return table;
    table.status = RootTable::Malformed;
    if (!open_read_file(kRootTableFile, false)) {
        show_message(msg(kFaultMessage) + QLatin1Char(' ') + kRootTableFile);
        return table;
    }
    for (int i = 0; i < kRootRecords; ++i) {
        int v[3] = {0, 0, 0};
        for (int& x : v) {
            if (const int fault = read_number(x); fault != 0) {
                table.fault_line = fault;
                close_read_file();
                table.records.clear();
                show_message(msg(kFaultMessage) + QLatin1Char(' ') + kRootTableFile +
                             QStringLiteral("\nin linenr ") + QString::number(table.fault_line));
                return table;
            }
        }
        table.records.push_back({v[0], v[1], v[2]});
    }
    close_read_file();
    table.status = RootTable::Loaded;
    return table;
}

}  // namespace cifrala
