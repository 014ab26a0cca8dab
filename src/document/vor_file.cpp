#include "document/vor_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/command_ids.h"
#include "core/text_codec.h"

namespace vor {
namespace {

// Header texts (reserved texts, LED texts) have no buffer of their own, but
// nothing ever puts more in them than fits a tape line.
constexpr std::size_t kMaxHeaderText = kMaxLineText;

// A text's length prefix: one byte below 255, else 0xFF and a 16-bit
// length below 0xFFFE, else 0xFF 0xFFFF and a 32-bit length. 0xFF 0xFFFE
// announces a UTF-16 text and is followed by a second prefix.
constexpr unsigned char kLongLength = 0xFF;
constexpr std::uint16_t kWideMark = 0xFFFE;
constexpr std::uint16_t kHugeLength = 0xFFFF;

// Worst case of a text of `chars` characters: the wide mark, the 32-bit
// prefix and two UTF-16 units a character.
constexpr std::size_t worstText(std::size_t chars) {
    return 3 + 7 + 4 * chars;
}
constexpr std::size_t kWorstFile =
    8 + 4 * 8 + 4 * 4 + 6 * worstText(kMaxHeaderText) + 7 * 8 + 6 * 4 +
    kMaxLines * (worstText(kMaxLineText) + worstText(kMaxComment) + 8 + 3 * 4) + 2 * 4;
static_assert(kWorstFile <= kMaxVorFileBytes, "a valid file would be refused as too large");

class Writer {
   public:
    void byte(unsigned char b) { m_out += static_cast<char>(b); }
    void u16(std::uint16_t v) {
        byte(static_cast<unsigned char>(v & 0xFF));
        byte(static_cast<unsigned char>(v >> 8));
    }
    void u32(std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) byte(static_cast<unsigned char>(v >> shift));
    }
    void int32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void real(double v) {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        for (int shift = 0; shift < 64; shift += 8) byte(static_cast<unsigned char>(bits >> shift));
    }
    void flag(bool b) { int32(b ? 1 : 0); }

    // At most `maxChars` characters of a UTF-8 text.
    void text(std::string_view utf8, std::size_t maxChars) {
        std::vector<char32_t> chars = decodeUtf8(utf8);
        if (chars.size() > maxChars) chars.resize(maxChars);
        const bool ascii =
            std::all_of(chars.begin(), chars.end(), [](char32_t c) { return c < 0x80; });
        if (ascii) {
            length(chars.size());
            for (char32_t c : chars) byte(static_cast<unsigned char>(c));
            return;
        }
        std::u16string units;
        for (char32_t c : chars) {
            if (c < 0x10000) {
                units += static_cast<char16_t>(c);
            } else {
                units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
                units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
            }
        }
        byte(kLongLength);
        u16(kWideMark);
        length(units.size());
        for (char16_t u : units) u16(u);
    }

    std::string take() { return std::move(m_out); }

   private:
    void length(std::size_t n) {
        if (n < kLongLength) {
            byte(static_cast<unsigned char>(n));
        } else if (n < kWideMark) {
            byte(kLongLength);
            u16(static_cast<std::uint16_t>(n));
        } else {
            byte(kLongLength);
            u16(kHugeLength);
            u32(static_cast<std::uint32_t>(n));
        }
    }

    std::string m_out;
};

// Reads fields front to back. Every read fails, rather than reading past
// the end, when the bytes run out; nothing is allocated beyond what the
// remaining bytes can hold.
class Reader {
   public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_pos == m_bytes.size(); }
    std::size_t remaining() const { return m_bytes.size() - m_pos; }

    bool byte(unsigned char& b) {
        if (remaining() < 1) return false;
        b = static_cast<unsigned char>(m_bytes[m_pos++]);
        return true;
    }
    bool u16(std::uint16_t& v) {
        if (remaining() < 2) return false;
        v = static_cast<std::uint16_t>(at(0) | at(1) << 8);
        m_pos += 2;
        return true;
    }
    bool u32(std::uint32_t& v) {
        if (remaining() < 4) return false;
        v = 0;
        for (int k = 3; k >= 0; --k) v = v << 8 | at(static_cast<std::size_t>(k));
        m_pos += 4;
        return true;
    }
    bool int32(std::int32_t& v) {
        std::uint32_t u = 0;
        if (!u32(u)) return false;
        v = static_cast<std::int32_t>(u);
        return true;
    }
    bool real(double& v) {
        if (remaining() < 8) return false;
        std::uint64_t bits = 0;
        for (int k = 7; k >= 0; --k) bits = bits << 8 | at(static_cast<std::size_t>(k));
        m_pos += 8;
        v = std::bit_cast<double>(bits);
        return true;
    }
    // Line flags count as set when non-zero.
    bool anyFlag(bool& b) {
        std::int32_t v = 0;
        if (!int32(v)) return false;
        b = v != 0;
        return true;
    }
    // The trailing entry flags count as set only when exactly 1.
    bool exactFlag(bool& b) {
        std::int32_t v = 0;
        if (!int32(v)) return false;
        b = v == 1;
        return true;
    }

