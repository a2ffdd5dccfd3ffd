#pragma once
// Sequential, buffered reading of a text file line by line (CR LF or LF line
// ends). The language files are scanned with it from their first line on every
// lookup, so it reads in large blocks and hands out views into its buffer.
#include <QString>
#include <cstdio>
#include <string>
#include <string_view>

namespace cifrala {

class LineReader {
public:
    LineReader() = default;
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // 0 on success, else the system's error code.
    int open(const QString& path);
    void close();
    bool is_open() const { return file_ != nullptr; }

    // The next line without its line end; the view stays valid until the next
    // call. False at the end of the file (or after a read error, see error()).
    bool next(std::string_view& line);
    // True when the line returned last was the last line of the file.
    bool at_end();
    int error() const { return error_; }

private:
    bool fill();

    std::FILE* file_ = nullptr;
    std::string buf_;
    size_t pos_ = 0;  // start of the unread part of buf_
    size_t len_ = 0;  // bytes held in buf_
    bool eof_ = false;
    int error_ = 0;
};

}  // namespace cifrala
