#pragma once

#include <map>
#include <string>
#include <utility>

#include "core/ports.h"

namespace vor {

// A profile that lives in memory: the tests' profile, and the layer batch
// mode writes to so that a batch run never changes the user's settings.
class MemoryProfile : public ProfilePort {
   public:
    int getInt(const std::string& section, const std::string& name, int def) override;
    std::string getString(const std::string& section, const std::string& name,
                          const std::string& def) override;
    bool writeInt(const std::string& section, const std::string& name, int value) override;
    bool writeString(const std::string& section, const std::string& name,
                     const std::string& value) override;

    bool has(const std::string& section, const std::string& name) const;
    const std::map<std::pair<std::string, std::string>, std::string>& values() const {
        return m_values;
    }

   private:
    std::map<std::pair<std::string, std::string>, std::string> m_values;
};

// Reads through to a base profile unless a value was written in this run;
// writes stay in memory.
class OverlayProfile : public ProfilePort {
   public:
    explicit OverlayProfile(ProfilePort* base) : m_base(base) {}
    int getInt(const std::string& section, const std::string& name, int def) override;
    std::string getString(const std::string& section, const std::string& name,
                          const std::string& def) override;
    bool writeInt(const std::string& section, const std::string& name, int value) override;
    bool writeString(const std::string& section, const std::string& name,
                     const std::string& value) override;

   private:
    ProfilePort* m_base;
    MemoryProfile m_layer;
};

}  // namespace vor
