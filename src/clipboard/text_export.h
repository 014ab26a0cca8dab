#pragma once

#include <string>

#include "core/vor_doc.h"

namespace vor {

// The tape as word-processor text: the header, an empty line, then every
// line's text exactly as stored, a tab and its comment, each ending in CR LF.
// `pathName` is the document's full path, empty for a document never saved.
std::string buildTextExport(const CVORDoc& doc, const std::string& pathName);

// What auto-copy puts on the clipboard after each appended line: the running
// total at the tape's precision without its leading blanks (the two trailing
// blanks of the tape format stay), in European form when that mode is on.
std::string autoCopyText(const CVORDoc& doc, bool europeanMode);

// The window title while auto-copy is on ("%s %s - VOR."), and the one the
// toggle sets before it asks or switches off.
std::string autoCopyTitle(const std::string& totalText, const std::string& documentTitle);
std::string autoCopyToggleTitle(const std::string& documentTitle);

}  // namespace vor
