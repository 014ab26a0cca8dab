#include "shell/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <system_error>
#include <utility>

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
    // Closes now and reports the error: on some file systems the last
    // write error only shows here.
    int close() {
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc == 0 ? 0 : errno;
    }

   private:
    int m_fd;
};

int writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Saving through a symbolic link replaces the file it names and keeps the
// link, as editors do.
std::string resolvedTarget(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return path;
    std::string target(real);
    std::free(real);
    return target;
}

// A name beside the target that no one else uses; O_EXCL makes sure.
std::string temporaryName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return dir + "." + base + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
           "-" + std::to_string(ticks & 0xFFFFFF) + ".tmp";
}

void syncFolderOf(const std::string& target) {
    const auto slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // The rename is what makes the new file the document; losing it in a
    // crash would bring the old one back, which is still a whole file.
    ::fsync(fd);
    ::close(fd);
}

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
    const std::string target = resolvedTarget(path);
    struct stat old {};
    const bool hadFile = ::stat(target.c_str(), &old) == 0;
    if (hadFile && S_ISDIR(old.st_mode)) {
        error = reason(EISDIR);
        return false;
    }

    std::string temp;
    int raw = -1;
    for (unsigned attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temp = temporaryName(target);
        raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST) break;
    }
    if (raw < 0) {
        error = reason(errno);
        return false;
    }
    Descriptor fd(raw);

    int err = 0;
    // The new file takes the old one's permissions; a new file gets the
    // usual ones (0666 less the umask, applied by open).
    if (hadFile && ::fchmod(fd.get(), old.st_mode & 07777) != 0) err = errno;
    if (err == 0) err = writeAll(fd.get(), bytes);
    if (err == 0 && ::fsync(fd.get()) != 0) err = errno;
    const int closeErr = fd.close();
    if (err == 0) err = closeErr;
    if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        error = reason(err);
        return false;
    }
    syncFolderOf(target);
    return true;
}

}  // namespace vor
