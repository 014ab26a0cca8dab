// Routes the command ids of the keypad to their handlers.
#include "core/calculator.h"
#include "core/command_ids.h"

namespace vor {
namespace {

int digitOf(int id) {
    for (int d = 0; d < 10; ++d)
        if (cmd::kDigitKeys[d] == id) return d;
    return -1;
}

bool isPrecisionButton(int id) { return id >= cmd::PrecisionF && id <= cmd::Precision4; }

bool isRoundingButton(int id) {
    return id == cmd::RoundUp || id == cmd::RoundOff || id == cmd::RoundDown;
}

}  // namespace

bool CCalculator::isKey(int id) {
    if (digitOf(id) >= 0 || operationCode(id) != 0 || isPrecisionButton(id) ||
        isRoundingButton(id))
        return true;
    switch (id) {
        case cmd::DoubleZero:
        case cmd::DecimalPoint:
        case cmd::RightShift:
        case cmd::Negate:
        case cmd::Clear:
        case cmd::ClearAll:
        case cmd::Percent:
        case cmd::MemoryRecall:
        case cmd::HiddenMemoryRecall:
        case cmd::MarkUpDown:
        case cmd::SelectNext:
        case cmd::SelectPrevious:
        case cmd::SelectFirst:
        case cmd::SelectLast: return true;
        default: return false;
    }
}

bool CCalculator::onKey(int id) {
    if (const int d = digitOf(id); d >= 0) {
        onDigit(static_cast<char>('0' + d));
        return true;
    }
    if (operationCode(id) != 0) {
        onOperationKey(id);
        return true;
    }
    if (isPrecisionButton(id)) {
        onPrecisionButton(id);
        return true;
    }
    if (isRoundingButton(id)) {
        onRoundingButton(id);
        return true;
    }
    switch (id) {
        case cmd::DoubleZero: onDoubleZero(); return true;
        case cmd::DecimalPoint: onDecimalPoint(); return true;
        case cmd::RightShift: onRightShift(); return true;
        case cmd::Negate: onNegate(); return true;
        case cmd::Clear: onClear(); return true;
        case cmd::ClearAll: onClearAll(); return true;
        case cmd::Percent: onPercent(); return true;
        case cmd::MemoryRecall:
        case cmd::HiddenMemoryRecall: onMemoryRecall(); return true;
        case cmd::MarkUpDown: onMarkUpDown(); return true;
        case cmd::SelectNext: selectNextLine(); return true;
        case cmd::SelectPrevious: selectPreviousLine(); return true;
        case cmd::SelectFirst: selectFirstLine(); return true;
        case cmd::SelectLast: selectLastLine(); return true;
        default: return false;
    }
}

}  // namespace vor
