#pragma once

#include <future>
#include <optional>
#include <string>

#include "core/vor_doc.h"
#include "shell/file_stamp.h"

namespace vor {

// A .vor file read and checked before the window needs it: the document
// named on the command line is read on a thread of its own while the
// window is being built, so opening it then only shows it.
struct ReadDocument {
    std::string path;  // absolute, as openDocument makes it
    CVORDoc doc;
    FileStamp stamp;
};

// The absolute form of `path` that documents are known by: the recent-file
// list and the title must not depend on the folder the program happened to
// start in.
std::string documentPath(const std::string& path);

// Starts reading `path`. The result is empty when the file could not be read
// or is no tape: opening it the usual way then tells the user why.
std::future<std::optional<ReadDocument>> readDocumentAhead(const std::string& path);

}  // namespace vor
