// Numbers as people write them: with currency, separators and the ways of
// marking a negative that spreadsheets and accounts use.
#include "core/number_reader.h"

#include <algorithm>
#include <array>

namespace vor {
namespace {

// Blanks around a number or between its thousands: space, no-break space,
// narrow no-break space and thin space (spreadsheets in many locales group
// with the no-break ones).
constexpr std::array<std::string_view, 4> kBlanks = {" ", "\xC2\xA0", "\xE2\x80\xAF",
                                                     "\xE2\x80\x89"};
// $, euro, pound and yen.
constexpr std::array<std::string_view, 4> kCurrencySigns = {"$", "\xE2\x82\xAC", "\xC2\xA3",
                                                            "\xC2\xA5"};
constexpr std::array<std::string_view, 2> kCurrencyCodes = {"EUR", "USD"};
// "-" and the typographic minus sign (U+2212) that word processors produce.
constexpr std::array<std::string_view, 2> kMinusSigns = {"-", "\xE2\x88\x92"};

// Our own character classes: <cctype> answers by the current locale.
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (upper(s[i]) != prefix[i]) return false;
    return true;
}

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() &&
           startsWithNoCase(s.substr(s.size() - suffix.size()), suffix);
}

std::size_t blankAt(std::string_view s) {
    for (std::string_view b : kBlanks)
        if (s.starts_with(b)) return b.size();
    return 0;
}

// Length of a currency sign or code at the front (or back) of `s`; 0 if none.
std::size_t currencyAtFront(std::string_view s) {
    for (std::string_view c : kCurrencySigns)
        if (s.starts_with(c)) return c.size();
    for (std::string_view c : kCurrencyCodes)
        if (startsWithNoCase(s, c)) return c.size();
    return 0;
}

std::size_t currencyAtBack(std::string_view s) {
    for (std::string_view c : kCurrencySigns)
        if (s.ends_with(c)) return c.size();
    for (std::string_view c : kCurrencyCodes)
        if (endsWithNoCase(s, c)) return c.size();
    return 0;
}

std::size_t minusAtFront(std::string_view s) {
    for (std::string_view m : kMinusSigns)
        if (s.starts_with(m)) return m.size();
    return 0;
}

std::size_t minusAtBack(std::string_view s) {
    for (std::string_view m : kMinusSigns)
        if (s.ends_with(m)) return m.size();
    return 0;
}

// What surrounds the digits: currency, sign and parentheses, peeled off
// both ends in any order (so "-$4.50", "$-4.50", "($4.50)" and "4.50- EUR"
// all read).
struct Affixes {
    bool currency = false;
    bool minus = false;
    bool plus = false;
    bool open = false;
    bool close = false;
};

bool peelFront(std::string_view& s, Affixes& a) {
    s = trimBlanks(s);
    if (s.empty()) return false;
    if (std::size_t n = currencyAtFront(s); n && !a.currency) {
        a.currency = true;
        s.remove_prefix(n);
    } else if (std::size_t m = minusAtFront(s); m && !a.minus && !a.plus) {
        a.minus = true;
        s.remove_prefix(m);
    } else if (s.front() == '+' && !a.minus && !a.plus) {
        a.plus = true;
        s.remove_prefix(1);
    } else if (s.front() == '(' && !a.open) {
        a.open = true;
        s.remove_prefix(1);
    } else {
        return false;
    }
    return true;
}

bool peelBack(std::string_view& s, Affixes& a) {
    s = trimBlanks(s);
    if (s.empty()) return false;
    if (std::size_t n = currencyAtBack(s); n && !a.currency) {
        a.currency = true;
        s.remove_suffix(n);
    } else if (std::size_t m = minusAtBack(s); m && !a.minus && !a.plus) {
        a.minus = true;
        s.remove_suffix(m);
    } else if (s.back() == ')' && !a.close) {
        a.close = true;
        s.remove_suffix(1);
    } else {
        return false;
    }
    return true;
}

// Length of a thousands separator at the front of `s` and its kind (the
// mode's group character, a blank, or an apostrophe as the Swiss write it).
std::size_t separatorAt(std::string_view s, char group, int& kind) {
    if (s.front() == group) {
        kind = 1;
        return 1;
    }
    if (s.front() == '\'') {
        kind = 2;
        return 1;
    }
    kind = 3;
    return blankAt(s);
}

// The digits of a number without sign or currency: "1,234.50" -> integer
// "1234", fraction "50". Thousands groups must be exact (three digits after
// each separator, one to three before the first), and one number uses one
// kind of separator.
bool splitDigits(std::string_view body, bool european, std::string& integer,
                 std::string& fraction) {
    const char decimal = european ? ',' : '.';
    const char group = european ? '.' : ',';
    std::size_t i = 0;
    std::size_t groupLength = 0;
    int groupKind = 0;
    while (i < body.size() && body[i] != decimal) {
        if (isDigit(body[i])) {
            integer += body[i++];
            ++groupLength;
            continue;
        }
        int kind = 0;
        const std::size_t n = separatorAt(body.substr(i), group, kind);
        if (n == 0 || integer.empty()) return false;
        if (groupKind == 0 ? groupLength > 3 : (groupLength != 3 || kind != groupKind))
            return false;
        groupKind = kind;
        groupLength = 0;
        i += n;
        if (i >= body.size() || !isDigit(body[i])) return false;
    }
    if (groupKind != 0 && groupLength != 3) return false;
    if (i < body.size()) {
        for (++i; i < body.size(); ++i) {
            if (!isDigit(body[i])) return false;
            fraction += body[i];
        }
    }
    return !integer.empty() || !fraction.empty();
}

}  // namespace

std::string_view trimBlanks(std::string_view s) {
    bool changed = true;
    while (changed && !s.empty()) {
        changed = false;
        if (const std::size_t n = blankAt(s)) {
            s.remove_prefix(n);
            changed = true;
        }
        for (std::string_view b : kBlanks) {
            if (s.ends_with(b)) {
                s.remove_suffix(b.size());
                changed = true;
            }
        }
    }
    return s;
}

std::optional<ReadNumber> readNumber(std::string_view text, bool european) {
    Affixes a;
    std::string_view body = text;
    while (peelFront(body, a)) {
    }
    while (peelBack(body, a)) {
    }
    body = trimBlanks(body);
    if (body.empty() || a.open != a.close) return std::nullopt;
    // "(-4.50)" could mean either sign: better refused than guessed.
    if (a.open && (a.minus || a.plus)) return std::nullopt;
    ReadNumber number;
    if (!splitDigits(body, european, number.integer, number.fraction)) return std::nullopt;
    number.integer.erase(0, std::min(number.integer.find_first_not_of('0'), number.integer.size()));
    while (!number.fraction.empty() && number.fraction.back() == '0') number.fraction.pop_back();
    number.negative = (a.minus || a.open) && number.digits() > 0;
    return number;
}

std::string ReadNumber::plain() const {
    std::string out = negative ? "-" : "";
    out += integer.empty() ? "0" : integer;
    if (!fraction.empty()) out += "." + fraction;
    return out;
}

}  // namespace vor
