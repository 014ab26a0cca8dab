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

namespace vor {
namespace {

std::string reason(int err) {
    return std::system_category().message(err);
}

// Closes the descriptor however the function leaves.
class Descriptor {
   public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

   private:
    int m_fd;
};

}  // namespace

bool PosixFiles::read(const std::string& path, std::string& bytes, std::string& error,
                      std::size_t maxBytes) {
    // Non-blocking, so that opening a FIFO by mistake cannot hang the run;
    // it is refused below as not a regular file.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0) {
        error = reason(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        error = reason(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        error = reason(EISDIR);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = "Not a regular file";
        return false;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        error = reason(EFBIG);
        return false;
    }
    std::string out;
    out.reserve(static_cast<std::size_t>(st.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = reason(errno);
            return false;
        }
        if (n == 0) break;
        // The file may have grown since it was measured.
        if (out.size() + static_cast<std::size_t>(n) > maxBytes) {
            error = reason(EFBIG);
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
