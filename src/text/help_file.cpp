#include "text/help_file.h"

#include "text/cp1252.h"
#include "text/line_reader.h"
#include "text/messages.h"
#include "text/notify.h"
#include "text/program_dir.h"
#include "util/text_utils.h"

namespace cifrala {
namespace {

bool is_digit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// Applies one body line to the page: a format code changes the format of the
// lines after it, anything else is a line of text. False for "<<".
bool apply_body_line(const QString& line, HelpFormat& f, HelpPage& page) {
    if (line == QLatin1String("<<")) return false;
    if (line == QLatin1String(">"))
        f.bullet = true;
    else if (line == QLatin1String("<"))
        f.bullet = false;
    else if (line == QLatin1String("+b"))
        f.bold = true;
    else if (line == QLatin1String("-b"))
        f.bold = false;
    else if (line == QLatin1String("+i"))
        f.italic = true;
    else if (line == QLatin1String("-i"))
        f.italic = false;
    else if (line == QLatin1String("+u"))
        f.underline = true;
    else if (line == QLatin1String("-u"))
        f.underline = false;
    else if (line == QLatin1String("+1"))
        f.size_delta += 2;
    else if (line == QLatin1String("-1"))
        f.size_delta -= 2;
    else if (line == QLatin1String("+r"))
        f.colour = HelpFormat::Colour::Red;
    else if (line == QLatin1String("+B"))
        f.colour = HelpFormat::Colour::Blue;
    else if (line == QLatin1String("-r"))
        f.colour = HelpFormat::Colour::Black;
    else if (line == QLatin1String("++"))
        page.lines.push_back({QStringLiteral(" "), f});
    else
        page.lines.push_back({line, f});
    return true;
}

HelpPage diagnostic(const QString& text) {
    HelpPage p;
    p.lines.push_back({text, HelpFormat{}});
    return p;
}

// Reads an alias target strictly: the whole rest must be a whole number.
bool read_alias_target(const QString& text, int& m) {
    if (!is_integer_text(text) || text == QLatin1String("-")) return false;
    m = parse_int(text);
    return true;
}

enum class Search { Found, Alias, Missing, Malformed, BadAlias };

}  // namespace

HelpPage load_help_page(const QString& file_name, int requested) {
    int n = requested;
    for (int depth = 0;; ++depth) {
        if (depth > kMaxHelpAliasDepth) {
            msg_param1 = QString::number(requested);
            return diagnostic(msg(5900));
        }
        LineReader reader;
        const QString path = data_path(file_name);
        int code = reader.open(path);
        if (code != 0) code = reader.open(path);
        if (code != 0)
            return diagnostic(QStringLiteral("error in helpfile") + QString::number(code));

        Search result = Search::Missing;
        int alias_target = 0;
        std::string_view raw;
        while (reader.next(raw)) {
            const QString line = from_cp1252(raw);
            int number = -1;
            bool has_number = false;
            const qsizetype at = line.indexOf('@');
            if (line.startsWith('@')) {
                number = parse_int(line.mid(1));
                has_number = true;
            } else if (at >= 0) {
                number = parse_int(line.left(at));
                has_number = true;
            } else if (!line.isEmpty() && is_digit(line[0])) {
                bool all_digits = true;
                for (QChar c : line)
                    all_digits = all_digits && is_digit(c);
                if (!all_digits) {
                    show_message(QStringLiteral("error in file ") + file_name +
                                 QStringLiteral(" at helpnr ") + line + QStringLiteral("."));
                    result = Search::Malformed;
                    break;
                }
                number = parse_int(line);
                has_number = true;
            }
            if (!has_number || number != n) continue;
            if (at >= 0) {
                int m = 0;
                if (read_alias_target(line.mid(at + 1), m) && m > 0) {
                    alias_target = m;
                    result = Search::Alias;
                } else {
                    alias_target = parse_int(line.mid(at + 1));
                    result = Search::BadAlias;
                }
            } else {
                result = Search::Found;
            }
            break;
        }

        switch (result) {
            case Search::Alias:
                n = alias_target;
                continue;
            case Search::Malformed:
                return diagnostic(msg(1478) + " " + QString::number(n));
            case Search::BadAlias:
                return diagnostic(msg(1478) + " " + QString::number(alias_target));
            case Search::Missing:
                return diagnostic(QStringLiteral("Help Message ") + QString::number(n) +
                                  QStringLiteral(" not found in helpfile"));
            case Search::Found:
                break;
        }

        HelpPage page;
        if (!reader.next(raw)) {  // the header was the last line of the file
            return diagnostic(QStringLiteral("Help Message ") + QString::number(n) +
                              QStringLiteral(" not found in helpfile"));
        }
        page.found = true;
        page.title = from_cp1252(raw);
        HelpFormat format;
        while (reader.next(raw)) {
            QString line = from_cp1252(raw);
            if (line.startsWith('@')) {
                const QString label = line.mid(1);
                bool found = false;
                while (reader.next(raw)) {
                    if (from_cp1252(raw) == label) {
                        found = reader.next(raw);
                        break;
                    }
                }
                line = found ? from_cp1252(raw)
                             : QStringLiteral("unexpected eof after line @") + label;
            }
            if (!apply_body_line(line, format, page)) break;
        }
        return page;
    }
}

}  // namespace cifrala
