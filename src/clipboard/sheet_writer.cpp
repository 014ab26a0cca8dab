// The running formulas of the spreadsheet export. Every formula written is
// checked against the line's own value first; where the calculator's
// arithmetic has no formula (values read back from an LED text, state left
// over from outside the tape), the cell gets the value itself instead of a
// formula that would compute something else.
#include "clipboard/sheet_writer.h"

#include <cmath>

#include "clipboard/clipboard_text.h"
#include "clipboard/sheet_export.h"
#include "core/number_text.h"

namespace vor::sheet {
namespace {

// Past this length a running sum moves into column B and goes on from there,
// so no formula outgrows what spreadsheets accept.
constexpr std::size_t kJumpLength = 160;

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

}  // namespace

double SheetWriter::cellValue(int row) const {
    const int index = row - kSheetFirstRow;
    if (index < 0 || index >= static_cast<int>(m_cells.size())) return kNoNumber;
    return m_cells[static_cast<std::size_t>(index)];
}

bool SheetWriter::sameShown(double a, double b) const {
    return ledValue(a) == ledValue(b) && doubleToString(a, m_precision, m_rounding, nullptr) ==
                                             doubleToString(b, m_precision, m_rounding, nullptr);
}

std::optional<Expr> SheetWriter::settle(const Expr& e, double tape, bool fromLed) const {
    if (e.v == tape || (agrees(e.v, tape, 0.0) && sameShown(e.v, tape))) return e;
    // A value the calculator read back from an LED text was rounded there,
    // which also took away the noise of a sum that cancelled.
    if (fromLed && std::isfinite(e.v)) {
        const int decimals = ledDecimals(e.v);
        Expr rounded{"ROUND(" + e.formula().substr(1) + "," + std::to_string(decimals) + ")",
                     roundedTo(e.v, decimals), e.scale};
        const bool same =
            rounded.v == tape || (agrees(rounded.v, tape, 0.0) && sameShown(rounded.v, tape));
        if (same && !nearHalfway(e.v, decimals)) return rounded;
    }
    // The noise of a sum whose terms cancel is no fault while it stays out
    // of sight.
    if (agrees(e.v, tape, e.scale) && sameShown(e.v, tape)) return e;
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
            computed = {"(" + cellName('B', row) + " * " + cellName('A', row - 1) + ")", value,
                        std::fabs(value)};
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
    return {computed, note.negated ? negated(computed) : computed, known};
}

void SheetWriter::addToMemory(bool subtract, int row, double cell, double amount) {
    // The memory register is read back from its LED text before every key,
    // so the calculator keeps it rounded to what that text shows.
    const double engine = ledValue(subtract ? m_memoryTape - amount : m_memoryTape + amount);
    Expr next = m_memory;
    addCell(next, subtract, row, cell);
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
    product.f += cellName('A', row);
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
    const Expr& product = m_fromRegister && !agrees(m_product.v, tape, m_product.scale)
                              ? m_productFromEntry
                              : m_product;
    Cell cell = formulaCell(product, tape, false);
    m_repeat = cellExpr(row, cell.value);
    closeProduct();
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
    sum->f = cellName('B', row);
    note = "  (Cell " + sum->f + kind;
}

void SheetWriter::writeRow(const CTapeLine& line, int row) {
    const LineParts parts = splitLine(line.m_text);
    const LineOperation op = m_operations.next(line, parts, m_productOpen, m_productOp == '*');
    const CommentNote note = readComment(line.m_comment);
    std::string columnB;
    NoteValue noted;
    if (note.special()) {
        noted = noteValue(line, row, note);
        // Negate changes the repeat value but not the cost of a mark-up.
        m_cost = noted.computed;
        m_repeat = noted.shown;
        if (note.percent && isRateText(note.rateText)) columnB = note.rateText + "%";
    }
    const Cell cell = operationCell(op, {line, row, line.m_value, std::move(noted)});
    finishRow(line, row, parts.symbol, op.operation, note.special(), cell, columnB);
}

void SheetWriter::finishRow(const CTapeLine& line, int row, std::string_view symbol,
                            Operation operation, bool noted, const Cell& cell,
                            std::string& columnB) {
    // A running sum grown too long moves into column B of a plain row: not
    // while a product is open, nor on a row with a % or MR note, a mark-up
    // row or the clear row.
    const bool mayJump = operation != Operation::Clear && operation != Operation::MarkUpRate &&
                         operation != Operation::MarkUpAmount &&
                         operation != Operation::MarkDownAmount &&
                         operation != Operation::SellingPrice;
    std::string jumpNote;
    if (!m_productOpen && !noted && mayJump) jumpPoint(row, columnB, jumpNote);
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

}  // namespace vor::sheet
