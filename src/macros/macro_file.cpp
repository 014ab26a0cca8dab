#include "macros/macro_file.h"

#include <cstdint>
#include <cstring>

#include "core/text_codec.h"

namespace vor {
namespace {

constexpr char kMagic[14] = "VOR_MACROFILE";

void putInt(std::string& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((u >> shift) & 0xFF);
}

// The text's bytes, cut at a character boundary so that it never exceeds
// what a reader accepts.
void putText(std::string& out, const std::string& utf8) {
    std::string bytes = utf8ToWindows1252(utf8).value_or(utf8);
    if (bytes.size() > static_cast<std::size_t>(kMaxMacroText)) {
        std::size_t n = static_cast<std::size_t>(kMaxMacroText);
        // Never leave half a UTF-8 sequence behind (Windows-1252 bytes
        // are whole characters, and their text is not UTF-8 anyway).
        if (isValidUtf8(bytes))
            while (n > 0 && (static_cast<unsigned char>(bytes[n]) & 0xC0) == 0x80) --n;
        bytes.resize(n);
    }
    putInt(out, static_cast<std::int32_t>(bytes.size()));
    out += bytes;
}

class Reader {
   public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}
    bool int32(std::int32_t& v) {
        if (m_bytes.size() - m_pos < 4) return false;
        std::uint32_t u = 0;
        for (int k = 0; k < 4; ++k)
            u |= static_cast<std::uint32_t>(static_cast<unsigned char>(m_bytes[m_pos + k]))
                 << (8 * k);
        m_pos += 4;
        v = static_cast<std::int32_t>(u);
        return true;
    }
    bool text(std::string& out) {
        std::int32_t n = 0;
        if (!int32(n) || n < 0 || n > kMaxMacroText) return false;
        if (m_bytes.size() - m_pos < static_cast<std::size_t>(n)) return false;
        const std::string_view raw = m_bytes.substr(m_pos, static_cast<std::size_t>(n));
        m_pos += static_cast<std::size_t>(n);
        // Texts written by this program are UTF-8 where Windows-1252 had no
        // byte for a character; older files hold Windows-1252.
        out = isValidUtf8(raw) ? std::string(raw) : windows1252ToUtf8(raw);
        return true;
    }
    bool skipText() {
        std::string ignored;
        return text(ignored);
    }

   private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

}  // namespace

std::string writeMacroFile(const CMacroStore& store) {
    std::string out(kMagic, sizeof kMagic);
    putInt(out, kMacroFileVersion);
    for (int k = 0; k < kMacroCount; ++k) {
        const auto m = static_cast<std::size_t>(k);
        putInt(out, 0);  // two reserved texts, empty
        putInt(out, 0);
        for (int r = 0; r < 4; ++r) putInt(out, 0);
        const int size = store.size(k);
        putInt(out, size);
        putText(out, store.m_macroDefault[m]);
        putText(out, store.m_macroPrompt[m]);
        for (int i = 0; i < size; ++i) putInt(out, store.entry(k, i));
    }
    return out;
}

MacroFileResult readMacroFile(std::string_view bytes, CMacroStore& store) {
    // The magic is compared as a terminated string, as it always was: the
    // byte after it may be anything once a NUL has ended the text.
    if (bytes.size() < sizeof kMagic) return MacroFileResult::Corrupt;
    char head[sizeof kMagic + 1] = {};
    std::memcpy(head, bytes.data(), sizeof kMagic);
    if (std::strcmp(head, kMagic) != 0) return MacroFileResult::Corrupt;
    Reader in(bytes.substr(sizeof kMagic));
    std::int32_t version = 0;
    if (!in.int32(version)) return MacroFileResult::Corrupt;
    if (version >= kFirstUnreadableVersion) return MacroFileResult::NewerVersion;

    CMacroStore read = store;
    for (int k = 0; k < kMacroCount; ++k) {
        const auto m = static_cast<std::size_t>(k);
        std::int32_t reserved = 0;
        std::int32_t count = 0;
        if (!in.skipText() || !in.skipText()) return MacroFileResult::Corrupt;
        for (int r = 0; r < 4; ++r)
            if (!in.int32(reserved)) return MacroFileResult::Corrupt;
        if (!in.int32(count) || count < 0 || count > kMaxMacroEntries)
            return MacroFileResult::Corrupt;
        if (!in.text(read.m_macroDefault[m]) || !in.text(read.m_macroPrompt[m]))
            return MacroFileResult::Corrupt;
        for (int i = 0; i < count; ++i)
            if (!in.int32(read.m_macroEntry[m][static_cast<std::size_t>(i)]))
                return MacroFileResult::Corrupt;
        if (count != 0) read.m_macroSize[m] = count;
    }
    store = read;
    return MacroFileResult::Read;
}

}  // namespace vor
