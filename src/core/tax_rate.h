#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vor {

// A tax rate: a percentage from 0 to kMaxTaxRate. readTaxRate takes it as
// people write it (blanks around it, the decimal mark of the number style)
// and refuses what is no such rate (nullopt); taxRateText writes it so that
// it reads back exactly ("8.25", "19").
inline constexpr double kMaxTaxRate = 100.0;
std::optional<double> readTaxRate(std::string_view text, bool european = false);
std::string taxRateText(double rate);
// The rate a tax line's note names (" ;tax 8.25%"): its text, and its
// value; nothing when the note is gone (a full tape refused the line).
std::string noteTaxRateText(std::string_view note);
std::optional<double> noteTaxRate(std::string_view note);

}  // namespace vor
