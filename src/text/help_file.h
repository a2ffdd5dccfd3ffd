#pragma once
// Reading one page of the help file into a structure the help window shows.
#include <QString>
#include <vector>

namespace cifrala {

struct HelpFormat {
    enum class Colour { Black, Red, Blue };
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int size_delta = 0;  // in font units: "+1" adds 2, "-1" takes 2 off
    Colour colour = Colour::Black;
    bool bullet = false;
    bool operator==(const HelpFormat&) const = default;
};

struct HelpLine {
    QString text;
    HelpFormat format;
};

struct HelpPage {
    bool found = false;  // false: `lines` holds the diagnostic line
    QString title;
    std::vector<HelpLine> lines;
};

// Aliases are followed at most this deep; a longer chain counts as a cycle.
constexpr int kMaxHelpAliasDepth = 32;

// Reads page n of `file_name` (in program_dir). Malformed header lines are
// reported with show_message as they are met.
HelpPage load_help_page(const QString& file_name, int n);

}  // namespace cifrala
