#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vor {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Texts are UTF-8 inside the program; files written by older versions hold
// Windows-1252 bytes. These convert between the two.
void appendUtf8(std::string& out, char32_t c);
// The code points of a UTF-8 text; a byte that starts no valid sequence
// (stray continuation, overlong form, surrogate, beyond U+10FFFF, cut
// short) stands for U+FFFD on its own.
std::vector<char32_t> decodeUtf8(std::string_view s);
bool isValidUtf8(std::string_view s);
// One Windows-1252 byte as a code point (the five undefined bytes keep
// their own number).
char32_t fromWindows1252(unsigned char b);
std::string windows1252ToUtf8(std::string_view bytes);
// The same, appended to `out`.
void appendWindows1252(std::string& out, std::string_view bytes);
// The text in Windows-1252, or nothing when a character has no byte there.
std::optional<std::string> utf8ToWindows1252(std::string_view utf8);

// Characters of a UTF-8 text (code points, not bytes): the limits of the
// dialogs count what the user sees on screen.
std::size_t characterCount(std::string_view utf8);
// The first `limit` characters of a UTF-8 text, never half a character.
std::string firstCharacters(const std::string& utf8, std::size_t limit);

}  // namespace vor
