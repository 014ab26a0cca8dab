#include "shell/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <system_error>

#include "shell/descriptor.h"

namespace vor {
namespace {

// A temporary file is "." + stem + "." + pid-counter-ticks + ".tmp". The
// stem is the target's name, cut so that the whole name stays within the
// 255 bytes a folder entry may have (the numbers take at most 33).
constexpr std::size_t kMaxStem = 200;
constexpr const char* kTempSuffix = ".tmp";
constexpr std::time_t kAbandonedAfter = 60;            // seconds
constexpr std::time_t kForgottenAfter = 24 * 60 * 60;  // seconds

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string tempPrefix(const std::string& target) {
    return "." + nameOf(target).substr(0, kMaxStem) + ".";
}

// A name beside the target that no one else uses; O_EXCL makes sure. The
// process number in it tells a later save whether its writer still runs.
std::string temporaryName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return folderOf(target) + tempPrefix(target) + std::to_string(::getpid()) + "-" +
           std::to_string(counter++) + "-" + std::to_string(ticks & 0xFFFFFF) + kTempSuffix;
}

// The writer's process number when `name` is exactly one of our temporary
// names for `prefix`: three decimal numbers joined by '-' between the
// prefix and the suffix, nothing else.
std::optional<pid_t> writerOf(const std::string& name, const std::string& prefix) {
    const std::string suffix = kTempSuffix;
    if (name.size() <= prefix.size() + suffix.size()) return std::nullopt;
    if (name.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    if (name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) return std::nullopt;
    const std::string numbers =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    int fields = 1;
    std::size_t digits = 0;
    long long pid = 0;
    for (char c : numbers) {
        if (c == '-') {
            if (digits == 0) return std::nullopt;
            ++fields;
            digits = 0;
        } else if (c >= '0' && c <= '9' && digits < 18) {
            if (fields == 1) pid = pid * 10 + (c - '0');
            ++digits;
        } else {
            return std::nullopt;
        }
    }
    if (fields != 3 || digits == 0 || pid <= 0 || pid > INT_MAX) return std::nullopt;
    return static_cast<pid_t>(pid);
}

bool processRuns(pid_t pid) {
    // EPERM: it runs, as another user.
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

// Saving through a symbolic link replaces the file it names and keeps the
// link, as editors do. A link to a file not made yet is followed by hand:
// realpath() only resolves names that exist.
std::string resolvedTarget(const std::string& path) {
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        std::string target(real);
        std::free(real);
        return target;
    }
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        char link[PATH_MAX];
        const ssize_t n = ::readlink(target.c_str(), link, sizeof link);
        if (n <= 0 || static_cast<std::size_t>(n) >= sizeof link) break;
        const std::string next(link, static_cast<std::size_t>(n));
        target = next.front() == '/' ? next : folderOf(target) + next;
    }
    return target;
}

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

// Writes, flushes and closes the new file; 0 or the first error.
int fillTemporary(int raw, const std::string& bytes, const struct stat* old) {
    Descriptor fd(raw);
    if (old != nullptr) {
        // The owner first: changing it may clear the set-id bits, which
        // the mode below puts back. Both are kept where the system lets
        // us; where it does not, the file stays private to its writer
        // (it was made 0600) rather than readable by more people.
        if ((old->st_uid != ::geteuid() || old->st_gid != ::getegid()) &&
            ::fchown(fd.get(), old->st_uid, old->st_gid) != 0)
            (void)::fchown(fd.get(), static_cast<uid_t>(-1), old->st_gid);
        (void)::fchmod(fd.get(), old->st_mode & 07777);
    }
    int err = writeAll(fd.get(), bytes);
    // EINVAL: a file system that cannot sync, not a lost write.
    if (err == 0 && ::fsync(fd.get()) != 0 && errno != EINVAL) err = errno;
    const int closeErr = fd.close();
    return err != 0 ? err : closeErr;
}

void syncFolderOf(const std::string& target) {
    const std::string dir = folderOf(target).empty() ? "." : folderOf(target);
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // The rename is what makes the new file the document; should a crash
    // lose it, the old file comes back, which is still a whole file. So a
    // failure here is not reported as a failed save.
    ::fsync(fd);
    ::close(fd);
}

// Removes the temporary files of earlier saves of `target` (links already
// resolved) that nobody writes any more; see atomic_file.h for which.
void removeSaveLeftovers(const std::string& target) {
    const std::string folder = folderOf(target).empty() ? "./" : folderOf(target);
    const std::string prefix = tempPrefix(target);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const std::optional<pid_t> writer = writerOf(name, prefix);
        if (!writer) continue;
        struct stat st {};
        // Only plain files of that name: never a link, never a folder.
        if (::fstatat(::dirfd(dir), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode))
            continue;
        const std::time_t idle = now - st.st_mtime;
        const bool abandoned = idle > kAbandonedAfter && !processRuns(*writer);
        if (abandoned || idle > kForgottenAfter) ::unlinkat(::dirfd(dir), name.c_str(), 0);
    }
    ::closedir(dir);
}

}  // namespace

bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string& error) {
    const std::string target = resolvedTarget(path);
    struct stat old {};
    bool hadFile = false;
    if (::stat(target.c_str(), &old) == 0) {
        hadFile = true;
        if (S_ISDIR(old.st_mode)) {
            error = systemReason(EISDIR);
            return false;
        }
        // Renaming over a FIFO or a device would put a plain file in its
        // place (root could replace /dev/full); the reader refuses them too.
        if (!S_ISREG(old.st_mode)) {
            error = "Not a regular file";
            return false;
        }
    } else if (errno != ENOENT) {
        error = systemReason(errno);
        return false;
    }

    // Before writing: a leftover may be what fills the disk.
    removeSaveLeftovers(target);

    std::string temp;
    int raw = -1;
    // A new file gets the usual permissions (0666 less the umask); a
    // replacement starts private and takes the old file's below.
    const mode_t mode = hadFile ? 0600 : 0666;
    for (unsigned attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temp = temporaryName(target);
        raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        if (raw < 0 && errno != EEXIST) break;
    }
    if (raw < 0) {
        error = systemReason(errno);
        return false;
    }
    int err = fillTemporary(raw, bytes, hadFile ? &old : nullptr);
    if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        error = systemReason(err);
        return false;
    }
    syncFolderOf(target);
    return true;
}

}  // namespace vor
