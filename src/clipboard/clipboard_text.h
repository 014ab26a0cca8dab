#pragma once

#include <string>
#include <string_view>

// Texts shared by the clipboard commands: their messages, the window title
// shown while they work, and the header both exports start with.
namespace vor {

inline constexpr std::string_view kNothingToCopy = "Nothing to copy to clipboard!";
inline constexpr std::string_view kCopyingTitle =
    "Copying data to clipboard in spreadsheet ASCII format.  Please wait...";
inline constexpr std::string_view kAutoCopyQuestion =
    "With this setting, VOR will automatically and regularly overwrite any existing contents "
    "contained in the clipboard.  Continue?";
// The failures a clipboard that cannot be reached or refuses the text can
// still report.
inline constexpr std::string_view kErrorOpeningClipboard = "Error opening clipboard";
inline constexpr std::string_view kErrorSettingClipboard = "Error setting clipboard data";

inline constexpr std::string_view kExportTitleLine = "Pasted from Vorlex v1.31 (Beta)";
inline constexpr std::string_view kWebAddress = "https://vorlex.quillaby.example";
inline constexpr std::string_view kPathPrefix = "VOR File Path = ";
inline constexpr std::string_view kUntitled = "Untitled";

// Appends `text`, keeping it valid UTF-8: a byte that starts no complete
// sequence (a comment cut in the middle of a character, bytes from a damaged
// file) becomes U+FFFD, so the clipboard receives the rest unchanged.
void appendUtf8(std::string& out, std::string_view text);

}  // namespace vor
