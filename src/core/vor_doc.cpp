#include "core/vor_doc.h"

namespace vor {

CVORDoc::CVORDoc() = default;

void CVORDoc::startNewTape(int precision, int rounding, bool autoDecimal) {
    destroyLines();
    m_mainText = zeroText(autoDecimal);
    m_memoryText = m_mainText;
    setRegisters(Registers{});
    m_negCount = 0;
    m_itemCount = 0;
    m_lastOp = op::None;
    m_lineCount = 0;
    m_precision = precision;
    m_rounding = rounding;
    m_decimalEntered = false;
    m_newEntry = false;
    m_rebuildTape = true;
    m_modified = false;
}

CTapeLine* CVORDoc::line(int index) const {
    if (index < 0 || index >= m_lineCount) return nullptr;
    return m_lines[static_cast<std::size_t>(index)].get();
}

CLineState* CVORDoc::state(int index) const {
    if (index < 0 || index >= m_lineCount) return nullptr;
    return m_states[static_cast<std::size_t>(index)].get();
}

Registers CVORDoc::registers() const {
    return {m_total, m_memory, m_lastValue, m_factor, m_repeatValue, m_reservedReal5, m_product};
}

void CVORDoc::setRegisters(const Registers& r) {
    m_total = r.total;
    m_memory = r.memory;
    m_lastValue = r.lastValue;
    m_factor = r.factor;
    m_repeatValue = r.repeatValue;
    m_reservedReal5 = r.reservedReal5;
    m_product = r.product;
}

void CVORDoc::destroyLines() {
    for (int i = m_lineCount - 1; i >= 0; --i) {
        m_lines[static_cast<std::size_t>(i)].reset();
        m_states[static_cast<std::size_t>(i)].reset();
    }
    m_lineCount = 0;
}

}  // namespace vor