    // A text of at most `maxChars` characters, converted to UTF-8.
    bool text(std::string& out, std::size_t maxChars) {
        bool wide = false;
        std::uint64_t n = 0;
        unsigned char b = 0;
        if (!byte(b)) return false;
        if (b < kLongLength) {
            n = b;
        } else {
            std::uint16_t w = 0;
            if (!u16(w)) return false;
            if (w == kWideMark) {
                wide = true;
                if (!length(n)) return false;
            } else if (!longLength(w, n)) {
                return false;
            }
        }
        // A UTF-16 character takes at most two units; anything longer can
        // only decode to too many characters, so it is refused before a
        // single byte of it is looked at.
        const std::uint64_t unitSize = wide ? 2 : 1;
        if (n > unitSize * maxChars || n * unitSize > remaining()) return false;
        out.clear();
        std::size_t chars = 0;
        if (wide) {
            chars = decodeUtf16(static_cast<std::size_t>(n), out);
        } else {
            appendWindows1252(out, m_bytes.substr(m_pos, static_cast<std::size_t>(n)));
            chars = static_cast<std::size_t>(n);
        }
        m_pos += static_cast<std::size_t>(n * unitSize);
        return chars <= maxChars;
    }

   private:
    unsigned at(std::size_t k) const { return static_cast<unsigned char>(m_bytes[m_pos + k]); }

    // The prefix after the wide mark: the same form again, where 0xFFFE is
    // an ordinary 16-bit length.
    bool length(std::uint64_t& n) {
        unsigned char b = 0;
        if (!byte(b)) return false;
        if (b < kLongLength) {
            n = b;
            return true;
        }
        std::uint16_t w = 0;
        return u16(w) && longLength(w, n);
    }
    bool longLength(std::uint16_t w, std::uint64_t& n) {
        if (w < kHugeLength) {
            n = w;
            return true;
        }
        std::int32_t big = 0;
        if (!int32(big) || big < 0) return false;
        n = static_cast<std::uint64_t>(big);
        return true;
    }

    // `units` UTF-16 units at the read position as UTF-8; a surrogate
    // without its partner becomes U+FFFD. Returns the number of characters.
    std::size_t decodeUtf16(std::size_t units, std::string& out) {
        std::size_t chars = 0;
        for (std::size_t i = 0; i < units; ++i, ++chars) {
            const char32_t u = at(2 * i) | at(2 * i + 1) << 8;
            if (u >= 0xD800 && u < 0xDC00 && i + 1 < units) {
                const char32_t low = at(2 * i + 2) | at(2 * i + 3) << 8;
                if (low >= 0xDC00 && low < 0xE000) {
                    appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                    ++i;
                    continue;
                }
            }
            appendUtf8(out, u >= 0xD800 && u < 0xE000 ? kReplacementChar : u);
        }
        return chars;
    }

    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

// Everything a file holds, gathered before the document is touched.
struct FileImage {
    double version = 0.0;
    std::array<double, 4> reservedReal{};
    std::array<std::int32_t, 4> reservedInt{};
    std::array<std::string, 4> reservedText;
    Registers registers;
    std::vector<CTapeLine> lines;
};

bool readLine(Reader& in, CTapeLine& line) {
    return in.text(line.m_text, kMaxLineText) && in.text(line.m_comment, kMaxComment) &&
           in.real(line.m_value) && in.int32(line.m_keyId) && in.anyFlag(line.m_isImmediate) &&
           in.anyFlag(line.m_repeated);
}

// Fields 2 onwards, after the version was accepted.
bool readBody(Reader& in, FileImage& f) {
    Registers& r = f.registers;
    for (double& v : f.reservedReal)
        if (!in.real(v)) return false;
    for (std::int32_t& v : f.reservedInt)
        if (!in.int32(v)) return false;
    for (std::string& t : f.reservedText)
        if (!in.text(t, kMaxHeaderText)) return false;
    if (!in.text(r.m_mainText, kMaxHeaderText) || !in.text(r.m_memoryText, kMaxHeaderText))
        return false;
    for (double* v : {&r.m_total, &r.m_memory, &r.m_lastValue, &r.m_factor, &r.m_repeatValue,
                      &r.m_reservedReal5, &r.m_product})
        if (!in.real(*v)) return false;
    std::int32_t lineCount = 0;
    if (!in.int32(r.m_precision) || !in.int32(r.m_lastOp) || !in.int32(r.m_rounding) ||
        !in.int32(r.m_itemCount) || !in.int32(r.m_negCount) || !in.int32(lineCount))
        return false;
    if (lineCount < 0 || lineCount > kMaxLines) return false;
    f.lines.reserve(static_cast<std::size_t>(lineCount));
    for (std::int32_t i = 0; i < lineCount; ++i) {
        CTapeLine line;
        if (!readLine(in, line)) return false;
        f.lines.push_back(std::move(line));
    }
    // Bytes after the last field mean the file is not what it claims to
    // be (two saves run together, a damaged copy): refuse rather than
    // guess which part is the document.
    return in.exactFlag(r.m_decimalEntered) && in.exactFlag(r.m_newEntry) && in.atEnd();
}

}  // namespace

