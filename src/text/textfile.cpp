#include "text/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <memory>

#include "text/cp1252.h"
#include "text/line_reader.h"
#include "text/messages.h"
#include "text/notify.h"
#include "text/program_dir.h"

namespace cifrala {
namespace {

// A file that keeps failing to open with a transient error is tried this often.
constexpr int kOpenAttempts = 3;
// After this many read errors in one file the rest of it counts as absent.
constexpr int kReadErrorLimit = 1;

struct InputFile {
    LineReader reader;
    QString name;
    int line_count = 0;
    int open_count = 0;
    int read_errors = 0;
    bool open = false;
};

struct OutputFile {
    std::unique_ptr<QSaveFile> file;
    QString name;
    int line_count = 0;
    int open_count = 0;
    bool failed = false;
};

InputFile& in() {
    static InputFile f;
    return f;
}
OutputFile& out() {
    static OutputFile f;
    return f;
}

QString not_found_text(const QString& name) {
    return msg(324) + " " + name + "\n" + msg(325);
}

bool transient(int code) {
    return code == EINTR || code == EAGAIN;
}
bool in_use(int code) {
    return code == EBUSY || code == ETXTBSY;
}

}  // namespace

bool open_read_user_file(const QString& name) {
    const QString own = user_config_dir() + QLatin1Char('/') + name;
    return (QFileInfo::exists(own) && open_read_file(own, false)) || open_read_file(name, false);
}

bool open_read_file(const QString& name, bool report) {
    InputFile& f = in();
    const QString path = data_path(name);
    if (report && !QFileInfo::exists(path)) {
        show_message(not_found_text(name));
        return false;
    }
    if (f.open) {
        f.reader.close();
        f.open = false;
    }
    f.name = name;
    f.line_count = 0;
    f.read_errors = 0;
    int code = 0;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        code = f.reader.open(path);
        if (code == 0 && QFileInfo(path).isDir()) code = EISDIR;
        if (!transient(code)) break;
    }
    if (code != 0) {
        f.reader.close();
        if (in_use(code)) {
            show_message(msg(1076) + " " + name);
        } else if (report) {
            show_message(msg(324) + " " + name + "\n" + "I/O error= " + QString::number(code));
        }
        return false;
    }
    if (f.reader.at_end()) {  // an empty file does not count as open
        f.reader.close();
        if (report) show_message(not_found_text(name));
        return false;
    }
    if (f.open_count > 0) show_message(QStringLiteral("opened file not closed error"));
    ++f.open_count;
    f.open = true;
    return true;
}

QString read_line() {
    InputFile& f = in();
    if (!f.open) return QString();
    std::string_view line;
    for (;;) {
        if (f.reader.at_end()) return QString();
        ++f.line_count;
        if (!f.reader.next(line)) {
            if (f.reader.error() != 0 && f.read_errors < kReadErrorLimit) {
                ++f.read_errors;
                show_message(msg(329) + " " + f.name + "\n" + "in linenr " +
                             QString::number(f.line_count) + "\n" + "error nr " +
                             QString::number(f.reader.error()));
            }
            // A read error is not retried line after line: the rest of the
            // file counts as absent.
            return QString();
        }
        if (line == ".end of file") return QStringLiteral(".end of file");
        if (!line.empty() && line[0] == '.') continue;
        return from_cp1252(line);
    }
}

void close_read_file() {
    InputFile& f = in();
    f.reader.close();
    f.open = false;
    if (f.open_count > 0) --f.open_count;
}

bool read_file_is_open() {
    return in().open;
}
int read_line_count() {
    return in().line_count;
}

bool open_write_file(const QString& directory, const QString& name) {
    OutputFile& f = out();
    if (f.open_count > 0) show_message(msg(327) + " " + name);
    f.file.reset();
    f.name = name;
    f.line_count = 0;
    f.failed = false;
    QDir().mkpath(directory);
    auto file = std::make_unique<QSaveFile>(QDir(directory).filePath(name));
    if (!file->open(QIODevice::WriteOnly)) {
        show_message(msg(327) + " " + name + "\n" + " errorno=" +
                     QString::number(static_cast<int>(file->error())) + " " + file->errorString());
        return false;
    }
    f.file = std::move(file);
    ++f.open_count;
    return true;
}

void write_line(const QString& text) {
    OutputFile& f = out();
    ++f.line_count;
    if (!f.file) return;
    QByteArray bytes = to_cp1252(text);
    bytes.append("\r\n");
    if (f.file->write(bytes) != bytes.size()) {
        if (!f.failed) {
            show_message(msg(328) + " " + f.name + "\n" + "in linenr " +
                         QString::number(f.line_count) + "\n" + "error nr " +
                         QString::number(static_cast<int>(f.file->error())));
        }
        f.failed = true;
    }
}

bool close_write_file() {
    OutputFile& f = out();
    if (f.open_count > 0) --f.open_count;
    if (!f.file) return false;
    bool ok = !f.failed;
    if (ok) {
        ok = f.file->commit();
        if (!ok) {
            show_message(msg(328) + " " + f.name + "\n" + "in linenr " +
                         QString::number(f.line_count) + "\n" + "error nr " +
                         QString::number(static_cast<int>(f.file->error())));
        }
    } else {
        f.file->cancelWriting();
        f.file->commit();
    }
    f.file.reset();
    return ok;
}

}  // namespace cifrala
