#pragma once

#include <string>
#include <string_view>

#include "core/tape_line.h"

// Pieces of the spreadsheet export: formula fragments that carry the value a
// spreadsheet computes for them, and what a tape line's text and comment say.
namespace vor::sheet {

// A formula fragment (without its "=") with the value a spreadsheet computes
// for it and the magnitude of the terms it adds up, which bounds the rounding
// noise of that value. An empty fragment stands for 0.
struct Expr {
    std::string f;
    double v = 0.0;
    double scale = 0.0;

    bool empty() const { return f.empty(); }
    // The fragment as the operand of a larger formula: parenthesized unless
    // it is one cell, one number or already one parenthesized group.
    std::string operand() const;
    // The fragment after "=": "0" for an empty one.
    std::string formula() const { return "=" + (f.empty() ? std::string("0") : f); }
};

std::string cellName(char column, int row);
Expr cellExpr(int row, double value);
Expr negated(const Expr& e);
// Addition and subtraction as spreadsheets do them: a result that cancels to
// within the last few bits of its terms is exactly 0.
double sheetAdd(double a, double b);
double sheetSubtract(double a, double b);
// Appends "+A<row>" or "-A<row>", as the running sums of the export grow.
void addCell(Expr& sum, bool subtract, int row, double value);

// Whether a formula's value stands for the tape's: equal but for the noise
// of the arithmetic, which grows with the magnitude of the terms.
bool agrees(double sheet, double tape, double scale);

// The value a number gets back from its LED text, as the keys that read the
// LEDs see it (Memory Recall, a percentage, the memory register itself), and
// the decimals that text keeps.
double ledValue(double value);
int ledDecimals(double value);
// `value` rounded half away from zero at `decimals`, as ROUND does.
double roundedTo(double value, int decimals);
// Whether `value` lies so close to halfway between two results of that
// rounding that a spreadsheet, which decides such values on fewer digits
// than the calculator, may round it the other way.
bool nearHalfway(double value, int decimals);

// Column A text for a number written as itself: the LED text when it reads
// back exactly, otherwise the shortest text that does; "OVERFLOW ERROR" for
// a value no cell can hold.
std::string literalText(double value);

// A tape line's text split as the export reads it.
struct LineParts {
    std::string_view value;   // "<clear>", "<comment>", "OVERFLOW ERROR", a number
    std::string_view symbol;  // "+", "Ttl", "%MU", ... or empty
};
LineParts splitLine(std::string_view text);

// What a line's comment says about the value it carries.
struct CommentNote {
    bool percent = false;  // made by the % key
    bool recall = false;   // made by Memory Recall
    bool negated = false;  // that value was negated before use
    std::string rateText;  // the percentage, empty when the comment lacks it
    bool special() const { return percent || recall; }
};
CommentNote readComment(std::string_view comment);

}  // namespace vor::sheet
