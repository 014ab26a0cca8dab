#include "core/number_text.h"

#include "core/ports.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>
#include <system_error>

namespace vor {
namespace {

constexpr int kSignificantDigits = 12;
constexpr int kMostFixedDecimals = 5;
constexpr double kLargestValue = 1e12;  // 13 digits, still shown

// Tape values stand in 21 columns so the symbols line up; LED texts use 28.
constexpr int kTapeWidth = 21;
constexpr int kLedWidth = 28;
constexpr int kMostLedDecimals = 5;
constexpr int kFloatingDecimals = 5;
// Up and Down cut F values at the 8th decimal although F shows at most 5;
// the shown digits are then rounded off 5/4 like any other.
constexpr int kFloatingRoundingDecimals = 8;
constexpr int kFallbackDecimals = 8;
// Within a digit-limit text, columns 0..12 hold 12 digits and the point.
constexpr std::size_t kFirstLostColumn = 13;

constexpr const char* kTooBigMessage =
    "This number is too big for VOR.  VOR can only display up to 12 significant digits.";
constexpr const char* kInvalidCodeMessage = "RUNTIME ERROR -- doubleToString Param 2 invalid";
constexpr const char* kDigitLimitMessage =
    "VOR is limited to 12 significant digits of accuracy.  This value is too large to "
    "display at the requested decimal precision.  The value will be rounded off to the "
    "highest precision supported by VOR.  Digits in excess of 12 will be set to zero.  "
    "The x's show which digits have been affected: \n\n";

// Our own character classes: <cctype> answers by the current locale.
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

void tell(MessagePort* messages, const std::string& text) {
    if (messages != nullptr) messages->show(text, Buttons::Ok, Icon::Exclamation);
}

// Takes away up to `count` leading spaces, so a text that grew on the right
// keeps its width while it still has room on the left.
void dropLeadingSpaces(std::string& text, int count) {
    int n = 0;
    while (n < count && n < static_cast<int>(text.size()) && text[n] == ' ') ++n;
    text.erase(0, n);
}

// --- formatting ----------------------------------------------------------

// The decimal digits of a finite, non-negative value: value = 0.digits * 10^point.
struct Expansion {
    std::string digits;
    int point = 0;
};

// The value rounded to 17 significant digits. Ties in later formatting are
// decided on these digits, so 2.675 (2.6749999999999998) stays 2.67 while
// 0.125 becomes 0.13.
Expansion expand17(double magnitude) {
    char buf[40];
    const auto result =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 16);
    const std::string_view text(buf, static_cast<std::size_t>(result.ptr - buf));
    const std::size_t e = text.find('e');  // "d.dddddddddddddddde+XX"
    Expansion x;
    x.digits = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
    const char* exponent = text.data() + e + 1;
    if (*exponent == '+') ++exponent;
    int power = 0;
    std::from_chars(exponent, result.ptr, power);
    x.point = power + 1;
    return x;
}

// Fixed notation with `decimals` digits after the point, rounding half away
// from zero. Digits beyond the seventeenth come out as zeros.
std::string fixedDigits(double magnitude, int decimals) {
    Expansion x = expand17(magnitude);
    std::string& d = x.digits;
    if (x.point < 1) {  // give the number an integer digit to carry into
        d.insert(0, static_cast<std::size_t>(1 - x.point), '0');
        x.point = 1;
    }
    const std::size_t keep = static_cast<std::size_t>(x.point) + static_cast<std::size_t>(decimals);
    if (keep >= d.size()) {
        d.append(keep - d.size(), '0');
    } else {
        const bool up = d[keep] >= '5';
        d.resize(keep);
        std::size_t i = keep;
        while (up && i > 0 && d[i - 1] == '9') d[--i] = '0';
        if (up && i == 0) {
            d.insert(0, 1, '1');
            ++x.point;
        } else if (up) {
            ++d[i - 1];
        }
    }
    std::size_t lead = 0;  // leading zeros of the integer part, keeping one
    while (lead + 1 < static_cast<std::size_t>(x.point) && d[lead] == '0') ++lead;
    std::string text = d.substr(lead, static_cast<std::size_t>(x.point) - lead);
    if (decimals > 0) text += "." + d.substr(static_cast<std::size_t>(x.point));
    return text;
}

// --- doubleToString steps --------------------------------------------------

// Rounds away from zero (Up) or toward zero (Down) at `decimals` decimals.
// The repeated multiplications, including by the inexact 0.1, are how these
// results have always been computed; dividing would differ in the last bit.
double preRound(double magnitude, int decimals, bool up) {
    if (magnitude == 0) return 0;
    double scaled = magnitude;
    for (int i = 0; i < decimals && std::isfinite(scaled); ++i) scaled *= 10;
    // A scale that overflows (only a damaged code asks for hundreds of
    // decimals) has no fraction left to cut; going on would make NaN.
    if (!std::isfinite(scaled)) return magnitude;
    const double fraction = std::fmod(scaled, 1.0);
    if (fraction != 0) {
        scaled -= fraction;
        if (up) scaled += 1;
    }
    for (int i = 0; i < decimals; ++i) scaled *= 0.1;
    return scaled;
}

// 12 minus the integer digits; values from 1e11 up to the limit get none.
int availableDecimals(double magnitude) {
    int integerDigits = 0;
    for (double power = 1; magnitude >= power && integerDigits < kSignificantDigits; power *= 10)
        ++integerDigits;
    return kSignificantDigits - integerDigits;
}

std::string formatMagnitude(double magnitude, int code, int available, MessagePort* messages) {
    if (code == 0) return formatFixed(magnitude, 0, kTapeWidth) + ".";
    if ((code >= 1 && code <= kMostFixedDecimals) || code == kFormatFloating) {
        const int requested = code == kFormatFloating ? kFloatingDecimals : code;
        if (available >= requested) return formatFixed(magnitude, requested, kTapeWidth);
        std::string text = formatFixed(magnitude, available, kTapeWidth);
        // Only a precision the user picked warns; F zeroes lost digits silently.
        warnDigitLimit(text, available, requested, code != kFormatFloating, messages);
        return text;
    }
    if (code == kFormatLed) {
        std::string text = formatFixed(magnitude, std::min(available, kMostLedDecimals), kLedWidth);
        if (available == 0) text += ".";  // whole numbers always show their point
        return text;
    }
    tell(messages, kInvalidCodeMessage);
    return formatFixed(magnitude, kFallbackDecimals, kLedWidth);
}

void placeMinus(std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == 0 || first == std::string::npos)
        text.insert(0, 1, '-');
    else
        text[first - 1] = '-';
}

