// The spreadsheet export. Column A must compute, on every row, the value the
// tape shows, so each register of the calculator is followed by a formula
// fragment that computes it from the cells above, together with the value a
// spreadsheet gets for that fragment. Every formula written is checked
// against the line's own value first; where the calculator's arithmetic has
// no formula (values read back from an LED text, state left over from
// outside the tape), the cell gets the value itself instead of a formula
// that would compute something else.
#include "clipboard/sheet_export.h"

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "clipboard/clipboard_text.h"
#include "clipboard/sheet_formula.h"
#include "core/number_text.h"

namespace vor {
namespace {

using sheet::cellExpr;
using sheet::CommentNote;
using sheet::Expr;

// Past this length a running sum moves into column B and goes on from there,
// so no formula outgrows what spreadsheets accept.
constexpr std::size_t kJumpLength = 160;
constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

// Column A of one row: its text, the value a spreadsheet shows there (NaN
// for text or an empty cell), and whether the formula meant for it was kept.
struct Cell {
    std::string text;
    double value = kNoNumber;
    bool formulaKept = false;
};

Expr literalExpr(double value) {
    if (!std::isfinite(value)) return {"0", kNoNumber, 0.0};
    std::string text = exactText(value);
    if (text.back() == '.') text.pop_back();
    return {text, value, std::fabs(value)};
}

// Only a plain decimal makes a percentage a spreadsheet reads as a number.
bool isRateText(std::string_view text) {
    bool digit = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            digit = true;
        else if (!(c == '.' || (c == '-' && i == 0)))
            return false;
    }
    return digit;
}

// The value a % or MR put in the Main LED, as computed (the repeat value and
// the cost of a mark-up take it so) and as used after any Negate.
struct NoteValue {
    Expr computed;
    Expr shown;
    bool known = false;  // false: no formula computes it, only the line's value is left
};

class SheetWriter {
   public:
    SheetWriter(std::string& out, int precision, int rounding)
        : m_out(out), m_precision(precision), m_rounding(rounding) {}
    void writeRow(const CTapeLine& line, int row);

   private:
    // Whether two values look the same in an LED and on the tape.
    bool sameShown(double a, double b) const;
    // `e` itself, `e` rounded as an LED text rounds it (`fromLed`), or
    // nothing, whichever shows `tape` as the tape does.
    std::optional<Expr> settle(const Expr& e, double tape, bool fromLed) const;
    Cell formulaCell(const Expr& e, double tape, bool fromLed) const;
    static Cell literalCell(double tape) { return {sheet::literalText(tape), tape, false}; }
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
    Cell markUpCell(std::string_view symbol, int row, double tape);
    void jumpPoint(int row, std::string& columnB, std::string& note);

