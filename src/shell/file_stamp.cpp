#include "shell/file_stamp.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "core/ports.h"
#include "document/vor_file.h"

namespace vor {

FileStamp FileStamp::of(std::string_view bytes) {
    // 64-bit FNV-1a: quick, and ample for telling one version of a file
    // from another (nobody forges a tape to fool the check).
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ULL;
    }
    return {bytes.size(), h};
}

std::string FileStamp::text() const {
    char hex[16];
    const auto end = std::to_chars(hex, hex + sizeof hex, hash, 16).ptr;
    return std::to_string(size) + ":" + std::string(hex, end);
}

std::optional<FileStamp> FileStamp::parse(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    FileStamp s;
    const char* first = text.data();
    const char* mid = first + colon;
    const char* last = first + text.size();
    const auto a = std::from_chars(first, mid, s.size);
    const auto b = std::from_chars(mid + 1, last, s.hash, 16);
    if (a.ec != std::errc() || a.ptr != mid || b.ec != std::errc() || b.ptr != last || colon == 0)
        return std::nullopt;
    return s;
}

DiskState compareWithDisk(FilePort& files, const std::string& path,
                          const std::optional<FileStamp>& known, std::string* bytes) {
    std::string now;
    std::string error;
    if (!files.read(path, now, error, kMaxVorFileBytes)) {
        std::error_code ec;
        // A file that is there but cannot be read may hold anything.
        return std::filesystem::exists(path, ec) || ec ? DiskState::Changed : DiskState::Missing;
    }
    const bool same = known && *known == FileStamp::of(now);
    if (bytes != nullptr) *bytes = std::move(now);
    return same ? DiskState::Same : DiskState::Changed;
}

}  // namespace vor
