#include "core/vor_doc.h"

#include <utility>

namespace vor {

// A document that was never started shows "0." in both LEDs, two decimals
// and rounding off, and asks for its tape to be built at the first paint.
CVORDoc::CVORDoc() {
    m_mainText = "0.";
    m_memoryText = "0.";
    m_precision = 2;
    m_rounding = 12;
    m_rebuildTape = true;
    // Room for a full tape up front, so the list never grows while a
    // 1000-line tape is keyed or replayed.
    m_tape.reserve(kMaxLines);
}

void CVORDoc::startNewTape(int precision, int rounding, bool autoDecimal) {
    destroyLines();
    // A new tape is this program's own: it is written with the current
    // version even after a file of an older one was open.
    m_version = 1.3;
    Registers fresh;
    fresh.m_mainText = zeroText(autoDecimal);
    fresh.m_memoryText = fresh.m_mainText;
    fresh.m_precision = precision;
    fresh.m_rounding = rounding;
    fresh.m_rebuildTape = true;
    setRegisters(fresh);
    m_modified = false;
}

// A line or snapshot handed out for writing may be changed through it.
CTapeLine* CVORDoc::line(int index) {
    if (index < 0 || index >= m_lineCount) return nullptr;
    touch(index);
    return &m_tape[static_cast<std::size_t>(index)]->line;
}

const CTapeLine* CVORDoc::line(int index) const {
    if (index < 0 || index >= m_lineCount) return nullptr;
    return &m_tape[static_cast<std::size_t>(index)]->line;
}

CLineState* CVORDoc::state(int index) {
    if (index < 0 || index >= m_lineCount) return nullptr;
    touch(index);
    return &m_tape[static_cast<std::size_t>(index)]->state;
}

const CLineState* CVORDoc::state(int index) const {
    if (index < 0 || index >= m_lineCount) return nullptr;
    return &m_tape[static_cast<std::size_t>(index)]->state;
}

bool CVORDoc::appendLine(CTapeLine line, CLineState state) {
    if (m_lineCount >= kMaxLines) return false;
    touch(m_lineCount);
    m_tape.push_back(std::unique_ptr<Entry>(new Entry{std::move(line), std::move(state)}));
    m_lineCount.m_value = static_cast<std::int32_t>(m_tape.size());
    return true;
}

bool CVORDoc::insertLine(int index, CTapeLine line, CLineState state) {
    if (m_lineCount >= kMaxLines || index < 0 || index > m_lineCount) return false;
    touch(index);
    m_tape.insert(m_tape.begin() + index,
                  std::unique_ptr<Entry>(new Entry{std::move(line), std::move(state)}));
    m_lineCount.m_value = static_cast<std::int32_t>(m_tape.size());
    return true;
}

bool CVORDoc::eraseLine(int index) {
    if (index < 0 || index >= m_lineCount) return false;
    touch(index);
    m_tape.erase(m_tape.begin() + index);
    m_lineCount.m_value = static_cast<std::int32_t>(m_tape.size());
    return true;
}

bool CVORDoc::spliceLines(int first, int count, std::span<const TapeEntry> entries) {
    if (first < 0 || count < 0 || first + count > m_lineCount) return false;
    if (m_lineCount - count + static_cast<int>(entries.size()) > kMaxLines) return false;
    touch(first);
    const auto at = m_tape.begin() + first;
    const auto kept = m_tape.erase(at, at + count);
    std::vector<std::unique_ptr<Entry>> added;
    added.reserve(entries.size());
    for (const TapeEntry& e : entries) added.push_back(std::make_unique<Entry>(e));
    m_tape.insert(kept, std::make_move_iterator(added.begin()),
                  std::make_move_iterator(added.end()));
    m_lineCount.m_value = static_cast<std::int32_t>(m_tape.size());
    return true;
}

void CVORDoc::truncate(int count) {
    if (count < 0) count = 0;
    if (count >= m_lineCount) return;
    touch(count);
    m_tape.erase(m_tape.begin() + count, m_tape.end());
    m_lineCount.m_value = count;
}

}  // namespace vor
