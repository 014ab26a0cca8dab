#include "gui/session_keeper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/ports.h"
#include "core/tr_noop.h"
#include "document/vor_file.h"
#include "shell/app.h"
#include "shell/file_stamp.h"
#include "shell/session.h"
#include "shell/session_slot.h"

namespace vor {
namespace {

// Where a session that could not be replaced is marked out of date: value
// "Stale <file name>" holds the stamp of the file left behind.
constexpr const char* kSessionSection = "Session";
// Set for the windows started to take back tapes left behind: they start
// no further windows.
constexpr const char* kRestoredWindow = "VORLEX_RESTORED_WINDOW";

}  // namespace

SessionKeeper::SessionKeeper(CVORApp& app, MessagePort& messages, QObject* parent)
    : QObject(parent),
      m_app(app),
      m_messages(messages),
      m_slot(std::make_unique<SessionSlot>(QFile::encodeName(folder()).toStdString())),
      m_path(QFile::decodeName(QByteArray::fromStdString(m_slot->path()))),
      m_staleName("Stale " + QFileInfo(m_path).fileName().toStdString()),
      m_onDisk(!m_path.isEmpty() && QFileInfo::exists(m_path)) {
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
    // The last image still goes to disk: the thread finishes its work
    // first, and only then is the slot's lock given up.
    m_writer.join();
}

QString SessionKeeper::folder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty()) state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/vorlex");
}

QString SessionKeeper::defaultPath() {
    return folder() + QLatin1Char('/') + QString::fromStdString(SessionSlot::fileName(0));
}

bool SessionKeeper::enabled() const {
    return m_app.view().settings().keepTapeBetweenSessions && !m_path.isEmpty();
}

bool SessionKeeper::restore() {
    if (m_path.isEmpty() && m_app.view().settings().keepTapeBetweenSessions)
        m_app.form().setStatusText("This window's tape is not kept between sessions: " +
                                   std::to_string(SessionSlot::kMaxSlots) +
                                   " other windows keep theirs.");
    // A folder where not even the lock can be made cannot keep the tape:
    // said as soon as the window is up, before anything is typed.
    if (enabled() && !m_slot->held() && !m_slot->problem().empty()) {
        const Outcome cannot{false, false, m_slot->problem(), {}};
        QMetaObject::invokeMethod(
            this, [this, cannot] { act(cannot); }, Qt::QueuedConnection);
    }
    if (!enabled() || !QFileInfo::exists(m_path)) return false;
    std::string bytes;
    std::string message;
    if (m_files->read(m_path.toStdString(), bytes, message, kMaxVorFileBytes)) {
        if (isStale(bytes)) {
            // Where it cannot be moved the folder cannot be written, and
            // the first write of this run says so.
            const QString aside = setAside("stale");
            if (aside.isEmpty()) return false;
            m_app.profile().writeString(kSessionSection, m_staleName, "");
            m_messages.show(
                "The tape of the last session was not restored: later changes to it could not "
                "be written to " +
                    folder().toStdString() + ", so it is out of date. It was set aside as " +
                    aside.toStdString() + ". VOR starts with an empty tape.",
                Buttons::Ok, Icon::Exclamation);
            return false;
        }
        SessionToRestore session;
        if (session.read(m_app, bytes, message)) {
            if (!session.talks()) {
                session.restore(m_app);
                return true;
            }
            // Asked once the window is on screen; until then nothing is
            // written, so the session stays as it is.
            m_restoring = true;
            QMetaObject::invokeMethod(
                this, [this, session] { restoreOnScreen(session); }, Qt::QueuedConnection);
            return true;
        }
    }
    const QString aside = setAside("damaged");
    m_messages.show("The tape of the last session could not be read (" + message + ")" +
                        (aside.isEmpty() ? "" : " and was set aside as " + aside.toStdString()) +
                        ". VOR starts with an empty tape.",
                    Buttons::Ok, Icon::Exclamation);
    return false;
}

// A session whose later versions could not be written is older than the
// tape the window last had: it must not come back as if it were that tape.
bool SessionKeeper::isStale(const std::string& bytes) {
    ProfilePort& profile = m_app.profile();
    const std::string mark = profile.getString(kSessionSection, m_staleName, "");
    if (mark.empty()) return false;
    if (mark == FileStamp::of(bytes).text()) return true;
    // Written since: the mark is out of date, not the session.
    profile.writeString(kSessionSection, m_staleName, "");
    return false;
}

// Set aside rather than deleted: the user may still want what is in it.
// The new name, or nothing when it could not be moved.
QString SessionKeeper::setAside(const char* why) {
    const QString aside = m_path + QStringLiteral(".") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
                          QStringLiteral(".") + QLatin1String(why);
    const bool moved = QFile::rename(m_path, aside);
    m_onDisk = QFileInfo::exists(m_path);
    return moved ? aside : QString();
}

void SessionKeeper::restoreOnScreen(SessionToRestore session) {
    session.restore(m_app);
    // The rest waits for the restored tape's paint step, which sets its
    // modified flag.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_restoring = false;
            changed();
            for (const auto& then : std::exchange(m_afterRestore, {})) then();
        },
        Qt::QueuedConnection);
}

