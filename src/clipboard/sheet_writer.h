#pragma once

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "clipboard/sheet_formula.h"
#include "clipboard/sheet_operation.h"
#include "core/tape_line.h"

// The spreadsheet export's rows, one tape line at a time. Column A must
// compute, on every row, the value the tape shows, so each register of the
// calculator is followed by a formula fragment that computes it from the
// cells above, together with the value a spreadsheet gets for that fragment.
namespace vor::sheet {

inline constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

// Column A of one row: its text, the value a spreadsheet shows there (NaN
// for text or an empty cell), and whether the formula meant for it was kept.
struct Cell {
    std::string text;
    double value = kNoNumber;
    bool formulaKept = false;
};

// The value a % or MR put in the Main LED, as computed (the repeat value and
// the cost of a mark-up take it so) and as used after any Negate.
struct NoteValue {
    Expr computed;
    Expr shown;
    bool known = false;  // false: no formula computes it, only the line's value is left
};

// What every operation gets to know about the line it writes.
struct RowInput {
    const CTapeLine& line;
    int row;
    double tape;      // the line's value
    NoteValue noted;  // the value of its % or MR note, if any
};

class SheetWriter {
   public:
    SheetWriter(std::string& out, int precision, int rounding)
        : m_out(out), m_precision(precision), m_rounding(rounding) {}
    void writeRow(const CTapeLine& line, int row);

   private:
    // One function per operation: each returns column A of its row and
    // moves the running formulas on.
    Cell operationCell(const LineOperation& op, const RowInput& in);
    Cell clearLine();
    Cell addSubtract(const RowInput& in, int key);
    Cell closingOperand(const RowInput& in);
    Cell multiplyDivide(const RowInput& in, int key);
    Cell equalsResult(const RowInput& in);
    Cell total(const RowInput& in, int key);
    Cell memoryTotal(const RowInput& in, int key);
    Cell markUpRate(const RowInput& in);
    Cell markUpAmount(const RowInput& in);
    Cell markDownAmount(const RowInput& in);
    Cell sellingPrice(const RowInput& in);
    Cell taxBase(const RowInput& in);
    Cell taxAmount(const RowInput& in, int key);
    Cell taxResult(const RowInput& in, int key);
    Cell grandTotal(const RowInput& in);
    // The value typed for the key, or the one a % or MR put in its place.
    Cell entryCell(const RowInput& in) const;
    // The step every row ends with: a jump point where a running sum grew
    // too long, then the cell, column B, the symbol and the comment.
    void finishRow(const CTapeLine& line, int row, std::string_view symbol, Operation operation,
                   bool noted, const Cell& cell, std::string& columnB);

    // Whether two values look the same in an LED and on the tape.
    bool sameShown(double a, double b) const;
    // `e` itself, `e` rounded as an LED text rounds it (`fromLed`), or
    // nothing, whichever shows `tape` as the tape does.
    std::optional<Expr> settle(const Expr& e, double tape, bool fromLed) const;
    Cell formulaCell(const Expr& e, double tape, bool fromLed) const;
    static Cell literalCell(double tape) { return {literalText(tape), tape, false}; }
    NoteValue noteValue(const CTapeLine& line, int row, const CommentNote& note) const;
    double cellValue(int row) const;
    void addToMemory(bool subtract, int row, double cell, double amount);
    void applyOperand(Expr& product, int row, double cell, double tape) const;
    void applyOperand(int row, double cell, double tape);
    // The cell of a line that closes the chain with its result.
    Cell productCell(int row, double tape);
    void closeProduct() {
        m_productOpen = m_fromRegister = false;
        m_product = m_productFromEntry = {};
    }
    void jumpPoint(int row, std::string& columnB, std::string& note);

    std::string& m_out;
    int m_precision;
    int m_rounding;
    OperationReader m_operations;
    std::vector<double> m_cells;  // column A values from the first tape row on
    Expr m_total;                 // running total (+, -; read by Sub and Ttl)
    Expr m_memory;                // memory register as its LED leaves it
    double m_memoryTape = 0.0;    // the calculator's own memory value
    Expr m_product;               // open multiplication/division chain
    bool m_productOpen = false;
    char m_productOp = '*';
    Expr m_productRegister;       // a Memory Total left in the product register
    bool m_fromRegister = false;  // the open chain started from it
    Expr m_productFromEntry;      // the same chain started from its first operand
    Expr m_repeat;                // what +, - repeat without a new entry
    Expr m_cost;                  // what Mark Up or Mark Down takes as cost
    Expr m_rate;
    Expr m_selling;
    Expr m_taxBase;     // the amount the tax lines below it work on
    Expr m_tax;         // the tax line's cell
    Expr m_grandTotal;  // the sum of every Ttl row
    int m_grandTotalRow = -1;
};

}  // namespace vor::sheet
