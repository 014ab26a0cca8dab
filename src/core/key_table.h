#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vor {

// One key of the on-screen keypad: its command id, caption (with its
// mnemonic), the label macros and batch mode call it by, its place on the
// form in dialog units, and the spoken name a screen reader announces (a
// caption like "M-=" or "->" says nothing read aloud). The keypad, the macro
// labels, the batch key names and the accessible names are all read from
// this one table.
struct KeyDesc {
    int id;
    const char* caption;
    const char* label;  // "" for keys macros cannot hold
    int x, y, w, h;
    const char* name;  // what the key does, in words: "Memory Plus Equals"
};

std::span<const KeyDesc> keypad();
const KeyDesc* findKey(int id);

// Command id of a macro/batch label ("+", "Ttl", "M+=", "UP ARROW", ...),
// or nullopt when the label names no key.
std::optional<int> keyIdForLabel(std::string_view label);
// Label of a recordable key, "" when it has none.
std::string labelForKey(int id);

}  // namespace vor
