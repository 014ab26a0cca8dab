#include "clipboard/text_export.h"

#include "clipboard/clipboard_text.h"
#include "core/number_text.h"

namespace vor {

std::string buildTextExport(const CVORDoc& doc, const std::string& pathName) {
    std::string out;
    // Tape rows are short; one reservation covers nearly every tape.
    out.reserve(160 + static_cast<std::size_t>(doc.m_lineCount) * 64);
    out += kExportTitleLine;
    out += "\r\n";
    out += kWebAddress;
    out += "\r\n";
    out += kPathPrefix;
    if (pathName.empty()) {
        // An unsaved document's line has always ended in a bare line feed;
        // pasted text keeps that shape.
        out += kUntitled;
        out += '\n';
    } else {
        appendUtf8(out, pathName);
        out += "\r\n";
    }
    out += "\r\n";
    for (int i = 0; i < doc.m_lineCount; ++i) {
        const CTapeLine& line = *doc.line(i);
        appendUtf8(out, line.m_text);
        out += '\t';
        appendUtf8(out, line.m_comment);
        out += "\r\n";
    }
    return out;
}

std::string autoCopyText(const CVORDoc& doc, bool europeanMode) {
    // No message port: a total too wide for the precision was reported when
    // its line was printed, and the copy after it must not ask again.
    std::string text = doubleToString(doc.m_total, doc.m_precision, doc.m_rounding, nullptr);
    text.erase(0, text.find_first_not_of(" \t\r\n"));
    return europeanMode ? europeanExchange(std::move(text)) : text;
}

std::string autoCopyTitle(const std::string& totalText, const std::string& documentTitle) {
    return totalText + " " + documentTitle + " - VOR.";
}

std::string autoCopyToggleTitle(const std::string& documentTitle) {
    return documentTitle + " - VOR";
}

}  // namespace vor
