#include "tape/tape_search.h"

#include <algorithm>
#include <string>

namespace vor {
namespace {

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool containsFolded(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [](char a, char b) { return lower(a) == lower(b); }) != text.end();
}

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string withoutGrouping(std::string_view s, char grouping) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != grouping) out += c;
    return out;
}

// A query that could be a figure: digits with at most a sign and the
// separators, so "12" finds 1,234.50's digits but "Ttl" never looks there.
bool looksLikeFigure(std::string_view q) {
    return !q.empty() && std::all_of(q.begin(), q.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == '-';
    }) && std::any_of(q.begin(), q.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool lineMatches(const CTapeLine& line, std::string_view query, bool european) {
    const std::string_view q = trimmed(query);
    if (q.empty()) return false;
    // The row as the tape box shows it: figure, symbol and comment.
    if (containsFolded(line.m_text, q) || containsFolded(line.m_comment, q)) return true;
    if (!looksLikeFigure(q)) return false;
    // The figure as typed: without the characters that group its digits.
    const char grouping = european ? '.' : ',';
    const std::string_view text = trimmed(line.m_text);
    const std::string_view figure = text.substr(0, text.find(' '));
    return withoutGrouping(figure, grouping).find(withoutGrouping(q, grouping)) !=
           std::string::npos;
}

int findLine(const CVORDoc& doc, std::string_view query, int from, bool forward, bool european) {
    const int n = doc.m_lineCount;
    if (n == 0) return -1;
    if (from < 0 || from >= n) from = forward ? n - 1 : 0;
    for (int step = 1; step <= n; ++step) {
        const int i = ((forward ? from + step : from - step) % n + n) % n;
        if (lineMatches(*doc.line(i), query, european)) return i;
    }
    return -1;
}

}  // namespace vor
