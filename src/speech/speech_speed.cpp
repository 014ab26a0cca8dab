#include "speech/speech_speed.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace vor {

double rateForSpeed(int wordsPerMinute) {
    const int wpm = std::clamp(wordsPerMinute, kMinSpeed, kMaxSpeed);
    if (wpm <= kNormalSpeed) return double(wpm - kNormalSpeed) / (kNormalSpeed - kMinSpeed);
    return double(wpm - kNormalSpeed) / (kMaxSpeed - kNormalSpeed);
}

int speedForRate(double rate) {
    const double r = std::clamp(rate, -1.0, 1.0);
    const double span = r < 0 ? kNormalSpeed - kMinSpeed : kMaxSpeed - kNormalSpeed;
    return kNormalSpeed + static_cast<int>(std::lround(r * span));
}

int leadingInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            value = static_cast<long long>(INT_MAX) + 1;
            break;
        }
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::string speedRangeMessage() {
    return "Please enter an integer between " + std::to_string(kMinSpeed) + " and " +
           std::to_string(kMaxSpeed) + ".";
}

}  // namespace vor
