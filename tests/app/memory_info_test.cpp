// The maintenance command "Memory": figures that mean something on Linux.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>

#include "app/memory_info.h"
#include "app/menu_form.h"

namespace cifrala {
namespace {

TEST(MemoryInfo, ReadsTheStatusText) {
    const ProcessMemory m = parse_process_status(
        "Name:\tcifrala\nVmPeak:\t  900000 kB\nVmSize:\t  812345 kB\nVmRSS:\t   65432 kB\n");
    EXPECT_EQ(m.virtual_size, qint64(812345) * 1024);
    EXPECT_EQ(m.resident, qint64(65432) * 1024);
    const ProcessMemory none = parse_process_status("Name:\tx\nVmSize:\tlots\n");
    EXPECT_EQ(none.virtual_size, 0);
    EXPECT_EQ(none.resident, 0);
}

TEST(MemoryInfo, ThisProcessUsesMemory) {
    // At least what a Qt program occupies, at most what a test may.
    const ProcessMemory m = process_memory();
    EXPECT_GT(m.resident, qint64(1) << 20);
    EXPECT_GT(m.virtual_size, m.resident);
    EXPECT_LT(m.resident, qint64(1) << 34);
}

TEST(MemoryInfo, TheMemoShowsTheProgramsOwnSizes) {
    TAlle_rekenoefeningenForm menu(true);
    menu.Button8Click();
    const QStringList lines = menu.Memo1->toPlainText().split('\n');
    ASSERT_GE(lines.size(), 12);
    const ProcessMemory m = process_memory();
    auto number_of = [&](const char* label) -> qint64 {
        for (const QString& l : lines)
            if (l.endsWith(QString::fromLatin1(label)))
                return l.chopped(qstrlen(label)).toLongLong();
        return -1;
    };
    const qint64 used = number_of("= Used virtual memory");
    const qint64 resident = number_of("= Resident memory (in RAM) of this program");
    EXPECT_GT(used, 0);
    EXPECT_GT(resident, 0);
    // Read a moment ago: within a few megabytes of the figures now.
    EXPECT_NEAR(double(used), double(m.virtual_size), 64.0 * (1 << 20));
    EXPECT_NEAR(double(resident), double(m.resident), 64.0 * (1 << 20));
}

}  // namespace
}  // namespace cifrala
