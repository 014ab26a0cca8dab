#pragma once

#include <cstddef>
#include <string>

#include "core/vor_doc.h"

namespace vor {

// How tape text is turned into text an engine reads well: operation symbols
// become words ("M-" -> "memory minus"), markers in angle brackets lose their
// brackets. Texts are UTF-8 in and out: a comment is spoken as it was typed.

// A tape line's text (value column and symbol), replacements in their order.
std::string speakableLineText(const std::string& text);
// A tape line's comment.
std::string speakableComment(const std::string& comment);
// A whole tape box row as Immediate Read Mode speaks it (one list for text
// and comment together).
std::string speakableRow(const std::string& row);
// Read Tape: every line's text, a tab, its comment and a line feed.
std::string speakableTape(const CVORDoc& doc);

// Room for the texts handed to the engine, in characters including the
// terminating one; a longer text is refused with its message.
inline constexpr std::size_t kImmediateCapacity = 1024;
inline constexpr std::size_t kClipboardCapacity = 80000;
inline std::size_t tapeCapacity(int lineCount) {
    return 640 * static_cast<std::size_t>(lineCount) + 1024;
}
// Whether `utf8` fits a buffer of `capacity` UTF-16 units with its
// terminator.
bool fitsSpeechBuffer(const std::string& utf8, std::size_t capacity);

}  // namespace vor
