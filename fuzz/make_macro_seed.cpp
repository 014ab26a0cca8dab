// The largest seed of the macro file fuzzer: four macros of the greatest
// size, with the longest prompts and default values.
#include <string>

#include "core/command_ids.h"
#include "macros/macro_file.h"

std::string fullMacroFile() {
    vor::CMacroStore store;
    for (int k = 0; k < vor::kMacroCount; ++k) {
        const auto m = static_cast<std::size_t>(k);
        store.m_macroSize[m] = vor::kMaxMacroEntries;
        for (int i = 0; i < vor::kMaxMacroEntries; ++i)
            store.m_macroEntry[m][static_cast<std::size_t>(i)] = vor::cmd::kDigitKeys[i % 10];
        store.m_macroPrompt[m] = std::string(vor::kMaxMacroText, 'p');
        store.m_macroDefault[m] = std::string(vor::kMaxMacroText, '7');
    }
    return vor::writeMacroFile(store);
}
