#include "macros/macro_profile.h"

#include <algorithm>

namespace vor {

std::string macroSection(int k) {
    return "Macros/Macro" + std::to_string(k);
}

void loadMacros(ProfilePort& profile, CMacroStore& store) {
    for (int k = 0; k < kMacroCount; ++k) {
        const auto m = static_cast<std::size_t>(k);
        const std::string section = macroSection(k);
        store.m_macroSize[m] = std::clamp(profile.getInt(section, "Size", 0), 0, kMaxMacroEntries);
        store.m_macroPrompt[m] = profile.getString(section, "Prompt", kDefaultMacroPrompt);
        store.m_macroDefault[m] = profile.getString(section, "Default", "");
    }
    for (int k = 0; k < kMacroCount; ++k) {
        const std::string section = macroSection(k);
        auto& entries = store.m_macroEntry[static_cast<std::size_t>(k)];
        for (int n = 0; n < store.size(k); ++n)
            entries[static_cast<std::size_t>(n)] =
                profile.getInt(section, "Line" + std::to_string(n), 0);
    }
}

void saveMacros(ProfilePort& profile, const CMacroStore& store) {
    for (int k = 0; k < kMacroCount; ++k) {
        const auto m = static_cast<std::size_t>(k);
        const std::string section = macroSection(k);
        profile.writeInt(section, "Size", store.size(k));
        profile.writeString(section, "Prompt", store.m_macroPrompt[m]);
        profile.writeString(section, "Default", store.m_macroDefault[m]);
    }
    for (int k = 0; k < kMacroCount; ++k) {
        const std::string section = macroSection(k);
        for (int n = 0; n < store.size(k); ++n)
            profile.writeInt(section, "Line" + std::to_string(n), store.entry(k, n));
    }
}

}  // namespace vor
