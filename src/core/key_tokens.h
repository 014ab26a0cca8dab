#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vor {

// Splits a key list ("12.5 + COMMENT=\"rent for May\" Ttl") into tokens.
// Blanks, tabs and line ends (LF or CRLF, so key files written on any
// system read the same) separate tokens; a double-quoted stretch keeps its
// blanks and loses its quotes, and inside it \" and \\ stand for " and \.
struct KeyTokens {
    std::vector<std::string> tokens;
    std::string error;  // empty when the whole list was read
};
KeyTokens splitKeyTokens(std::string_view list);

// A number typed key by key: digits with at most one decimal point.
bool isNumberToken(std::string_view token);
// Something that looks like a number but is not one ("1.2.3").
bool isMalformedNumber(std::string_view token);

}  // namespace vor
