// langgen: builds the language files of both languages from UTF-8 sources.
//
//   langgen texts OUTDIR SOURCE...       message and control-text files
//   langgen help OUTFILE SOURCE...       one help file (sources concatenated)
//   langgen copy OUTFILE SOURCE          one plain data file, re-encoded
//
// A text source holds entries separated by blank lines:
//
//   # comment
//   msg 324              kind (msg or 2..8) and number
//   nl Dutch text        one line per entry line, Dutch first
//   en English text
//
// "nl"/"en" is followed by exactly one blank and the literal text (trailing
// blanks kept). Kinds with two lines per entry take up to two lines per
// language; a missing second line is written empty. Every entry must exist in
// both languages, and every character must fit the Windows-1252 code page.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

int failures = 0;

void fail(const std::string& where, const std::string& what) {
    std::cerr << where << ": " << what << "\n";
    ++failures;
}

// Unicode code points 0x80..0x9F of Windows-1252.
const char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool encode(const std::string& utf8, std::string& out) {
    out.clear();
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = utf8[i];
        char32_t cp;
        int len;
        if (c < 0x80) {
            cp = c;
            len = 1;
        } else if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F;
            len = 2;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            len = 3;
        } else if ((c & 0xF8) == 0xF0) {
            cp = c & 0x07;
            len = 4;
        } else {
            return false;
        }
        if (i + len > utf8.size()) return false;
        for (int k = 1; k < len; ++k) {
            unsigned char d = utf8[i + k];
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        i += len;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        bool found = false;
        for (int k = 0; k < 32; ++k) {
            if (kHigh[k] == cp) {
                out.push_back(static_cast<char>(0x80 + k));
                found = true;
                break;
            }
        }
        if (!found) return false;
    }
    return true;
}

struct Kind {
    std::string suffix;
    int lines;
    int low, high;
};

const std::vector<Kind> kKinds = {{"msg", 1, -60, 9000}, {"2", 2, 1, 2000}, {"3", 2, 1, 2500},
                                  {"4", 2, 2000, 3000},  {"5", 2, 1, 1000}, {"6", 1, 1, 400},
                                  {"7", 1, 1, 50},       {"8", 2, 1, 600}};

const Kind* find_kind(const std::string& s) {
    for (const auto& k : kKinds)
        if (k.suffix == s) return &k;
    return nullptr;
}

struct Entry {
    std::vector<std::string> nl, en;
    std::string where;
};

bool canonical_int(const std::string& s, int& value) {
    if (s.empty() || s.size() > 11) return false;
    size_t i = 0;
    if (s[0] == '-') i = 1;
    if (i >= s.size()) return false;
    if (s[i] == '0' && s.size() > i + 1) return false;
    if (s == "-0") return false;
    for (size_t k = i; k < s.size(); ++k)
        if (s[k] < '0' || s[k] > '9') return false;
    long long v = std::atoll(s.c_str());
    if (v < -2147483648LL || v > 2147483647LL) return false;
    value = static_cast<int>(v);
    return true;
}

std::vector<std::string> read_lines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fail(path, "cannot open");
        return {};
    }
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool write_file(const std::string& path, const std::vector<std::string>& lines) {
    std::string tmp = path + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        for (const auto& l : lines)
            out << l << "\r\n";
        if (!out) return false;
    }
    return std::rename(tmp.c_str(), path.c_str()) == 0;
}

