#pragma once

#include "core/command_ids.h"
#include "macros/macro_store.h"

namespace vor::bench {

// Four full macros of repeated +; M0 ends with calls of M1, M2 and M3, so
// pressing M0 after a figure presses 1000 keys and prints a line for each.
inline void fillThousandKeyMacros(CMacroStore& store) {
    for (int k = 0; k < kMacroCount; ++k) {
        for (auto& e : store.m_macroEntry[static_cast<std::size_t>(k)]) e = cmd::Plus;
        store.m_macroSize[static_cast<std::size_t>(k)] = kMaxMacroEntries;
    }
    for (int k = 1; k < kMacroCount; ++k)
        store.m_macroEntry[0][static_cast<std::size_t>(kMaxMacroEntries - 4 + k)] = cmd::Macro0 + k;
}

}  // namespace vor::bench