void SessionKeeper::afterRestore(std::function<void()> then) {
    if (m_restoring)
        m_afterRestore.push_back(std::move(then));
    else  // after the paint step of a tape restored at once
        QMetaObject::invokeMethod(this, std::move(then), Qt::QueuedConnection);
}

void SessionKeeper::reopenLeftBehind() {
    if (qEnvironmentVariableIsSet(kRestoredWindow)) {
        qunsetenv(kRestoredWindow);
        return;
    }
    if (!enabled() || !m_slot->held()) return;
    const int count = m_slot->leftBehind();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kRestoredWindow), QStringLiteral("1"));
    for (int i = 0; i < count; ++i) {
        QProcess window;
        window.setProgram(QCoreApplication::applicationFilePath());
        window.setProcessEnvironment(env);
        window.startDetached();
    }
}

void SessionKeeper::useFiles(FilePort& files) {
    waitUntilWritten();
    std::lock_guard lock(m_mutex);
    m_files = &files;
}

void SessionKeeper::changed() {
    if (m_closed) return;
    if (m_held) {
        m_changedWhileHeld = true;
        return;
    }
    if (enabled() || m_onDisk) m_timer.start();
}

void SessionKeeper::hold(bool held) {
    m_held = held;
    if (!held && std::exchange(m_changedWhileHeld, false)) changed();
}

void SessionKeeper::takeImage() {
    m_timer.stop();
    if (m_closed || m_restoring || m_path.isEmpty()) return;
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
        Outcome outcome = write(job);
        lock.lock();
        m_outcomes.push_back(std::move(outcome));
        m_busy = false;
        m_wake.notify_all();
        QMetaObject::invokeMethod(this, &SessionKeeper::takeOutcomes, Qt::QueuedConnection);
    }
}

SessionKeeper::Outcome SessionKeeper::write(const Job& job) {
    const std::filesystem::path path(QFile::encodeName(m_path).toStdString());
    Outcome outcome;
    std::error_code ec;
    if (job.remove) {
        std::filesystem::remove(path, ec);
        // A path that cannot exist holds no session either.
        if (!ec || ec == std::errc::not_a_directory) return outcome;
        outcome.reason = ec.message();
    } else {
        std::filesystem::create_directories(path.parent_path(), ec);
        if (ec)
            outcome.reason = ec.message();
        else if (m_files->writeAtomic(path.string(), job.image, outcome.reason)) {
            outcome.wrote = true;
            return outcome;
        }
    }
    outcome.ok = false;
    // The session still on disk is older than the tape now: it goes, and
    // where it cannot, the window marks it out of date.
    std::error_code gone;
    std::filesystem::remove(path, gone);
    std::string old;
    std::string error;
    if (gone && m_files->read(path.string(), old, error, kMaxVorFileBytes))
        outcome.staleStamp = FileStamp::of(old).text();
    return outcome;
}

void SessionKeeper::takeOutcomes() {
    std::vector<Outcome> outcomes;
    {
        std::lock_guard lock(m_mutex);
        outcomes.swap(m_outcomes);
    }
    for (const Outcome& o : outcomes) act(o);
}

void SessionKeeper::act(const Outcome& outcome) {
    ProfilePort& profile = m_app.profile();
    if (outcome.ok) {
        if (!m_failing || !outcome.wrote) return;
        m_failing = false;
        if (!profile.getString(kSessionSection, m_staleName, "").empty())
            profile.writeString(kSessionSection, m_staleName, "");
        if (!m_closed)
            m_app.form().setStatusText(
                VOR_TR_NOOP("vorlex", "The tape is kept between sessions again."));
        return;
    }
    m_failing = true;
    if (!outcome.staleStamp.empty() &&
        profile.getString(kSessionSection, m_staleName, "") != outcome.staleStamp)
        profile.writeString(kSessionSection, m_staleName, outcome.staleStamp);
    // Said once a run, and not to a window on its way out.
    if (m_told || m_closed || !enabled()) return;
    m_told = true;
    m_app.form().setStatusText("Tape not kept between sessions: " + outcome.reason);
    m_messages.show("The tape cannot be kept between sessions: " + folder().toStdString() +
                        " cannot be written (" + outcome.reason +
                        ").\n\nIf VOR ends unexpectedly, changes not saved to a file are lost.",
                    Buttons::Ok, Icon::Exclamation);
}

void SessionKeeper::saveNow() {
    takeImage();
    waitUntilWritten();
    takeOutcomes();
}

void SessionKeeper::windowClosing() {
    if (m_closed) return;
    if (m_restoring) {  // the session's question is not answered yet: keep it as it is
        m_closed = true;
        return;
    }
    const bool settled =
        m_app.changesDiscarded() || (!m_app.isModified() && !m_app.pathName().empty());
    if (settled) {
        m_timer.stop();
        if (!m_path.isEmpty()) post({true, {}});
    } else {
        takeImage();
    }
    waitUntilWritten();
    // Whatever the closing window still does (the command that closed it
    // refreshes the menus) must not write its tape back.
    m_closed = true;
    takeOutcomes();
}

}  // namespace vor
