#include "clipboard/sheet_formula.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/calculator.h"
#include "core/number_text.h"
#include "core/tape_words.h"

namespace vor::sheet {
namespace {

constexpr double kLargestShown = 1e12;
constexpr int kLedDecimals = 5;
constexpr int kSignificantDigits = 12;

bool isCellOrNumber(std::string_view f) {
    return !f.empty() && f.front() != '-' && std::all_of(f.begin(), f.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '.';
    });
}

// "(...)" whose first parenthesis closes at the very end.
bool isOneGroup(std::string_view f) {
    if (f.size() < 2 || f.front() != '(' || f.back() != ')') return false;
    int depth = 0;
    for (std::size_t i = 0; i < f.size(); ++i) {
        depth += f[i] == '(' ? 1 : f[i] == ')' ? -1 : 0;
        if (depth == 0 && i + 1 < f.size()) return false;
    }
    return true;
}

std::string_view trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const std::size_t last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

}  // namespace

std::string Expr::operand() const {
    if (f.empty()) return "0";
    if (isCellOrNumber(f) || isOneGroup(f)) return f;
    return "(" + f + ")";
}

std::string cellName(char column, int row) {
    char buf[16];
    buf[0] = column;
    const auto r = std::to_chars(buf + 1, buf + sizeof buf, row);
    return std::string(buf, r.ptr);
}

Expr cellExpr(int row, double value) {
    return {cellName('A', row), value, std::fabs(value)};
}

Expr negated(const Expr& e) {
    return {"-" + e.operand(), -e.v, e.scale};
}

// Spreadsheets take a sum whose terms cancel to within the last few bits for
// exactly 0; so does this one, so that it sees the value they show.
bool nearlyEqual(double a, double b) {
    constexpr double e48 = 1.0 / (16777216.0 * 16777216.0);
    constexpr double e44 = e48 * 16.0;
    if (a == b) return true;
    if (a == 0.0 || b == 0.0) return false;
    const double d = std::fabs(a - b);
    if (!std::isfinite(d)) return false;
    a = std::fabs(a);
    b = std::fabs(b);
    if (d > a * e44 || d > b * e44) return false;
    // Integers that doubles hold exactly are never taken for one another.
    constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
    auto integral = [&](double x) { return x < kExactIntegers && std::floor(x) == x; };
    if (integral(d) && integral(a) && integral(b)) return false;
    return d < a * e48 && d < b * e48;
}

double sheetAdd(double a, double b) {
    if (((a < 0.0 && b > 0.0) || (b < 0.0 && a > 0.0)) && nearlyEqual(a, -b)) return 0.0;
    return a + b;
}

double sheetSubtract(double a, double b) {
    if (((a < 0.0 && b < 0.0) || (a > 0.0 && b > 0.0)) && nearlyEqual(a, b)) return 0.0;
    return a - b;
}

void addCell(Expr& sum, bool subtract, int row, double value) {
    sum.f += subtract ? '-' : '+';
    sum.f += cellName('A', row);
    sum.v = subtract ? sheetSubtract(sum.v, value) : sheetAdd(sum.v, value);
    sum.scale += std::fabs(value);
}

bool agrees(double sheet, double tape, double scale) {
    if (sheet == tape) return true;
    if (!std::isfinite(sheet) || !std::isfinite(tape)) return false;
    // A few hundred units in the last place of the largest term covers the
    // different order or form of the same arithmetic (p/100 against p*0.01);
    // the floor stays far below the fifth decimal a tape can show.
    const double magnitude = std::max({std::fabs(sheet), std::fabs(tape), scale});
    return std::fabs(sheet - tape) <= std::max(1e-10, 1e-13 * magnitude);
}

double ledValue(double value) {
    return stringToDouble(doubleToString(value, kFormatLed, kRoundOff, nullptr));
}

int ledDecimals(double value) {
    const double magnitude = std::fabs(value);
    int integerDigits = 0;
    for (double power = 1; magnitude >= power && integerDigits < kSignificantDigits; power *= 10)
        ++integerDigits;
    return std::min(kSignificantDigits - integerDigits, kLedDecimals);
}

bool nearHalfway(double value, int decimals) {
    // A spreadsheet's ROUND works in doubles: scaling the value by a power of
    // ten is off by up to half a unit in the last place of the result, and
    // LibreOffice and Excel then take a sum within half a unit of its 15th
    // significant digit short of a whole number for that number, so a value
    // that close below the tie is rounded up. The calculator decides on the
    // value's 17-digit expansion. That margin below the tie and a few units
    // in the last place either side hold every value a spreadsheet may round
    // the other way; beyond them they all agree.
    double scaled = std::fabs(value);
    for (int i = 0; i < decimals; ++i) scaled *= 10;
    const double fraction = scaled - std::floor(scaled);
    const double magnitude = std::max(scaled, 1.0);
    const double lastPlaces = 4 * std::numeric_limits<double>::epsilon() * magnitude;
    const double fifteenthDigit = std::pow(10.0, std::floor(std::log10(magnitude)) - 14);
    return fraction >= 0.5 - fifteenthDigit / 2 - lastPlaces && fraction <= 0.5 + lastPlaces;
}

double roundedTo(double value, int decimals) {
    return stringToDouble(formatFixed(value, decimals));
}

std::string literalText(double value) {
    if (!std::isfinite(value)) return kOverflowText;
    if (std::fabs(value) <= kLargestShown) {
        std::string led = doubleToString(value, kFormatLed, kRoundOff, nullptr);
        if (stringToDouble(led) == value) return led;
    }
    std::string exact = exactText(value);
    if (exact.back() == '.') exact.pop_back();
    return exact;
}

LineParts splitLine(std::string_view text) {
    text = trim(text);
    // The overflow text takes the place of a number and holds a blank of its
    // own; the symbol still follows it.
    const std::string_view overflow = kOverflowText;
    if (text.starts_with(overflow))
        return {text.substr(0, overflow.size()), trim(text.substr(overflow.size()))};
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos) return {text, {}};
    return {text.substr(0, space), trim(text.substr(space))};
}

CommentNote readComment(std::string_view comment) {
    CommentNote note;
    note.percent = comment.find("<% key>") != std::string_view::npos;
    note.recall = !note.percent && comment.find("<MR key pressed>") != std::string_view::npos;
    if (!note.special()) return note;
    note.negated = comment.ends_with(words::kNegatedMark);
    if (note.percent) {
        const std::size_t open = comment.find('(');
        const std::size_t percent = open == std::string_view::npos ? open : comment.find('%', open);
        if (percent != std::string_view::npos)
            note.rateText = trim(comment.substr(open + 1, percent - open - 1));
    }
    return note;
}

}  // namespace vor::sheet
