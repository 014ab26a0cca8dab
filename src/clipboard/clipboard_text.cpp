#include "clipboard/clipboard_text.h"

namespace vor {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at `pos`, or 0.
std::size_t sequenceLength(std::string_view s, std::size_t pos) {
    const auto c = static_cast<unsigned char>(s[pos]);
    std::size_t n = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) low = 0xA0;   // no overlong forms
        if (c == 0xED) high = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (pos + n > s.size()) return 0;
    const auto second = static_cast<unsigned char>(s[pos + 1]);
    if (second < low || second > high) return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (!isContinuation(static_cast<unsigned char>(s[pos + i]))) return 0;
    return n;
}

}  // namespace

void appendUtf8(std::string& out, std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        // Runs of ASCII, nearly every byte of a tape, go over in one piece.
        std::size_t end = pos;
        while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80) ++end;
        out.append(text, pos, end - pos);
        pos = end;
        if (pos == text.size()) break;
        const std::size_t n = sequenceLength(text, pos);
        if (n == 0) {
            out += kReplacement;
            ++pos;
        } else {
            out.append(text, pos, n);
            pos += n;
        }
    }
}

}  // namespace vor
