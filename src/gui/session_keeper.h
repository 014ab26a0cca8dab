#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace vor {

class CVORApp;
class MessagePort;

// Keeps the window's tape in $XDG_STATE_HOME/vorlex/session.vor so a
// restart or a crash gives it back. Writing is off the typing path: each
// change restarts a short timer and the file is written when the keys pause
// (atomically, so a crash mid-write leaves the previous session).
class SessionKeeper : public QObject {
    Q_OBJECT
   public:
    static constexpr int kDelayMs = 250;

    SessionKeeper(CVORApp& app, MessagePort& messages, QObject* parent = nullptr);

    // $XDG_STATE_HOME/vorlex/session.vor (~/.local/state when unset).
    static QString defaultPath();
    void setPath(const QString& path) { m_path = path; }
    const QString& path() const { return m_path; }

    // At start: the kept tape comes back when the setting is on. A session
    // that cannot be read is set aside under a timestamped name and the
    // user is told once. True when a tape was restored.
    bool restore();
    // The tape may have changed: write the session once the keys pause.
    void changed();
    // Writes (or, for a tape not worth keeping, removes) the session now.
    void saveNow();
    // The window closes: a tape that was saved, or whose changes the user
    // discarded, needs no keeping; anything else is kept for the next run.
    void windowClosing();

   private:
    bool enabled() const;
    void clear();

    CVORApp& m_app;
    MessagePort& m_messages;
    QString m_path;
    QTimer m_timer;
};

}  // namespace vor
