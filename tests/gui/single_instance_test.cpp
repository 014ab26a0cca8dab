#include "gui/single_instance.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <chrono>
#include <cstring>
#include <future>

// The sender blocks until the receiver answers, and both live in this one
// process: every sender runs on a thread of its own while this thread keeps
// the receiver's event loop turning.
//
// No test measures time. "At once" is shown by giving no deadline at all (a
// wait would never end); a deadline only bounds how long a failing test
// takes, or is the point of the test and then cannot change its outcome.
namespace vor {
namespace {

using namespace std::chrono_literals;

constexpr int kNoDeadline = -1;

template <class Future>
bool ready(const Future& f) {
    return f.wait_for(0ms) == std::future_status::ready;
}

template <class F>
auto runAside(F work) {
    auto result = std::async(std::launch::async, work);
    while (!ready(result)) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return result.get();
}

// A Unix socket left on disk the way a crashed or frozen instance leaves it.
class RawSocket {
   public:
    RawSocket(const QString& path, bool accepting) : m_fd(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::strncpy(addr.sun_path, name.constData(), sizeof(addr.sun_path) - 1);
        m_ok = m_fd >= 0 && ::bind(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
        // Listening but never accepting: connections queue up and nobody
        // answers, like a window that hangs.
        if (m_ok && accepting) m_ok = ::listen(m_fd, 4) == 0;
        // Not listening: the file stays behind and refuses every connection.
        if (!accepting) close();
    }
    ~RawSocket() { close(); }
    bool ok() const { return m_ok; }

   private:
    void close() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }
    int m_fd;
    bool m_ok = false;
};

// Connects to `server`, writes `bytes` as they are, and tells whether the
// other side then hung up within `ms` milliseconds (-1: however long).
bool writeAndAwaitHangUp(const QString& server, const QByteArray& bytes, int ms) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(server);
    std::strncpy(addr.sun_path, name.constData(), sizeof(addr.sun_path) - 1);
    bool hungUp = false;
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
        ::send(fd, bytes.constData(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL) ==
            bytes.size()) {
        pollfd p{fd, POLLIN, 0};
        char c = 0;
        hungUp = ::poll(&p, 1, ms) == 1 && ::recv(fd, &c, 1, 0) <= 0;
    }
    if (fd >= 0) ::close(fd);
    return hungUp;
}

class SingleInstanceTest : public ::testing::Test {
   protected:
    // A socket of its own per test, in a folder that vanishes with it.
    QString name() const { return m_dir.filePath("vorlex.sock"); }

    // Sends `path` from another thread; returns whether it was confirmed,
    // and the paths the receiver announced meanwhile.
    bool send(SingleInstance& receiver, const QString& path, QStringList* received) {
        QSignalSpy spy(&receiver, &SingleInstance::openRequested);
        const QString server = name();
        const bool sent = runAside([&] { return SingleInstance::sendToRunning(server, path); });
        // The answer goes out before the signal; let the signal land too.
        if (sent && spy.isEmpty()) spy.wait(2000);
        for (const auto& args : spy) received->append(args.at(0).toString());
        return sent;
    }

