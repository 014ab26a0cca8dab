// A line's operation comes from its key id. Lines without the key id the
// calculator gives them (a tape written by an older program, a result line
// where no keyed line above prints one) are read by the text they show, as
// the export always read every line.
#include "clipboard/sheet_operation.h"

#include <optional>

#include "core/command_ids.h"
#include "core/tape_words.h"

namespace vor::sheet {
namespace {

// A key symbol without the blanks that pad it to three characters, as
// splitLine gives it.
constexpr std::string_view bare(std::string_view word) {
    return word.substr(0, word.find_last_not_of(' ') + 1);
}

struct ShownSymbol {
    std::string_view symbol;
    LineOperation operation;
};

constexpr ShownSymbol kShownSymbols[] = {
    {bare(words::kPlus), {Operation::AddSubtract, cmd::Plus}},
    {bare(words::kMinus), {Operation::AddSubtract, cmd::Minus}},
    {bare(words::kMemoryPlus), {Operation::AddSubtract, cmd::MemoryPlusEquals}},
    {bare(words::kMemoryMinus), {Operation::AddSubtract, cmd::MemoryMinusEquals}},
    {bare(words::kMultiply), {Operation::MultiplyDivide, cmd::Multiply}},
    {bare(words::kDivide), {Operation::MultiplyDivide, cmd::Divide}},
    {bare(words::kEquals), {Operation::ClosingOperand, cmd::Equals}},
    {bare(words::kTotal), {Operation::Total, cmd::Total}},
    {bare(words::kSubTotal), {Operation::Total, cmd::SubTotal}},
    {bare(words::kMemoryTotal), {Operation::MemoryTotal, cmd::MemoryTotal}},
    {bare(words::kMemorySubTotal), {Operation::MemoryTotal, cmd::MemorySubTotal}},
    {bare(words::kMarkUpRate), {Operation::MarkUpRate, cmd::MarkUpDown}},
    {bare(words::kMarkDownRate), {Operation::MarkUpRate, cmd::MarkUpDown}},
    {bare(words::kMarkUpAmount), {Operation::MarkUpAmount, cmd::MarkUpDown}},
    {bare(words::kMarkDownAmount), {Operation::MarkDownAmount, cmd::MarkUpDown}},
    {bare(words::kSellingPrice), {Operation::SellingPrice, cmd::MarkUpDown}},
    {bare(words::kTaxPlus), {Operation::TaxBase, cmd::TaxPlus}},
    {bare(words::kTaxMinus), {Operation::TaxBase, cmd::TaxMinus}},
    {bare(words::kGrandTotal), {Operation::GrandTotal, cmd::GrandTotal}},
};

// The key of a line that shows a marker instead of a figure, for such a line
// written without its key id.
int markerKey(const LineParts& parts) {
    if (parts.value == words::kClear) return cmd::Clear;
    if (parts.value == words::kComment) return cmd::CommentLine;
    return 0;
}

LineOperation byShownText(const LineParts& parts) {
    if (parts.value == words::kClear) return {Operation::Clear, cmd::Clear};
    if (parts.value == words::kComment) return {Operation::Comment, cmd::CommentLine};
    // Only the result of = stands without a symbol.
    if (parts.symbol.empty()) return {Operation::EqualsResult, cmd::Equals};
    for (const ShownSymbol& s : kShownSymbols)
        if (parts.symbol == s.symbol) return s.operation;
    return {};
}

std::optional<LineOperation> byKey(int key, bool productOpen) {
    switch (key) {
        case cmd::Clear: return LineOperation{Operation::Clear, key};
        case cmd::Plus:
        case cmd::Minus:
        case cmd::MemoryPlusEquals:
        case cmd::MemoryMinusEquals:
            // Keyed while a product waits, the key prints the product's last
            // operand with "=" and its own symbol on the result below.
            return LineOperation{productOpen ? Operation::ClosingOperand : Operation::AddSubtract,
                                 key};
        case cmd::Multiply:
        case cmd::Divide: return LineOperation{Operation::MultiplyDivide, key};
        case cmd::Equals: return LineOperation{Operation::ClosingOperand, key};
        case cmd::Total:
        case cmd::SubTotal: return LineOperation{Operation::Total, key};
        case cmd::MemoryTotal:
        case cmd::MemorySubTotal: return LineOperation{Operation::MemoryTotal, key};
        case cmd::MarkUpDown: return LineOperation{Operation::MarkUpRate, key};
        case cmd::TaxPlus:
        case cmd::TaxMinus: return LineOperation{Operation::TaxBase, key};
        case cmd::GrandTotal: return LineOperation{Operation::GrandTotal, key};
        default: return std::nullopt;
    }
}

// The `n`th result line below `keyed`, if that key prints one there.
std::optional<LineOperation> resultBelow(const LineOperation& keyed, int n, bool multiplied) {
    if (keyed.operation == Operation::ClosingOperand && n == 1)
        return LineOperation{
            keyed.key == cmd::Equals ? Operation::EqualsResult : Operation::AddSubtract, keyed.key};
    if (keyed.operation == Operation::MarkUpRate && n <= 2) {
        // MUD marks up the cost of a product and marks down a quotient's.
        if (n == 2) return LineOperation{Operation::SellingPrice, keyed.key};
        return LineOperation{multiplied ? Operation::MarkUpAmount : Operation::MarkDownAmount,
                             keyed.key};
    }
    if (keyed.operation == Operation::TaxBase && n <= 2)
        return LineOperation{n == 1 ? Operation::TaxAmount : Operation::TaxResult, keyed.key};
    return std::nullopt;
}

}  // namespace

LineOperation OperationReader::next(const CTapeLine& line, const LineParts& parts, bool productOpen,
                                    bool multiplied) {
    const int key = line.m_keyId != 0 ? line.m_keyId : markerKey(parts);
    // A blank line inserted between a keyed line and its results belongs to
    // neither.
    if (key == cmd::CommentLine) return {Operation::Comment, key};
    if (key != 0) {
        m_resultsBelow = 0;
        if (const std::optional<LineOperation> known = byKey(key, productOpen)) {
            m_keyed = *known;
            return m_keyed;
        }
        m_keyed = {};
        return byShownText(parts);
    }
    ++m_resultsBelow;
    if (const std::optional<LineOperation> result =
            resultBelow(m_keyed, m_resultsBelow, multiplied))
        return *result;
    return byShownText(parts);
}

}  // namespace vor::sheet