int removeTrailingZeros(std::string& text) {
    if (text.find('.') == std::string::npos) return 0;
    int removed = 0;
    while (!text.empty() && text.back() == '0') {
        text.pop_back();
        ++removed;
    }
    return removed;
}

// --- parsing ---------------------------------------------------------------

std::size_t skipDigits(std::string_view s, std::size_t pos) {
    while (pos < s.size() && isDigit(s[pos])) ++pos;
    return pos;
}

// Decimal exponent of the leading digit of a number text that from_chars
// found out of range: positive means it overflowed, otherwise it underflowed.
long leadingPower(std::string_view number) {
    const std::size_t e = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return 0;
    const long power =
        static_cast<long>(point) - static_cast<long>(first) - (first < point ? 1 : 0);
    if (e == number.size()) return power;
    std::string_view exponent = number.substr(e + 1);
    const bool negativeExponent = exponent.front() == '-';
    if (negativeExponent || exponent.front() == '+') exponent.remove_prefix(1);
    long digits = 0;
    // An exponent too long for a long is decided by its sign alone.
    const auto r = std::from_chars(exponent.data(), exponent.data() + exponent.size(), digits);
    if (r.ec != std::errc{}) digits = LONG_MAX / 2;
    return negativeExponent ? power - digits : power + digits;
}

