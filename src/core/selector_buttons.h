#pragma once

#include <span>

#include "core/tr_noop.h"

namespace vor {

// One radio button of the Decimal Precision or Rounding selector: its
// command id, the code it sets, the name batch mode calls it by and its
// column on the form in dialog units, and the words a screen reader says
// for it (the form only shows "F 0 1 2 3 4 5" above a row of bare buttons).
struct SelectorButton {
    int id;
    int code;
    const char* name;
    int x;
    const char* spoken;
};

// The spoken name of the Auto Decimal check box beside the precisions.
inline constexpr const char* kAutoDecimalSpoken = VOR_TR_NOOP("vorlex", "Auto decimal");

// In label order "F 0 1 2 3 4 5"; 4 and 5 keep their historic, swapped ids.
std::span<const SelectorButton> precisionButtons();
// "Up Off Down".
std::span<const SelectorButton> roundingButtons();

}  // namespace vor