int run_texts(const std::string& outdir, const std::vector<std::string>& sources) {
    std::map<std::string, std::map<int, Entry>> table;  // suffix -> number -> entry
    for (const auto& src : sources) {
        auto lines = read_lines(src);
        const Kind* kind = nullptr;
        Entry* cur = nullptr;
        for (size_t n = 0; n < lines.size(); ++n) {
            const std::string& l = lines[n];
            std::string where = src + ":" + std::to_string(n + 1);
            if (l.empty()) {
                cur = nullptr;
                continue;
            }
            if (l[0] == '#') continue;
            if (l.rfind("nl", 0) == 0 || l.rfind("en", 0) == 0) {
                if (!cur) {
                    fail(where, "text line outside an entry");
                    continue;
                }
                if (l.size() > 2 && l[2] != ' ') {
                    fail(where, "expected one blank after the language code");
                    continue;
                }
                std::string text = l.size() > 3 ? l.substr(3) : std::string();
                std::string enc;
                if (!encode(text, enc)) {
                    fail(where, "text does not fit Windows-1252");
                    continue;
                }
                auto& v = l[0] == 'n' ? cur->nl : cur->en;
                if (static_cast<int>(v.size()) >= kind->lines) {
                    fail(where, "too many lines for this kind");
                    continue;
                }
                if (l[0] == 'n' && !cur->en.empty()) {
                    fail(where, "Dutch lines must come before English lines");
                }
                v.push_back(enc);
                continue;
            }
            std::istringstream hs(l);
            std::string k;
            std::string num;
            hs >> k >> num;
            std::string rest;
            hs >> rest;
            kind = find_kind(k);
            int number = 0;
            if (!kind || !canonical_int(num, number) || !rest.empty()) {
                fail(where, "expected '<kind> <number>', kind one of msg 2 3 4 5 6 7 8");
                cur = nullptr;
                continue;
            }
            // The consistency check only looks at numbers from -60 to 9000.
            if (number < -60 || number > 9000) fail(where, "number outside -60..9000");
            auto& bucket = table[kind->suffix];
            if (bucket.count(number)) {
                fail(where, "duplicate entry " + k + " " + num + " (first at " +
                                bucket[number].where + ")");
                cur = nullptr;
                continue;
            }
            cur = &bucket[number];
            cur->where = where;
        }
    }
    for (const auto& kind : kKinds) {
        auto& bucket = table[kind.suffix];
        for (auto& [number, e] : bucket) {
            if (e.nl.empty()) fail(e.where, "no Dutch text");
            if (e.en.empty()) fail(e.where, "no English text");
            while (static_cast<int>(e.nl.size()) < kind.lines)
                e.nl.push_back("");
            while (static_cast<int>(e.en.size()) < kind.lines)
                e.en.push_back("");
            // A text line that reads as the number of another entry of the
            // same file would be taken for that entry's number line.
            for (const auto* v : {&e.nl, &e.en}) {
                for (const auto& t : *v) {
                    int other;
                    if (canonical_int(t, other) && bucket.count(other))
                        fail(e.where, "text '" + t + "' equals an entry number of the same file");
                }
            }
        }
        for (int lang = 0; lang < 2; ++lang) {
            std::vector<std::string> out;
            for (const auto& [number, e] : bucket) {
                out.push_back(std::to_string(number));
                for (const auto& t : lang == 0 ? e.nl : e.en)
                    out.push_back(t);
            }
            std::string name =
                outdir + "/" + (lang == 0 ? "anederlands." : "aenglish.") + kind.suffix;
            if (!write_file(name, out)) fail(name, "cannot write");
        }
    }
    return failures ? 1 : 0;
}

// A help line that starts with a digit is read as a page header, so it must
// be all digits; anything else stops the search for later pages.
bool malformed_help_header(const std::string& line) {
    if (line.empty() || line[0] < '0' || line[0] > '9') return false;
    if (line.find('@') != std::string::npos) return false;  // alias or shared block
    return line.find_first_not_of("0123456789") != std::string::npos;
}

int run_concat(const std::string& outfile, const std::vector<std::string>& sources, bool help) {
    std::vector<std::string> out;
    std::vector<std::string> sorted = sources;
    std::sort(sorted.begin(), sorted.end());
    for (const auto& src : sorted) {
        auto lines = read_lines(src);
        for (size_t n = 0; n < lines.size(); ++n) {
            std::string enc;
            if (!encode(lines[n], enc)) {
                fail(src + ":" + std::to_string(n + 1), "text does not fit Windows-1252");
                continue;
            }
            if (help && malformed_help_header(lines[n])) {
                fail(src + ":" + std::to_string(n + 1),
                     "a line starting with a digit must be a page number only");
                continue;
            }
            out.push_back(enc);
        }
    }
    if (!write_file(outfile, out)) fail(outfile, "cannot write");
    return failures ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: langgen texts OUTDIR SOURCE... | help OUTFILE SOURCE... | copy "
                     "OUTFILE SOURCE\n";
        return 2;
    }
    std::string mode = argv[1];
    std::vector<std::string> sources(argv + 3, argv + argc);
    if (mode == "texts") return run_texts(argv[2], sources);
    if (mode == "help" || mode == "copy") return run_concat(argv[2], sources, mode == "help");
    std::cerr << "unknown mode " << mode << "\n";
    return 2;
}
