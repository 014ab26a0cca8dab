#pragma once

#include <span>
#include <string>

namespace vor {

// The keys a macro can hold, in the order Edit Macros lists them as
// "Available Buttons". Their command ids are what macros store.
std::span<const int> recordableKeys();
bool isRecordableKey(int id);
// The label Edit Macros shows for an entry ("7", "M+=", "UP ARROW",
// "Macro2"), or "UNKNOWN: <id>" for an id no key has.
std::string macroEntryLabel(int id);

}  // namespace vor
