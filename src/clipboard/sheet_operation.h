#pragma once

#include "clipboard/sheet_formula.h"
#include "core/tape_line.h"

// Which operation of the calculator a tape line records, as the spreadsheet
// export needs to know it: a line is told by its key id, and a result line
// (key id 0) by the keyed line it was printed below.
namespace vor::sheet {

enum class Operation {
    Clear,           // <clear>: every running formula starts again
    Comment,         // a blank comment line: changes nothing
    AddSubtract,     // +, -, M+, M-, also as the result line below a closing operand
    ClosingOperand,  // the last operand of a product, printed with "=" by = or + - M+ M-
    MultiplyDivide,  // X or ÷
    EqualsResult,    // the product printed below the = line
    Total,           // Sub or Ttl
    MemoryTotal,     // MS or MT
    MarkUpRate,      // %MU or %MD
    MarkUpAmount,    // $MU
    MarkDownAmount,  // $MD
    SellingPrice,    // $SP
    TaxBase,         // TX+ or TX-: the amount the tax is figured on
    TaxAmount,       // Tax, below it
    TaxResult,       // Grs or Net, below that
    GrandTotal,      // GT
    Entry,           // anything else: the value as it stands
};

struct LineOperation {
    Operation operation = Operation::Entry;
    // The key that made the line (for a result line, the key of the keyed
    // line above it), telling + from -, X from ÷, Sub from Ttl, MS from MT.
    int key = 0;
};

// Reads a tape's lines in order, remembering the last keyed line for the
// result lines below it.
class OperationReader {
   public:
    // `productOpen`: a product waits for its last operand; `multiplied`: the
    // last X or ÷ line was an X, which makes a mark-up out of MUD.
    LineOperation next(const CTapeLine& line, const LineParts& parts, bool productOpen,
                       bool multiplied);

   private:
    LineOperation m_keyed;  // the last keyed line, Entry before the first
    int m_resultsBelow = 0;
};

}  // namespace vor::sheet
