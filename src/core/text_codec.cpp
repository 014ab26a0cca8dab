#include "core/text_codec.h"

#include <algorithm>
#include <array>

namespace vor {
namespace {

// Windows-1252 0x80..0x9F; the undefined five keep their own number.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Decodes one sequence at `i`; false (and `length` 1) for an invalid one.
bool decodeAt(std::string_view s, std::size_t i, char32_t& c, std::size_t& length) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int extra = b < 0x80                ? 0
                      : b >= 0xC2 && b < 0xE0 ? 1
                      : b >= 0xE0 && b < 0xF0 ? 2
                      : b >= 0xF0 && b < 0xF5 ? 3
                                              : -1;
    length = 1;
    c = extra == 0 ? b : extra == 1 ? b & 0x1F : extra == 2 ? b & 0x0F : b & 0x07;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size()) return extra == 0;
    for (int k = 1; k <= extra; ++k) {
        const auto cont = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((cont & 0xC0) != 0x80) return false;
        c = (c << 6) | (cont & 0x3F);
    }
    if ((extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000) || c > 0x10FFFF ||
        (c >= 0xD800 && c < 0xE000))
        return false;
    length = static_cast<std::size_t>(extra) + 1;
    return true;
}

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::vector<char32_t> decodeUtf8(std::string_view s) {
    std::vector<char32_t> out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        char32_t c = 0;
        std::size_t length = 1;
        out.push_back(decodeAt(s, i, c, length) ? c : kReplacementChar);
        i += length;
    }
    return out;
}

bool isValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        char32_t c = 0;
        std::size_t length = 1;
        if (!decodeAt(s, i, c, length)) return false;
        i += length;
    }
    return true;
}

char32_t fromWindows1252(unsigned char b) {
    return b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    appendWindows1252(out, bytes);
    return out;
}

void appendWindows1252(std::string& out, std::string_view bytes) {
    // Tape texts are almost always plain ASCII, which is the same in both.
    const auto ascii = [](char b) { return static_cast<unsigned char>(b) < 0x80; };
    if (std::all_of(bytes.begin(), bytes.end(), ascii)) {
        out.append(bytes);
        return;
    }
    out.reserve(out.size() + bytes.size());
    for (char b : bytes) appendUtf8(out, fromWindows1252(static_cast<unsigned char>(b)));
}

std::optional<std::string> utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    for (char32_t c : decodeUtf8(utf8)) {
        if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
            out += static_cast<char>(c);
            continue;
        }
        std::size_t k = 0;
        while (k < kCp1252High.size() && kCp1252High[k] != c) ++k;
        if (k == kCp1252High.size()) return std::nullopt;
        out += static_cast<char>(0x80 + k);
    }
    return out;
}

std::size_t characterCount(std::string_view utf8) {
    // Continuation bytes (10xxxxxx) belong to the character before them.
    std::size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string firstCharacters(const std::string& utf8, std::size_t limit) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
        if (seen == limit) return utf8.substr(0, i);
        ++seen;
    }
    return utf8;
}

}  // namespace vor
