#include "macros/macro_keys.h"

#include <algorithm>
#include <array>

#include "core/command_ids.h"
#include "core/key_table.h"

namespace vor {
namespace {

constexpr std::array<int, 44> kRecordable = {
    cmd::Digit0,
    cmd::Digit1,
    cmd::Digit2,
    cmd::Digit3,
    cmd::Digit4,
    cmd::Digit5,
    cmd::Digit6,
    cmd::Digit7,
    cmd::Digit8,
    cmd::Digit9,
    cmd::DoubleZero,
    cmd::Plus,
    cmd::Minus,
    cmd::Divide,
    cmd::Multiply,
    cmd::MemoryPlusEquals,
    cmd::MemoryMinusEquals,
    cmd::MemorySubTotal,
    cmd::MemoryTotal,
    cmd::MemoryRecall,
    cmd::MarkUpDown,
    cmd::DeleteKey,
    cmd::ClearAll,
    cmd::Percent,
    cmd::Macro0,
    cmd::Macro1,
    cmd::Macro2,
    cmd::Macro3,
    cmd::Equals,
    cmd::DecimalPoint,
    cmd::Negate,
    cmd::Total,
    cmd::SubTotal,
    cmd::Clear,
    cmd::RightShift,
    cmd::UpShift,
    cmd::Pound,
    cmd::SelectPrevious,
    cmd::SelectNext,
    cmd::Variable,
    cmd::QuickRecord,
    cmd::TaxPlus,
    cmd::TaxMinus,
    cmd::GrandTotal,
};

}  // namespace

std::span<const int> recordableKeys() {
    return kRecordable;
}

bool isRecordableKey(int id) {
    return std::find(kRecordable.begin(), kRecordable.end(), id) != kRecordable.end();
}

std::string macroEntryLabel(int id) {
    if (isRecordableKey(id)) return labelForKey(id);
    return "UNKNOWN: " + std::to_string(id);
}

}  // namespace vor
