// Feeds arbitrary bytes to the .vor reader. A refused file must leave the
// document exactly as it was; an accepted one must write out a file that
// reads back to the same document and the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/vor_doc.h"
#include "document/vor_file.h"

namespace {

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "vor_reader_fuzz: %s\n", what);
    std::abort();
}

// A document with a line and a version no file here carries, so that a
// refusal that touched it shows in its file image.
vor::CVORDoc target() {
    vor::CVORDoc doc;
    doc.m_version = 1.25;
    doc.m_modified = true;
    doc.m_rebuildTape = false;
    vor::CTapeLine line;
    line.m_text = "   42.00  +  ";
    line.m_comment = " ;keep me";
    line.m_value = 42;
    line.m_keyId = 1016;
    doc.appendLine(line, {});
    return doc;
}

// Internal texts are UTF-8, whatever the file held.
bool validUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t extra = b < 0x80                ? 0
                                  : b >= 0xC2 && b < 0xE0 ? 1
                                  : b >= 0xE0 && b < 0xF0 ? 2
                                  : b >= 0xF0 && b < 0xF5 ? 3
                                                          : 9;
        if (extra == 9 || s.size() - i <= extra) return false;
        std::uint32_t c = extra == 0 ? b : b & (0x3F >> extra);
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto cont = static_cast<unsigned char>(s[i + k]);
            if ((cont & 0xC0) != 0x80) return false;
            c = c << 6 | (cont & 0x3F);
        }
        if ((extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000) || c > 0x10FFFF ||
            (c >= 0xD800 && c < 0xE000))
            return false;
        i += extra + 1;
    }
    return true;
}

std::size_t characters(std::string_view s) {
    std::size_t n = 0;
    for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// The texts of two documents, which the file image alone cannot compare:
// a text the writer had to repair would still write out the same twice.
bool sameTexts(const vor::CVORDoc& a, const vor::CVORDoc& b) {
    if (a.m_reservedText != b.m_reservedText || a.m_mainText != b.m_mainText ||
        a.m_memoryText != b.m_memoryText)
        return false;
    for (int i = 0; i < a.m_lineCount; ++i)
        if (a.line(i)->m_text != b.line(i)->m_text || a.line(i)->m_comment != b.line(i)->m_comment)
            return false;
    return true;
}

bool textsWithinLimits(const vor::CVORDoc& d) {
    for (const std::string* t : {&d.m_mainText, &d.m_memoryText, &d.m_reservedText[0],
                                 &d.m_reservedText[1], &d.m_reservedText[2], &d.m_reservedText[3]})
        if (!validUtf8(*t) || characters(*t) > vor::kMaxLineText) return false;
    for (int i = 0; i < d.m_lineCount; ++i) {
        const vor::CTapeLine& l = *d.line(i);
        if (!validUtf8(l.m_text) || characters(l.m_text) > vor::kMaxLineText ||
            !validUtf8(l.m_comment) || characters(l.m_comment) > vor::kMaxComment)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vor::CVORDoc doc = target();
    const std::string before = vor::writeVorFile(doc);
    std::string message;
    if (!vor::readVorFile(bytes, doc, message)) {
        check(message == vor::kUnexpectedFormat || message == vor::kIncorrectVersion,
              "refused with an unknown message");
        check(vor::writeVorFile(doc) == before && doc.m_modified && !doc.m_rebuildTape &&
                  doc.m_lineCount == 1,
              "a refused file changed the document");
        return 0;
    }
    check(size <= vor::kMaxVorFileBytes, "accepted a file larger than any valid one");
    check(doc.m_rebuildTape && !doc.m_modified, "a read document is not waiting for its rebuild");
    check(doc.m_lineCount <= vor::kMaxLines, "more lines than a tape holds");
    check(textsWithinLimits(doc), "a text is not UTF-8 or longer than its buffer");
    const std::string written = vor::writeVorFile(doc);
    vor::CVORDoc again;
    check(vor::readVorFile(written, again, message), "a written file was refused");
    check(vor::writeVorFile(again) == written, "a written file read back differently");
    check(again.m_lineCount == doc.m_lineCount && sameTexts(doc, again),
          "a text changed in the round trip");
    return 0;
}
