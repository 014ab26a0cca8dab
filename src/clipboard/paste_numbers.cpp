// Paste Numbers: a column (or block) of numbers from the clipboard keyed
// onto the tape, each as an item added with +.
#include "clipboard/paste_numbers.h"

#include <optional>

#include "core/calculator.h"
#include "core/command_ids.h"
#include "core/number_reader.h"

namespace vor {
namespace {

// The calculator shows 12 significant digits; a longer number would be
// shown with zeroed digits, so it is better refused than silently changed.
constexpr std::size_t kMostDigits = 12;
// Auto Decimal keys always enter two decimals.
constexpr std::size_t kAutoDecimals = 2;
// Neg rewrites the entry in the LED format, which keeps 5 decimals.
constexpr std::size_t kMostNegateDecimals = 5;

// A cell's number in plain form, or nothing when the cell is no number the
// calculator could take.
std::optional<std::string> parseCell(std::string_view cell, bool european) {
    const std::optional<ReadNumber> number = readNumber(cell, european);
    if (!number || number->digits() > kMostDigits) return std::nullopt;
    return number->plain();
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
            const std::string_view cell = trimBlanks(line.substr(cellStart, tab - cellStart));
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
