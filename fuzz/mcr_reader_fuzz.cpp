// Feeds arbitrary bytes to the macro file reader. A refused file must leave
// the macros exactly as they were; an accepted one must write out a file
// that reads back to the same macros.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "macros/macro_file.h"

namespace {

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "mcr_reader_fuzz: %s\n", what);
    std::abort();
}

// Macros in use before the import, so that a refusal that touched them
// shows.
vor::CMacroStore target() {
    vor::CMacroStore s;
    s.m_macroSize = {2, 0, 1, 250};
    s.m_macroEntry[0][0] = 1006;
    s.m_macroEntry[0][1] = 1016;
    s.m_macroEntry[2][0] = 1111;
    for (auto& e : s.m_macroEntry[3]) e = 1005;
    s.m_macroPrompt[1] = "Rate?";
    s.m_macroDefault[2] = "7.5";
    return s;
}

bool same(const vor::CMacroStore& a, const vor::CMacroStore& b) {
    return a.m_macroSize == b.m_macroSize && a.m_macroEntry == b.m_macroEntry &&
           a.m_macroPrompt == b.m_macroPrompt && a.m_macroDefault == b.m_macroDefault;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vor::CMacroStore store = target();
    if (vor::readMacroFile(bytes, store) != vor::MacroFileResult::Read) {
        check(same(store, target()), "a refused file changed the macros");
        return 0;
    }
    for (int k = 0; k < vor::kMacroCount; ++k) {
        check(store.m_macroSize[static_cast<std::size_t>(k)] >= 0 &&
                  store.m_macroSize[static_cast<std::size_t>(k)] <= vor::kMaxMacroEntries,
              "a size beyond the store");
        check(store.m_macroPrompt[static_cast<std::size_t>(k)].size() <= 3 * 255,
              "a text longer than its field");
    }
    vor::CMacroStore again = target();
    check(vor::readMacroFile(vor::writeMacroFile(store), again) == vor::MacroFileResult::Read,
          "the written file was refused");
    check(same(again, store), "the written file read back differently");
    return 0;
}
