#include "core/selector_buttons.h"

#include "core/command_ids.h"
#include "core/number_text.h"

namespace vor {
namespace {

constexpr SelectorButton kPrecision[] = {
    {cmd::PrecisionF, kFormatFloating, "F", 24, "Floating decimal"},
    {cmd::Precision0, 0, "0", 32, "Decimal precision 0"},
    {cmd::Precision1, 1, "1", 40, "Decimal precision 1"},
    {cmd::Precision2, 2, "2", 48, "Decimal precision 2"},
    {cmd::Precision3, 3, "3", 56, "Decimal precision 3"},
    {cmd::Precision4, 4, "4", 64, "Decimal precision 4"},
    {cmd::Precision5, 5, "5", 72, "Decimal precision 5"},
};

constexpr SelectorButton kRounding[] = {
    {cmd::RoundUp, kRoundUp, "UP", 98, "Round up"},
    {cmd::RoundOff, kRoundOff, "OFF", 114, "Round off"},
    {cmd::RoundDown, kRoundDown, "DOWN", 129, "Round down"},
};

}  // namespace

std::span<const SelectorButton> precisionButtons() {
    return kPrecision;
}

std::span<const SelectorButton> roundingButtons() {
    return kRounding;
}

}  // namespace vor
