#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

#include "core/ports.h"
#include "core/tr_noop.h"

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
// The words alone are marked for translation; the x's follow a blank line.
constexpr const char* kDigitLimitMessage =
    VOR_TR_NOOP("vorlex",
                "VOR is limited to 12 significant digits of accuracy.  This value is too large to "
                "display at the requested decimal precision.  The value will be rounded off to the "
                "highest precision supported by VOR.  Digits in excess of 12 will be set to zero.  "
                "The x's show which digits have been affected: ") "\n\n";

// Our own character classes: <cctype> answers by the current locale.
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

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

// The decimal digits of a finite, non-negative value rounded to 17
// significant digits: value = 0.d1 d2 ... d17 * 10^point. Ties in later
// formatting are decided on these digits, so 2.675 (2.6749999999999998)
// stays 2.67 while 0.125 becomes 0.13.
struct Expansion {
    char digits[17];
    int point = 0;
};

Expansion expand17(double magnitude) {
    char buf[40];
    const auto result =
        std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 16);
    Expansion x;
    x.digits[0] = buf[0];  // "d.dddddddddddddddde+XX"
    std::memcpy(x.digits + 1, buf + 2, 16);
    const char* exponent = buf + 19;
    if (*exponent == '+') ++exponent;
    int power = 0;
    std::from_chars(exponent, result.ptr, power);
    x.point = power + 1;
    return x;
}

// Fixed notation with `decimals` digits after the point, rounding half away
// from zero, padded with blanks to `width`. Digits beyond the seventeenth
// come out as zeros. The digits are assembled in a buffer on the stack:
// this runs several times for every key of a replayed tape.
std::string fixedText(double magnitude, int decimals, int width, bool minus) {
    const Expansion x = expand17(magnitude);
    // Working digits: leading zeros so the integer part has a digit to carry
    // into, the 17 digits, then zeros up to the last kept decimal.
    const int lead = x.point < 1 ? 1 - x.point : 0;
    const int point = x.point + lead;  // integer digits in `d`, at least 1
    const int keep = point + decimals;
    std::vector<char> heap;
    char local[512];
    const std::size_t need = static_cast<std::size_t>(std::max(keep, lead + 17)) + 1;
    char* d = local + 1;  // one spare slot in front for a carry out of the top
    if (need + 1 > sizeof local) {
        heap.resize(need + 1);
        d = heap.data() + 1;
    }
    std::memset(d, '0', static_cast<std::size_t>(lead));
    std::memcpy(d + lead, x.digits, 17);
    const int count = lead + 17;
    if (keep > count) std::memset(d + count, '0', static_cast<std::size_t>(keep - count));
    int first = 0;
    if (keep < count && d[keep] >= '5') {
        int i = keep;
        while (i > 0 && d[i - 1] == '9') d[--i] = '0';
        if (i == 0) {
            d[-1] = '1';
            first = -1;
        } else {
            ++d[i - 1];
        }
    }
    while (first + 1 < point && d[first] == '0') ++first;  // keep one integer digit
    const int integerDigits = point - first;
    const int length = integerDigits + (decimals > 0 ? decimals + 1 : 0) + (minus ? 1 : 0);
    std::string text;
    text.reserve(static_cast<std::size_t>(std::max(length, width)));
    if (width > length) text.append(static_cast<std::size_t>(width - length), ' ');
    if (minus) text += '-';
    text.append(d + first, static_cast<std::size_t>(integerDigits));
    if (decimals > 0) {
        text += '.';
        text.append(d + point, static_cast<std::size_t>(decimals));
    }
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
    const bool minus = std::signbit(value);
    if (std::isfinite(value)) return fixedText(std::fabs(value), decimals, width, minus);
    std::string text = minus ? "-" : "";
    text += std::isnan(value) ? "nan" : "inf";
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string exactText(double value) {
    if (!std::isfinite(value)) return "0.";
    char buf[400];  // the longest fixed double is 309 digits plus sign and point
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    std::string text(buf, r.ptr);
    // Always with a point, as an entry text is: a lone "2" would be taken
    // for a single key by Auto Decimal entry.
    if (text.find('.') == std::string::npos) text += '.';
    return text;
}

double stringToDouble(std::string_view text) {
    if (text.find(',') == std::string_view::npos) return parseNumberPrefix(text);
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
    // A comma goes before every third character left of the point, except
    // after a blank or the sign. The text is built once: inserting the
    // commas one by one moves the rest of the text for each of them, which
    // a long entry pays for at every digit typed.
    const std::size_t first = point % 3 == 0 ? 3 : point % 3;
    auto takesComma = [&text](std::size_t i) { return text[i - 1] != ' ' && text[i - 1] != '-'; };
    std::size_t commas = 0;
    for (std::size_t i = first; i + 3 <= point; i += 3)
        if (takesComma(i)) ++commas;
    if (commas == 0) return;
    // The commas take the place of leading blanks, keeping the width.
    const std::size_t from = std::min({commas, text.find_first_not_of(' '), text.size()});
    if (from == commas) {
        // Blanks enough for every comma, as a padded figure has: the text
        // moves left in place, never over a character not yet moved.
        char* const d = text.data();
        std::size_t to = 0;
        std::size_t moved = from;
        for (std::size_t i = first; i + 3 <= point; i += 3) {
            if (!takesComma(i)) continue;
            std::memmove(d + to, d + moved, i - moved);
            to += i - moved;
            d[to++] = ',';
            moved = i;
        }
        std::memmove(d + to, d + moved, text.size() - moved);
        text.resize(to + text.size() - moved);
        return;
    }
    std::string out;
    out.reserve(text.size() + commas - from);
    std::size_t copied = from;
    for (std::size_t i = first; i + 3 <= point; i += 3) {
        if (!takesComma(i)) continue;
        out.append(text, copied, i - copied);
        out += ',';
        copied = i;
    }
    out.append(text, copied, std::string::npos);
    text = std::move(out);
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
