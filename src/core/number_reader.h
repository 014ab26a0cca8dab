#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vor {

// A number as people write it, in a spreadsheet cell or a dialog field,
// split into its sign and digits.
struct ReadNumber {
    bool negative = false;  // never set for zero
    std::string integer;    // without leading zeros: "" for 0.5
    std::string fraction;   // without trailing zeros: "" for 12.00

    // Internal form: "-1234.5", "0", "12" (a point only with decimals).
    std::string plain() const;
    // Significant places as the calculator counts them (12 it can show).
    std::size_t digits() const { return integer.size() + fraction.size(); }
};

// Reads one number: blanks around it (space and the no-break spaces),
// thousands separators (',' or, with `european`, '.'; a blank or an
// apostrophe in either mode; each group exactly three digits), a currency
// sign ($ € £ ¥ or the codes EUR/USD at either end), a leading or trailing
// minus or parentheses for a negative, and the decimal mark of the mode
// ('.' or, with `european`, ','). Anything else is no number: nothing, never
// a guess, so "12,50" in the wrong mode is refused rather than read as 1250.
std::optional<ReadNumber> readNumber(std::string_view text, bool european);

// The text without the blanks readNumber ignores around a number.
std::string_view trimBlanks(std::string_view text);

}  // namespace vor
