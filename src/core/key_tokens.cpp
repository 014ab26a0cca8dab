#include "core/key_tokens.h"

#include <algorithm>

namespace vor {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

KeyTokens splitKeyTokens(std::string_view list) {
    KeyTokens result;
    std::string token;
    bool inToken = false;
    bool quoted = false;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const char c = list[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < list.size() &&
                       (list[i + 1] == '"' || list[i + 1] == '\\')) {
                token += list[++i];
            } else {
                token += c;
            }
            continue;
        }
        if (isBlank(c)) {
            if (inToken) result.tokens.push_back(std::move(token));
            token.clear();
            inToken = false;
            continue;
        }
        inToken = true;
        if (c == '"')
            quoted = true;
        else
            token += c;
    }
    if (quoted) {
        result.error = "unterminated quote in keys: " + token;
        return result;
    }
    if (inToken) result.tokens.push_back(std::move(token));
    return result;
}

bool isNumberToken(std::string_view token) {
    const auto points = std::count(token.begin(), token.end(), '.');
    return points <= 1 && std::any_of(token.begin(), token.end(), isDigit) &&
           std::all_of(token.begin(), token.end(), [](char c) { return isDigit(c) || c == '.'; });
}

bool isMalformedNumber(std::string_view token) {
    return !isNumberToken(token) && std::any_of(token.begin(), token.end(), isDigit) &&
           std::all_of(token.begin(), token.end(), [](char c) { return isDigit(c) || c == '.'; });
}

}  // namespace vor
