#include "core/selector_buttons.h"

#include "core/command_ids.h"
#include "core/number_text.h"

namespace vor {
namespace {

constexpr SelectorButton kPrecision[] = {
    {cmd::PrecisionF, kFormatFloating, "F", 24},
    {cmd::Precision0, 0, "0", 32},
    {cmd::Precision1, 1, "1", 40},
    {cmd::Precision2, 2, "2", 48},
    {cmd::Precision3, 3, "3", 56},
    {cmd::Precision4, 4, "4", 64},
    {cmd::Precision5, 5, "5", 72},
};

constexpr SelectorButton kRounding[] = {
    {cmd::RoundUp, kRoundUp, "UP", 98},
    {cmd::RoundOff, kRoundOff, "OFF", 114},
    {cmd::RoundDown, kRoundDown, "DOWN", 129},
};

}  // namespace

std::span<const SelectorButton> precisionButtons() {
    return kPrecision;
}

std::span<const SelectorButton> roundingButtons() {
    return kRounding;
}

}  // namespace vor
