#include "core/key_table.h"

#include <array>

#include "core/command_ids.h"

namespace vor {
namespace {

constexpr int W = 17;  // standard key size in dialog units
constexpr int H = 13;

constexpr std::array<KeyDesc, 44> kKeys{{
    // Row 1
    {cmd::Macro0, "M0", "Macro0", 10, 41, W, H},
    {cmd::Macro1, "M1", "Macro1", 28, 41, W, H},
    {cmd::Variable, "&V", "V", 46, 41, W, H},
    {cmd::Negate, "&Neg", "Neg", 73, 41, W, H},
    {cmd::UpShift, "^", "^", 91, 41, W, H},
    {cmd::Clear, "&C", "C", 108, 41, W, H},
    {cmd::MarkUpDown, "MUD", "MUD", 136, 41, W, H},
    {cmd::MemorySubTotal, "MST", "MST", 153, 41, W, H},
    {cmd::MemoryMinusEquals, "M-=", "M-=", 171, 41, W, H},
    {cmd::Digit7, "7", "7", 202, 41, W, H},
    {cmd::Digit8, "8", "8", 220, 41, W, H},
    {cmd::Digit9, "9", "9", 238, 41, W, H},
    {cmd::Minus, "-", "-", 271, 41, 22, H},
    {cmd::Pound, "#", "#", 294, 41, W, H},
    // Row 2
    {cmd::Macro2, "M2", "Macro2", 10, 55, W, H},
    {cmd::Macro3, "M3", "Macro3", 28, 55, W, H},
    {cmd::QuickRecord, "&QR", "QR", 46, 55, W, H},
    {cmd::MemoryRecall, "&MR", "MR", 73, 55, W, H},
    {cmd::RightShift, "->", "<-", 91, 55, W, H},
    {cmd::ClearAll, "C&A", "CA", 108, 55, W, H},
    {cmd::DeleteKey, "Del", "Del", 136, 55, W, H},
    {cmd::MemoryTotal, "MT", "MT", 153, 55, W, H},
    {cmd::MemoryPlusEquals, "M+=", "M+=", 171, 55, W, H},
    {cmd::Digit4, "4", "4", 202, 55, W, H},
    {cmd::Digit5, "5", "5", 220, 55, W, H},
    {cmd::Digit6, "6", "6", 238, 55, W, H},
    {cmd::Plus, "+", "+", 271, 54, 22, 40},
    {cmd::SubTotal, "&ST", "Sub", 294, 55, W, H},
    // Row 3
    {cmd::Equals, "=", "=", 153, 68, W, H},
    {cmd::Percent, "%", "%", 171, 68, W, H},
    {cmd::Digit1, "1", "1", 202, 68, W, H},
    {cmd::Digit2, "2", "2", 220, 68, W, H},
    {cmd::Digit3, "3", "3", 238, 68, W, H},
    {cmd::Total, "&T", "Ttl", 294, 69, W, 25},
    // Row 4
    {cmd::Divide, "\xC3\xB7", "/", 153, 81, W, H},
    {cmd::Multiply, "X", "X", 171, 81, W, H},
    {cmd::Digit0, "0", "0", 202, 81, W, H},
    {cmd::DoubleZero, "00", "00", 220, 81, W, H},
    {cmd::DecimalPoint, ".", ".", 238, 81, W, H},
    // Keys without a place on the keypad: the hidden Memory Recall key and
    // the two tape box navigation commands that macros can hold.
    {cmd::HiddenMemoryRecall, "HIDDEN", "", 0, 0, 0, 0},
    {cmd::SelectPrevious, "", "UP ARROW", 0, 0, 0, 0},
    {cmd::SelectNext, "", "DOWN ARROW", 0, 0, 0, 0},
    {cmd::SelectFirst, "", "", 0, 0, 0, 0},
    {cmd::SelectLast, "", "", 0, 0, 0, 0},
}};

}  // namespace

std::span<const KeyDesc> keypad() {
    return kKeys;
}

const KeyDesc* findKey(int id) {
    for (const auto& k : kKeys)
        if (k.id == id) return &k;
    return nullptr;
}

std::optional<int> keyIdForLabel(std::string_view label) {
    // Short forms accepted on the command line.
    if (label == "UP") return cmd::SelectPrevious;
    if (label == "DOWN") return cmd::SelectNext;
    if (label == "\xC3\xB7") return cmd::Divide;
    for (const auto& k : kKeys)
        if (*k.label && label == k.label) return k.id;
    return std::nullopt;
}

std::string labelForKey(int id) {
    const KeyDesc* k = findKey(id);
    return k ? k->label : "";
}

}  // namespace vor
