#include "tape/tape_history.h"

#include <algorithm>
#include <utility>

namespace vor {
namespace {

std::size_t textBytes(const std::string& s) {
    // Short texts live inside the string itself.
    return s.capacity() > 15 ? s.capacity() + 1 : 0;
}

std::size_t entryBytes(const TapeEntry& e) {
    return sizeof(TapeEntry) + textBytes(e.line.m_text) + textBytes(e.line.m_comment) +
           textBytes(e.state.m_registers.m_mainText) + textBytes(e.state.m_registers.m_memoryText);
}

std::size_t momentBytes(const TapeMoment& m) {
    std::size_t n = sizeof(TapeMoment);
    if (m.pendingReplay) n += m.pendingReplay->size() * sizeof(CReplayStep);
    return n;
}

std::size_t entriesBytes(const std::vector<TapeEntry>& entries) {
    std::size_t n = 0;
    for (const TapeEntry& e : entries) n += entryBytes(e);
    return n;
}

}  // namespace

void CTapeHistory::reset(CVORDoc& doc) {
    m_steps.clear();
    m_position = 0;
    m_bytes = 0;
    m_copy.clear();
    m_copy.reserve(static_cast<std::size_t>(kMaxLines));
    for (int i = 0; i < doc.m_lineCount; ++i) m_copy.push_back(doc.entry(i));
    doc.untouch();
}

bool CTapeHistory::record(CVORDoc& doc, TapeMoment before,
                          const std::function<TapeMoment()>& after) {
    // The changed stretch: what lies between the lines both tapes share at
    // their start and at their end. The lines before the first one the
    // command could reach are shared without a look: a key that changed
    // nothing, or added a line at the end, costs nothing on a long tape.
    const std::size_t oldCount = m_copy.size();
    const auto newCount = static_cast<std::size_t>(doc.m_lineCount);
    const std::size_t shorter = std::min(oldCount, newCount);
    std::size_t head = std::min(static_cast<std::size_t>(doc.firstTouched()), shorter);
    doc.untouch();
    while (head < shorter && m_copy[head] == doc.entry(static_cast<int>(head))) ++head;
    std::size_t tail = 0;
    while (tail < shorter - head &&
           m_copy[oldCount - 1 - tail] == doc.entry(static_cast<int>(newCount - 1 - tail)))
        ++tail;
    const bool linesChanged = head + tail != oldCount || oldCount != newCount;
    // Clear All on an empty tape changes no line but takes the memory.
    const bool totalsChanged =
        before.registers.m_total != doc.m_total || before.registers.m_memory != doc.m_memory;
    if (!linesChanged && !totalsChanged) return false;

    Step step;
    step.first = static_cast<int>(head);
    const auto first = m_copy.begin() + static_cast<std::ptrdiff_t>(head);
    step.removed.assign(first, first + static_cast<std::ptrdiff_t>(oldCount - head - tail));
    for (std::size_t i = head; i < newCount - tail; ++i)
        step.inserted.push_back(doc.entry(static_cast<int>(i)));
    m_copy.erase(first, first + static_cast<std::ptrdiff_t>(step.removed.size()));
    m_copy.insert(m_copy.begin() + static_cast<std::ptrdiff_t>(head), step.inserted.begin(),
                  step.inserted.end());
    step.before = std::move(before);
    step.after = after();
    step.bytes = sizeof(Step) + entriesBytes(step.removed) + entriesBytes(step.inserted) +
                 momentBytes(step.before) + momentBytes(step.after);

    // Whatever was stepped back over is gone once the tape changes anew.
    while (m_steps.size() > m_position) {
        m_bytes -= m_steps.back().bytes;
        m_steps.pop_back();
    }
    m_bytes += step.bytes;
    m_steps.push_back(std::move(step));
    ++m_position;
    trim();
    return true;
}

void CTapeHistory::trim() {
    while (m_steps.size() > kMinSteps && m_bytes > kByteCap) {
        m_bytes -= m_steps.front().bytes;
        m_steps.pop_front();
        --m_position;
    }
}

const TapeMoment* CTapeHistory::stepBack(CVORDoc& doc, FormPort& form) {
    if (!canStepBack()) return nullptr;
    const Step& step = m_steps[--m_position];
    apply(doc, form, step.first, static_cast<int>(step.inserted.size()), step.removed);
    return &step.before;
}

const TapeMoment* CTapeHistory::stepForward(CVORDoc& doc, FormPort& form) {
    if (!canStepForward()) return nullptr;
    const Step& step = m_steps[m_position++];
    apply(doc, form, step.first, static_cast<int>(step.removed.size()), step.inserted);
    return &step.after;
}

void CTapeHistory::apply(CVORDoc& doc, FormPort& form, int first, int count,
                         const std::vector<TapeEntry>& entries) {
    // The copy is the tape as recorded. A tape that no longer matches it
    // (changed by something that recorded no step) is put back whole from
    // the copy rather than patched where its lines may have moved.
    bool matches = static_cast<int>(m_copy.size()) == doc.m_lineCount;
    for (int i = doc.firstTouched(); matches && i < doc.m_lineCount; ++i)
        matches = m_copy[static_cast<std::size_t>(i)] == doc.entry(i);
    const int rowsBefore = doc.m_lineCount;
    const auto at = m_copy.begin() + first;
    m_copy.erase(at, at + count);
    m_copy.insert(m_copy.begin() + first, entries.begin(), entries.end());
    if (!matches || !doc.spliceLines(first, count, entries)) {
        matches = false;
        doc.destroyLines();
        doc.spliceLines(0, 0, m_copy);
    }

    const int added = static_cast<int>(entries.size());
    form.setRedraw(false);
    if (!matches || form.rowCount() != rowsBefore || 2 * (count + added) > doc.m_lineCount) {
        // Most of the tape changed: refilling the box beats moving rows.
        form.resetRows();
        form.reserveRows(doc.m_lineCount);
        for (int i = 0; i < doc.m_lineCount; ++i) form.addRow(doc.line(i)->row());
    } else {
        const int common = std::min(count, added);
        for (int i = 0; i < common; ++i) form.replaceRow(first + i, doc.line(first + i)->row());
        for (int i = common; i < count; ++i) form.deleteRow(first + common);
        for (int i = common; i < added; ++i) form.insertRow(first + i, doc.line(first + i)->row());
    }
    form.setRedraw(true);
    doc.untouch();
}

}  // namespace vor
