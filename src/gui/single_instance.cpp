#include "gui/single_instance.h"

#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>

namespace vor {
namespace {

constexpr char kAck = 'K';
constexpr int kHeaderBytes = 4;

}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : SingleInstance(std::move(serverName), Timeouts{}, parent) {}

SingleInstance::SingleInstance(QString serverName, Timeouts timeouts, QObject* parent)
    : QObject(parent),
      m_name(std::move(serverName)),
      m_timeouts(timeouts),
      m_server(new QLocalServer(this)) {
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

SingleInstance::~SingleInstance() = default;  // the server's close removes our socket file

QString SingleInstance::defaultServerName() {
    const QString name = QStringLiteral("vorlex-%1").arg(::getuid());
    // The runtime directory (XDG_RUNTIME_DIR) belongs to the user alone;
    // Qt checks its permissions and creates a private one when unset.
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? name : QDir(dir).filePath(name);
}

bool SingleInstance::sendToRunning(const QString& serverName, const QString& path, int timeoutMs) {
    const QByteArray bytes = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    if (bytes.isEmpty() || static_cast<quint64>(bytes.size()) > kMaxPathBytes) return false;

    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(deadline.remainingTime())) return false;

    QByteArray request(kHeaderBytes, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(bytes.size()), request.data());
    request += bytes;
    if (socket.write(request) != request.size()) return false;
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(deadline.remainingTime())) return false;
    }
    // Only the answer proves a live window took the file; a hung one leaves
    // us here until the deadline, and the caller then starts on its own.
    while (socket.bytesAvailable() < 1) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(deadline.remainingTime()))
            return false;
    }
    char ack = 0;
    return socket.getChar(&ack) && ack == kAck;
}

bool SingleInstance::listen() {
    if (m_server->isListening()) return true;
    // No socket options: with them Qt binds elsewhere and renames the socket
    // into place, replacing a live instance's socket instead of failing. The
    // plain bind fails atomically when the name is taken, and the private
    // runtime directory already keeps other users out.
    if (m_server->listen(m_name)) return true;
    if (m_server->serverError() != QAbstractSocket::AddressInUseError) return false;

    // The name is taken. A live instance accepts a connection; a socket file
    // left by a run that crashed refuses it, and only then is it ours to
    // remove. Removing a live one would silently steal its files.
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(m_timeouts.probeMs)) {
        probe.abort();
        return false;
    }
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

bool SingleInstance::isListening() const {
    return m_server->isListening();
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        QTimer::singleShot(m_timeouts.requestMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        readRequest(socket);  // the request may have arrived with the connection
    }
}

void SingleInstance::readRequest(QLocalSocket* socket) {
    if (socket->state() != QLocalSocket::ConnectedState) return;
    if (socket->bytesAvailable() < kHeaderBytes) return;
    char header[kHeaderBytes];
    socket->peek(header, kHeaderBytes);
    const quint32 size = qFromBigEndian<quint32>(header);
    if (size == 0 || size > kMaxPathBytes) {
        // Not one of ours: drop it rather than buffer without bound.
        socket->abort();
        socket->deleteLater();
        return;
    }
    if (socket->bytesAvailable() < kHeaderBytes + static_cast<qint64>(size)) return;
    socket->skip(kHeaderBytes);
    const QString path = QFile::decodeName(socket->read(size));

    // Answer before acting: opening the file may ask the user something
    // ("Save changes?"), and the sender must not time out meanwhile and
    // start a second window. The signal is queued so that such a question's
    // event loop never runs inside this socket's own signal, where the socket
    // could be deleted under our feet.
    socket->putChar(kAck);
    socket->flush();
    socket->disconnectFromServer();
    QMetaObject::invokeMethod(
        this, [this, path] { emit openRequested(path); }, Qt::QueuedConnection);
}

}  // namespace vor
