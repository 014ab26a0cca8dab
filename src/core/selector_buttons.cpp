#include "core/selector_buttons.h"

#include "core/command_ids.h"
#include "core/number_text.h"
#include "core/tr_noop.h"

namespace vor {
namespace {

constexpr SelectorButton kPrecision[] = {
    {cmd::PrecisionF, kFormatFloating, "F", 24, VOR_TR_NOOP("vorlex", "Floating decimal")},
    {cmd::Precision0, 0, "0", 32, VOR_TR_NOOP("vorlex", "Decimal precision 0")},
    {cmd::Precision1, 1, "1", 40, VOR_TR_NOOP("vorlex", "Decimal precision 1")},
    {cmd::Precision2, 2, "2", 48, VOR_TR_NOOP("vorlex", "Decimal precision 2")},
    {cmd::Precision3, 3, "3", 56, VOR_TR_NOOP("vorlex", "Decimal precision 3")},
    {cmd::Precision4, 4, "4", 64, VOR_TR_NOOP("vorlex", "Decimal precision 4")},
    {cmd::Precision5, 5, "5", 72, VOR_TR_NOOP("vorlex", "Decimal precision 5")},
};

constexpr SelectorButton kRounding[] = {
    {cmd::RoundUp, kRoundUp, "UP", 98, VOR_TR_NOOP("vorlex", "Round up")},
    {cmd::RoundOff, kRoundOff, "OFF", 114, VOR_TR_NOOP("vorlex", "Round off")},
    {cmd::RoundDown, kRoundDown, "DOWN", 129, VOR_TR_NOOP("vorlex", "Round down")},
};

}  // namespace

std::span<const SelectorButton> precisionButtons() {
    return kPrecision;
}

std::span<const SelectorButton> roundingButtons() {
    return kRounding;
}

}  // namespace vor
