#pragma once

#include <string>

namespace vor {

// Each window keeps its tape in a session file of its own: session.vor,
// session-2.vor, ... in the session folder, each guarded by a lock file
// beside it (session.vor.lock) that the window holds with flock() for as
// long as it runs. The system drops the lock when the window ends, however
// it ends, so a session file whose lock is free was left by a window that
// is gone (killed, crashed, or closed while keeping unsaved work) and is
// free for the next window to take back. Two windows never share a file,
// and no window touches another's.
class SessionSlot {
   public:
    static constexpr int kMaxSlots = 32;

    // Claims a slot in `folder`, created when missing: the first one holding
    // a tape that no running window holds, else the first free one. Where
    // no lock can be taken (a folder that cannot be written) the first
    // slot holding a tape, or the first slot, is used unguarded: nothing can
    // be written there anyway. With every slot held, path() is empty.
    explicit SessionSlot(std::string folder);
    ~SessionSlot();
    SessionSlot(const SessionSlot&) = delete;
    SessionSlot& operator=(const SessionSlot&) = delete;

    const std::string& path() const { return m_path; }
    bool held() const { return m_fd >= 0; }
    // Why no lock could be taken in the folder (the system's reason), or
    // nothing.
    const std::string& problem() const { return m_problem; }
    // Tapes in the folder that no running window holds, besides this one's.
    int leftBehind() const;

    // "session.vor" for the first slot, "session-<n>.vor" for the n-th.
    static std::string fileName(int index);

   private:
    std::string pathOf(int index) const;
    bool hasTape(int index) const;
    // A descriptor holding the slot's lock; -1 when another window holds
    // it, -2 when no lock can be taken there at all (`why` says why).
    int tryLock(int index, std::string* why = nullptr) const;

    std::string m_folder;
    std::string m_problem;
    std::string m_path;
    int m_index = -1;
    int m_fd = -1;
};

}  // namespace vor
