#include "text/cp1252.h"

namespace cifrala {
namespace {

// Code points of the bytes 0x80..0x9F; the five unassigned bytes map to
// themselves, as Windows does.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QString from_cp1252(std::string_view bytes) {
    QString out;
    out.resize(static_cast<qsizetype>(bytes.size()));
    QChar* p = out.data();
    for (unsigned char c : bytes) {
        *p++ = (c >= 0x80 && c < 0xA0) ? QChar(kHigh[c - 0x80]) : QChar(static_cast<char16_t>(c));
    }
    return out;
}

QByteArray to_cp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(static_cast<char>(u));
            continue;
        }
        char b = '?';
        for (int k = 0; k < 32; ++k) {
            if (kHigh[k] == u) {
                b = static_cast<char>(0x80 + k);
                break;
            }
        }
        out.append(b);
    }
    return out;
}

}  // namespace cifrala
