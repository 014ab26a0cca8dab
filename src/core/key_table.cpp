#include "core/key_table.h"

#include <array>

#include "core/command_ids.h"
#include "core/tr_noop.h"

namespace vor {
namespace {

constexpr int W = 17;  // standard key size in dialog units
constexpr int H = 13;

constexpr std::array<KeyDesc, 47> kKeys{{
    // Row 1
    {cmd::Macro0, "M0", "Macro0", 10, 41, W, H, VOR_TR_NOOP("vorlex", "Macro 0")},
    {cmd::Macro1, "M1", "Macro1", 28, 41, W, H, VOR_TR_NOOP("vorlex", "Macro 1")},
    {cmd::Variable, "&V", "V", 46, 41, W, H, VOR_TR_NOOP("vorlex", "Value")},
    {cmd::Negate, "&Neg", "Neg", 73, 41, W, H, VOR_TR_NOOP("vorlex", "Negate")},
    {cmd::UpShift, "^", "^", 91, 41, W, H, VOR_TR_NOOP("vorlex", "Blank Comment Line")},
    {cmd::Clear, "&C", "C", 108, 41, W, H, VOR_TR_NOOP("vorlex", "Clear")},
    {cmd::MarkUpDown, "MUD", "MUD", 136, 41, W, H, VOR_TR_NOOP("vorlex", "Mark Up or Down")},
    {cmd::MemorySubTotal, "MST", "MST", 153, 41, W, H, VOR_TR_NOOP("vorlex", "Memory Subtotal")},
    {cmd::MemoryMinusEquals, "M-=", "M-=", 171, 41, W, H,
     VOR_TR_NOOP("vorlex", "Memory Minus Equals")},
    {cmd::Digit7, "7", "7", 202, 41, W, H, VOR_TR_NOOP("vorlex", "Seven")},
    {cmd::Digit8, "8", "8", 220, 41, W, H, VOR_TR_NOOP("vorlex", "Eight")},
    {cmd::Digit9, "9", "9", 238, 41, W, H, VOR_TR_NOOP("vorlex", "Nine")},
    {cmd::Minus, "-", "-", 271, 41, 22, H, VOR_TR_NOOP("vorlex", "Minus")},
    {cmd::Pound, "#", "#", 294, 41, W, H, VOR_TR_NOOP("vorlex", "Comment")},
    // Row 2
    {cmd::Macro2, "M2", "Macro2", 10, 55, W, H, VOR_TR_NOOP("vorlex", "Macro 2")},
    {cmd::Macro3, "M3", "Macro3", 28, 55, W, H, VOR_TR_NOOP("vorlex", "Macro 3")},
    {cmd::QuickRecord, "&QR", "QR", 46, 55, W, H, VOR_TR_NOOP("vorlex", "Quick Record")},
    {cmd::MemoryRecall, "&MR", "MR", 73, 55, W, H, VOR_TR_NOOP("vorlex", "Memory Recall")},
    {cmd::RightShift, "->", "<-", 91, 55, W, H, VOR_TR_NOOP("vorlex", "Backspace")},
    {cmd::ClearAll, "C&A", "CA", 108, 55, W, H, VOR_TR_NOOP("vorlex", "Clear All")},
    {cmd::DeleteKey, "Del", "Del", 136, 55, W, H, VOR_TR_NOOP("vorlex", "Delete Line")},
    {cmd::MemoryTotal, "MT", "MT", 153, 55, W, H, VOR_TR_NOOP("vorlex", "Memory Total")},
    {cmd::MemoryPlusEquals, "M+=", "M+=", 171, 55, W, H,
     VOR_TR_NOOP("vorlex", "Memory Plus Equals")},
    {cmd::Digit4, "4", "4", 202, 55, W, H, VOR_TR_NOOP("vorlex", "Four")},
    {cmd::Digit5, "5", "5", 220, 55, W, H, VOR_TR_NOOP("vorlex", "Five")},
    {cmd::Digit6, "6", "6", 238, 55, W, H, VOR_TR_NOOP("vorlex", "Six")},
    {cmd::Plus, "+", "+", 271, 54, 22, 40, VOR_TR_NOOP("vorlex", "Plus")},
    {cmd::SubTotal, "&ST", "Sub", 294, 55, W, H, VOR_TR_NOOP("vorlex", "Subtotal")},
    // Row 3
    {cmd::Equals, "=", "=", 153, 68, W, H, VOR_TR_NOOP("vorlex", "Equals")},
    {cmd::Percent, "%", "%", 171, 68, W, H, VOR_TR_NOOP("vorlex", "Percent")},
    {cmd::Digit1, "1", "1", 202, 68, W, H, VOR_TR_NOOP("vorlex", "One")},
    {cmd::Digit2, "2", "2", 220, 68, W, H, VOR_TR_NOOP("vorlex", "Two")},
    {cmd::Digit3, "3", "3", 238, 68, W, H, VOR_TR_NOOP("vorlex", "Three")},
    {cmd::Total, "&T", "Ttl", 294, 69, W, 25, VOR_TR_NOOP("vorlex", "Total")},
    // Row 4
    {cmd::Divide, "\xC3\xB7", "/", 153, 81, W, H, VOR_TR_NOOP("vorlex", "Divide")},
    {cmd::Multiply, "X", "X", 171, 81, W, H, VOR_TR_NOOP("vorlex", "Multiply")},
    {cmd::Digit0, "0", "0", 202, 81, W, H, VOR_TR_NOOP("vorlex", "Zero")},
    {cmd::DoubleZero, "00", "00", 220, 81, W, H, VOR_TR_NOOP("vorlex", "Double Zero")},
    {cmd::DecimalPoint, ".", ".", 238, 81, W, H, VOR_TR_NOOP("vorlex", "Decimal Point")},
    // Row 5: the tax keys and the grand total, below the keys they work with.
    {cmd::TaxPlus, "TX+", "TAX+", 153, 95, W, H, VOR_TR_NOOP("vorlex", "Tax Plus")},
    {cmd::TaxMinus, "TX-", "TAX-", 171, 95, W, H, VOR_TR_NOOP("vorlex", "Tax Minus")},
    {cmd::GrandTotal, "GT", "GT", 294, 95, W, H, VOR_TR_NOOP("vorlex", "Grand Total")},
    // Keys without a place on the keypad: the hidden Memory Recall key and
    // the two tape box navigation commands that macros can hold.
    {cmd::HiddenMemoryRecall, "HIDDEN", "", 0, 0, 0, 0, VOR_TR_NOOP("vorlex", "Memory Recall")},
    {cmd::SelectPrevious, "", "UP ARROW", 0, 0, 0, 0, VOR_TR_NOOP("vorlex", "Previous Line")},
    {cmd::SelectNext, "", "DOWN ARROW", 0, 0, 0, 0, VOR_TR_NOOP("vorlex", "Next Line")},
    {cmd::SelectFirst, "", "", 0, 0, 0, 0, VOR_TR_NOOP("vorlex", "First Line")},
    {cmd::SelectLast, "", "", 0, 0, 0, 0, VOR_TR_NOOP("vorlex", "Last Line")},
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
