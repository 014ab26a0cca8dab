#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "gui/qt_files.h"

namespace vor {

class CVORApp;
class MessagePort;

// Keeps the window's tape in $XDG_STATE_HOME/vorlex/session.vor so a
// restart or a crash gives it back. A key never waits for the disk: after
// each change the tape's image is taken (a fraction of a millisecond) at the
// next turn of the event loop and written by a thread of its own, atomically,
// so a crash mid-write leaves the previous session. Changes that arrive while
// a write is under way are coalesced into the next one.
class SessionKeeper : public QObject {
    Q_OBJECT
   public:
    SessionKeeper(CVORApp& app, MessagePort& messages, QObject* parent = nullptr);
    ~SessionKeeper() override;

    // $XDG_STATE_HOME/vorlex/session.vor (~/.local/state when unset).
    static QString defaultPath();
    const QString& path() const { return m_path; }

    // At start: the kept tape comes back when the setting is on. A session
    // that cannot be read is set aside under a timestamped name and the
    // user is told once. True when a tape was restored.
    bool restore();
    // The tape may have changed: its image is written shortly.
    void changed();
    // Writes (or, for a tape not worth keeping, removes) the session and
    // waits until it is on disk.
    void saveNow();
    // The window closes: a tape that was saved, or whose changes the user
    // discarded, needs no keeping; anything else is kept for the next run.
    void windowClosing();

   private:
    struct Job {
        bool remove = false;
        std::string image;
    };
    bool enabled() const;
    void takeImage();
    void post(Job job);
    void waitUntilWritten();
    void writerLoop();
    void write(const Job& job);

    CVORApp& m_app;
    MessagePort& m_messages;
    QtFiles m_files;  // the writer thread uses it too: it keeps no state
    QString m_path;
    bool m_onDisk;  // a session file may be there (set when a write or removal is posted)
    QTimer m_timer;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_pending;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_writer;
};

}  // namespace vor
