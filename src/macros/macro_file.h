#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "macros/macro_store.h"

namespace vor {

inline constexpr const char* kMacroFileFilter = "VOR Macro Files (*.mcr)";
inline constexpr const char* kCorruptMacroFile = "Invalid or corrupt macro file!";
inline constexpr const char* kNewerMacroFile =
    "This version of VOR cannot read that file.  Please check for an upgrade from the author.";
inline constexpr int kMacroFileVersion = 100;
// Versions from here on are a format this program does not know.
inline constexpr int kFirstUnreadableVersion = 200;
// The largest file a valid macro file can be: anything longer is refused
// without being read into memory.
inline constexpr std::size_t kMaxMacroFileBytes =
    18 + kMacroCount * (4 * 4 + 16 + 4 + 2 * kMaxMacroText + 4 * kMaxMacroEntries) + 1024;

// All four macros as a macro file: the magic, the version, then for each
// macro two empty reserved texts, four zero integers, the size, the
// default value and the prompt (Windows-1252 where every character has a
// byte there, else UTF-8; at most 255 bytes each), and the entries.
std::string writeMacroFile(const CMacroStore& store);

enum class MacroFileResult { Read, Corrupt, NewerVersion };

// Reads a macro file over `store`. The whole file is checked before
// anything is applied: a refused file leaves the store exactly as it was.
// A macro whose count is 0 keeps its entries but takes the file's prompt
// and default value.
MacroFileResult readMacroFile(std::string_view bytes, CMacroStore& store);

}  // namespace vor
