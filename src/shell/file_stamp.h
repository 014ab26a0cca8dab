#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vor {

class FilePort;

// What was known of a document's file when it was last read or written:
// its length and a hash of its bytes. The bytes decide whether the file
// changed, not its modification time: a file touched or copied back byte
// for byte has nothing an overwrite could lose, while a coarse timestamp
// (one or two seconds on some file systems) misses a change made within
// the same tick.
struct FileStamp {
    std::uint64_t size = 0;
    std::uint64_t hash = 0;

    static FileStamp of(std::string_view bytes);
    // "size:hash" in hex, as the session keeps it; nothing for a text that
    // is not one.
    std::string text() const;
    static std::optional<FileStamp> parse(const std::string& text);
    bool operator==(const FileStamp&) const = default;
};

enum class DiskState {
    Same,     // the file holds what was known of it
    Changed,  // something else is there now, or it cannot be read to tell
    Missing,  // no file there
};

// How the file at `path` compares with what was known of it; `known` empty
// means no file was expected there. The bytes read go to `bytes` when asked.
DiskState compareWithDisk(FilePort& files, const std::string& path,
                          const std::optional<FileStamp>& known, std::string* bytes = nullptr);

}  // namespace vor
