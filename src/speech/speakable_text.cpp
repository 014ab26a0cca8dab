#include "speech/speakable_text.h"

#include <span>
#include <string_view>
#include <utility>

#include "core/tape_words.h"

namespace vor {
namespace {

struct Replacement {
    std::string_view from;
    std::string_view to;
};

// The order matters: "M-" must go before "-", or a memory minus would be
// read as "M minus"; "<MR key pressed>" before the bare brackets.
constexpr Replacement kLineText[] = {
    // The tax keys' symbols hold "X", "-" and "T" of their own.
    {words::kTaxPlus, "tax plus  "},
    {words::kTaxMinus, "tax minus  "},
    {words::kTaxAmount, "tax  "},
    {words::kGross, "gross  "},
    {words::kNet, "net  "},
    {"GT", "grand total  "},
    {"M-", "memory minus  "},
    {"-", "minus  "},
    {words::kTotal, "total  "},
    {words::kComment, "comment  "},
    {"X", "times  "},
    {words::kSubTotal, "subtotal  "},
    {"/", "divided by "},
    {"M+", "memory plus  "},
    {"MS", "memory subtotal  "},
    {"MT", "memory total  "},
    {";", " "},
    {"=", "equals  "},
    {words::kMemoryRecallKey, "Memory Recall key pressed"},
};
constexpr Replacement kBrackets[] = {{"<", " "}, {">", " "}};
// "Neg" and "Pos" are whole words only: the item counts of an automatic
// comment ("(3 Pos, 0 Neg)"), never the start of "Negotiated".
constexpr Replacement kCountWords[] = {{"Neg", "negative"}, {"Pos", "positive"}};
constexpr Replacement kPercentKey = {words::kPercentKey, "percent key"};

// Letters and digits, and every byte of a non-ASCII character: "Négatif"
// and "Neg2" are words of their own.
bool isWordByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

// Replaces every occurrence, or with `wholeWords` only those that stand as a
// word of their own.
void replaceAll(std::string& s, const Replacement& r, bool wholeWords = false) {
    const std::string_view from = r.from;
    const std::string_view to = r.to;
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at)) {
        const std::size_t end = at + from.size();
        if (wholeWords &&
            ((at > 0 && isWordByte(s[at - 1])) || (end < s.size() && isWordByte(s[end])))) {
            at = end;
            continue;
        }
        s.replace(at, from.size(), to);
        at += to.size();
    }
}

void replaceAll(std::string& s, std::span<const Replacement> list, bool wholeWords = false) {
    for (const Replacement& r : list) replaceAll(s, r, wholeWords);
}

void convertComment(std::string& s) {
    replaceAll(s, kCountWords, true);
    replaceAll(s, kPercentKey);
    replaceAll(s, kBrackets);
}

}  // namespace

std::string speakableLineText(const std::string& text) {
    std::string s = text;
    replaceAll(s, kLineText);
    replaceAll(s, kBrackets);
    return s;
}

std::string speakableComment(const std::string& comment) {
    std::string s = comment;
    convertComment(s);
    return s;
}

std::string speakableRow(const std::string& row) {
    std::string s = row;
    replaceAll(s, kLineText);
    // A cleared entry prints "<clear>": not worth announcing as each key
    // is keyed.
    replaceAll(s, Replacement{words::kClear, "  "});
    convertComment(s);
    return s;
}

std::string speakableTape(const CVORDoc& doc) {
    std::string text;
    for (int i = 0; i < doc.m_lineCount; ++i) {
        const CTapeLine& line = *doc.line(i);
        text += speakableLineText(line.m_text);
        text += '\t';
        text += speakableComment(line.m_comment);
        text += '\n';
    }
    return text;
}

bool fitsSpeechBuffer(const std::string& utf8, std::size_t capacity) {
    // UTF-16 units: one per character, two for characters beyond the BMP
    // (4-byte sequences); continuation bytes count nothing.
    std::size_t units = 1;
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if ((u & 0xC0) != 0x80) units += u >= 0xF0 ? 2 : 1;
        if (units > capacity) return false;
    }
    return true;
}

}  // namespace vor
