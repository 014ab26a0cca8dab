#include "test_support.h"

#include <stdexcept>

#include "core/key_tokens.h"

namespace vor::test {

std::string squeeze(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

void Machine::keys(std::string_view seq) {
    const KeyTokens split = splitKeyTokens(seq);
    if (!split.error.empty()) throw std::invalid_argument(split.error);
    for (const std::string& token : split.tokens) {
        if (const auto id = keyIdForLabel(token)) {
            calc.onKey(*id);
            continue;
        }
        for (char c : token) {
            const auto id = keyIdForLabel(std::string(1, c));
            if (!id) throw std::invalid_argument("unknown key " + token);
            calc.onKey(*id);
        }
    }
}

std::vector<std::string> Machine::lines() const {
    std::vector<std::string> out;
    for (int i = 0; i < doc.m_lineCount; ++i) {
        const CTapeLine& line = *doc.line(i);
        std::string s = squeeze(line.m_text);
        const std::string comment = squeeze(line.m_comment);
        if (!comment.empty()) {
            s += ' ';
            s += comment;
        }
        out.push_back(s);
    }
    return out;
}

std::vector<std::string> Machine::flags() const {
    std::vector<std::string> out;
    for (int i = 0; i < doc.m_lineCount; ++i) {
        const CTapeLine& line = *doc.line(i);
        out.push_back(std::to_string(line.m_keyId) + (line.m_isImmediate ? " I"
                                                      : line.m_repeated  ? " R"
                                                                         : " -"));
    }
    return out;
}

std::string Machine::mainLed() const {
    return squeeze(form.mainLedText());
}
std::string Machine::memoryLed() const {
    return squeeze(form.memoryLedText());
}

}  // namespace vor::test
