#include "shell/session_slot.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "shell/descriptor.h"

namespace vor {

SessionSlot::SessionSlot(std::string folder) : m_folder(std::move(folder)) {
    std::error_code ec;
    std::filesystem::create_directories(m_folder, ec);
    if (ec) m_problem = ec.message();
    int unguarded = -1;
    // Tapes left behind first, so that none waits for a later window while
    // an empty slot is taken.
    for (const bool wantTape : {true, false}) {
        for (int i = 0; i < kMaxSlots && m_fd < 0; ++i) {
            if (wantTape && !hasTape(i)) continue;
            const int fd = tryLock(i, m_problem.empty() ? &m_problem : nullptr);
            if (fd >= 0) {
                m_fd = fd;
                m_index = i;
            } else if (fd == -2 && unguarded < 0) {
                unguarded = i;
            }
        }
    }
    if (m_fd < 0)
        m_index = unguarded;
    else
        m_problem.clear();
    if (m_index >= 0) m_path = pathOf(m_index);
}

SessionSlot::~SessionSlot() {
    if (m_fd >= 0) ::close(m_fd);  // closing drops the lock
}

std::string SessionSlot::fileName(int index) {
    return index == 0 ? std::string("session.vor")
                      : "session-" + std::to_string(index + 1) + ".vor";
}

std::string SessionSlot::pathOf(int index) const {
    return m_folder + "/" + fileName(index);
}

bool SessionSlot::hasTape(int index) const {
    struct stat st {};
    return ::stat(pathOf(index).c_str(), &st) == 0;
}

int SessionSlot::tryLock(int index, std::string* why) const {
    const std::string lock = pathOf(index) + ".lock";
    int fd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    const int openError = errno;
    // A lock file made earlier still locks in a folder now read-only.
    if (fd < 0) fd = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (why != nullptr) *why = systemReason(openError);
        return -2;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
    const int err = errno;
    ::close(fd);
    if (err == EWOULDBLOCK) return -1;
    if (why != nullptr) *why = systemReason(err);
    return -2;
}

int SessionSlot::leftBehind() const {
    int count = 0;
    for (int i = 0; i < kMaxSlots; ++i) {
        if (i == m_index || !hasTape(i)) continue;
        const int fd = tryLock(i);
        if (fd < 0) continue;
        ::close(fd);
        ++count;
    }
    return count;
}

}  // namespace vor
