#pragma once

// The words the calculator prints on the tape, written once. The replay, the
// exports, the spoken tape and the comment rules all recognise lines by them
// (or better, by the line's key id), so a word changed here changes
// everywhere at once.
#include <string>
#include <string_view>

namespace vor::words {

// Line texts of lines that carry no figure.
inline constexpr std::string_view kClearLine = "    <clear>                   ";
inline constexpr std::string_view kCommentLine = "    <comment>             ";
// The markers inside those texts, as a reader finds them after trimming.
inline constexpr std::string_view kClear = "<clear>";
inline constexpr std::string_view kComment = "<comment>";

// The key symbols printed after a figure, padded to three characters.
inline constexpr std::string_view kPlus = "+  ";
inline constexpr std::string_view kMinus = "-  ";
inline constexpr std::string_view kMultiply = "X  ";
inline constexpr std::string_view kDivide = "/  ";
inline constexpr std::string_view kEquals = "=  ";
inline constexpr std::string_view kSubTotal = "Sub";
inline constexpr std::string_view kTotal = "Ttl";
inline constexpr std::string_view kMemoryPlus = "M+ ";
inline constexpr std::string_view kMemoryMinus = "M- ";
inline constexpr std::string_view kMemorySubTotal = "MS ";
inline constexpr std::string_view kMemoryTotal = "MT ";
inline constexpr std::string_view kMarkUpRate = "%MU";
inline constexpr std::string_view kMarkDownRate = "%MD";
inline constexpr std::string_view kMarkUpAmount = "$MU";
inline constexpr std::string_view kMarkDownAmount = "$MD";
inline constexpr std::string_view kSellingPrice = "$SP";
// The tax keys print the amount they start from under the key's symbol,
// then the tax and the amount with tax (gross) or without it (net).
inline constexpr std::string_view kTaxPlus = "TX+";
inline constexpr std::string_view kTaxMinus = "TX-";
inline constexpr std::string_view kTaxAmount = "Tax";
inline constexpr std::string_view kGross = "Grs";
inline constexpr std::string_view kNet = "Net";
inline constexpr std::string_view kGrandTotal = "GT ";

// Comments. Every comment starts with " ;", the separator the tape box
// shows between a figure and its note.
inline constexpr std::string_view kCommentStart = " ;";
// A % note: " ;<% key> (8.25% of 100.00)"; the replay reads the rate back
// from between the parenthesis and the percent sign.
inline constexpr std::string_view kPercentKey = "<% key>";
// An MR note: " ;<MR key pressed>".
inline constexpr std::string_view kMemoryRecallKey = "<MR key pressed>";
// Ends the comment of a % or MR line whose value was negated before use.
inline constexpr std::string_view kNegatedMark = " Neg";
inline constexpr std::string_view kProfitRate = " ;profit rate: ";
inline constexpr std::string_view kLossRate = " ;loss rate: ";
inline constexpr std::string_view kMarkUpNote = " ;$ Mark up";
inline constexpr std::string_view kMarkDownNote = " ;$ Mark down";
inline constexpr std::string_view kSellingPriceNote = " ;Selling price: $";
inline constexpr std::string_view kRunningSubtotalNote = " ;cur sub: ";
// The note of a tax line: " ;tax 8.25%". The replay reads the rate back
// from between the word and the percent sign.
inline constexpr std::string_view kTaxNote = " ;tax ";
// The words between the comment start and the colon, by which the notes
// are found again when they are switched off.
inline constexpr std::string_view kRunningSubtotal = kRunningSubtotalNote.substr(
    kCommentStart.size(), kRunningSubtotalNote.find(':') - kCommentStart.size());

// The note of a % line: " ;<% key> (RATE% of BASE)".
inline std::string percentNote(std::string_view rate, std::string_view base) {
    std::string s(kCommentStart);
    s.append(kPercentKey).append(" (").append(rate).append("% of ").append(base).append(")");
    return s;
}

inline std::string taxNote(std::string_view rate) {
    return std::string(kTaxNote).append(rate).append("%");
}

// The note of an MR line.
inline std::string memoryRecallNote() {
    return std::string(kCommentStart).append(kMemoryRecallKey);
}

// The item count a Sub or Ttl line gets when counts are asked for:
// " ;5 Items (3 Pos, 2 Neg)".
inline std::string itemCountNote(long long items, long long negative) {
    return std::string(kCommentStart) + std::to_string(items) + " Items (" +
           std::to_string(items - negative) + " Pos, " + std::to_string(negative) + " Neg)";
}

}  // namespace vor::words
