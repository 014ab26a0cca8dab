#include "gui/qsettings_profile.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "shell/descriptor.h"

namespace vor {
namespace {

QString keyFor(const std::string& section, const std::string& name) {
    QString group = QString::fromStdString(section);
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return group + QLatin1Char('/') + QString::fromStdString(name);
}

}  // namespace

// QSettings' own organisation/application constructor caches the config
// directory for the life of the process; naming the file ourselves lets a
// test (or a second profile) point XDG_CONFIG_HOME elsewhere at any time.
QSettingsProfile::QSettingsProfile() : QSettingsProfile(defaultFileName()) {}

QSettingsProfile::QSettingsProfile(const QString& fileName)
    : m_settings(fileName, QSettings::IniFormat) {}

QString QSettingsProfile::defaultFileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quillaby/VOR.ini");
}

int QSettingsProfile::getInt(const std::string& section, const std::string& name, int def) {
    const QVariant v = m_settings.value(keyFor(section, name));
    if (!v.isValid()) return def;
    bool ok = false;
    const int value = v.toString().trimmed().toInt(&ok);
    // An unreadable value yields the default, as a missing one does.
    return ok ? value : def;
}

std::string QSettingsProfile::getString(const std::string& section, const std::string& name,
                                        const std::string& def) {
    const QVariant v = m_settings.value(keyFor(section, name));
    return v.isValid() ? v.toString().toStdString() : def;
}

bool QSettingsProfile::writeInt(const std::string& section, const std::string& name, int value) {
    return write(keyFor(section, name), QString::number(value));
}

bool QSettingsProfile::writeString(const std::string& section, const std::string& name,
                                   const std::string& value) {
    return write(keyFor(section, name), QString::fromStdString(value));
}

// Each sync rewrites the whole file, which a profile grown large (a
// comment history written by another program) makes slow: a value that is
// already there is not written again.
bool QSettingsProfile::write(const QString& key, const QString& value) {
    const QVariant old = m_settings.value(key);
    if (old.isValid() && old.toString() == value && !m_failed) return true;
    m_settings.setValue(key, value);
    return flush();
}

void QSettingsProfile::endWriteGroup() {
    if (m_groupDepth > 0 && --m_groupDepth == 0 && m_dirty) flush();
}

// Every change is on disk at once: a crash or a second instance must never
// see an older choice than the one the user just made.
bool QSettingsProfile::flush() {
    if (m_groupDepth > 0) {
        m_dirty = true;
        return !m_failed;
    }
    m_dirty = false;
    m_settings.sync();
    if (m_settings.status() == QSettings::NoError) return true;
    m_failed = true;
    reportFailure();
    return false;
}

void QSettingsProfile::setFailureReporter(std::function<void(const std::string&)> report) {
    m_report = std::move(report);
    if (m_failed) reportFailure();
}

void QSettingsProfile::reportFailure() {
    if (m_reported || !m_report) return;
    m_reported = true;
    m_report("Settings cannot be kept: " + fileName().toStdString() + " cannot be written (" +
             failureReason() + "). Changes to the settings last only until VOR is closed.");
}

// QSettings says only that writing failed; the system says why. The file
// is written as a new file in its folder that replaces it, so the folder
// must exist and be writable, and an existing file writable too.
std::string QSettingsProfile::failureReason() const {
    if (m_settings.status() == QSettings::FormatError) return "it is not a settings file";
    const QByteArray file = QFile::encodeName(fileName());
    const std::filesystem::path folder = std::filesystem::path(file.toStdString()).parent_path();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return ec.message();
    if (QFileInfo(fileName()).isDir()) return systemReason(EISDIR);
    for (const std::string& path : {file.toStdString(), folder.string()}) {
        if (::access(path.c_str(), W_OK) != 0 && errno != ENOENT) return systemReason(errno);
    }
    return "the file system refused it";
}

}  // namespace vor
