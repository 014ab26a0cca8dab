// Paste Numbers: a column (or block) of numbers from the clipboard keyed
// onto the tape, each as an item added with +.
#include "clipboard/paste_numbers.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/calculator.h"
#include "core/command_ids.h"

namespace vor {
namespace {

// The calculator shows 12 significant digits; a longer number would be
// shown with zeroed digits, so it is better refused than silently changed.
constexpr std::size_t kMostDigits = 12;
// Auto Decimal keys always enter two decimals.
constexpr std::size_t kAutoDecimals = 2;
// Neg rewrites the entry in the LED format, which keeps 5 decimals.
constexpr std::size_t kMostNegateDecimals = 5;

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

std::string_view trim(std::string_view s) {
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
    s = trim(s);
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
    s = trim(s);
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
// each separator, one to three before the first), so a decimal comma pasted
// in the wrong mode ("12,50") is refused rather than read as 1250.
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

// A cell's number in plain form, or nothing when the cell is no number the
// calculator could take.
std::optional<std::string> parseCell(std::string_view cell, bool european) {
    Affixes a;
    std::string_view body = cell;
    while (peelFront(body, a)) {
    }
    while (peelBack(body, a)) {
    }
    body = trim(body);
    if (body.empty() || a.open != a.close) return std::nullopt;
    // "(-4.50)" could mean either sign: better skipped than guessed.
    if (a.open && (a.minus || a.plus)) return std::nullopt;
    std::string integer;
    std::string fraction;
    if (!splitDigits(body, european, integer, fraction)) return std::nullopt;
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (integer.size() + fraction.size() > kMostDigits) return std::nullopt;
    const bool zero = integer.empty() && fraction.empty();
    std::string out = (a.minus || a.open) && !zero ? "-" : "";
    out += integer.empty() ? "0" : integer;
    if (!fraction.empty()) out += "." + fraction;
    return out;
}

// Drawing switched off for the whole paste and on again however it ends.
class RedrawOff {
   public:
    explicit RedrawOff(FormPort& form) : m_form(form) { m_form.setRedraw(false); }
    ~RedrawOff() { m_form.setRedraw(true); }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

   private:
    FormPort& m_form;
};

void pressDigits(CCalculator& calc, std::string_view digits) {
    for (char c : digits) calc.onKey(c == '.' ? cmd::DecimalPoint : cmd::kDigitKeys[c - '0']);
}

// Types one number into the entry so that it holds exactly the number's
// value. Keys are used wherever they can express it, so the entry builds as
// the user's own typing would; a value the keys cannot give (more than two
// decimals under Auto Decimal, where the point key is refused; a negative
// with more decimals than Neg keeps) is typed as one whole text the way a
// recalculation types a value back.
void typeNumber(CCalculator& calc, const std::string& number) {
    CVORDoc& d = calc.doc();
    // The pasted number is an entry of its own: digits the user had begun to
    // type, or a decimal point already keyed, must not run into it.
    d.m_newEntry = true;
    d.m_decimalEntered = false;

    const bool negative = number.front() == '-';
    const std::string_view magnitude = std::string_view(number).substr(negative ? 1 : 0);
    const std::size_t point = magnitude.find('.');
    const std::size_t decimals = point == std::string_view::npos ? 0 : magnitude.size() - point - 1;
    const bool autoDecimal = calc.settings().autoDecimal;
    if ((autoDecimal && decimals > kAutoDecimals) || (negative && decimals > kMostNegateDecimals)) {
        calc.enterDigits(number);
        return;
    }
    if (autoDecimal) {
        // Every key shifts the entry one place through the point, so the
        // decimals are padded to two: "12" is keyed 1 2 0 0 and means 12.00.
        std::string keys(magnitude.substr(0, point));
        if (keys == "0") keys.clear();
        if (point != std::string_view::npos) keys += magnitude.substr(point + 1);
        keys.append(kAutoDecimals - decimals, '0');
        pressDigits(calc, keys);
    } else {
        pressDigits(calc, magnitude);
    }
    if (negative) calc.onKey(cmd::Negate);
}

}  // namespace

PastedNumbers parsePastedNumbers(std::string_view text, bool european) {
    PastedNumbers out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end;
        if (start < text.size() && text[start] == '\r') ++start;
        if (start < text.size() && text[start] == '\n') ++start;

        std::size_t cellStart = 0;
        while (cellStart <= line.size()) {
            std::size_t tab = line.find('\t', cellStart);
            if (tab == std::string_view::npos) tab = line.size();
            const std::string_view cell = trim(line.substr(cellStart, tab - cellStart));
            cellStart = tab + 1;
            if (cell.empty()) continue;
            if (auto number = parseCell(cell, european))
                out.numbers.push_back(std::move(*number));
            else
                ++out.skipped;
        }
    }
    return out;
}

int pasteNumbers(CCalculator& calc, const std::vector<std::string>& numbers) {
    if (numbers.empty()) return 0;
    RedrawOff redrawOff(calc.form());
    // A recalculation that waits would otherwise run in the middle of the
    // first number.
    calc.settlePendingRecalc();
    int added = 0;
    for (const std::string& number : numbers) {
        if (number.empty()) continue;
        CLineState before;
        calc.takeSnapshot(before);
        const int lines = calc.doc().m_lineCount;
        typeNumber(calc, number);
        calc.onKey(cmd::Plus);
        if (calc.doc().m_lineCount == lines) {
            // The full tape refused the line (and said so): the number must
            // not stay in the total that no line on the tape shows.
            calc.restoreSnapshot(before);
            break;
        }
        ++added;
    }
    return added;
}

std::string skippedMessage(int skipped) {
    if (skipped <= 0) return {};
    if (skipped == 1) return "1 line was not a number and was skipped.";
    return intText(skipped) + " lines were not numbers and were skipped.";
}

std::string confirmMessage(int count) {
    return "Paste " + intText(count) + " numbers onto the tape?";
}

}  // namespace vor
