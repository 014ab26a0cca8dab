#pragma once

#include <string>

#include "core/ports.h"
#include "macros/macro_store.h"

namespace vor {

// The profile section of macro k: "Macros/Macro<k>".
std::string macroSection(int k);

// Reads the four macros from the profile. A stored size outside 0..250
// reads as the nearest size the store holds.
void loadMacros(ProfilePort& profile, CMacroStore& store);
// Writes all four macros: "Size", "Prompt", "Default", then "Line<n>" for
// every entry in use. Lines beyond the size stay as they were.
void saveMacros(ProfilePort& profile, const CMacroStore& store);

}  // namespace vor
