#pragma once

#include <string>

namespace vor {

// The one way the program replaces a whole file: the document (window and
// batch), an exported tape, the macro file, a PDF printout and the kept
// session all go through here, so every one of them gets the same care.
//
// The bytes go to a new file beside the target (same folder, so that the
// rename is atomic), which is written, flushed to the disk and closed with
// every error checked; only then does it take the target's name, and the
// folder is flushed last. Until that rename the old file is untouched,
// whatever fails and even if the program is killed.
//
// - A symbolic link is followed: the file it names is replaced, the link
//   stays (also when the file it names does not exist yet).
// - Only a regular file or a name not taken yet is replaced; a folder, a
//   FIFO or a device is refused ("Is a directory", "Not a regular file").
// - The new file keeps the old one's permissions and, where the system
//   allows it, its owner.
// - Temporary files that earlier saves of the same target left behind
//   when they were killed are removed first, once nobody writes them any
//   more: their process has ended here and they have not changed for a
//   minute, or they have not changed for a day (the process number may
//   have been reused, or they came from another machine). A save still in
//   progress, in this or another window, keeps its file, and nothing whose
//   name is not exactly one of ours for this target is touched.
//
// False with the system's reason in `error` ("No space left on device").
bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string& error);

}  // namespace vor
