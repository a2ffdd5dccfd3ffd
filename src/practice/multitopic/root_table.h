#pragma once
// The table of root equations, "awortel.txt" in the program folder: 42
// records of three lines, each line one integer (blanks around it are
// ignored), a record being the coefficients a, b, c of one equation
// V(a x + b) = x + c. The window reads it once when it is created.
#include <QString>
#include <vector>

namespace cifrala {

struct RootRecord {
    int a = 0, b = 0, c = 0;
};

struct RootTable {
    enum Status { Loaded, Missing, Malformed };
    Status status = Missing;
    std::vector<RootRecord> records;
    int fault_line = 0;  // Malformed: the line that is not a number, or the first missing one
    bool loaded() const { return status == Loaded; }
};

inline constexpr int kRootRecords = 42;
inline const QString kRootTableFile = QStringLiteral("awortel.txt");

// Reads the table with the shared line reader. A file that is there but
// cannot be read as the table is reported in one message.
RootTable load_root_table();

}  // namespace cifrala
