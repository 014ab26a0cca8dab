// The spreadsheet export, one function per operation of the calculator:
// each gives column A the formula that computes the value the tape shows and
// moves the running formulas (total, memory, product, repeat value, cost of
// a mark-up) on as the calculator moves its registers.
#include "clipboard/sheet_export.h"

#include <cmath>

#include "clipboard/clipboard_text.h"
#include "clipboard/sheet_writer.h"
#include "core/command_ids.h"
#include "core/number_text.h"
#include "core/tape_words.h"
#include "core/tax_rate.h"

namespace vor {
namespace sheet {

Cell SheetWriter::operationCell(const LineOperation& op, const RowInput& in) {
    switch (op.operation) {
        case Operation::Clear: return clearLine();
        case Operation::Comment: return {};  // a blank comment line changes nothing
        case Operation::AddSubtract: return addSubtract(in, op.key);
        case Operation::ClosingOperand: return closingOperand(in);
        case Operation::MultiplyDivide: return multiplyDivide(in, op.key);
        case Operation::EqualsResult: return equalsResult(in);
        case Operation::Total: return total(in, op.key);
        case Operation::MemoryTotal: return memoryTotal(in, op.key);
        case Operation::MarkUpRate: return markUpRate(in);
        case Operation::MarkUpAmount: return markUpAmount(in);
        case Operation::MarkDownAmount: return markDownAmount(in);
        case Operation::SellingPrice: return sellingPrice(in);
        case Operation::TaxBase: return taxBase(in);
        case Operation::TaxAmount: return taxAmount(in, op.key);
        case Operation::TaxResult: return taxResult(in, op.key);
        case Operation::GrandTotal: return grandTotal(in);
        case Operation::Entry: break;
    }
    return entryCell(in);
}

Cell SheetWriter::entryCell(const RowInput& in) const {
    return in.noted.known ? formulaCell(in.noted.shown, in.tape, true) : literalCell(in.tape);
}

Cell SheetWriter::clearLine() {
    m_total = m_repeat = m_cost = m_productRegister = {};
    closeProduct();
    return {std::string(words::kClear), kNoNumber, false};
}

Cell SheetWriter::addSubtract(const RowInput& in, int key) {
    Cell cell;
    if (m_productOpen) {
        cell = productCell(in.row, in.tape);
    } else if (in.line.m_repeated) {
        cell = formulaCell(m_repeat, in.tape, false);
        if (cell.formulaKept && !m_repeat.empty()) cell.text.insert(1, " ");
    } else {
        cell = entryCell(in);
        m_repeat = cellExpr(in.row, cell.value);
    }
    closeProduct();
    m_productRegister = {};
    const bool subtract = key == cmd::Minus || key == cmd::MemoryMinusEquals;
    if (key == cmd::MemoryPlusEquals || key == cmd::MemoryMinusEquals)
        addToMemory(subtract, in.row, cell.value, in.tape);
    else
        addCell(m_total, subtract, in.row, cell.value);
    return cell;
}

Cell SheetWriter::closingOperand(const RowInput& in) {
    Cell cell = entryCell(in);
    // GT keyed after X or ÷ is the operand itself, as its LED showed it.
    if (m_grandTotalRow == in.row - 1 && !in.noted.known && sameShown(m_cells.back(), in.tape))
        cell = formulaCell(cellExpr(m_grandTotalRow, m_cells.back()), in.tape, true);
    if (m_productOpen) {
        applyOperand(in.row, cell.value, in.tape);
        m_repeat = m_product;
    }
    return cell;
}

Cell SheetWriter::multiplyDivide(const RowInput& in, int key) {
    Cell cell = entryCell(in);
    if (!m_productOpen) {
        // A Memory Total left in the product register is what the chain
        // multiplies; the first operand then only starts it.
        m_productFromEntry = cellExpr(in.row, cell.value);
        m_fromRegister = !m_productRegister.empty();
        m_product = m_fromRegister ? m_productRegister : m_productFromEntry;
        m_productRegister = {};
        m_productOpen = true;
    } else {
        applyOperand(in.row, cell.value, in.tape);
        m_repeat = m_product;
    }
    m_productOp = key == cmd::Divide ? '/' : '*';
    m_cost = cellExpr(in.row, cell.value);
    return cell;
}

Cell SheetWriter::equalsResult(const RowInput& in) {
    return m_productOpen ? productCell(in.row, in.tape) : literalCell(in.tape);
}

Cell SheetWriter::total(const RowInput& in, int key) {
    Cell cell = formulaCell(m_total, in.tape, false);
    if (key == cmd::Total) {
        addCell(m_grandTotal, false, in.row, cell.value);
        m_total = m_repeat = {};
    } else if (!cell.formulaKept)
        m_total = cellExpr(in.row, cell.value);
    return cell;
}

Cell SheetWriter::memoryTotal(const RowInput& in, int key) {
    Cell cell = formulaCell(m_memory, in.tape, false);
    m_repeat = cellExpr(in.row, cell.value);
    if (key == cmd::MemoryTotal) {
        m_memory = {};
        m_memoryTape = 0.0;
        m_productRegister = in.tape != 0.0 ? cellExpr(in.row, cell.value) : Expr{};
    } else if (!cell.formulaKept) {
        m_memory = cellExpr(in.row, cell.value);
        m_memoryTape = in.tape;
    }
    return cell;
}

Cell SheetWriter::markUpRate(const RowInput& in) {
    Cell cell = entryCell(in);
    m_rate = cellExpr(in.row, cell.value);
    closeProduct();
    m_productRegister = {};
    return cell;
}

Cell SheetWriter::markUpAmount(const RowInput& in) {
    const std::string cost = m_cost.operand();
    const std::string rate = m_rate.operand();
    const double denominator = sheetSubtract(1.0, m_rate.v / 100);
    const double scale = std::fabs(in.tape) / std::fabs(denominator);
    Cell cell = formulaCell({cost + "/(1.0 -(" + rate + "/100))*(" + rate + "/100)",
                             m_cost.v / denominator * (m_rate.v / 100), scale},
                            in.tape, false);
    m_selling = {cost + "/(1.0-(" + rate + "/100))", m_cost.v / denominator, scale};
    return cell;
}

Cell SheetWriter::markDownAmount(const RowInput& in) {
    const std::string cost = m_cost.operand();
    const std::string rate = m_rate.operand();
    const double denominator = sheetAdd(100, m_rate.v);
    const double scale = std::fabs(in.tape) * 100 / std::fabs(denominator);
    Cell cell = formulaCell(
        {rate + " * " + cost + " / (100 + " + rate + ")", m_rate.v * m_cost.v / denominator, scale},
        in.tape, false);
    m_selling = {cost + " - " + cellName('A', in.row), sheetSubtract(m_cost.v, cell.value),
                 std::fabs(m_cost.v) + std::fabs(cell.value)};
    return cell;
}

Cell SheetWriter::sellingPrice(const RowInput& in) {
    Cell cell = formulaCell(m_selling, in.tape, false);
    m_selling = {};
    m_repeat = m_cost = cellExpr(in.row, cell.value);
    return cell;
}

Cell SheetWriter::taxBase(const RowInput& in) {
    // A typed amount (or one a % or MR gave) stands in its row; otherwise it
    // is what the Main LED showed: the row above (a total, a product, a
    // grand total) or the running total after + or -.
    Cell cell = entryCell(in);
    if (!in.line.m_isImmediate && !in.noted.known) {
        const double above = m_cells.empty() ? kNoNumber : m_cells.back();
        if (!m_cells.empty() && sameShown(above, in.tape))
            cell = formulaCell(cellExpr(in.row - 1, above), in.tape, true);
        else if (!m_total.empty())
            cell = formulaCell(m_total, in.tape, true);
    }
    closeProduct();
    m_productRegister = {};
    m_taxBase = cellExpr(in.row, cell.value);
    return cell;
}

Cell SheetWriter::taxAmount(const RowInput& in, int key) {
    const std::string rate = noteTaxRateText(in.line.m_comment);
    if (rate.empty()) return literalCell(in.tape);
    const double r = stringToDouble(rate);
    const std::string base = m_taxBase.operand();
    const double b = m_taxBase.v;
    Expr e = key == cmd::TaxPlus ? Expr{base + "*" + rate + "/100", b * r / 100, std::fabs(b)}
                                 : Expr{base + "-" + base + "*100/(100+" + rate + ")",
                                        sheetSubtract(b, b * 100 / (100 + r)), std::fabs(b)};
    Cell cell = formulaCell(e, in.tape, false);
    m_tax = cellExpr(in.row, cell.value);
    return cell;
}

Cell SheetWriter::taxResult(const RowInput& in, int key) {
    const bool plus = key == cmd::TaxPlus;
    const Expr e{m_taxBase.operand() + (plus ? "+" : "-") + m_tax.operand(),
                 plus ? sheetAdd(m_taxBase.v, m_tax.v) : sheetSubtract(m_taxBase.v, m_tax.v),
                 std::fabs(m_taxBase.v) + std::fabs(m_tax.v)};
    Cell cell = formulaCell(e, in.tape, false);
    m_repeat = cellExpr(in.row, cell.value);
    return cell;
}

Cell SheetWriter::grandTotal(const RowInput& in) {
    Cell cell = formulaCell(m_grandTotal, in.tape, false);
    m_repeat = cellExpr(in.row, cell.value);
    m_grandTotalRow = in.row;
    return cell;
}

}  // namespace sheet

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
    sheet::SheetWriter writer(out, doc.m_precision, doc.m_rounding);
    for (int i = 0; i < doc.m_lineCount; ++i) writer.writeRow(*doc.line(i), kSheetFirstRow + i);
    return out;
}

}  // namespace vor
