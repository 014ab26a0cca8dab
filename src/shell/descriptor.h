#pragma once

#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace vor {

// The system's own words for an error number ("No space left on device").
inline std::string systemReason(int err) {
    return std::system_category().message(err);
}

// Closes a file descriptor however the function that opened it leaves.
class Descriptor {
   public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now and reports the error: on some file systems (NFS) the
    // last write error only shows here.
    int close() {
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc == 0 ? 0 : errno;
    }

   private:
    int m_fd;
};

}  // namespace vor