bool holdsTaxKeyLines(const CVORDoc& doc) {
    for (int i = 0; i < doc.m_lineCount; ++i) {
        const int key = doc.line(i)->m_keyId;
        if (key == cmd::TaxPlus || key == cmd::TaxMinus || key == cmd::GrandTotal) return true;
    }
    return false;
}

std::string writeVorFile(const CVORDoc& doc) {
    Writer out;
    // A file read as 2.0 whose new lines were all deleted is a classic tape
    // again.
    const double classic = doc.m_version >= kFirstUnreadableVersion ? 1.3 : doc.m_version;
    const bool taxKeys = holdsTaxKeyLines(doc);
    out.real(taxKeys ? kTaxKeysVersion : classic);
    for (double v : doc.m_reservedReal) out.real(v);
    for (std::int32_t v : doc.m_reservedInt) out.int32(v);
    for (std::size_t i = 0; i < doc.m_reservedText.size(); ++i)
        out.text(taxKeys && i + 1 == doc.m_reservedText.size() ? std::string(kTaxKeysMarker)
                                                               : doc.m_reservedText[i],
                 kMaxHeaderText);
    out.text(doc.m_mainText, kMaxHeaderText);
    out.text(doc.m_memoryText, kMaxHeaderText);
    for (double v : {doc.m_total, doc.m_memory, doc.m_lastValue, doc.m_factor, doc.m_repeatValue,
                     doc.m_reservedReal5, doc.m_product})
        out.real(v);
    out.int32(doc.m_precision);
    out.int32(doc.m_lastOp);
    out.int32(doc.m_rounding);
    out.int32(doc.m_itemCount);
    out.int32(doc.m_negCount);
    out.int32(doc.m_lineCount);
    for (int i = 0; i < doc.m_lineCount; ++i) {
        const CTapeLine& line = *doc.line(i);
        out.text(line.m_text, kMaxLineText);
        out.text(line.m_comment, kMaxComment);
        out.real(line.m_value);
        out.int32(line.m_keyId);
        out.flag(line.m_isImmediate);
        out.flag(line.m_repeated);
    }
    out.flag(doc.m_decimalEntered);
    out.flag(doc.m_newEntry);
    return out.take();
}

bool readVorFile(std::string_view bytes, CVORDoc& doc, std::string& message) {
    Reader in(bytes);
    FileImage f;
    // A version that is no number at all was never written by any VOR: the
    // file is damaged, not merely newer.
    if (!in.real(f.version) || !std::isfinite(f.version)) {
        message = kUnexpectedFormat;
        return false;
    }
    const bool newer = f.version >= kFirstUnreadableVersion;
    if (newer && f.version != kTaxKeysVersion) {
        message = kIncorrectVersion;
        return false;
    }
    if (!readBody(in, f)) {
        message = newer ? kIncorrectVersion : kUnexpectedFormat;
        return false;
    }
    if (newer) {
        if (f.reservedText.back() != kTaxKeysMarker) {
            message = kIncorrectVersion;
            return false;
        }
        // The marker belongs to the file, not to the tape: saved again
        // without the new lines, the tape is a classic one.
        f.reservedText.back().clear();
    }

    doc.destroyLines();
    f.registers.m_rebuildTape = true;
    doc.setRegisters(f.registers);
    doc.m_version = f.version;
    doc.m_reservedReal = f.reservedReal;
    doc.m_reservedInt = f.reservedInt;
    doc.m_reservedText = std::move(f.reservedText);
    // The snapshots are not stored: the rebuild at the next paint replays
    // every line and takes them anew.
    for (CTapeLine& line : f.lines) doc.appendLine(std::move(line), CLineState{});
    doc.m_modified = false;
    return true;
}

}  // namespace vor
