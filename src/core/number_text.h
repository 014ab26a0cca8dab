#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vor {

class MessagePort;

// Format codes of doubleToString besides the fixed decimals 0..5.
inline constexpr int kFormatLed = 98;
inline constexpr int kFormatFloating = 99;

// Rounding methods (m_rounding).
inline constexpr int kRoundUp = 11;
inline constexpr int kRoundOff = 12;
inline constexpr int kRoundDown = 13;

inline constexpr const char* kOverflowText = "OVERFLOW ERROR";

// The most characters the Main LED holds (the window's LED is a line edit
// of the standard maximum length): an entry is never longer, so the window
// and batch mode read the same number from it.
inline constexpr std::size_t kMostLedCharacters = 32767;

// Parses an internal-form number text: commas are dropped, then the atof
// rules apply (leading blanks, sign, digits, one point, exponent; stops at
// the first other character; no digits gives 0). Locale independent.
double stringToDouble(std::string_view text);

// Formats a value for the tape (codes 0..5, 99) or the LEDs (98). May show
// the too-big, digit-limit or invalid-code message through `messages`
// (which may be null, then nothing is shown).
std::string doubleToString(double value, int code, int rounding, MessagePort* messages);

// Re-inserts thousands separators, keeping the text's width while it has
// leading spaces.
void addThousandsSeparators(std::string& text);

// Zeroes the digits beyond the 12th and optionally shows the warning with
// x's marking them.
void warnDigitLimit(std::string& buffer, int available, int requested, bool showMessage,
                    MessagePort* messages);

// The shortest fixed-point text that parses back to exactly `value`, always
// with a point ("0.009175", "-12.", "-0."); "0." for a value that is not
// finite. This is
// what a replay types back in: the LED format would round to 5 decimals.
std::string exactText(double value);

// Exchanges commas and points (internal form <-> European shown form).
std::string europeanExchange(std::string text);

// printf("%*.*f") equivalent, independent of the locale, rounding half away
// from zero on the 17-significant-digit expansion of the value.
std::string formatFixed(double value, int decimals, int width = 0);

}  // namespace vor
