#include "gui/session_keeper.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/ports.h"
#include "document/vor_file.h"
#include "shell/app.h"
#include "shell/session.h"

namespace vor {

SessionKeeper::SessionKeeper(CVORApp& app, MessagePort& messages, QObject* parent)
    : QObject(parent),
      m_app(app),
      m_messages(messages),
      m_path(defaultPath()),
      m_onDisk(QFileInfo::exists(m_path)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &SessionKeeper::takeImage);
    m_writer = std::thread([this] { writerLoop(); });
}

SessionKeeper::~SessionKeeper() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    // The last image still goes to disk: the thread finishes its work first.
    m_writer.join();
}

QString SessionKeeper::defaultPath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty()) state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/vorlex/session.vor");
}

bool SessionKeeper::enabled() const {
    return m_app.view().settings().keepTapeBetweenSessions;
}

bool SessionKeeper::restore() {
    if (!enabled() || !QFileInfo::exists(m_path)) return false;
    std::string bytes;
    std::string message;
    if (m_files.read(m_path.toStdString(), bytes, message, kMaxVorFileBytes) &&
        restoreSession(m_app, bytes, message))
        return true;
    // Set aside rather than deleted: the user may still want what is in it.
    const QString aside = m_path + QStringLiteral(".") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
                          QStringLiteral(".damaged");
    QFile::rename(m_path, aside);
    m_onDisk = QFileInfo::exists(m_path);
    m_messages.show("The tape of the last session could not be read (" + message +
                        ") and was set aside as " + aside.toStdString() +
                        ". VOR starts with an empty tape.",
                    Buttons::Ok, Icon::Exclamation);
    return false;
}

void SessionKeeper::changed() {
    if (enabled() || m_onDisk) m_timer.start();
}

void SessionKeeper::takeImage() {
    m_timer.stop();
    // Switched off, or nothing worth keeping: the session goes.
    if (!enabled() || !sessionWorthKeeping(m_app)) {
        post({true, {}});
        return;
    }
    post({false, sessionImage(m_app)});
}

void SessionKeeper::post(Job job) {
    m_onDisk = !job.remove;
    {
        std::lock_guard lock(m_mutex);
        m_pending = std::move(job);
    }
    m_wake.notify_all();
}

void SessionKeeper::waitUntilWritten() {
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [this] { return !m_pending && !m_busy; });
}

void SessionKeeper::writerLoop() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stop; });
        if (!m_pending) return;  // stopping with nothing left to write
        const Job job = std::move(*m_pending);
        m_pending.reset();
        m_busy = true;
        lock.unlock();
        write(job);
        lock.lock();
        m_busy = false;
        m_wake.notify_all();
    }
}

void SessionKeeper::write(const Job& job) {
    if (job.remove) {
        QFile::remove(m_path);
        return;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // A session that cannot be written is no worse than none: the next
    // change tries again, and saving the tape itself is unaffected.
    std::string error;
    m_files.writeAtomic(m_path.toStdString(), job.image, error);
}

void SessionKeeper::saveNow() {
    takeImage();
    waitUntilWritten();
}

void SessionKeeper::windowClosing() {
    const bool settled =
        m_app.changesDiscarded() || (!m_app.isModified() && !m_app.pathName().empty());
    if (settled) {
        m_timer.stop();
        post({true, {}});
        waitUntilWritten();
    } else {
        saveNow();
    }
}

}  // namespace vor
