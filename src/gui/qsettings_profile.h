#pragma once

#include <QSettings>
#include <QString>
#include <functional>
#include <string>

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

    // Told once a run, the first time a change cannot be written, with a
    // message naming the file and the reason; the changes then last only
    // until the program ends. A failure before a reporter is set is told
    // as it is set.
    void setFailureReporter(std::function<void(const std::string&)> report);

    int getInt(const std::string& section, const std::string& name, int def) override;
    std::string getString(const std::string& section, const std::string& name,
                          const std::string& def) override;
    bool writeInt(const std::string& section, const std::string& name, int value) override;
    bool writeString(const std::string& section, const std::string& name,
                     const std::string& value) override;

    void beginWriteGroup() override { ++m_groupDepth; }
    void endWriteGroup() override;

   private:
    bool write(const QString& key, const QString& value);
    bool flush();
    std::string failureReason() const;
    void reportFailure();

    QSettings m_settings;
    std::function<void(const std::string&)> m_report;
    bool m_failed = false;
    bool m_reported = false;
    int m_groupDepth = 0;
    bool m_dirty = false;  // a write waits for its group to end
};

}  // namespace vor
