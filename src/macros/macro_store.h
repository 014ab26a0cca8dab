#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vor {

inline constexpr int kMacroCount = 4;
inline constexpr int kMaxMacroEntries = 250;
// The longest prompt or default value a macro keeps (the dialogs enforce it
// as characters, the macro file as bytes).
inline constexpr int kMaxMacroText = 255;
inline constexpr const char* kDefaultMacroPrompt = "Enter a value in the edit control below:";

// The four macros: entries are the command ids of the recorded keys. Slots
// at or beyond a macro's size are unused and keep whatever they held.
struct CMacroStore {
    std::array<std::array<std::int32_t, kMaxMacroEntries>, kMacroCount> m_macroEntry{};
    std::array<std::int32_t, kMacroCount> m_macroSize{};
    std::array<std::string, kMacroCount> m_macroPrompt{kDefaultMacroPrompt, kDefaultMacroPrompt,
                                                       kDefaultMacroPrompt, kDefaultMacroPrompt};
    std::array<std::string, kMacroCount> m_macroDefault{};

    // The number of entries of macro k that are in use, never more than the
    // store holds (a size read from elsewhere may claim more).
    int size(int k) const {
        const int n = m_macroSize[static_cast<std::size_t>(k)];
        return n < 0 ? 0 : (n > kMaxMacroEntries ? kMaxMacroEntries : n);
    }
    std::int32_t entry(int k, int i) const {
        return m_macroEntry[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)];
    }
};

}  // namespace vor
