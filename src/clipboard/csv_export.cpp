#include "clipboard/csv_export.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "clipboard/clipboard_text.h"
#include "clipboard/sheet_formula.h"
#include "core/number_text.h"
#include "core/tape_words.h"

namespace vor {

namespace {

constexpr std::string_view kHeaderRow = "value,key,comment\r\n";
constexpr std::string_view kEuropeanHeaderRow = "value;key;comment\r\n";

// Texts a line shows in place of a number: they carry no value.
bool showsNoNumber(std::string_view shown) {
    return shown == words::kClear || shown == words::kComment || shown == kOverflowText;
}

std::string commentText(std::string_view comment) {
    if (comment.starts_with(words::kCommentStart)) {
        comment.remove_prefix(words::kCommentStart.size());
    } else {
        // A Clear line's comment is a lone blank, and a tape read from an
        // older file may hold any spacing: neither is part of what was said.
        const std::size_t first = comment.find_first_not_of(' ');
        comment.remove_prefix(first == std::string_view::npos ? comment.size() : first);
    }
    std::string text;
    appendUtf8(text, comment);
    return text;
}

}  // namespace

std::string csvNumber(double value, bool europeanMode) {
    if (!std::isfinite(value)) return {};
    // A spreadsheet has no negative zero; "-0" would only puzzle a reader.
    if (value == 0.0) return "0";
    // Fixed notation, because some spreadsheets read "1e-07" as text; the
    // longest shortest-round-trip fixed text of a double (a subnormal) is
    // some 330 characters.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    if (result.ec != std::errc()) return {};
    std::string text(buffer.data(), result.ptr);
    if (europeanMode) std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",;\t\"\r\n") == std::string::npos) return text;
    std::string quoted;
    quoted.reserve(text.size() + 4);
    quoted += '"';
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string csvText(std::string text) {
    // What spreadsheets take for the start of a formula; a tab or CR may be
    // dropped before they look.
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        text.insert(0, 1, '\'');
    return text;
}

std::string buildCsvExport(const CVORDoc& doc, bool europeanMode) {
    const char separator = europeanMode ? ';' : ',';
    std::string out;
    out.reserve(kHeaderRow.size() + static_cast<std::size_t>(doc.m_lineCount) * 40);
    out += europeanMode ? kEuropeanHeaderRow : kHeaderRow;
    for (int i = 0; i < doc.m_lineCount; ++i) {
        const CTapeLine& line = *doc.line(i);
        const sheet::LineParts parts = sheet::splitLine(line.m_text);
        const bool noNumber = showsNoNumber(parts.value);
        std::string key(parts.symbol);
        if (key.empty() && noNumber && parts.value != kOverflowText) key = parts.value;
        // The keys are the calculator's own symbols: "=", "+" and "-" alone
        // are no formula, and spreadsheets show them as they are.
        out += noNumber ? std::string() : csvField(csvNumber(line.m_value, europeanMode));
        out += separator;
        out += csvField(key);
        out += separator;
        out += csvField(csvText(commentText(line.m_comment)));
        out += "\r\n";
    }
    return out;
}

}  // namespace vor
