#pragma once

#include <QSettings>
#include <QString>

#include "core/ports.h"

namespace vor {

// The per-user profile in an INI file: $XDG_CONFIG_HOME/Quillaby/VOR.ini
// (~/.config when unset), the place QSettings gives organisation "Quillaby",
// application "VOR". Sections and value names are the settings' own; a
// nested section such as "Macros\Macro0" becomes the group "Macros/Macro0".
class QSettingsProfile : public ProfilePort {
   public:
    QSettingsProfile();
    // A profile in an explicit file (tests, tools).
    explicit QSettingsProfile(const QString& fileName);

    // The file the current environment's profile lives in. Resolved at each
    // call so a changed XDG_CONFIG_HOME is honoured.
    static QString defaultFileName();

    QString fileName() const { return m_settings.fileName(); }

    int getInt(const std::string& section, const std::string& name, int def) override;
    std::string getString(const std::string& section, const std::string& name,
                          const std::string& def) override;
    bool writeInt(const std::string& section, const std::string& name, int value) override;
    bool writeString(const std::string& section, const std::string& name,
                     const std::string& value) override;

   private:
    bool flush();

    QSettings m_settings;
};

}  // namespace vor
