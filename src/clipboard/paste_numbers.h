#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vor {

class CCalculator;

// Numbers read from clipboard text, each as a plain internal-form text
// ("-1234.5": optional minus, digits, a point only when there are decimals,
// no separators, no trailing decimal zeros), and how many lines or cells
// were not numbers.
struct PastedNumbers {
    std::vector<std::string> numbers;
    int skipped = 0;
};

// Reads clipboard text as numbers: one a line, or tab-separated cells as a
// spreadsheet copies them (every cell that is a number counts; empty cells
// and blank lines are ignored, not counted). Each cell is read by
// readNumber (core/number_reader.h), with the European forms when
// `european` is set. A line or cell that is not a number is skipped and
// counted, and so is a number with more than 12 significant digits, which
// the calculator could not show. CRLF, CR and LF line ends.
PastedNumbers parsePastedNumbers(std::string_view text, bool european);

// Enters each number and adds it with + as the keypad would: the digit and
// point keys, Neg for a negative, then Plus. Stops at the first number the
// full tape refuses (appendLine shows its message once; the refused number
// leaves the registers as they were). Drawing is off during the paste.
// Returns how many numbers were added.
int pasteNumbers(CCalculator& calc, const std::vector<std::string>& numbers);

// "3 lines were not numbers and were skipped." (singular for one).
std::string skippedMessage(int skipped);

// The question asked before pasting more than kAskAbove numbers.
std::string confirmMessage(int count);
inline constexpr int kAskAbove = 100;

}  // namespace vor
