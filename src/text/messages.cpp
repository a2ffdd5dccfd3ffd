#include "text/messages.h"

#include <charconv>
#include <vector>

#include "text/cp1252.h"
#include "text/language.h"
#include "text/line_reader.h"
#include "text/notify.h"
#include "text/program_dir.h"

namespace cifrala {

int msg_number = 0;
QString msg_param1, msg_param2, msg_param3, msg_param4;

namespace {

int open_twice(LineReader& reader, const QString& path) {
    int code = reader.open(path);
    if (code != 0) code = reader.open(path);
    return code;
}

// A line that is exactly a whole number (as integer-to-text writes it).
bool read_whole_int(std::string_view line, int& value) {
    if (line.empty() || line.size() > 11) return false;
    const char* b = line.data();
    const char* e = b + line.size();
    if (*b == '+' || *b == ' ') return false;
    auto [p, ec] = std::from_chars(b, e, value);
    return ec == std::errc() && p == e;
}

}  // namespace

int lookup_entry(const QString& file_name, int number, int lines, QString out[], int* available) {
    for (int i = 0; i < lines; ++i)
        out[i].clear();
    if (available) *available = 0;
    LineReader reader;
    const int code = open_twice(reader, data_path(file_name));
    if (code != 0) return code;
    char key_buf[16];
    auto [end, ec] = std::to_chars(key_buf, key_buf + sizeof key_buf, number);
    const std::string_view key(key_buf, static_cast<size_t>(end - key_buf));
    std::string_view line;
    while (reader.next(line)) {
        if (line != key) continue;
        int got = 0;
        for (int i = 0; i < lines && reader.next(line); ++i) {
            out[i] = from_cp1252(line);
            ++got;
        }
        if (available) *available = got;
        return got == 0 ? 1 : 0;
    }
    return 1;
}

QString msg(int n) {
    msg_number = n;
    QString text;
    const int code = lookup_entry(language_prefix + QStringLiteral("msg"), n, 1, &text);
    if (code == 1) return QStringLiteral("nrnotfounderrorinmsgfile");
    if (code != 0) return QStringLiteral("error in msgfile") + QString::number(code);
    if (n > 5000) {
        const QString* params[4] = {&msg_param1, &msg_param2, &msg_param3, &msg_param4};
        const int count = n > 8000 ? 4 : n > 7000 ? 3 : n > 6000 ? 2 : 1;
        // The marker for a missing "#" goes in front once per missing
        // placeholder; later steps search the message text, not the markers.
        QString markers;
        for (int i = 0; i < count; ++i) {
            const qsizetype at = text.indexOf('#');
            if (at < 0) {
                markers += QStringLiteral("msg error # ");
            } else {
                text.replace(at, 1, *params[i]);
            }
        }
        text.prepend(markers);
    }
    return text;
}

void check_message_files() {
    struct Kind {
        const char* suffix;
        int low, high;
        const char* label;
    };
    static const Kind kinds[] = {
        {"msg", -60, 9000, "fout in msg files bij nr "},
        {"2", 1, 2000, "fout in .2 files bij nr "},
        {"3", 1, 2500, "fout in .3 files bij nr "},
        {"4", 2000, 3000, "fout in .4 files bij nr "},
        {"5", 1, 1000, "fout in .5 files bij nr "},
        {"6", 1, 400, "fout in .6 files bij nr "},
        {"7", 1, 50, "fout in .7 files bij nr "},
        {"8", 1, 600, "fout in .8 files bij nr "},
    };
    constexpr int kLow = -60, kHigh = 9000;
    std::vector<int> counters(kHigh - kLow + 1, 0);
    for (const Kind& kind : kinds) {
        for (int i = kind.low; i <= kind.high; ++i)
            counters[i - kLow] = 0;
        for (const char* prefix : {"anederlands.", "aenglish."}) {
            const QString name = QString::fromLatin1(prefix) + QString::fromLatin1(kind.suffix);
            LineReader reader;
            if (open_twice(reader, data_path(name)) != 0) {
                show_message(QStringLiteral("error in msgfile ") + name);
                continue;
            }
            std::string_view line;
            int value;
            while (reader.next(line)) {
                if (read_whole_int(line, value) && value >= kLow && value <= kHigh)
                    ++counters[value - kLow];
            }
        }
        for (int i = kind.low; i <= kind.high; ++i) {
            const int c = counters[i - kLow];
            if (c != 0 && c != 2)
                show_message(QString::fromLatin1(kind.label) + QString::number(i));
        }
    }
}

}  // namespace cifrala