    std::string& m_out;
    int m_precision;
    int m_rounding;
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
};

double SheetWriter::cellValue(int row) const {
    const int index = row - kSheetFirstRow;
    if (index < 0 || index >= static_cast<int>(m_cells.size())) return kNoNumber;
    return m_cells[static_cast<std::size_t>(index)];
}

bool SheetWriter::sameShown(double a, double b) const {
    return sheet::ledValue(a) == sheet::ledValue(b) &&
           doubleToString(a, m_precision, m_rounding, nullptr) ==
               doubleToString(b, m_precision, m_rounding, nullptr);
}

std::optional<Expr> SheetWriter::settle(const Expr& e, double tape, bool fromLed) const {
    if (e.v == tape || (sheet::agrees(e.v, tape, 0.0) && sameShown(e.v, tape))) return e;
    // A value the calculator read back from an LED text was rounded there,
    // which also took away the noise of a sum that cancelled.
    if (fromLed && std::isfinite(e.v)) {
        const int decimals = sheet::ledDecimals(e.v);
        Expr rounded{"ROUND(" + e.formula().substr(1) + "," + std::to_string(decimals) + ")",
                     sheet::roundedTo(e.v, decimals), e.scale};
        const bool same = rounded.v == tape ||
                          (sheet::agrees(rounded.v, tape, 0.0) && sameShown(rounded.v, tape));
        if (same && !sheet::nearHalfway(e.v, decimals)) return rounded;
    }
    // The noise of a sum whose terms cancel is no fault while it stays out
    // of sight.
    if (sheet::agrees(e.v, tape, e.scale) && sameShown(e.v, tape)) return e;
    return std::nullopt;
}

Cell SheetWriter::formulaCell(const Expr& e, double tape, bool fromLed) const {
    // A value too big for any text (it shows as OVERFLOW ERROR) has nothing
    // to agree with; the formula is the better account of it.
    if (!std::isfinite(tape)) return {e.formula(), kNoNumber, true};
    if (const std::optional<Expr> settled = settle(e, tape, fromLed))
        return {settled->formula(), settled->v, true};
    return literalCell(tape);
}

NoteValue SheetWriter::noteValue(const CTapeLine& line, int row, const CommentNote& note) const {
    Expr computed;
    bool known = false;
    if (note.percent) {
        // The percentage of the line above, whose cell holds that value.
        const double base = cellValue(row - 1);
        if (isRateText(note.rateText) && std::isfinite(base)) {
            const double value = stringToDouble(note.rateText) / 100 * base;
            computed = {
                "(" + sheet::cellName('B', row) + " * " + sheet::cellName('A', row - 1) + ")",
                value, std::fabs(value)};
            known = true;
        }
    } else {
        computed = m_memory;
        known = true;
    }
    if (!known) {
        // No cell holds the base: only the line's own value is left.
        computed = literalExpr(note.negated ? -line.m_value : line.m_value);
    }
    return {computed, note.negated ? sheet::negated(computed) : computed, known};
}

void SheetWriter::addToMemory(bool subtract, int row, double cell, double amount) {
    // The memory register is read back from its LED text before every key,
    // so the calculator keeps it rounded to what that text shows.
    const double engine = sheet::ledValue(subtract ? m_memoryTape - amount : m_memoryTape + amount);
    Expr next = m_memory;
    sheet::addCell(next, subtract, row, cell);
    const std::optional<Expr> settled = settle(next, engine, true);
    next = settled ? *settled : literalExpr(engine);
    m_memory = next;
    m_memoryTape = engine;
}

void SheetWriter::applyOperand(Expr& product, int row, double cell, double tape) const {
    // Dividing 0 by 0 leaves the calculator's 0 as it is; a formula would
    // divide by zero.
    if (m_productOp == '/' && tape == 0.0) return;
    product.f += m_productOp;
    product.f += sheet::cellName('A', row);
    product.v = m_productOp == '*' ? cell * product.v : product.v / cell;
    product.scale = std::fabs(product.v);
}

void SheetWriter::applyOperand(int row, double cell, double tape) {
    applyOperand(m_product, row, cell, tape);
    if (m_fromRegister) applyOperand(m_productFromEntry, row, cell, tape);
}

Cell SheetWriter::productCell(int row, double tape) {
    // An "=" refused after a Memory Total prints nothing but empties the
    // product register; only the result tells which start the chain had.
    const Expr& product = m_fromRegister && !sheet::agrees(m_product.v, tape, m_product.scale)
                              ? m_productFromEntry
                              : m_product;
    Cell cell = formulaCell(product, tape, false);
    m_repeat = cellExpr(row, cell.value);
    closeProduct();
    return cell;
}

Cell SheetWriter::markUpCell(std::string_view symbol, int row, double tape) {
    const std::string cost = m_cost.operand();
    const std::string rate = m_rate.operand();
    Cell cell;
    if (symbol == "$MU") {
        const double denominator = sheet::sheetSubtract(1.0, m_rate.v / 100);
        const double scale = std::fabs(tape) / std::fabs(denominator);
        cell = formulaCell({cost + "/(1.0 -(" + rate + "/100))*(" + rate + "/100)",
                            m_cost.v / denominator * (m_rate.v / 100), scale},
                           tape, false);
        m_selling = {cost + "/(1.0-(" + rate + "/100))", m_cost.v / denominator, scale};
    } else if (symbol == "$MD") {
        const double denominator = sheet::sheetAdd(100, m_rate.v);
        const double scale = std::fabs(tape) * 100 / std::fabs(denominator);
        cell = formulaCell({rate + " * " + cost + " / (100 + " + rate + ")",
                            m_rate.v * m_cost.v / denominator, scale},
                           tape, false);
        m_selling = {cost + " - " + sheet::cellName('A', row),
                     sheet::sheetSubtract(m_cost.v, cell.value),
                     std::fabs(m_cost.v) + std::fabs(cell.value)};
    } else {  // $SP
        cell = formulaCell(m_selling, tape, false);
        m_selling = {};
        m_repeat = m_cost = cellExpr(row, cell.value);
    }
    return cell;
}

void SheetWriter::jumpPoint(int row, std::string& columnB, std::string& note) {
    Expr* sum = nullptr;
    const char* kind = nullptr;
    if (1 + m_total.f.size() > kJumpLength) {
        sum = &m_total;
        kind = " is a Jump Point)";
    } else if (1 + m_memory.f.size() > kJumpLength) {
        sum = &m_memory;
        kind = " is a Mem Jump Point)";
    } else {
        return;
    }
    columnB = sum->formula();
    sum->f = sheet::cellName('B', row);
    note = "  (Cell " + sum->f + kind;
}

void SheetWriter::writeRow(const CTapeLine& line, int row) {
    const sheet::LineParts parts = sheet::splitLine(line.m_text);
    const std::string_view symbol = parts.symbol;
    const CommentNote note = sheet::readComment(line.m_comment);
    const double tape = line.m_value;
    const bool clearLine = parts.value == "<clear>";
    std::string columnB;
    std::string jumpNote;

    NoteValue noted;
    if (note.special()) {
        noted = noteValue(line, row, note);
        // Negate changes the repeat value but not the cost of a mark-up.
        m_cost = noted.computed;
        m_repeat = noted.shown;
        if (note.percent && isRateText(note.rateText)) columnB = note.rateText + "%";
    }
    // The value typed for the key, or the one a % or MR put in its place.
    auto entry = [&] {
        return noted.known ? formulaCell(noted.shown, tape, true) : literalCell(tape);
    };

    Cell cell;
    if (clearLine) {
        cell.text = "<clear>";
        m_total = m_repeat = m_cost = m_productRegister = {};
        closeProduct();
    } else if (parts.value == "<comment>") {
        // A blank comment line changes nothing.
    } else if (symbol == "+" || symbol == "-" || symbol == "M+" || symbol == "M-") {
        if (m_productOpen) {
            cell = productCell(row, tape);
        } else if (line.m_repeated) {
            cell = formulaCell(m_repeat, tape, false);
            if (cell.formulaKept && !m_repeat.empty()) cell.text.insert(1, " ");
        } else {
            cell = entry();
            m_repeat = cellExpr(row, cell.value);
        }
        closeProduct();
        m_productRegister = {};
        const bool subtract = symbol.back() == '-';
        if (symbol.front() == 'M')
            addToMemory(subtract, row, cell.value, tape);
        else
            sheet::addCell(m_total, subtract, row, cell.value);
    } else if (symbol == "X" || symbol == "/") {
        cell = entry();
        if (!m_productOpen) {
            // A Memory Total left in the product register is what the chain
            // multiplies; the first operand then only starts it.
            m_productFromEntry = cellExpr(row, cell.value);
            m_fromRegister = !m_productRegister.empty();
            m_product = m_fromRegister ? m_productRegister : m_productFromEntry;
            m_productRegister = {};
            m_productOpen = true;
        } else {
            applyOperand(row, cell.value, tape);
            m_repeat = m_product;
        }
        m_productOp = symbol == "X" ? '*' : '/';
        m_cost = cellExpr(row, cell.value);
    } else if (symbol == "=") {
        cell = entry();
        if (m_productOpen) {
            applyOperand(row, cell.value, tape);
            m_repeat = m_product;
        }
    } else if (symbol.empty()) {
        cell = m_productOpen ? productCell(row, tape) : literalCell(tape);
    } else if (symbol == "Ttl" || symbol == "Sub") {
        cell = formulaCell(m_total, tape, false);
        if (symbol == "Ttl")
            m_total = m_repeat = {};
        else if (!cell.formulaKept)
            m_total = cellExpr(row, cell.value);
    } else if (symbol == "MS" || symbol == "MT") {
        cell = formulaCell(m_memory, tape, false);
        m_repeat = cellExpr(row, cell.value);
        if (symbol == "MT") {
            m_memory = {};
            m_memoryTape = 0.0;
            m_productRegister = tape != 0.0 ? cellExpr(row, cell.value) : Expr{};
        } else if (!cell.formulaKept) {
            m_memory = cellExpr(row, cell.value);
            m_memoryTape = tape;
        }
    } else if (symbol == "%MU" || symbol == "%MD") {
        cell = entry();
        m_rate = cellExpr(row, cell.value);
        closeProduct();
        m_productRegister = {};
    } else if (symbol == "$MU" || symbol == "$MD" || symbol == "$SP") {
        cell = markUpCell(symbol, row, tape);
    } else {
        cell = entry();
    }

    if (!m_productOpen && !note.special() && symbol.find_first_of("%$") == std::string_view::npos &&
        !clearLine)
        jumpPoint(row, columnB, jumpNote);
    m_cells.push_back(cell.value);

    m_out += cell.text;
    if (!columnB.empty()) {
        m_out += '\t';
        m_out += columnB;
    }
    m_out += '\t';
    m_out += symbol;
    m_out += '\t';
    // A line break inside a comment would start a row of its own and move
    // every cell the formulas below refer to.
    const std::size_t start = m_out.size();
    appendUtf8(m_out, line.m_comment);
    for (std::size_t i = start; i < m_out.size(); ++i)
        if (m_out[i] == '\n' || m_out[i] == '\r') m_out[i] = ' ';
    m_out += jumpNote;
    m_out += '\n';
}

}  // namespace

std::string buildSheetExport(const CVORDoc& doc, const std::string& pathName) {
    std::string out;
    out.reserve(320 + static_cast<std::size_t>(doc.m_lineCount) * 96);
    out += kExportTitleLine;
    out += '\n';
    out += kWebAddress;
    out += '\n';
    out += kPathPrefix;
    if (pathName.empty())
        out += kUntitled;
    else
        appendUtf8(out, pathName);
    out += '\n';
    out += "The insertion point for this pasted text MUST be A1!\n";
    out += "Some spreadsheets might require global search and replacement of \"=  with  =\n";
    out += " \n";
    SheetWriter writer(out, doc.m_precision, doc.m_rounding);
    for (int i = 0; i < doc.m_lineCount; ++i) writer.writeRow(*doc.line(i), kSheetFirstRow + i);
    return out;
}

}  // namespace vor