    QTemporaryDir m_dir;
};

TEST_F(SingleInstanceTest, PathReachesTheRunningInstanceUnchanged) {
    SingleInstance running(name());
    ASSERT_TRUE(running.listen());
    QStringList received;
    const QString path = "/home/someone/Tapes 2026/März; \"budget\" #1.vor";
    EXPECT_TRUE(send(running, path, &received));
    EXPECT_EQ(received, QStringList{path});
}

TEST_F(SingleInstanceTest, RelativePathIsResolvedWhereTheSenderStarted) {
    SingleInstance running(name());
    ASSERT_TRUE(running.listen());
    QStringList received;
    EXPECT_TRUE(send(running, "sub/../tape.vor", &received));
    EXPECT_EQ(received, QStringList{QDir::current().absoluteFilePath("tape.vor")});
}

TEST_F(SingleInstanceTest, SeveralFilesInARowEachArrive) {
    SingleInstance running(name());
    ASSERT_TRUE(running.listen());
    QStringList received;
    EXPECT_TRUE(send(running, "/a.vor", &received));
    EXPECT_TRUE(send(running, "/b.vor", &received));
    EXPECT_EQ(received, (QStringList{"/a.vor", "/b.vor"}));
}

TEST_F(SingleInstanceTest, SenderIsAnsweredBeforeTheWindowActsOnTheFile) {
    SingleInstance running(name());
    ASSERT_TRUE(running.listen());
    // Opening may first ask the user something ("Save changes?"): that
    // question's event loop runs until the sender has its answer. Had the
    // answer waited for the window, the sender would give up at its
    // deadline instead, and report that nobody took the file.
    std::shared_future<bool> sent;
    bool answeredFirst = false;
    QObject::connect(&running, &SingleInstance::openRequested, [&] {
        while (!ready(sent)) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        answeredFirst = sent.get();
    });
    QSignalSpy opened(&running, &SingleInstance::openRequested);
    const QString server = name();
    sent = std::async(std::launch::async,
                      [server] { return SingleInstance::sendToRunning(server, "/a.vor"); });
    if (opened.isEmpty()) {
        ASSERT_TRUE(opened.wait(10000));
    }
    EXPECT_TRUE(answeredFirst);
}

TEST_F(SingleInstanceTest, NobodyListeningMeansStartNormallyAtOnce) {
    EXPECT_FALSE(SingleInstance::sendToRunning(name(), "/a.vor", kNoDeadline));
}

TEST_F(SingleInstanceTest, SocketLeftByACrashIsReplaced) {
    RawSocket stale(name(), false);
    ASSERT_TRUE(stale.ok());
    ASSERT_TRUE(QFile::exists(name()));
    // Refused at once, by the sender and by the probe alike.
    EXPECT_FALSE(SingleInstance::sendToRunning(name(), "/a.vor", kNoDeadline));

    SingleInstance running(name());
    ASSERT_TRUE(running.listen());
    QStringList received;
    EXPECT_TRUE(send(running, "/a.vor", &received));
    EXPECT_EQ(received, QStringList{"/a.vor"});
}

TEST_F(SingleInstanceTest, HungInstanceTimesOutAndIsLeftAlone) {
    RawSocket hung(name(), true);
    ASSERT_TRUE(hung.ok());
    // It never answers, so the sender gives up at its deadline, however
    // short, and the caller starts a window of its own.
    EXPECT_FALSE(SingleInstance::sendToRunning(name(), "/a.vor", 20));

    // It still owns the name, and the probe's connection is taken at once
    // even though nobody accepts it: the newcomer runs without receiving and
    // must not delete the socket from under it.
    SingleInstance newcomer(name());
    EXPECT_FALSE(newcomer.listen());
    EXPECT_TRUE(QFile::exists(name()));
}

TEST_F(SingleInstanceTest, SecondInstanceNeverTakesOverALiveOne) {
    SingleInstance first(name());
    ASSERT_TRUE(first.listen());
    {
        SingleInstance second(name());
        EXPECT_FALSE(second.listen());
        EXPECT_FALSE(second.isListening());
    }
    QStringList received;
    EXPECT_TRUE(send(first, "/a.vor", &received));
    EXPECT_EQ(received, QStringList{"/a.vor"});
}

TEST_F(SingleInstanceTest, ForeignRequestIsDroppedAndServiceGoesOn) {
    SingleInstance running(name());
    ASSERT_TRUE(running.listen());
    QSignalSpy spy(&running, &SingleInstance::openRequested);
    const QString server = name();
    const bool dropped = runAside([&] {
        return writeAndAwaitHangUp(server, QByteArray("\xff\xff\xff\xffjunk"),  // claims 4 GiB
                                   2000);
    });
    EXPECT_TRUE(dropped);
    EXPECT_TRUE(spy.isEmpty());

    QStringList received;
    EXPECT_TRUE(send(running, "/a.vor", &received));
    EXPECT_EQ(received, QStringList{"/a.vor"});
}

TEST_F(SingleInstanceTest, SenderThatNeverCompletesItsRequestIsDropped) {
    SingleInstance running(name(), SingleInstance::Timeouts{.requestMs = 0});
    ASSERT_TRUE(running.listen());
    QSignalSpy spy(&running, &SingleInstance::openRequested);
    const QString server = name();
    const bool dropped = runAside([&] {
        return writeAndAwaitHangUp(server, QByteArray("\0\0", 2),  // half a header, then nothing
                                   10000);
    });
    EXPECT_TRUE(dropped);
    EXPECT_TRUE(spy.isEmpty());
}

TEST_F(SingleInstanceTest, ClosingRemovesTheSocketSoTheNextRunStartsClean) {
    {
        SingleInstance running(name());
        ASSERT_TRUE(running.listen());
    }
    EXPECT_FALSE(QFile::exists(name()));
}

TEST(SingleInstanceName, IsPerUserAndFitsASocketAddress) {
    const QString name = SingleInstance::defaultServerName();
    EXPECT_TRUE(name.endsWith(QStringLiteral("vorlex-%1").arg(::getuid())));
    EXPECT_LT(QFile::encodeName(name).size(),
              static_cast<qsizetype>(sizeof(sockaddr_un::sun_path)));
}

}  // namespace
}  // namespace vor
