#pragma once

#include <string>

namespace vor {

// Speed in words per minute, as the user sets it, against an engine's rate
// (-1 slowest, 0 normal, 1 fastest). About 180 words per minute is normal
// speech, so that is rate 0; each half of the range is stretched linearly.
inline constexpr int kMinSpeed = 30;
inline constexpr int kMaxSpeed = 510;
inline constexpr int kNormalSpeed = 180;

double rateForSpeed(int wordsPerMinute);
int speedForRate(double rate);

// The integer at the start of `text`: leading blanks, an optional sign and
// the digits that follow; 0 when there are none. Beyond int's range it
// stops at the limit.
int leadingInteger(const std::string& text);
// "Please enter an integer between 30 and 510."
std::string speedRangeMessage();

}  // namespace vor
