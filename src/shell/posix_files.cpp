#include "shell/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <system_error>
#include <utility>

#include "shell/atomic_file.h"
#include "shell/descriptor.h"

namespace vor {

bool PosixFiles::read(const std::string& path, std::string& bytes, std::string& error,
                      std::size_t maxBytes) {
    // Non-blocking, so that opening a FIFO by mistake cannot hang the run;
    // it is refused below as not a regular file.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) {
        error = systemReason(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        error = systemReason(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        error = systemReason(EISDIR);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = "Not a regular file";
        return false;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        error = systemReason(EFBIG);
        return false;
    }
    std::string out;
    out.reserve(static_cast<std::size_t>(st.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = systemReason(errno);
            return false;
        }
        if (n == 0) break;
        // The file may have grown since it was measured.
        if (out.size() + static_cast<std::size_t>(n) > maxBytes) {
            error = systemReason(EFBIG);
            return false;
        }
        out.append(chunk, static_cast<std::size_t>(n));
    }
    bytes = std::move(out);
    return true;
}

bool PosixFiles::writeAtomic(const std::string& path, const std::string& bytes,
                             std::string& error) {
    return writeFileAtomically(path, bytes, error);
}

}  // namespace vor
