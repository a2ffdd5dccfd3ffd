#include "text/line_reader.h"

#include <cerrno>
#include <cstring>

namespace cifrala {
namespace {
constexpr size_t kBlock = 1 << 16;
}

LineReader::~LineReader() {
    close();
}

int LineReader::open(const QString& path) {
    close();
    errno = 0;
    file_ = std::fopen(path.toLocal8Bit().constData(), "rb");
    if (!file_) return errno ? errno : ENOENT;
    buf_.resize(kBlock);
    pos_ = len_ = 0;
    eof_ = false;
    error_ = 0;
    return 0;
}

void LineReader::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

bool LineReader::fill() {
    if (eof_ || !file_) return false;
    if (pos_ > 0) {
        std::memmove(buf_.data(), buf_.data() + pos_, len_ - pos_);
        len_ -= pos_;
        pos_ = 0;
    }
    if (len_ == buf_.size()) buf_.resize(buf_.size() * 2);
    size_t got = std::fread(buf_.data() + len_, 1, buf_.size() - len_, file_);
    if (got == 0) {
        if (std::ferror(file_)) error_ = errno ? errno : EIO;
        eof_ = true;
        return false;
    }
    len_ += got;
    return true;
}

bool LineReader::next(std::string_view& line) {
    if (!file_) return false;
    size_t scan_from = pos_;
    for (;;) {
        const char* start = buf_.data() + pos_;
        const void* nl = std::memchr(buf_.data() + scan_from, '\n', len_ - scan_from);
        if (nl) {
            size_t end = static_cast<const char*>(nl) - buf_.data();
            size_t n = end - pos_;
            if (n > 0 && start[n - 1] == '\r') --n;
            line = std::string_view(start, n);
            pos_ = end + 1;
            return true;
        }
        size_t consumed = len_ - pos_;
        if (!fill()) {
            if (error_) return false;
            if (len_ > pos_) {  // last line without a line end
                const char* s = buf_.data() + pos_;
                size_t n = len_ - pos_;
                if (n > 0 && s[n - 1] == '\r') --n;
                line = std::string_view(s, n);
                pos_ = len_;
                return true;
            }
            return false;
        }
        scan_from = pos_ + consumed;
    }
}

bool LineReader::at_end() {
    if (pos_ < len_) return false;
    return !fill();
}

}  // namespace cifrala
