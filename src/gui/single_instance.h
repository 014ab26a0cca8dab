#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace vor {

// One window per user for files opened from the desktop: `vorlex FILE`
// started while a window is running hands FILE to that window and exits.
//
// Start-up order in main():
//   SingleInstance instance;
//   if (!file.isEmpty() && SingleInstance::sendToRunning(instance.serverName(), file))
//       return 0;                       // the running window opens it
//   instance.listen();                  // false: run on without receiving
//   connect(&instance, &SingleInstance::openRequested, frame, ...);
//
// The wire format is a 32-bit big-endian byte count followed by the path in
// UTF-8; the receiver answers one byte, 'K', as soon as it has the path, so
// the sender never waits on whatever the window then does with the file.
//
// A Unix socket under the user's runtime folder carries it, through the
// system's calls and Qt's socket notifier rather than Qt's network module:
// that module and the libraries it pulls in (Kerberos, proxy lookup) took
// longer to load at every start than all of this does.
class SingleInstance : public QObject {
    Q_OBJECT
   public:
    // How long the receiving side waits on others (milliseconds).
    struct Timeouts {
        // A sender that connects and has not completed its request within
        // this time is dropped, so a stuck client cannot pile up sockets in
        // the window.
        int requestMs = 5000;
    };

    // `serverName` is the local socket's name or absolute path.
    explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);
    SingleInstance(QString serverName, Timeouts timeouts, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The user's socket: "vorlex-<uid>" in the user's private runtime
    // directory, so no other user can listen in or squat on the name.
    static QString defaultServerName();

    // Hands `path` (made absolute against this process's current directory)
    // to the instance listening on `serverName`. True when it confirmed
    // within `timeoutMs` (-1: however long it takes); false when none
    // listens or it does not answer, and the caller then starts normally.
    // Blocking: call it before the event loop runs (or from a thread of its
    // own).
    static constexpr int kSendTimeoutMs = 2000;
    static bool sendToRunning(const QString& serverName, const QString& path,
                              int timeoutMs = kSendTimeoutMs);

    // Starts receiving. A socket left behind by a run that crashed is removed
    // first. False when another live instance owns the name (or the socket
    // cannot be created); this process then simply receives nothing.
    bool listen();
    bool isListening() const;
    QString serverName() const { return m_name; }

    // The longest path accepted from a sender; anything longer is dropped.
    static constexpr quint32 kMaxPathBytes = 64 * 1024;

    // The socket file a server name stands for: a bare name lives in the
    // temporary folder.
    static QByteArray socketPath(const QString& serverName);

   signals:
    // A second `vorlex FILE` asked this window to open `path` (absolute).
    // Delivered from the event loop after the sender has been answered, so
    // the slot may ask the user questions; it should also raise the window.
    void openRequested(const QString& path);

   private:
    class Request;
    bool bindAndListen();
    void acceptConnections();

    QString m_name;
    Timeouts m_timeouts;
    int m_fd = -1;  // the listening socket, -1 when not listening
    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace vor
