#include "gui/session_keeper.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/ports.h"
#include "document/vor_file.h"
#include "shell/app.h"
#include "shell/session.h"

namespace vor {

SessionKeeper::SessionKeeper(CVORApp& app, MessagePort& messages, QObject* parent)
    : QObject(parent), m_app(app), m_messages(messages), m_path(defaultPath()) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &SessionKeeper::saveNow);
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
    QFile file(m_path);
    std::string message;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.read(static_cast<qint64>(kMaxVorFileBytes) + 1);
        file.close();
        if (restoreSession(m_app, bytes.toStdString(), message)) return true;
    } else {
        message = file.errorString().toStdString();
    }
    // Set aside rather than deleted: the user may still want what is in it.
    const QString aside = m_path + QStringLiteral(".") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
                          QStringLiteral(".damaged");
    QFile::rename(m_path, aside);
    m_messages.show("The tape of the last session could not be read (" + message +
                        ") and was set aside as " + aside.toStdString() +
                        ". VOR starts with an empty tape.",
                    Buttons::Ok, Icon::Exclamation);
    return false;
}

void SessionKeeper::changed() {
    if (enabled())
        m_timer.start();
    else if (QFileInfo::exists(m_path))
        clear();  // switched off: nothing is kept any more
}

void SessionKeeper::clear() {
    m_timer.stop();
    QFile::remove(m_path);
}

void SessionKeeper::saveNow() {
    m_timer.stop();
    if (!enabled() || !sessionWorthKeeping(m_app)) {
        clear();
        return;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) return;
    const std::string image = sessionImage(m_app);
    file.write(image.data(), static_cast<qint64>(image.size()));
    // A session that cannot be written is no worse than none: the next
    // change tries again, and saving the tape itself is unaffected.
    file.commit();
}

void SessionKeeper::windowClosing() {
    const bool settled =
        m_app.changesDiscarded() || (!m_app.isModified() && !m_app.pathName().empty());
    if (settled)
        clear();
    else
        saveNow();
}

}  // namespace vor
