#include "gui/qsettings_profile.h"

#include <QStandardPaths>

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
    m_settings.setValue(keyFor(section, name), value);
    return flush();
}

bool QSettingsProfile::writeString(const std::string& section, const std::string& name,
                                   const std::string& value) {
    m_settings.setValue(keyFor(section, name), QString::fromStdString(value));
    return flush();
}

// Every change is on disk at once: a crash or a second instance must never
// see an older choice than the one the user just made.
bool QSettingsProfile::flush() {
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

}  // namespace vor
