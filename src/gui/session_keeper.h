#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "gui/qt_files.h"
#include "shell/session.h"

namespace vor {

class CVORApp;
class MessagePort;
class SessionSlot;

// Keeps the window's tape in a session file of its own under
// $XDG_STATE_HOME/vorlex (see SessionSlot) so a restart or a crash gives it
// back. A key never waits for the disk: after each change the tape's image
// is taken (a fraction of a millisecond) at the next turn of the event loop
// and written by a thread of its own, atomically, so a crash mid-write
// leaves the previous session. Changes that arrive while a write is under
// way are coalesced into the next one.
//
// A session that cannot be written is said once (status bar and message),
// and the older session still on disk is removed, or where even that fails
// marked stale in the profile, so it never comes back as if it were the
// latest tape.
class SessionKeeper : public QObject {
    Q_OBJECT
   public:
    SessionKeeper(CVORApp& app, MessagePort& messages, QObject* parent = nullptr);
    ~SessionKeeper() override;

    // $XDG_STATE_HOME/vorlex (~/.local/state when unset) and the first
    // window's session file in it.
    static QString folder();
    static QString defaultPath();
    // This window's session file; empty when every slot is taken.
    const QString& path() const { return m_path; }

    // At start: the kept tape comes back when the setting is on. A session
    // that cannot be read is set aside under a timestamped name and the
    // user is told once; one marked stale is set aside too. True when a
    // tape was restored.
    bool restore();
    // Runs `then` once the kept tape is back, modified flag and all: at
    // the next turn of the event loop, or after the question a restore
    // waits to ask on screen. A file opened earlier would not be asked
    // about the kept tape's unsaved changes, or be replaced by the answer.
    void afterRestore(std::function<void()> then);
    // A kept tape's question still waits for the window.
    bool restoring() const { return m_restoring; }
    // Starts one more window for each session that windows now gone left
    // behind (each takes one back); a window started that way starts none.
    void reopenLeftBehind();
    // The tape may have changed: its image is written shortly.
    void changed();
    // While held, changes only mark the session out of date; the image is
    // taken when the hold ends. saveNow and windowClosing still write.
    void hold(bool held);
    // Writes (or, for a tape not worth keeping, removes) the session and
    // waits until it is on disk.
    void saveNow();
    // The window closes: a tape that was saved, or whose changes the user
    // discarded, needs no keeping; anything else is kept for the next run.
    // Nothing is written after this.
    void windowClosing();
    // The files the session is read and written through: the window's own
    // Qt files unless replaced (a test passes files that fail).
    void useFiles(FilePort& files);

   private:
    struct Job {
        bool remove = false;
        std::string image;
    };
    // What a write came to, for the window's thread to act on.
    struct Outcome {
        bool ok = true;
        bool wrote = false;  // a session was written (a removal proves nothing)
        std::string reason;
        std::string staleStamp;  // a session left on disk that is now out of date
    };
    bool enabled() const;
    bool isStale(const std::string& bytes);
    QString setAside(const char* why);
    void restoreOnScreen(SessionToRestore session);
    void takeImage();
    void post(Job job);
    void waitUntilWritten();
    void writerLoop();
    Outcome write(const Job& job);
    void takeOutcomes();
    void act(const Outcome& outcome);

    CVORApp& m_app;
    MessagePort& m_messages;
    QtFiles m_qtFiles;
    FilePort* m_files = &m_qtFiles;  // changed only while the writer is idle
    std::unique_ptr<SessionSlot> m_slot;
    QString m_path;
    std::string m_staleName;  // this slot's value name in the profile
    bool m_onDisk;            // a session file may be there (set when a write or removal is posted)
    bool m_closed = false;
    bool m_held = false;
    bool m_changedWhileHeld = false;
    bool m_restoring = false;  // a restore waits for the window to be on screen
    std::vector<std::function<void()>> m_afterRestore;
    bool m_failing = false;
    bool m_told = false;
    QTimer m_timer;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_pending;
    std::vector<Outcome> m_outcomes;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_writer;
};

}  // namespace vor