// atof without the locale: blanks, sign, digits with one point, an exponent
// only when digits follow its letter. Texts without digits give 0.
double parseNumberPrefix(std::string_view s) {
    std::size_t pos = 0;
    while (pos < s.size() && isBlank(s[pos])) ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
    const std::size_t start = pos;
    pos = skipDigits(s, pos);
    bool anyDigit = pos > start;
    if (pos < s.size() && s[pos] == '.') {
        const std::size_t fraction = pos + 1;
        pos = skipDigits(s, fraction);
        anyDigit = anyDigit || pos > fraction;
    }
    if (!anyDigit) return 0;
    // From a digit or point on, from_chars reads exactly the atof grammar
    // (with no sign left, its inf/nan spellings cannot match).
    double value = 0;
    const auto r = std::from_chars(s.data() + start, s.data() + s.size(), value);
    if (r.ec == std::errc::result_out_of_range)
        value = leadingPower(std::string_view(s.data() + start, r.ptr)) > 0 ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

}  // namespace

std::string formatFixed(double value, int decimals, int width) {
    if (decimals < 0) decimals = 6;  // printf's reading of a negative precision
    std::string text = std::signbit(value) ? "-" : "";
    if (std::isnan(value))
        text += "nan";
    else if (std::isinf(value))
        text += "inf";
    else
        text += fixedDigits(std::fabs(value), decimals);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

double stringToDouble(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (const char c : text)
        if (c != ',') plain += c;
    return parseNumberPrefix(plain);
}

std::string doubleToString(double value, int code, int rounding, MessagePort* messages) {
    // The sign is decided before any rounding, so -0.001 at 2 decimals
    // shows as -0.00; fabs keeps -0.0 from printing a sign of its own.
    const bool negative = value < 0;
    double magnitude = std::fabs(value);
    if (code != kFormatLed && (rounding == kRoundUp || rounding == kRoundDown)) {
        const int decimals = code == kFormatFloating ? kFloatingRoundingDecimals : code;
        magnitude = preRound(magnitude, decimals, rounding == kRoundUp);
    }
    // Written so NaN fails it too: a NaN can only come from a fault upstream,
    // and the overflow text is the one answer that shows something is wrong
    // and parses back to a harmless 0.
    if (!(magnitude <= kLargestValue)) {
        tell(messages, kTooBigMessage);
        return kOverflowText;
    }
    std::string text = formatMagnitude(magnitude, code, availableDecimals(magnitude), messages);
    if (negative) placeMinus(text);
    int removedZeros = 0;
    if (code == kFormatLed || code == kFormatFloating) removedZeros = removeTrailingZeros(text);
    addThousandsSeparators(text);
    // F pads where the zeros were so its decimal points stand in one column.
    if (code == kFormatFloating) text.append(static_cast<std::size_t>(removedZeros), ' ');
    if (code != kFormatLed) text += "  ";
    return text;
}

void addThousandsSeparators(std::string& text) {
    std::erase(text, ',');
    const std::size_t point = text.find('.');
    if (point == std::string::npos || point < 3) return;
    int inserted = 0;
    for (std::size_t i = point - 3; i > 0; i = i > 3 ? i - 3 : 0) {
        if (text[i - 1] != ' ' && text[i - 1] != '-') {
            text.insert(i, 1, ',');
            ++inserted;
        }
    }
    dropLeadingSpaces(text, inserted);
}

void warnDigitLimit(std::string& buffer, int available, int requested, bool showMessage,
                    MessagePort* messages) {
    int changed = 0;
    if (available == 0) {
        buffer += '.';
        ++changed;
    }
    const std::size_t start = std::min(buffer.find_first_not_of(' '), buffer.size());
    buffer.append(static_cast<std::size_t>(std::max(requested - available, 0)), '0');
    for (std::size_t i = start + kFirstLostColumn; i < buffer.size(); ++i) {
        if (buffer[i] != '.') {
            buffer[i] = 'x';
            ++changed;
        }
    }
    if (showMessage) tell(messages, kDigitLimitMessage + buffer + "\n");
    dropLeadingSpaces(buffer, changed);
    std::replace(buffer.begin(), buffer.end(), 'x', '0');
}

std::string europeanExchange(std::string text) {
    for (char& c : text) {
        if (c == ',')
            c = '.';
        else if (c == '.')
            c = ',';
    }
    return text;
}

}  // namespace vor
