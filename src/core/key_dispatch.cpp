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

// Keys whose handler takes no argument.
struct PlainKey {
    int id;
    void (CCalculator::*handler)();
};

constexpr PlainKey kPlainKeys[] = {
    {cmd::DoubleZero, &CCalculator::onDoubleZero},
    {cmd::DecimalPoint, &CCalculator::onDecimalPoint},
    {cmd::RightShift, &CCalculator::onRightShift},
    {cmd::Negate, &CCalculator::onNegate},
    {cmd::Clear, &CCalculator::onClear},
    {cmd::ClearAll, &CCalculator::onClearAll},
    {cmd::Percent, &CCalculator::onPercent},
    {cmd::MemoryRecall, &CCalculator::onMemoryRecall},
    {cmd::HiddenMemoryRecall, &CCalculator::onMemoryRecall},
    {cmd::MarkUpDown, &CCalculator::onMarkUpDown},
    {cmd::TaxPlus, &CCalculator::onTaxPlus},
    {cmd::TaxMinus, &CCalculator::onTaxMinus},
    {cmd::GrandTotal, &CCalculator::onGrandTotal},
    {cmd::SelectNext, &CCalculator::selectNextLine},
    {cmd::SelectPrevious, &CCalculator::selectPreviousLine},
    {cmd::SelectFirst, &CCalculator::selectFirstLine},
    {cmd::SelectLast, &CCalculator::selectLastLine},
};

const PlainKey* plainKey(int id) {
    for (const auto& k : kPlainKeys)
        if (k.id == id) return &k;
    return nullptr;
}

}  // namespace

bool CCalculator::isKey(int id) {
    return digitOf(id) >= 0 || operationCode(id) != 0 || precisionCode(id) >= 0 ||
           roundingCode(id) >= 0 || plainKey(id) != nullptr;
}

bool CCalculator::onKey(int id) {
    if (const int d = digitOf(id); d >= 0)
        onDigit(static_cast<char>('0' + d));
    else if (operationCode(id) != 0)
        onOperationKey(id);
    else if (precisionCode(id) >= 0)
        onPrecisionButton(id);
    else if (roundingCode(id) >= 0)
        onRoundingButton(id);
    else if (const PlainKey* k = plainKey(id))
        (this->*k->handler)();
    else
        return false;
    return true;
}

}  // namespace vor
