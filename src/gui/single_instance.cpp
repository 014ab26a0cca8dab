#include "gui/single_instance.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>
#include <cerrno>
#include <climits>
#include <cstring>

namespace vor {
namespace {

constexpr char kAck = 'K';
constexpr int kHeaderBytes = 4;

// The address of a socket file; false when the path does not fit in one.
bool addressOf(const QByteArray& path, sockaddr_un& addr) {
    addr = {};
    addr.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof addr.sun_path)
        return false;
    std::memcpy(addr.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

int newSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

// Whether `fd` became ready for `events` before the deadline.
bool waitFor(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const qint64 left = deadline.remainingTime();  // -1: no deadline
        const int r = ::poll(&p, 1, left > INT_MAX ? INT_MAX : static_cast<int>(left));
        if (r > 0) return true;
        if (r < 0 && errno != EINTR) return false;
        if (r == 0 && deadline.hasExpired()) return false;
    }
}

// The socket connected to `path`, or -1. A listener whose queue is full
// still takes no connection; `busy` then tells it from nobody listening.
int connectTo(const QByteArray& path, bool* busy = nullptr) {
    sockaddr_un addr;
    if (!addressOf(path, addr)) return -1;
    const int fd = newSocket();
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0) return fd;
    if (busy != nullptr) *busy = errno == EAGAIN || errno == EINPROGRESS;
    ::close(fd);
    return -1;
}

bool writeAll(int fd, const QByteArray& bytes, const QDeadlineTimer& deadline) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + done,
                                 static_cast<std::size_t>(bytes.size() - done), MSG_NOSIGNAL);
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitFor(fd, POLLOUT, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

// One sender's connection: its request is read as it arrives, answered and
// announced, and the connection closed.
class SingleInstance::Request : public QObject {
   public:
    Request(int fd, SingleInstance& owner)
        : QObject(&owner), m_fd(fd), m_owner(owner), m_notifier(fd, QSocketNotifier::Read) {
        connect(&m_notifier, &QSocketNotifier::activated, this, &Request::read);
        // A sender that has not completed its request by then is dropped,
        // so a stuck client cannot pile up sockets in the window.
        QTimer::singleShot(owner.m_timeouts.requestMs, this, &Request::drop);
    }
    ~Request() override {
        m_notifier.setEnabled(false);
        ::close(m_fd);
    }

    void read() {
        char chunk[4096];
        for (;;) {
            const ssize_t n = ::recv(m_fd, chunk, sizeof chunk, 0);
            if (n > 0) {
                m_bytes.append(chunk, n);
                if (!plausible()) return drop();
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                break;  // the rest comes later
            } else {
                return drop();  // the sender hung up before its request was whole
            }
        }
        if (m_bytes.size() < kHeaderBytes) return;
        const quint32 size = qFromBigEndian<quint32>(m_bytes.constData());
        if (m_bytes.size() < kHeaderBytes + static_cast<qsizetype>(size)) return;
        const QString path = QFile::decodeName(m_bytes.mid(kHeaderBytes, size));

        // Answer before acting: opening the file may ask the user something
        // ("Save changes?"), and the sender must not time out meanwhile and
        // start a second window. The signal is queued so that such a
        // question's event loop never runs inside this read.
        ::send(m_fd, &kAck, 1, MSG_NOSIGNAL);
        drop();
        QMetaObject::invokeMethod(
            &m_owner, [owner = &m_owner, path] { emit owner->openRequested(path); },
            Qt::QueuedConnection);
    }

   private:
    // Not one of ours (a length out of range, or more bytes than it
    // announced): dropped rather than buffered without bound.
    bool plausible() const {
        if (m_bytes.size() < kHeaderBytes) return true;
        const quint32 size = qFromBigEndian<quint32>(m_bytes.constData());
        return size > 0 && size <= kMaxPathBytes &&
               m_bytes.size() <= kHeaderBytes + static_cast<qsizetype>(size);
    }

    // Nothing more is read: the notifier stops at once, the socket closes
    // with the object.
    void drop() {
        m_notifier.setEnabled(false);
        deleteLater();
    }

    int m_fd;
    SingleInstance& m_owner;
    QSocketNotifier m_notifier;
    QByteArray m_bytes;
};

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : SingleInstance(std::move(serverName), Timeouts{}, parent) {}

SingleInstance::SingleInstance(QString serverName, Timeouts timeouts, QObject* parent)
    : QObject(parent), m_name(std::move(serverName)), m_timeouts(timeouts) {}

SingleInstance::~SingleInstance() {
    if (m_fd < 0) return;
    // The socket file goes with the server, so the next run starts clean.
    delete m_notifier;
    ::close(m_fd);
    ::unlink(socketPath(m_name).constData());
}

QString SingleInstance::defaultServerName() {
    const QString name = QStringLiteral("vorlex-%1").arg(::getuid());
    // The runtime directory (XDG_RUNTIME_DIR) belongs to the user alone;
    // Qt checks its permissions and creates a private one when unset.
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? name : QDir(dir).filePath(name);
}

QByteArray SingleInstance::socketPath(const QString& serverName) {
    return QFile::encodeName(QDir::isAbsolutePath(serverName) ? serverName
                                                              : QDir::temp().filePath(serverName));
}

bool SingleInstance::sendToRunning(const QString& serverName, const QString& path, int timeoutMs) {
    const QByteArray bytes = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    if (bytes.isEmpty() || static_cast<quint64>(bytes.size()) > kMaxPathBytes) return false;

    const QDeadlineTimer deadline(timeoutMs);
    const int fd = connectTo(socketPath(serverName));
    if (fd < 0) return false;
    QByteArray request(kHeaderBytes, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(bytes.size()), request.data());
    request += bytes;
    bool confirmed = false;
    if (writeAll(fd, request, deadline)) {
        // Only the answer proves a live window took the file; a hung one
        // leaves us here until the deadline, and the caller then starts on
        // its own.
        for (;;) {
            char ack = 0;
            const ssize_t n = ::recv(fd, &ack, 1, 0);
            if (n == 1) confirmed = ack == kAck;
            if (n >= 0) break;
            if (errno == EINTR) continue;
            if ((errno != EAGAIN && errno != EWOULDBLOCK) || !waitFor(fd, POLLIN, deadline)) break;
        }
    }
    ::close(fd);
    return confirmed;
}

bool SingleInstance::bindAndListen() {
    sockaddr_un addr;
    if (!addressOf(socketPath(m_name), addr)) {
        errno = ENAMETOOLONG;
        return false;
    }
    const int fd = newSocket();
    if (fd < 0) return false;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(fd, SOMAXCONN) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return false;
    }
    m_fd = fd;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::acceptConnections);
    return true;
}

bool SingleInstance::listen() {
    if (m_fd >= 0) return true;
    // A plain bind fails atomically when the name is taken, where binding
    // elsewhere and renaming into place would replace a live instance's
    // socket; the private runtime directory already keeps other users out.
    if (bindAndListen()) return true;
    if (errno != EADDRINUSE) return false;

    // The name is taken. A live instance takes a connection at once, even
    // one it is too busy to accept yet; a socket file left by a run that
    // crashed refuses it, and only then is it ours to remove. Removing a
    // live one would silently steal its files.
    bool busy = false;
    const int probe = connectTo(socketPath(m_name), &busy);
    if (probe >= 0) ::close(probe);
    if (probe >= 0 || busy) return false;
    ::unlink(socketPath(m_name).constData());
    return bindAndListen();
}

bool SingleInstance::isListening() const {
    return m_fd >= 0;
}

void SingleInstance::acceptConnections() {
    for (;;) {
        const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR) continue;
            return;  // every waiting sender taken
        }
        // The request may have arrived with the connection.
        (new Request(fd, *this))->read();
    }
}

}  // namespace vor
